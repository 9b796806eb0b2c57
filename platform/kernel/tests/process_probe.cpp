// A program the process tests start. Its first argument says what it does:
//   exit N     ends with exit code N
//   signal N   ends by signal N
//   args FILE  writes its arguments, its own name first, each ended by a NUL, to FILE
//   fds FILE   writes the numbers of its open descriptors, one a line, to FILE
//   wait FIFO  reads the FIFO until its writer closes it, then ends with 0
#include <dirent.h>
#include <fcntl.h>
#include <signal.h>
#include <unistd.h>

#include <cstdlib>
#include <cstring>
#include <fstream>
#include <string>

int main(int argc, char** argv) {
  if (argc < 3) return 100;
  const std::string what = argv[1];
  if (what == "exit") return std::atoi(argv[2]);
  if (what == "signal") {
    ::raise(std::atoi(argv[2]));
    return 101;
  }
  if (what == "args") {
    std::ofstream out(argv[2], std::ios::binary);
    for (int i = 0; i < argc; ++i) out.write(argv[i], static_cast<std::streamsize>(std::strlen(argv[i]) + 1));
    return out ? 0 : 102;
  }
  if (what == "fds") {
    DIR* listing = ::opendir("/proc/self/fd");
    if (listing == nullptr) return 103;
    std::string numbers;
    while (const dirent* entry = ::readdir(listing)) {
      if (entry->d_name[0] == '.' || std::atoi(entry->d_name) == ::dirfd(listing)) continue;
      numbers += std::string(entry->d_name) + "\n";
    }
    ::closedir(listing);
    std::ofstream out(argv[2]);
    out << numbers;
    return out ? 0 : 104;
  }
  if (what == "wait") {
    const int fifo = ::open(argv[2], O_RDONLY);
    if (fifo < 0) return 105;
    char buffer[64];
    while (::read(fifo, buffer, sizeof buffer) > 0) {
    }
    return 0;
  }
  return 106;
}
