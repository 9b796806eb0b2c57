#include "platform/testing/temp_directory.h"

#include <algorithm>
#include <chrono>
#include <ctime>
#include <fstream>
#include <sstream>
#include <stdexcept>
#include <stdlib.h>
#include <sys/stat.h>
#include <thread>

namespace platform::testing {

TempDirectory::TempDirectory() {
  std::string pattern = (std::filesystem::temp_directory_path() / "qiv-test-XXXXXX").string();
  if (::mkdtemp(pattern.data()) == nullptr) throw std::runtime_error("cannot make a temporary directory");
  path_ = pattern;
}

TempDirectory::~TempDirectory() {
  std::error_code ignored;
  std::filesystem::remove_all(path_, ignored);
}

std::filesystem::path TempDirectory::write(std::string_view name, std::string_view content) const {
  std::filesystem::path file = path_ / name;
  std::filesystem::create_directories(file.parent_path());
  std::ofstream out(file, std::ios::binary | std::ios::trunc);
  out.write(content.data(), static_cast<std::streamsize>(content.size()));
  if (!out) throw std::runtime_error("cannot write " + file.string());
  return file;
}

std::filesystem::path TempDirectory::write(std::string_view name, const std::vector<std::uint8_t>& content) const {
  return write(name, std::string_view(reinterpret_cast<const char*>(content.data()), content.size()));
}

std::string ReadFileText(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream out;
  out << in.rdbuf();
  return out.str();
}

void Overwrite(const std::filesystem::path& file, std::string_view content) {
  std::ofstream out(file, std::ios::binary | std::ios::in | std::ios::out);
  out.write(content.data(), static_cast<std::streamsize>(content.size()));
  if (!out) throw std::runtime_error("cannot overwrite " + file.string());
}

void WaitUntilSettled(std::initializer_list<std::filesystem::path> entries) {
  for (const std::filesystem::path& entry : entries) {
    for (;;) {
      struct stat st {};
      if (::stat(entry.c_str(), &st) != 0) throw std::runtime_error("no " + entry.string());
      if (std::time(nullptr) - std::max(st.st_mtim.tv_sec, st.st_ctim.tv_sec) > 2) break;
      std::this_thread::sleep_for(std::chrono::milliseconds(200));
    }
  }
}

}  // namespace platform::testing
