// Every engine code, each number once with one name: the codes the engine
// raises or returns, and the others its error texts list (error_texts.cpp
// holds the texts the caller reads for them).
#pragma once

#include <cstdint>

namespace vorn::code {

inline constexpr std::int16_t kSuccess = 0;
// An 'X' file that does not open (the code its opener has always answered;
// no text stands for it).
inline constexpr std::int16_t kCantOpenXFile = 1;

// The tariff directory (TDA.SEQ, TDS.SEQ, TDX.TBL, TDZ.BIN, TDT.BIN, TDN,
// TDV.SEQ), the request's points and the caller's candidates.
inline constexpr std::int16_t kCantOpenStateTable = 101;
inline constexpr std::int16_t kCantOpenSelectionTable = 102;
inline constexpr std::int16_t kCantOpenExceptions = 103;
inline constexpr std::int16_t kCantOpenZipRanges = 104;
inline constexpr std::int16_t kCantOpenTariffTable = 105;
inline constexpr std::int16_t kCantOpenExceptionNames = 106;
inline constexpr std::int16_t kCantReadSelectionTable = 107;
inline constexpr std::int16_t kCantReadExceptions = 108;
inline constexpr std::int16_t kCantReadZipRanges = 109;
inline constexpr std::int16_t kCantReadTariffTable = 110;
inline constexpr std::int16_t kCantReadExceptionNames = 111;
inline constexpr std::int16_t kSelectionSearchFailed = 112;
inline constexpr std::int16_t kExceptionSearchFailed = 113;
inline constexpr std::int16_t kZipNotInRanges = 114;
inline constexpr std::int16_t kTariffTableRowNotFound = 115;
inline constexpr std::int16_t kExceptionNameNotFound = 116;
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
inline constexpr std::int16_t kCantOpenCandidatesFile = 128;
inline constexpr std::int16_t kCandidatesNotWritten = 129;
inline constexpr std::int16_t kCantOpenVersionList = 130;
inline constexpr std::int16_t kCantReadVersionList = 131;

// Package rating and the answer.
inline constexpr std::int16_t kSeekError = 140;
inline constexpr std::int16_t kInvalidTier = 141;
inline constexpr std::int16_t kInvalidPackageCode = 142;
inline constexpr std::int16_t kInvalidDropCode = 143;
inline constexpr std::int16_t kPackageWeightZero = 144;
inline constexpr std::int16_t kPricingExceedsLimits = 145;

// EFCREC.TBL and the tariff's lettered files.
inline constexpr std::int16_t kTooManyFilesOpen = 199;
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
inline constexpr std::int16_t kCantReadPointFile = 212;
inline constexpr std::int16_t kCantReadMatrix = 213;
inline constexpr std::int16_t kCantReadRateFile = 214;  // .R short read or key mismatch
inline constexpr std::int16_t kEffectiveFileFull = 215;
inline constexpr std::int16_t kOriginNotInTariff = 216;
inline constexpr std::int16_t kDestinationNotInTariff = 217;
inline constexpr std::int16_t kCombinationNotInTariff = 218;
inline constexpr std::int16_t kCantOpenWeightTypes = 219;  // .T
inline constexpr std::int16_t kCantOpenCityFile = 220;     // .E
inline constexpr std::int16_t kCantOpenLightBase = 221;    // .B
inline constexpr std::int16_t kCantOpenLightMatrix = 222;  // .K
inline constexpr std::int16_t kInvalidRateBasisNumber = 223;
inline constexpr std::int16_t kTooManyCityAddOns = 224;
inline constexpr std::int16_t kCantOpenMinimums = 225;  // .M
inline constexpr std::int16_t kCantReadMinimums = 226;  // .M
inline constexpr std::int16_t kCantOpenExceptionFile = 229;
inline constexpr std::int16_t kCantOpenLaneList = 230;         // .L
inline constexpr std::int16_t kCantOpenLaneAdjustments = 231;  // .A
inline constexpr std::int16_t kCantReadLaneList = 232;
inline constexpr std::int16_t kCantReadLaneAdjustments = 233;  // .A
inline constexpr std::int16_t kLaneAdjustmentTooBig = 234;
inline constexpr std::int16_t kTooManyLaneAdjustments = 235;
inline constexpr std::int16_t kBorderCrossingNotFound = 236;
inline constexpr std::int16_t kCantOpenTariffTypes = 240;
inline constexpr std::int16_t kWeightOverMaximum = 241;
inline constexpr std::int16_t kCantOpenCityAddOns = 250;       // .O
inline constexpr std::int16_t kCantOpenRateBasisAddOns = 260;  // .H
inline constexpr std::int16_t kEffectiveVersionLibraryNotFound = 261;
inline constexpr std::int16_t kEffectiveVersionEntryNotFound = 262;
inline constexpr std::int16_t kCantOpenClassFactors = 270;  // .C
inline constexpr std::int16_t kCantOpenNFile = 271;         // .N
inline constexpr std::int16_t kLightTableCodeBad = 272;
inline constexpr std::int16_t kCantOpenQxbBase = 273;
inline constexpr std::int16_t kCantOpenQxbMatrix = 274;
inline constexpr std::int16_t kQxbPercentNotFound = 275;
inline constexpr std::int16_t kCantReadPrecedence = 276;
inline constexpr std::int16_t kMinimumChargeOverMaximum = 277;
inline constexpr std::int16_t kCantOpenGlobalLaneOriginBase = 278;
inline constexpr std::int16_t kCantOpenGlobalLaneDestinationBase = 279;

// The request.
inline constexpr std::int16_t kInvalidTariffThisCall = 370;
inline constexpr std::int16_t kInvalidPackageService = 371;
inline constexpr std::int16_t kInvalidServiceDropoff = 372;
inline constexpr std::int16_t kWeightLimitExceeded = 373;
inline constexpr std::int16_t kDimensionalServiceError = 374;
inline constexpr std::int16_t kInvalidInternalWeight = 375;
inline constexpr std::int16_t kLetterWithPackages = 376;
inline constexpr std::int16_t kPackageOver150Pounds = 377;
inline constexpr std::int16_t kBadPackageCount = 378;
inline constexpr std::int16_t kInvalidServiceCode = 379;
inline constexpr std::int16_t kBadHeaderRecordCode = 380;
inline constexpr std::int16_t kBadRecordLength = 381;
inline constexpr std::int16_t kBadDetailCount = 382;
inline constexpr std::int16_t kDetailCountOverMaximum = 383;
inline constexpr std::int16_t kIntraMexico = 384;
inline constexpr std::int16_t kMexicanTariffNoMexicanZip = 385;
inline constexpr std::int16_t kMexicanTariffNotSelected = 386;
inline constexpr std::int16_t kTooManyMexicanMinimums = 387;
inline constexpr std::int16_t kMexicanTariffNotEightCharacters = 388;
inline constexpr std::int16_t kBadDetailRecordCode = 390;
inline constexpr std::int16_t kDetailCountTooHigh = 391;
inline constexpr std::int16_t kPackageVersionError = 392;
inline constexpr std::int16_t kTariffNotFoundForShipDate = 394;
inline constexpr std::int16_t kInvalidTariff = 395;
inline constexpr std::int16_t kInvalidShipDate = 396;
inline constexpr std::int16_t kTariffTooOld = 397;
inline constexpr std::int16_t kTariffTooNew = 398;
inline constexpr std::int16_t kAdjustmentNumberNotFound = 399;
inline constexpr std::int16_t kInvalidClassBase = 400;   // + line number (from 1): no rate for its class
inline constexpr std::int16_t kInvalidWeightBase = 500;  // + line number (from 1)

// Client and server.
inline constexpr std::int16_t kSocketError = 600;
inline constexpr std::int16_t kServerTimeout = 601;
inline constexpr std::int16_t kProtocolMismatch = 602;
inline constexpr std::int16_t kPacketSizeMismatch = 603;
inline constexpr std::int16_t kUnknownResponse = 604;

// The service guide.
inline constexpr std::int16_t kServiceGuideNotInitialised = 700;
inline constexpr std::int16_t kServiceGuideEntryNotFound = 701;
inline constexpr std::int16_t kInvalidServiceGuideCall = 702;
inline constexpr std::int16_t kInvalidServiceGuideStatus = 703;
// The guide's success; no text stands for it.
inline constexpr std::int16_t kServiceGuideDone = 1001;
inline constexpr std::int16_t kGuideInitialiseFailed = 1010;
inline constexpr std::int16_t kGuideDataExpired = 1011;
inline constexpr std::int16_t kGuideDataOrVersionError = 1012;
inline constexpr std::int16_t kGuideInvalidScacCarrierType = 1013;
inline constexpr std::int16_t kGuideInvalidCarrierType = 1015;
inline constexpr std::int16_t kGuideCantOpenCarrierList = 1031;
inline constexpr std::int16_t kGuideCantReadCarrierList = 1032;
inline constexpr std::int16_t kGuideCantOpenServiceZips = 1033;
inline constexpr std::int16_t kGuideCantReadServiceZips = 1034;
inline constexpr std::int16_t kGuideCantOpenServiceTerminals = 1035;
inline constexpr std::int16_t kGuideCantReadServiceTerminals = 1036;
inline constexpr std::int16_t kGuideCantOpenServiceMatrix = 1037;
inline constexpr std::int16_t kGuideCantReadServiceMatrix = 1038;
inline constexpr std::int16_t kGuideCantOpenServiceCarriers = 1039;
inline constexpr std::int16_t kGuideCantReadServiceCarriers = 1040;
inline constexpr std::int16_t kGuideCantOpenTypeList = 1041;
inline constexpr std::int16_t kGuideCantReadTypeList = 1042;
inline constexpr std::int16_t kGuideCantOpenCarriers = 1043;
inline constexpr std::int16_t kGuideCantReadCarriers = 1044;
inline constexpr std::int16_t kGuideCantOpenLibraryData = 1045;
inline constexpr std::int16_t kGuideCantReadLibraryData = 1046;
inline constexpr std::int16_t kGuideCantAllocateAvailableCarriers = 1047;
inline constexpr std::int16_t kGuideCantAllocateTypeList = 1048;
inline constexpr std::int16_t kGuideCantAllocateCarrierList = 1049;
inline constexpr std::int16_t kGuideCantAllocateLibraryData = 1050;
inline constexpr std::int16_t kGuideCantAllocateServiceCarriers = 1051;
inline constexpr std::int16_t kGuideZipNotServiced = 1100;
inline constexpr std::int16_t kGuideNoTerminalToTerminal = 1101;
inline constexpr std::int16_t kGuideCarrierUnavailable = 1102;
inline constexpr std::int16_t kGuideZipPairNotServiced = 1103;
inline constexpr std::int16_t kGuideOriginNotServiced = 1104;
inline constexpr std::int16_t kGuideDestinationNotServiced = 1105;

// Others.
inline constexpr std::int16_t kCommunicationError = 9990;
inline constexpr std::int16_t kFlaggedIgnored = 9999;

}  // namespace vorn::code
