// The files Ratekit32 writes: the .DEF and .MEF images and the .ACC file,
// each in StartupDirectory (where they are read first), replaced whole or
// not at all: written under a temporary name beside the old file and put in
// its place only when complete, so a failed write leaves the old file as it
// was. A new file gets 0666 less the process's umask, as any file a program
// creates.
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string_view>

#include "messages/message_numbers.h"
#include "ratekit/rating_context.h"

namespace ratekit {

// Replaces StartupDirectory + base + extension with the bytes. Nothing on
// success; the create number when the file cannot take its place (no file
// can be made there, or the old one cannot be replaced), the write number
// when the bytes cannot be written whole and flushed.
std::optional<std::int32_t> WriteStartupFile(const RatingContextView& record, std::string_view extension,
                                             std::span<const std::uint8_t> bytes, const message::WriteNumbers& numbers);

}  // namespace ratekit
