// The Level of Rates dialog (3114), run at every start before the data
// files are opened, without a parent: the levels of LEVEL.LVL one a line;
// Select (or a single level, which needs no choice) sets TariffBaseName
// and ends with IDOK; Exit ends with IDCANCEL (the program then ends);
// Delete asks, rewrites the level file without the level and then removes
// the level's files from the data directory. Its help is the first "*.hlp"
// of the current directory.
#pragma once

#include <string>
#include <vector>

#include "dialogs/qiv_dialog.h"

namespace qiv {

class LevelOfRatesDialog : public QivDialog {
 public:
  explicit LevelOfRatesDialog(QivSession& session);

 protected:
  bool onInitDialog() override;
  platform::ui::LResult onHelp(const platform::ui::HelpInfo& info) override;

 private:
  void select();
  void deleteLevel();
  bool rewriteLevelFile();
  std::vector<std::string> lines() const;
  void setLevelCount(int count);
};

// The first file of the directory whose name ends in ".hlp" (any case), in
// name order; empty when there is none.
std::string FirstHelpFileIn(const std::string& directory);

}  // namespace qiv
