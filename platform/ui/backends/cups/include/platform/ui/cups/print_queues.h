// The system's print queues: listed, and given a PDF document to print.
// CupsQueues asks a CUPS server through libcups; RecordingQueues
// (recording_queues.h) stands in for it in tests, which have no server.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace platform::ui::cups {

struct QueueJob {
  std::string queue;
  std::string title;  // UTF-8
  int copies = 1;
  std::vector<std::uint8_t> pdf;
};

struct QueueResult {
  bool ok = true;
  std::string error = {};  // why not, for a log or a message
};

class PrintQueues {
 public:
  virtual ~PrintQueues() = default;
  // The queues' names (none when no server answers).
  virtual std::vector<std::string> names() = 0;
  virtual QueueResult submit(const QueueJob& job) = 0;
};

// Where a CUPS server answers: a host name or address and its port, or the
// path of a local socket (the port is then not used).
struct CupsServer {
  std::string host;
  int port = 631;
};

class CupsQueues final : public PrintQueues {
 public:
  // The server the user's CUPS settings name.
  CupsQueues();
  explicit CupsQueues(CupsServer server) : server_(std::move(server)) {}
  // The destinations of the server (their instances left out), in its order.
  std::vector<std::string> names() override;
  // A job titled by the job's title, its one document the PDF, with the
  // copies asked for. A server that does not answer within a few seconds,
  // or refuses any step, fails the job (a job already created is
  // cancelled).
  QueueResult submit(const QueueJob& job) override;

 private:
  CupsServer server_;
};

}  // namespace platform::ui::cups
