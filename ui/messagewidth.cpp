#include "ui/messagewidth.h"

#include "ui/zoom.h"

#include <QApplication>
#include <QDialog>
#include <QFontMetrics>
#include <QGridLayout>
#include <QLabel>
#include <QMessageBox>
#include <QScreen>
#include <QShowEvent>
#include <QSpacerItem>
#include <QStyle>

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
    int width = titleBarWidth(dialog.windowTitle());
    if (width <= 0) return;
    // A zoomed box keeps the shape it has at the table's own size: as wide
    // for its title, times the zoom (and so never narrower than the title).
    // Its margins are the zoomed ones from here on.
    if (auto* zoomed = dynamic_cast<ZoomedMessageBox*>(&dialog)) {
        zoomed->zoomParts();
        width = std::max(width, qRound(width * zoomed->zoom()));
    }
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

ZoomedMessageBox::ZoomedMessageBox(QWidget* parent, qreal zoom)
    : QMessageBox(parent), zoom_(zoom > 0 ? zoom : 1) {}

ZoomedMessageBox::~ZoomedMessageBox() {
    // The children must not outlive the style they draw with.
    if (!style_) return;
    for (QWidget* w : findChildren<QWidget*>()) w->setStyle(nullptr);
    setStyle(nullptr);
}

void ZoomedMessageBox::zoomParts() {
    if (zoom_ == 1 || style_) return;
    style_ = zoomedStyle(zoom_);
    setFont(scaledFont(font(), zoom_));
    // A widget's style does not pass to its children: the text, the icon
    // and the buttons each take it.
    setStyle(style_.get());
    for (QWidget* w : findChildren<QWidget*>()) w->setStyle(style_.get());
    // The icon was drawn at the style's size before.
    if (icon() != NoIcon) setIcon(icon());
}

void ZoomedMessageBox::showEvent(QShowEvent* event) {
    // The buttons are all there by now.
    zoomParts();
    QMessageBox::showEvent(event);
    if (zoom_ == 1) return;
    fitWidth();
    // Placed again with the size it has now, as the dialog placed it.
    if (!event->spontaneous()) {
        adjustPosition(parentWidget());
        setAttribute(Qt::WA_Moved, false);
    }
}

bool ZoomedMessageBox::event(QEvent* event) {
    const bool done = QMessageBox::event(event);
    // The message box sizes itself again on a new layout: so do we.
    if (event->type() == QEvent::LayoutRequest && zoom_ != 1 && isVisible() && !fitting_) {
        const QPoint centre = geometry().center();
        fitWidth();
        move(centre - QPoint(width() / 2, height() / 2));
    }
    return done;
}

void ZoomedMessageBox::fitWidth() {
    auto* label = findChild<QLabel*>(QStringLiteral("qt_msgbox_label"));
    QLayout* grid = layout();
    if (!label || !grid || !screen()) return;
    fitting_ = true;
    // Qt's limits for a message box, at the table's own size; zoomed, they
    // still end at the screen's edge.
    const int screenWidth = screen()->availableGeometry().width();
    int hard = std::min(screenWidth - 480, 1000);
    if (screenWidth <= 1024) hard = screenWidth;
    const int soft = std::min(qRound(std::min(screenWidth / 2, 500) * zoom_), screenWidth);
    hard = std::min(qRound(hard * zoom_), screenWidth);

    label->setWordWrap(false);
    grid->activate();
    int width = grid->totalMinimumSize().width();
    if (width > soft) {
        label->setWordWrap(true);
        grid->activate();
        width = std::min(std::max(soft, grid->totalMinimumSize().width()), hard);
    }
    grid->activate();
    const int height = grid->hasHeightForWidth() ? grid->totalHeightForWidth(width)
                                                 : grid->totalMinimumSize().height();
    setFixedSize(width, height);
    QCoreApplication::removePostedEvents(this, QEvent::LayoutRequest);
    fitting_ = false;
}

} // namespace stud
