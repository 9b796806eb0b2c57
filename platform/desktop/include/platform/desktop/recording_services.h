// Fakes of the desktop services for tests: each records exactly what it was
// asked, in order, and answers what the test set.
#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/desktop/calculator.h"
#include "platform/desktop/help.h"
#include "platform/desktop/opener.h"
#include "platform/desktop/programs.h"

namespace platform::desktop {

class RecordingOpener final : public Opener {
 public:
  enum class Kind { Document, Address };
  struct Request {
    Kind kind;
    std::string target;  // the path or address as given
    friend bool operator==(const Request&, const Request&) = default;
  };

  DesktopResult openDocument(std::string_view path) override { return record(Kind::Document, path); }
  DesktopResult openAddress(std::string_view address) override { return record(Kind::Address, address); }

  std::vector<Request> requests;
  DesktopResult answer;  // what every request answers

 private:
  DesktopResult record(Kind kind, std::string_view target) {
    requests.push_back({kind, std::string(target)});
    return answer;
  }
};

class RecordingHelp final : public Help {
 public:
  struct Request {
    std::string helpFile;
    std::optional<std::uint32_t> context;  // nothing: the contents
    friend bool operator==(const Request&, const Request&) = default;
  };

  DesktopResult showContext(std::string_view helpFile, std::uint32_t context) override {
    return record(helpFile, context);
  }
  DesktopResult showContents(std::string_view helpFile) override { return record(helpFile, std::nullopt); }

  std::vector<Request> requests;
  DesktopResult answer;

 private:
  DesktopResult record(std::string_view helpFile, std::optional<std::uint32_t> context) {
    requests.push_back({std::string(helpFile), context});
    return answer;
  }
};

class RecordingCalculator final : public Calculator {
 public:
  DesktopResult start() override {
    ++starts;
    return answer;
  }

  int starts = 0;
  DesktopResult answer;
};

// Records every program asked for; none runs. A kept program runs until
// the test ends it.
class RecordingPrograms final : public Programs {
 public:
  enum class Kind { Waited, Kept, Forgotten };
  struct Request {
    Kind kind;
    std::string commandLine;
    std::string program;
    std::vector<std::string> arguments;
    friend bool operator==(const Request&, const Request&) = default;
  };

  int runAndWait(const ProgramRequest& request) override { return record(Kind::Waited, request); }
  std::unique_ptr<StartedProgram> start(const ProgramRequest& request, int& error) override {
    error = record(Kind::Kept, request);
    if (error != 0) return nullptr;
    kept.push_back(std::make_shared<bool>(true));
    return std::make_unique<KeptProgram>(kept.back());
  }
  int startAndForget(const ProgramRequest& request) override { return record(Kind::Forgotten, request); }

  // Ends the i-th program kept.
  void end(std::size_t i) { *kept.at(i) = false; }

  std::vector<Request> requests;
  std::vector<std::shared_ptr<bool>> kept;  // running flags of the kept programs
  int answer = 0;                           // the errno every start answers

 private:
  class KeptProgram final : public StartedProgram {
   public:
    explicit KeptProgram(std::shared_ptr<bool> running) : running_(std::move(running)) {}
    bool running() override { return *running_; }

   private:
    std::shared_ptr<bool> running_;
  };
  int record(Kind kind, const ProgramRequest& request) {
    requests.push_back({kind, request.commandLine, request.start.program, request.start.arguments});
    return answer;
  }
};

}  // namespace platform::desktop
