// Fakes of the desktop services for tests: each records exactly what it was
// asked, in order, and answers what the test set.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/desktop/calculator.h"
#include "platform/desktop/help.h"
#include "platform/desktop/opener.h"

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

  DesktopResult showContext(std::string_view helpFile, std::uint32_t context) override { return record(helpFile, context); }
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

}  // namespace platform::desktop
