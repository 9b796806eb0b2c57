// Reading data files back: a file decoded into the description syntax (a
// block that builds the same bytes again), and the builder's checks applied
// to a file as it lies on disk.
//
// A kind is named by its block keyword ("tds") or a file name ("TDS.SEQ",
// "TSTFRT01.F01"), without regard to case, optionally followed by block
// fields ("tdt slots=3", "factor type=A"); when no kind is given, the file's
// own name decides. Settings that neither give are found beside the file as
// a description would find them: the row width of TDT.BIN in TDS.SEQ, a
// factor file's format in EFCREC.TBL; TDN.IDX is read with TDN.IDA.
#pragma once

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "dataset/errors.h"

namespace dataset {

// The description block of a file's content. Records that fields cannot
// express come out as raw items, and a content that fails the checks gives a
// block marked raw with the problems as comments, so building the block
// gives back the same bytes. The header carries the settings the block
// needs ("tdt slots=3"). Throws Error for an unknown kind.
std::string DecodeContent(std::string_view kind, std::string_view content);

// The same for a file; throws Error when it cannot be read or its kind is unknown.
std::string DecodeFile(const std::filesystem::path& file, std::string_view kind = {});

// The checks on a content or on a file (nothing when all is well).
std::vector<Problem> CheckContent(std::string_view kind, std::string_view content);
std::vector<Problem> CheckFile(const std::filesystem::path& file, std::string_view kind = {});

// The block keywords of every known kind, in the registry's order.
std::vector<std::string> KnownKinds();

}  // namespace dataset
