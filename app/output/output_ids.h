// The ids of the output's dialogs and their controls. Language texts, help
// topics and the templates are keyed by them.
#pragma once

namespace qiv::output_id {

inline constexpr int PrintSetup = 543;
inline constexpr int ExportSetup = 544;
inline constexpr int FileExists = 551;

// Print setup.
inline constexpr int PrintAll = 1022;
inline constexpr int Printer = 1023;
inline constexpr int PrintFile = 1024;
inline constexpr int PrintFileName = 1025;
inline constexpr int PrintOk = 4875;
inline constexpr int PrintCancel = 4876;
// File already exists.
inline constexpr int Replace = 2151;
inline constexpr int Append = 2152;
inline constexpr int KeepFile = 2153;
// Export setup.
inline constexpr int ExportAll = 1026;
inline constexpr int AppendToFile = 1027;
inline constexpr int ReplaceFile = 1028;
inline constexpr int ExportFileName = 1030;
inline constexpr int CommaSeparated = 1031;
inline constexpr int ExportOk = 4871;
inline constexpr int ExportCancel = 4872;

}  // namespace qiv::output_id
