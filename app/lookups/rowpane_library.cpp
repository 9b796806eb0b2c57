#include "lookups/rowpane_library.h"

#include "rowpane/rowpane.h"

namespace qiv {

bool LoadRowpaneOnce(QivSession& session) {
  platform::Module& module = session.libraries.rowpane;
  if (!module.isLoaded()) module = platform::Module::Load(session.dataFile(rowpane::kLibraryName));
  return module.isLoaded();
}

}  // namespace qiv
