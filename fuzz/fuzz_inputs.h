// What the fuzzers share: the data directory they rate over (the sample data
// set), the requests of their seeds (the sample shipments and a few
// variants), and the conversion of any input into a 2160-byte request.
#pragma once

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

namespace vorn::fuzz {

inline constexpr std::size_t kRecordSize = 2160;
// The city-candidates buffer the ratings are given: a 16-byte head and room
// for 48 city entries.
inline constexpr std::int32_t kCandidatesCapacity = 960;

// The data directory built for the fuzzers (QIV_FUZZ_DATA overrides it).
std::filesystem::path FuzzDataDirectory();

// The regular files of a directory, by name in sorted order.
std::vector<std::string> FileNames(const std::filesystem::path& dir);

// A request record from any input: the input's bytes over an empty record
// (blanks up to the binary rate table at 976, zeros from there), cut at 2160.
std::string RecordFromInput(const std::uint8_t* data, std::size_t size);

// The sample shipments as request records, in the order of their file names.
std::vector<std::string> SampleRequests();

// The seeds of the record fuzzer: the sample shipments, then variants that
// leave the tariff to the engine, ask for rate discounts and for city
// candidates.
std::vector<std::string> SeedRequests();

// Rates a copy of record with a fresh city-candidates buffer.
void RateWithCandidates(const std::string& record);
// Rates a copy of record without a city-candidates buffer.
void RateWithoutCandidates(const std::string& record);

}  // namespace vorn::fuzz
