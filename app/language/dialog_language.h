// Relabelling a dialog, and the main window's menu with it, in a language:
// for the first text of each key of the table, in file order (key k),
//   1. a child of the dialog with id k takes the text; next key;
//   2. else k in 30..39: the main menu's top-level item at position k - 30
//      takes it (its drop-down menu kept); next key;
//   3. else k = 0: next key;
//   4. else every item with command k of the main menu's drop-down menus
//      takes it, checked again only when it was exactly checked, otherwise
//      unchecked and enabled (a grayed item comes back enabled until the
//      next menu update);
//   5. and when k is the dialog's id, the dialog's caption takes it.
// The main window's menu bar is drawn again at the end.
#pragma once

#include "language/language.h"
#include "language/language_table.h"
#include "platform/ui/types.h"

namespace qiv {

void ApplyDialogLanguage(int dialogId, platform::ui::WindowHandle dialog, Language language, const LanguageTable& table,
                         platform::ui::WindowHandle mainWindow);

}  // namespace qiv
