// The data of each folder's DLLData.dat, read once and shared by every
// thread and handle that opens the folder, until the file changes.
#pragma once

#include <memory>
#include <string>
#include <variant>

#include "data/guide_file.h"

namespace lanebook {

using SharedGuide = std::shared_ptr<const GuideData>;

// The data of DLLData.dat in the folder (its name matched without regard
// to case), or the status that refuses it: 1045 when it cannot be opened,
// 1046 when it cannot be read or is cut short, 1012 in another shape, 1011 expired.
std::variant<SharedGuide, int> LoadGuide(const std::string& folder);

// The data still serves today (1011 once it has expired), else 0.
int CheckNotExpired(const GuideData& data);

}  // namespace lanebook
