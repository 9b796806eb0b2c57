#include "dataset/errors.h"

namespace dataset {

DescriptionError::DescriptionError(int line, const std::string& message)
    : Error("line " + std::to_string(line) + ": " + message), line_(line), message_(message) {}

std::string Problem::text() const {
  std::string out = file;
  if (record) out += " record " + std::to_string(*record);
  if (line > 0) out += " (line " + std::to_string(line) + ")";
  return out + ": " + message;
}

namespace {

std::string JoinProblems(const std::vector<Problem>& problems) {
  std::string out;
  for (const Problem& p : problems) {
    if (!out.empty()) out += '\n';
    out += p.text();
  }
  return out;
}

}  // namespace

CheckError::CheckError(std::vector<Problem> problems) : Error(JoinProblems(problems)), problems_(std::move(problems)) {}

}  // namespace dataset
