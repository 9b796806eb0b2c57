// Rowpane32, the library of the "Rowpane" list control, loaded by name from
// the data directory the first time a city lookup needs it and kept by the
// session (the rating screen frees it at shutdown).
#pragma once

#include "shell/qiv_session.h"

namespace qiv {

// True when the library is loaded (now or by an earlier lookup).
bool LoadRowpaneOnce(QivSession& session);

}  // namespace qiv
