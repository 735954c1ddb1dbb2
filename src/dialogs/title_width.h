#pragma once
// Every dialog is at least as wide as its caption needs, so the window manager never elides
// the caption ("Overbur… utation"): a dialog narrower than that is widened as it is shown.

#include <QString>

namespace dialogs {

// The width a window needs for its caption: the text in the application's font with room for
// the title bar's icon and buttons.
int TitleWidth(const QString& title);

// Installs the widening on the application, once.
void KeepDialogTitlesWhole();

}  // namespace dialogs
