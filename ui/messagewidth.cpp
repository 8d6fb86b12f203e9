#include "ui/messagewidth.h"

#include <QApplication>
#include <QDialog>
#include <QFontMetrics>
#include <QGridLayout>
#include <QMessageBox>
#include <QSpacerItem>

#include <algorithm>

namespace stud {

int titleBarWidth(const QString& title) {
    if (title.isEmpty()) return 0;
    // Window managers draw titles bold and often a little larger than the
    // application's text; Qt's own title-bar font is the best guess we have.
    QFont font = QApplication::font("QMdiSubWindowTitleBar");
    font.setBold(true);
    font.setPointSizeF(std::max(font.pointSizeF(), 10.0) * 1.1);
    const QFontMetrics metrics(font);
    // Title bars are about two lines of text high and their buttons square:
    // room for the icon, minimise, maximise and close, plus the borders.
    const int button = 2 * metrics.height();
    return metrics.horizontalAdvance(title) + 4 * button + 3 * metrics.height();
}

void fitTitle(QDialog& dialog) {
    const int width = titleBarWidth(dialog.windowTitle());
    if (width <= 0) return;
    // A message box fixes its own size from its layout's minimum every time
    // it is shown, so a minimum width on the box would be overridden; a
    // spacer across the bottom of its grid widens the layout itself.
    if (qobject_cast<QMessageBox*>(&dialog)) {
        if (auto* grid = qobject_cast<QGridLayout*>(dialog.layout())) {
            const QMargins margins = grid->contentsMargins();
            const int inner = width - margins.left() - margins.right();
            grid->addItem(new QSpacerItem(inner, 0, QSizePolicy::Minimum, QSizePolicy::Fixed),
                          grid->rowCount(), 0, 1, grid->columnCount());
            return;
        }
    }
    dialog.setMinimumWidth(std::max(dialog.minimumWidth(), width));
}

} // namespace stud
