// CUPS through libcups (see print_queues.h): the only file that includes
// its headers.
#include <algorithm>
#include <cups/cups.h>
#include <string>

#include "platform/ui/cups/print_queues.h"

namespace platform::ui::cups {

namespace {

constexpr int kConnectMilliseconds = 5000;
constexpr std::size_t kChunk = 65536;

// A connection to the server, closed when it goes.
class Connection {
 public:
  explicit Connection(const CupsServer& server)
      : http_(httpConnect2(server.host.c_str(), server.port, nullptr, AF_UNSPEC, cupsEncryption(), 1,
                           kConnectMilliseconds, nullptr)) {}
  ~Connection() {
    if (http_ != nullptr) httpClose(http_);
  }
  Connection(const Connection&) = delete;
  Connection& operator=(const Connection&) = delete;
  http_t* get() const { return http_; }

 private:
  http_t* http_;
};

QueueResult Failed(std::string_view step) {
  const char* why = cupsLastErrorString();
  return {false, std::string(step) + ": " + (why != nullptr && *why != '\0' ? why : "no answer")};
}

}  // namespace

CupsQueues::CupsQueues() : server_{cupsServer(), ippPort()} {}

std::vector<std::string> CupsQueues::names() {
  std::vector<std::string> names;
  Connection http(server_);
  if (http.get() == nullptr) return names;
  cups_dest_t* dests = nullptr;
  const int count = cupsGetDests2(http.get(), &dests);
  for (int i = 0; i < count; ++i)
    if (dests[i].instance == nullptr) names.emplace_back(dests[i].name);
  cupsFreeDests(count, dests);
  return names;
}

QueueResult CupsQueues::submit(const QueueJob& job) {
  Connection http(server_);
  if (http.get() == nullptr) return {false, "no print server answers at " + server_.host};
  cups_option_t* options = nullptr;
  int optionCount = cupsAddOption("copies", std::to_string(std::max(1, job.copies)).c_str(), 0, &options);
  const int id = cupsCreateJob(http.get(), job.queue.c_str(), job.title.c_str(), optionCount, options);
  cupsFreeOptions(optionCount, options);
  if (id == 0) return Failed("the job was refused");

  QueueResult result;
  if (cupsStartDocument(http.get(), job.queue.c_str(), id, job.title.c_str(), CUPS_FORMAT_PDF, 1) !=
      HTTP_STATUS_CONTINUE) {
    result = Failed("the document was refused");
  } else {
    for (std::size_t at = 0; at < job.pdf.size() && result.ok; at += kChunk) {
      const std::size_t length = std::min(kChunk, job.pdf.size() - at);
      if (cupsWriteRequestData(http.get(), reinterpret_cast<const char*>(job.pdf.data() + at), length) !=
          HTTP_STATUS_CONTINUE)
        result = Failed("the document could not be sent");
    }
    const ipp_status_t finished = cupsFinishDocument(http.get(), job.queue.c_str());
    if (result.ok && finished > IPP_STATUS_OK_EVENTS_COMPLETE) result = Failed("the document was not accepted");
  }
  if (!result.ok) cupsCancelJob2(http.get(), job.queue.c_str(), id, 0);
  return result;
}

}  // namespace platform::ui::cups
