// Opening the tables of the effective-data folder by their plain names
// (EFCREC.TBL and the tariff-directory files); each successful open is
// recorded in the binary log.
#pragma once

#include <optional>
#include <string_view>
#include <vector>

#include "logs/binary_log.h"
#include "platform/kernel/file.h"

namespace vorn {

std::optional<platform::File> OpenTableFile(std::string_view folder, std::string_view name, const BinaryDebugLog& log);

// A text table opened for reading in order: its whole content, or nothing
// when it cannot be opened or read.
std::optional<std::vector<std::uint8_t>> OpenTableStream(std::string_view folder, std::string_view name,
                                                         const BinaryDebugLog& log);

}  // namespace vorn
