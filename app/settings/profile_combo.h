// The list of profile names in a combo box: the names of PROFILE.FIL in
// file order, through Ratekit32, the one at index selected and made the
// profile index. A failure (no profile, a name that cannot be read) shows
// Ratekit32's message and leaves the combo empty.
#pragma once

#include "platform/ui/types.h"

namespace qiv {

struct QivSession;

bool FillProfileCombo(QivSession& session, platform::ui::WindowHandle owner, platform::ui::WindowHandle combo,
                      int index);

}  // namespace qiv
