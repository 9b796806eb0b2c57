// Print queues for tests: the names they are given, and every job kept
// whole with the answer the test set.
#pragma once

#include <string>
#include <vector>

#include "platform/ui/cups/print_queues.h"

namespace platform::ui::cups {

class RecordingQueues final : public PrintQueues {
 public:
  std::vector<std::string> names() override { return queues; }
  QueueResult submit(const QueueJob& job) override {
    jobs.push_back(job);
    return answer;
  }

  std::vector<std::string> queues;
  std::vector<QueueJob> jobs;
  QueueResult answer;
};

}  // namespace platform::ui::cups
