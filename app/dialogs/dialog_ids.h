// The ids of the program's small dialogs and of their controls (the rating
// screen's are in screen/screen_ids.h). Language texts and help topics are
// keyed by these numbers.
#pragma once

namespace qiv::dialog_id {

inline constexpr int About = 535;
inline constexpr int BitmapView = 536;
inline constexpr int BillOfLadingNotice = 538;
inline constexpr int StatusPopup = 548;
inline constexpr int Splash = 553;
inline constexpr int PriceSheetNotice = 572;
inline constexpr int LevelOfRates = 3114;
inline constexpr int LicenseText = 3125;
inline constexpr int MexicanCityList = 3136;
inline constexpr int Question = 3143;
inline constexpr int Notice = 3144;

}  // namespace qiv::dialog_id

namespace qiv::control_id {

// About: twenty text lines, OK, and the icon static made at run time.
inline constexpr int AboutFirstLine = 4220;
inline constexpr int AboutLines = 20;
inline constexpr int AboutOk = 4896;
inline constexpr int AboutIcon = 200;
// Level of Rates.
inline constexpr int LevelExit = 4761;
inline constexpr int LevelSelect = 4762;
inline constexpr int LevelDelete = 4763;
inline constexpr int LevelList = 4764;
inline constexpr int LevelLabel = 4867;
// Licence text.
inline constexpr int LicenseText = 4788;
// Status pop-up.
inline constexpr int StatusText = 2133;
// The two option notices.
inline constexpr int BillOfLadingText = 4877;
inline constexpr int PriceSheetText = 4879;
// Mexican city list.
inline constexpr int CityList = 4897;
// Question.
inline constexpr int QuestionYes = 4921;
inline constexpr int QuestionNo = 4922;
inline constexpr int QuestionText = 4924;
// Notice.
inline constexpr int NoticeCheck = 4925;
inline constexpr int NoticeOk = 4926;
inline constexpr int NoticeText = 4927;

}  // namespace qiv::control_id
