// A program the process tests start. Its first argument says what it does:
//   exit N       ends with exit code N
//   signal N     ends by signal N
//   report FILE  writes to FILE its arguments (its own name first), each
//                ended by a NUL, then "descriptors" and its open descriptors
//   wait FIFO    reads the FIFO until its writer closes it
//   copy -       copies its standard input to its standard output
#include <algorithm>
#include <cstdlib>
#include <dirent.h>
#include <fcntl.h>
#include <fstream>
#include <signal.h>
#include <string>
#include <unistd.h>
#include <vector>

int main(int argc, char** argv) {
  if (argc < 3) return 100;
  const std::string what = argv[1];
  if (what == "exit") return std::atoi(argv[2]);
  if (what == "signal") return ::raise(std::atoi(argv[2])) + 101;
  if (what == "report") {
    std::vector<int> descriptors;
    DIR* listing = ::opendir("/proc/self/fd");
    while (const dirent* entry = listing ? ::readdir(listing) : nullptr)
      if (entry->d_name[0] != '.' && std::atoi(entry->d_name) != ::dirfd(listing))
        descriptors.push_back(std::atoi(entry->d_name));
    if (listing) ::closedir(listing);
    std::sort(descriptors.begin(), descriptors.end());
    std::ofstream out(argv[2], std::ios::binary);
    for (int i = 0; i < argc; ++i) out << argv[i] << '\0';
    out << "descriptors";
    for (int fd : descriptors) out << ' ' << fd;
    out << '\n';
    return out ? 0 : 102;
  }
  if (what == "wait") {
    const int fifo = ::open(argv[2], O_RDONLY);
    char buffer[64];
    while (fifo >= 0 && ::read(fifo, buffer, sizeof buffer) > 0) {}
    return fifo >= 0 ? 0 : 103;
  }
  if (what == "copy") {
    char buffer[256];
    ssize_t got = 0;
    while ((got = ::read(STDIN_FILENO, buffer, sizeof buffer)) > 0)
      if (::write(STDOUT_FILENO, buffer, static_cast<std::size_t>(got)) != got) return 105;
    return got == 0 ? 0 : 106;
  }
  return 104;
}
