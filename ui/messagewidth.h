#pragma once

class QDialog;
class QString;

namespace stud {

// The width a window needs so that a window manager's title bar shows
// `title` whole: the text in a bold title font, with room around it for the
// window icon and the title-bar buttons.
int titleBarWidth(const QString& title);

// Widens a message box or dialog to titleBarWidth() of its title. Qt sizes a
// message box to its text alone, so a short text under a longer caption
// ("You win!" under "Game over") left the title bar of a real window manager
// showing "..." instead of the caption. Call before the dialog is shown.
void fitTitle(QDialog& dialog);

} // namespace stud
