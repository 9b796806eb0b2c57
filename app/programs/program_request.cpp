#include "programs/program_request.h"

#include <algorithm>
#include <cctype>

#include "shell/data_files.h"
#include "shell/qiv_session.h"

namespace qiv {

namespace {

std::string UpperCase(std::string text) {
  std::transform(text.begin(), text.end(), text.begin(),
                 [](unsigned char c) { return static_cast<char>(std::toupper(c)); });
  return text;
}

std::vector<std::string> Words(std::string_view line) {
  std::vector<std::string> words;
  std::size_t at = 0;
  while ((at = line.find_first_not_of(' ', at)) != std::string_view::npos) {
    const std::size_t end = std::min(line.find(' ', at), line.size());
    words.emplace_back(line.substr(at, end - at));
    at = end;
  }
  return words;
}

}  // namespace

platform::desktop::ProgramRequest DataProgramRequest(const QivSession& session, std::string_view line, bool upperCase) {
  const std::string text = upperCase ? UpperCase(std::string(line)) : std::string(line);
  platform::desktop::ProgramRequest request;
  request.commandLine = (upperCase ? UpperCase(session.dataDirectory()) : session.dataDirectory()) + text;
  std::vector<std::string> words = Words(text);
  if (words.empty()) return request;
  request.start.program = DataFileOnDisk(session, words.front());
  request.start.arguments.assign(words.begin() + 1, words.end());
  return request;
}

}  // namespace qiv
