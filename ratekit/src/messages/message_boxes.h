// Ratekit32's message boxes. Ratekit32 has no screen: the program installs
// a callback that shows a box and one that ends its message loop. Until it
// does, a box is written to standard error and answered OK (Yes for a
// question), and a quit is only recorded for the program to take back.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "ratekit/host_interface.h"

namespace ratekit {

inline constexpr std::size_t kBoxTextLimit = 179;

// The text a box shows: text as it stands, or the numbered message's text
// when it is empty (or null); at most 179 characters.
std::string BoxText(const char* text, std::int32_t number);

// Shows a box through the program's callback; the answer.
int ShowBox(RatekitBoxKind kind, std::string_view caption, std::string_view text, void* owner);

// Asks the program to end with the code.
void RequestQuit(int code);

void InstallMessageBoxes(RatekitShowBox show, RatekitQuit quit, void* hostContext);
std::optional<int> TakeRecordedQuit();

}  // namespace ratekit
