// The numbers Ratekit32 stores in LastErrorCode, each defined once. Their
// texts are in error_text.cpp (or the program's language file).
#pragma once

#include <cstdint>

namespace ratekit::message {

inline constexpr std::int32_t kNone = 0;
inline constexpr std::int32_t kAlreadyShown = -1;  // a message was shown already

// Checks of the shipment.
inline constexpr std::int32_t kInvalidOrigin = 101;
inline constexpr std::int32_t kInvalidDestination = 102;
inline constexpr std::int32_t kOutOfScope = 103;
inline constexpr std::int32_t kInvalidClass = 105;
inline constexpr std::int32_t kInvalidWeight = 106;
inline constexpr std::int32_t kInvalidSurcharge = 108;
inline constexpr std::int32_t kDiscountTooLarge = 118;
inline constexpr std::int32_t kInvalidZipCombination = 501;
inline constexpr std::int32_t kInvalidFactor = 513;

// Engine connection.
inline constexpr std::int32_t kSecondCandidateBlock = 113;  // not allocated
inline constexpr std::int32_t kFirstCandidateBlock = 114;   // not allocated
inline constexpr std::int32_t kCandidatesTooManyFirst = 133;
inline constexpr std::int32_t kCandidatesTooManySecond = 134;
inline constexpr std::int32_t kEffectiveTableRead = 140;
inline constexpr std::int32_t kEffectiveTableAllocation = 141;
inline constexpr std::int32_t kEngineEntryPointMissing = 400;  // 400..409 by binding order
inline constexpr std::int32_t kRatingEntryPointMissing = 407;

// Settings profiles (PROFILE.FIL).
inline constexpr std::int32_t kProfileFileNotMade = 121;
inline constexpr std::int32_t kProfileFileOpen = 125;
inline constexpr std::int32_t kProfileFileRead = 126;
inline constexpr std::int32_t kProfileNotFound = 127;

// The files of the data-file set: the number stored when a file cannot be
// opened (or is missing where it is required), when its buffer cannot be
// had, and when it cannot be read whole (or exceeds its room). 0: the file
// has no such number.
struct FileNumbers {
  std::int32_t open, allocation, read;
};
// The files Ratekit32 writes: the number stored when the file cannot be
// made or put in place, and when it cannot be written whole.
struct WriteNumbers {
  std::int32_t create, write;
};
inline constexpr WriteNumbers kDefaultsFileWrite{241, 245};     // .DEF
inline constexpr WriteNumbers kMexicoFileWrite{160, 161};       // .MEF
inline constexpr WriteNumbers kAccessorialFileWrite{520, 246};  // .ACC

inline constexpr FileNumbers kSettingsFile{370, 0, 374};      // .SET
inline constexpr FileNumbers kDefaultsFileRead{240, 0, 244};  // .DEF read
inline constexpr FileNumbers kDiscountFile{250, 0, 254};      // .DIS
inline constexpr FileNumbers kAccessorialFile{490, 0, 494};   // .ACC read
inline constexpr FileNumbers kLevelFile{300, 302, 304};
inline constexpr FileNumbers kOriginCodeFile{0, 150, 151};   // .COZ (missing: no number)
inline constexpr FileNumbers kProvinceFile{460, 0, 464};     // .SCC
inline constexpr FileNumbers kZipStateFile{360, 0, 364};     // ".SC "
inline constexpr FileNumbers kZipRangeFile{436, 168, 438};   // .ZP6
inline constexpr FileNumbers kServiceRangeFile{0, 0, 444};   // .ZPS header
inline constexpr FileNumbers kPostalServiceFile{0, 0, 225};  // .BSV header
inline constexpr FileNumbers kMchFile{182, 193, 324};
inline constexpr FileNumbers kClassFile{230, 0, 235};  // read: no class read
inline constexpr FileNumbers kWeightFile{380, 0, 384};
inline constexpr std::int32_t kNoWeightBreak = 385;
inline constexpr FileNumbers kZf1File{390, 0, 394};
inline constexpr FileNumbers kZfmFile{456, 0, 457};
inline constexpr FileNumbers kZf2File{410, 0, 414};
inline constexpr FileNumbers kBscFile{480, 0, 484};
inline constexpr FileNumbers kFactorFile{260, 0, 264};  // .FAC and .FCC
inline constexpr FileNumbers kBseFile{220, 0, 224};
inline constexpr FileNumbers kLaFile{270, 272, 274};
inline constexpr FileNumbers kRbaFile{340, 342, 344};
inline constexpr FileNumbers kLmcFile{181, 312, 314};
inline constexpr FileNumbers kLcaFile{183, 362, 534};
inline constexpr FileNumbers kLabFile{280, 0, 284};
inline constexpr FileNumbers kLamFile{290, 0, 290};  // .LAM has one number
inline constexpr FileNumbers kAdjFile{210, 0, 214};
inline constexpr FileNumbers kTableNameFile{450, 0, 450};  // .TBL
inline constexpr FileNumbers kRateProbeFile{350, 0, 0};    // .RTE or .RTL

// Service guide.
inline constexpr std::int32_t kGuideEntryPointMissing = 525;  // 525..529
inline constexpr std::int32_t kServiceGuideFailed = 533;

}  // namespace ratekit::message
