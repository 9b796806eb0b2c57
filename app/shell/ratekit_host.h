// The program's side of Ratekit32's host interface: the message boxes
// Ratekit32 shows are the program's own (warnings owned by the screen,
// fatal errors without an owner, then a quit with the message number), and
// the RatingContext's slots for the loaded libraries and the language
// tables hold tokens of Ratekit32's table, made once the library is bound
// and retired before it is freed.
#pragma once

#include <cstdint>
#include <vector>

#include "ratekit/host_interface.h"

namespace qiv {

struct QivSession;

class RatekitHostConnection {
 public:
  // Installs the boxes and fills the token slots; nothing when the library
  // offers no host interface.
  void connect(QivSession& session);
  // Retires the tokens (their slots emptied) and takes the boxes back.
  void disconnect(QivSession& session);

 private:
  const RatekitHost* host_ = nullptr;
  std::vector<std::uint32_t> tokens_;
};

// The box Ratekit32 asks for, shown by the program: its answer.
int ShowRatekitBox(RatekitBoxKind kind, const char* caption, const char* text, void* owner);

}  // namespace qiv
