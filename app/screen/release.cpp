// ReleaseLibraries: everything the start-up made, freed in order, from
// whatever step the start-up reached: the data files closed, the service
// guide and the engine ended and freed, the rating-function library freed
// (its tokens retired first), Rowpane32 freed, the language tables and the
// RatingContext deleted. Entry points not yet bound are skipped and
// libraries not loaded are not freed. Nothing is saved here.
#include <unistd.h>

#include "screen/rating_dialog.h"

namespace qiv {

void RatingDialog::releaseLibraries() {
  if (released_) return;
  released_ = true;
  QivSession& s = session();
  RatekitBindings& bind = s.bindings;
  if (s.context) {
    void* context = s.context->data();
    if (bind.CloseAllFiles != nullptr) bind.CloseAllFiles(context);
    // The display file stays open from start-up to here.
    if (const int descriptor = s.context->intAt(fields::kDspFile); descriptor > 2) {
      ::close(descriptor);
      s.context->setInt(fields::kDspFile, 0);
    }
    if (s.libraries.serviceGuide.isLoaded()) {
      if (bind.EndJYdll != nullptr) bind.EndJYdll(context);
      s.libraries.serviceGuide.release();
    }
    if (s.engineInUse()) {
      if (bind.EndZQdll != nullptr) bind.EndZQdll(context);
      s.libraries.engine.release();
    }
  }
  host_.disconnect(s);
  bind = RatekitBindings{};
  s.libraries.functionLibrary.release();
  s.libraries.engine.release();
  s.libraries.rowpane.release();
  s.languageTable.reset();
  s.context.reset();
}

}  // namespace qiv
