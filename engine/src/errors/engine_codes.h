// Every engine code the engine raises or returns, each number once with one
// name; error_texts.cpp holds the texts the caller reads for them.
#pragma once

#include <cstdint>

namespace vorn::code {

inline constexpr std::int16_t kSuccess = 0;
// An 'X' file that does not open (the code its opener has always answered;
// no text stands for it).
inline constexpr std::int16_t kCantOpenXFile = 1;

// The tariff directory (TDA.SEQ, TDS.SEQ, TDX.TBL, TDZ.BIN, TDT.BIN, TDV.SEQ).
inline constexpr std::int16_t kCantOpenStateTable = 101;
inline constexpr std::int16_t kCantOpenSelectionTable = 102;
inline constexpr std::int16_t kCantOpenExceptions = 103;
inline constexpr std::int16_t kCantOpenZipRanges = 104;
inline constexpr std::int16_t kCantOpenTariffTable = 105;
inline constexpr std::int16_t kExceptionSearchFailed = 113;
inline constexpr std::int16_t kZipNotInRanges = 114;
inline constexpr std::int16_t kTariffTableRowNotFound = 115;
inline constexpr std::int16_t kInvalidOriginZip = 117;
inline constexpr std::int16_t kInvalidDestinationZip = 118;
inline constexpr std::int16_t kInvalidZipCombination = 119;
inline constexpr std::int16_t kStateTableNotAllocated = 120;
inline constexpr std::int16_t kOutOfScope = 121;
inline constexpr std::int16_t kNoVersionForShipDate = 122;
inline constexpr std::int16_t kCityMustBeSpecified = 123;
inline constexpr std::int16_t kCityFileBuilt = 124;
inline constexpr std::int16_t kTariffMustBeSpecified = 125;
inline constexpr std::int16_t kTariffFileBuilt = 126;
inline constexpr std::int16_t kCandidatesNotWritten = 129;
inline constexpr std::int16_t kCantOpenVersionList = 130;
inline constexpr std::int16_t kCantReadVersionList = 131;
// Package rating.
inline constexpr std::int16_t kInvalidTier = 141;
inline constexpr std::int16_t kInvalidPackageCode = 142;
inline constexpr std::int16_t kInvalidDropCode = 143;
inline constexpr std::int16_t kPackageWeightZero = 144;
inline constexpr std::int16_t kPricingExceedsLimits = 145;

// EFCREC.TBL and the tariff's lettered files.
inline constexpr std::int16_t kTariffFilesNotFound = 200;
inline constexpr std::int16_t kMemoryError = 201;
inline constexpr std::int16_t kInvalidTariffType = 202;
inline constexpr std::int16_t kCantOpenEffectiveFile = 203;
inline constexpr std::int16_t kCantOpenFactorFile = 204;  // .F
inline constexpr std::int16_t kCantOpenZipPairs = 205;    // .Z
inline constexpr std::int16_t kCantOpenPointFile = 206;   // .P .Q .Y
inline constexpr std::int16_t kCantOpenMatrix = 207;      // .I .J
inline constexpr std::int16_t kCantOpenRateFile = 208;    // .R
inline constexpr std::int16_t kCantReadEffectiveFile = 209;
inline constexpr std::int16_t kCantReadFactorFile = 210;  // .F
inline constexpr std::int16_t kCantReadRateFile = 214;    // .R short read or key mismatch
inline constexpr std::int16_t kOriginNotInTariff = 216;
inline constexpr std::int16_t kDestinationNotInTariff = 217;
inline constexpr std::int16_t kCombinationNotInTariff = 218;
inline constexpr std::int16_t kCantOpenWeightTypes = 219;  // .T
inline constexpr std::int16_t kCantOpenCityFile = 220;     // .E
inline constexpr std::int16_t kCantOpenLightBase = 221;    // .B
inline constexpr std::int16_t kCantOpenLightMatrix = 222;  // .K
inline constexpr std::int16_t kInvalidRateBasisNumber = 223;
inline constexpr std::int16_t kTooManyCityAddOns = 224;
inline constexpr std::int16_t kCantOpenMinimums = 225;         // .M
inline constexpr std::int16_t kCantReadMinimums = 226;         // .M
inline constexpr std::int16_t kCantOpenLaneList = 230;         // .L
inline constexpr std::int16_t kCantOpenLaneAdjustments = 231;  // .A
inline constexpr std::int16_t kCantReadLaneAdjustments = 233;  // .A
inline constexpr std::int16_t kTooManyLaneAdjustments = 235;
inline constexpr std::int16_t kBorderCrossingNotFound = 236;
inline constexpr std::int16_t kWeightOverMaximum = 241;
inline constexpr std::int16_t kCantOpenCityAddOns = 250;       // .O
inline constexpr std::int16_t kCantOpenRateBasisAddOns = 260;  // .H
inline constexpr std::int16_t kCantOpenClassFactors = 270;     // .C
inline constexpr std::int16_t kCantOpenNFile = 271;            // .N
inline constexpr std::int16_t kLightTableCodeBad = 272;

// The request.
inline constexpr std::int16_t kInvalidTariffThisCall = 370;
inline constexpr std::int16_t kInvalidPackageService = 371;
inline constexpr std::int16_t kInvalidServiceDropoff = 372;
inline constexpr std::int16_t kWeightLimitExceeded = 373;
inline constexpr std::int16_t kDimensionalServiceError = 374;
inline constexpr std::int16_t kInvalidInternalWeight = 375;
inline constexpr std::int16_t kPackageOver150Pounds = 377;
inline constexpr std::int16_t kBadPackageCount = 378;
inline constexpr std::int16_t kInvalidServiceCode = 379;
inline constexpr std::int16_t kBadDetailCount = 382;
inline constexpr std::int16_t kIntraMexico = 384;
inline constexpr std::int16_t kMexicanTariffNoMexicanZip = 385;
inline constexpr std::int16_t kMexicanTariffNotSelected = 386;
inline constexpr std::int16_t kTooManyMexicanMinimums = 387;
inline constexpr std::int16_t kMexicanTariffNotEightCharacters = 388;
inline constexpr std::int16_t kPackageVersionError = 392;
inline constexpr std::int16_t kTariffNotFoundForShipDate = 394;
inline constexpr std::int16_t kInvalidTariff = 395;
inline constexpr std::int16_t kInvalidShipDate = 396;
inline constexpr std::int16_t kTariffTooOld = 397;
inline constexpr std::int16_t kTariffTooNew = 398;
inline constexpr std::int16_t kInvalidClassBase = 400;   // + line number (from 1): no rate for its class
inline constexpr std::int16_t kInvalidWeightBase = 500;  // + line number (from 1)

// The service guide.
inline constexpr std::int16_t kServiceGuideNotInitialised = 700;
inline constexpr std::int16_t kServiceGuideEntryNotFound = 701;
inline constexpr std::int16_t kInvalidServiceGuideStatus = 703;

}  // namespace vorn::code
