#include "ui/gradientbutton.h"

#include <QApplication>
#include <QCursor>
#include <QDialog>
#include <QEnterEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>

#include <QSet>

#include <algorithm>

using stud::GradientButton;

namespace {

// The face colours of the game's buttons, top and bottom.
const QColor kFaceTop(255, 255, 255), kFaceBottom(239, 235, 231);
const QColor kPressedTop(214, 207, 198), kPressedBottom(247, 243, 235);
const QColor kHotTop(255, 243, 206), kHotBottom(231, 150, 0);
const QColor kFocusTop(206, 231, 255), kFocusBottom(109, 132, 239);
const QColor kBorder(0, 60, 115);
const QColor kSoftCorner(123, 150, 173);
const QColor kPanel(255, 221, 237);

QImage gradient(QSize size, const QColor& top, const QColor& bottom, int bands = 16) {
    return GradientButton::CreateGradientRect(size, top, bottom, bands);
}

QColor pixel(const QImage& image, int x, int y) {
    return QColor(image.pixel(x, y));
}

// A window of the given colour holding a line edit and three buttons, the way
// the table and the options panel hold theirs.
struct Host {
    explicit Host(const QColor& color = Qt::black) {
        QPalette pal = window.palette();
        pal.setColor(QPalette::Window, color);
        window.setPalette(pal);
        window.setAutoFillBackground(true);
        window.setFont(GradientButton::buttonFont());
        window.setGeometry(0, 0, 320, 120);
        edit = new QLineEdit(&window);
        edit->setGeometry(10, 80, 100, 21);
        first = new GradientButton(QStringLiteral("Deal"), &window);
        first->setGeometry(10, 10, 65, 33);
        second = new GradientButton(QStringLiteral("Raise"), &window);
        second->setGeometry(74, 10, 65, 33);
        third = new GradientButton(QStringLiteral("Fold"), &window);
        third->setGeometry(138, 10, 65, 33);
    }
    bool show() {
        window.show();
        QApplication::setActiveWindow(&window);
        return QTest::qWaitForWindowActive(&window);
    }
    QWidget window;
    QLineEdit* edit = nullptr;
    GradientButton* first = nullptr;
    GradientButton* second = nullptr;
    GradientButton* third = nullptr;
};

void hover(QWidget* w) {
    QEnterEvent enter(QPointF(5, 5), QPointF(5, 5), w->mapToGlobal(QPointF(5, 5)));
    QApplication::sendEvent(w, &enter);
}

void sendKey(QWidget* w, QEvent::Type type, int key, Qt::KeyboardModifiers mods = {},
             bool autoRepeat = false) {
    QKeyEvent e(type, key, mods, key == Qt::Key_Space ? QStringLiteral(" ") : QString(),
                autoRepeat);
    QApplication::sendEvent(w, &e);
}

} // namespace

class GradientButtonTest : public QObject {
    Q_OBJECT
  private slots:
    void initTestCase();

    void gradientBandsFollowTheRoundedRows();
    void gradientDithersOnlyAtBandBorders();
    void qualityChangesTheNumberOfBands();

    void borderCornersAndFaceOnBlackAndOnThePanel();
    void cornersFollowTheParentColour();
    void hotFocusAndDefaultFrames();
    void faceStaysWholeAfterAResizeWhileFocused();

    void mouseClickAndDragOff();
    void lostFocusDropsThePress();
    void spaceClicksOnRelease();
    void oneClickPerPress();
    void enterEscapeDefaultAndCancel();
    void acceleratorAndAccessibleName();
    void disabledTakesNoInputAndIsEmbossed();

    void captionWrapsAndEllipsises();
    void modalResultClosesTheDialog();
};

void GradientButtonTest::initTestCase() {
    // Keep the pointer away from the test windows so no stray enter event lights a button.
    QCursor::setPos(790, 590);
}

void GradientButtonTest::gradientBandsFollowTheRoundedRows() {
    // A 25-pixel button's face: 23 rows in 16 bands.
    const QImage img = gradient(QSize(5, 23), kFaceTop, kFaceBottom);
    QCOMPARE(img.size(), QSize(5, 23));
    for (int y = 0; y < img.height(); ++y)
        for (int x = 1; x < img.width(); ++x) QCOMPARE(img.pixel(x, y), img.pixel(0, y));

    QCOMPARE(pixel(img, 0, 0), kFaceTop);
    QCOMPARE(pixel(img, 0, 22), kFaceBottom);
    // Band 7 is 255 - 16*7/15 = 247.53 ... and must round, not truncate.
    QCOMPARE(pixel(img, 0, 10), QColor(248, 246, 244));
    QCOMPARE(pixel(img, 0, 11), QColor(248, 246, 244));
    // Band 8 starts at row 23*8/16 = 11.5, rounded to 12.
    QCOMPARE(pixel(img, 0, 12), QColor(246, 244, 242));
    // Band 1 starts at 1.44 -> 1, band 2 at 2.875 -> 3.
    QCOMPARE(pixel(img, 0, 1), pixel(img, 0, 2));
    QVERIFY(pixel(img, 0, 0) != pixel(img, 0, 1));
    QVERIFY(pixel(img, 0, 2) != pixel(img, 0, 3));

    // Colours that fall (the hot frame's blue goes from 206 down to 0).
    const QImage hot = gradient(QSize(2, 31), kHotTop, kHotBottom);
    QCOMPARE(pixel(hot, 0, 0), kHotTop);
    QCOMPARE(pixel(hot, 0, 30), kHotBottom);

    QVERIFY(gradient(QSize(0, 10), kFaceTop, kFaceBottom).isNull());
    const QImage one = gradient(QSize(3, 4), kFocusTop, kFocusBottom, 1);
    QCOMPARE(pixel(one, 2, 3), kFocusTop);
}

void GradientButtonTest::gradientDithersOnlyAtBandBorders() {
    const QImage img =
        GradientButton::CreateGradientRect(QSize(6, 64), kFocusTop, kFocusBottom, 32, true);
    // 32 bands of two rows: the first row of each band mixes, the second is flat.
    for (int band = 1; band < 32; ++band) {
        const int y = band * 2;
        QVERIFY(img.pixel(0, y) != img.pixel(1, y));
        QCOMPARE(img.pixel(1, y), img.pixel(0, y - 1));
        QCOMPARE(img.pixel(0, y + 1), img.pixel(1, y + 1));
    }
    QCOMPARE(img.pixel(1, 0), img.pixel(0, 0));
}

void GradientButtonTest::qualityChangesTheNumberOfBands() {
    Host host;
    host.first->resize(65, 66);
    const auto distinct = [&] {
        const QImage img = host.first->grab().toImage();
        QSet<QRgb> colours;
        for (int y = 1; y < 65; ++y) colours.insert(img.pixel(30, y) | 0xff000000u);
        // Less the border row at the bottom edge, nothing but face bands remains.
        return colours.size();
    };
    // Column 30 crosses the caption; keep it out of the way.
    host.first->setText(QString());
    QCOMPARE(distinct(), 16);
    host.first->setQuality(GradientButton::bqLow);
    QCOMPARE(distinct(), 8);
}

void GradientButtonTest::borderCornersAndFaceOnBlackAndOnThePanel() {
    for (const QColor& background : {QColor(Qt::black), kPanel}) {
        Host host(background);
        GradientButton* b = host.first;
        b->setText(QString());
        const QImage img = b->grab().toImage();
        const int w = 65, h = 33;
        QCOMPARE(img.size(), QSize(w, h));
        for (const QPoint& p :
             {QPoint(0, 0), QPoint(w - 1, 0), QPoint(0, h - 1), QPoint(w - 1, h - 1)})
            QCOMPARE(pixel(img, p.x(), p.y()), background);
        for (const QPoint& p :
             {QPoint(0, 1), QPoint(1, 0), QPoint(w - 2, 0), QPoint(w - 1, 1), QPoint(0, h - 2),
              QPoint(1, h - 1), QPoint(w - 2, h - 1), QPoint(w - 1, h - 2)})
            QCOMPARE(pixel(img, p.x(), p.y()), kSoftCorner);
        for (const QPoint& p : {QPoint(2, 0), QPoint(1, 1), QPoint(0, 2), QPoint(w - 3, 0),
                                QPoint(w - 2, 1), QPoint(w - 1, 2), QPoint(w / 2, h - 1),
                                QPoint(w - 2, h - 2), QPoint(0, h / 2), QPoint(w - 1, h - 3)})
            QCOMPARE(pixel(img, p.x(), p.y()), kBorder);

        // The resting face fills the inside from (1, 1).
        const QImage face = gradient(QSize(w - 2, h - 2), kFaceTop, kFaceBottom);
        for (int y = 2; y < h - 2; ++y) QCOMPARE(img.pixel(1, y), face.pixel(0, y - 1));
        QCOMPARE(pixel(img, w / 2, h - 2), kFaceBottom);
        QCOMPARE(pixel(img, w - 2, h / 2), pixel(face, w - 3, h / 2 - 1));
    }
}

void GradientButtonTest::cornersFollowTheParentColour() {
    Host host(kPanel);
    QVERIFY(host.show());
    QCOMPARE(pixel(host.first->grab().toImage(), 0, 0), kPanel);
    QPalette pal = host.window.palette();
    pal.setColor(QPalette::Window, QColor(255, 255, 230));
    host.window.setPalette(pal);
    QCOMPARE(pixel(host.first->grab().toImage(), 0, 0), QColor(255, 255, 230));
}

void GradientButtonTest::hotFocusAndDefaultFrames() {
    Host host;
    QVERIFY(host.show());
    GradientButton* b = host.second;
    const QSize inner(63, 31);
    const QImage face = gradient(inner, kFaceTop, kFaceBottom);
    const QImage hotFrame = gradient(inner, kHotTop, kHotBottom);
    const QImage focusFrame = gradient(inner, kFocusTop, kFocusBottom);

    // Hot: a two-pixel orange frame, the face from (3, 3), no focus dots.
    hover(b);
    QVERIFY(b->isHot());
    QImage img = b->grab().toImage();
    QCOMPARE(img.pixel(1, 10), hotFrame.pixel(0, 9));
    QCOMPARE(img.pixel(2, 10), hotFrame.pixel(1, 9));
    QCOMPARE(img.pixel(3, 10), face.pixel(0, 7));
    QCOMPARE(img.pixel(62, 10), hotFrame.pixel(61, 9));
    QCOMPARE(img.pixel(3, 3), face.pixel(0, 0));
    QEvent leave(QEvent::Leave);
    QApplication::sendEvent(b, &leave);
    QVERIFY(!b->isHot());
    QCOMPARE(b->grab().toImage().pixel(1, 10), face.pixel(0, 9));

    // Focused: the blue frame and the dotted rectangle from (3, 3), every other pixel inverted.
    b->setFocus();
    QVERIFY(b->hasFocus());
    img = b->grab().toImage();
    QCOMPARE(img.pixel(1, 10), focusFrame.pixel(0, 9));
    QCOMPARE(pixel(img, 3, 3), QColor(Qt::black));
    QCOMPARE(img.pixel(4, 3), face.pixel(1, 0));
    QCOMPARE(pixel(img, 5, 3), QColor(Qt::black));
    QCOMPARE(img.pixel(3, 4), face.pixel(0, 1));
    b->setShowFocusRect(false);
    img = b->grab().toImage();
    QCOMPARE(img.pixel(3, 3), face.pixel(0, 0));
    QCOMPARE(img.pixel(1, 10), focusFrame.pixel(0, 9));

    // The Default button wears the focus frame unless another of our buttons has the focus.
    host.first->setDefault(true);
    QVERIFY(host.first->isOtherFocused());
    QCOMPARE(host.first->grab().toImage().pixel(1, 10), face.pixel(0, 9));
    host.edit->setFocus();
    QVERIFY(!host.first->isOtherFocused());
    QVERIFY(host.first->IsSpecialDrawState());
    QVERIFY(!host.first->IsSpecialDrawState(true));
    QCOMPARE(host.first->grab().toImage().pixel(1, 10), focusFrame.pixel(0, 9));
}

void GradientButtonTest::faceStaysWholeAfterAResizeWhileFocused() {
    Host host;
    QVERIFY(host.show());
    GradientButton* b = host.first;
    b->setText(QString());
    b->setFocus();
    b->resize(81, 25);
    host.edit->setFocus();
    const QImage img = b->grab().toImage();
    // Resting again: the face reaches the border on every side.
    const QImage face = gradient(QSize(79, 23), kFaceTop, kFaceBottom);
    QCOMPARE(img.pixel(79, 22), face.pixel(78, 21));
    QCOMPARE(img.pixel(76, 20), face.pixel(75, 19));
    QCOMPARE(img.pixel(40, 23), face.pixel(39, 22));
}

void GradientButtonTest::mouseClickAndDragOff() {
    Host host;
    QVERIFY(host.show());
    GradientButton* b = host.first;
    QSignalSpy clicks(b, &GradientButton::clicked);
    const QImage focusFrame = gradient(QSize(63, 31), kFocusTop, kFocusBottom);
    const QImage pressedFace = gradient(QSize(63, 31), kPressedTop, kPressedBottom);

    QTest::mouseClick(b, Qt::LeftButton);
    QCOMPARE(clicks.count(), 1);
    QVERIFY(b->hasFocus());

    // Held down: the pressed face.
    QTest::mousePress(b, Qt::LeftButton, {}, QPoint(30, 15));
    QVERIFY(b->isPressed());
    QCOMPARE(b->grab().toImage().pixel(1, 10), pressedFace.pixel(0, 9));
    // Dragged off: still held, not hot, shown in the focus frame.
    QTest::mouseMove(b, QPoint(100, 15));
    QVERIFY(b->isPressed());
    QVERIFY(!b->isHot());
    QCOMPARE(b->grab().toImage().pixel(1, 10), focusFrame.pixel(0, 9));
    QTest::mouseRelease(b, Qt::LeftButton, {}, QPoint(100, 15));
    QCOMPARE(clicks.count(), 1);
    QVERIFY(!b->isPressed());

    // Dragged off and back on: released over the button, it clicks.
    QTest::mousePress(b, Qt::LeftButton, {}, QPoint(30, 15));
    QTest::mouseMove(b, QPoint(30, -20));
    QTest::mouseMove(b, QPoint(31, 16));
    QVERIFY(b->isHot());
    QTest::mouseRelease(b, Qt::LeftButton, {}, QPoint(31, 16));
    QCOMPARE(clicks.count(), 2);

    // Other mouse buttons do nothing.
    QTest::mouseClick(b, Qt::RightButton);
    QTest::mouseClick(b, Qt::MiddleButton);
    QCOMPARE(clicks.count(), 2);
}

void GradientButtonTest::lostFocusDropsThePress() {
    Host host;
    QVERIFY(host.show());
    QSignalSpy clicks(host.first, &GradientButton::clicked);
    QTest::mousePress(host.first, Qt::LeftButton);
    QVERIFY(host.first->hasFocus());
    host.edit->setFocus();
    QVERIFY(!host.first->isPressed());
    QTest::mouseRelease(host.first, Qt::LeftButton);
    QCOMPARE(clicks.count(), 0);

    QSignalSpy secondClicks(host.second, &GradientButton::clicked);
    host.second->setFocus();
    sendKey(host.second, QEvent::KeyPress, Qt::Key_Space);
    host.edit->setFocus();
    sendKey(host.second, QEvent::KeyRelease, Qt::Key_Space);
    QCOMPARE(secondClicks.count(), 0);
    QVERIFY(!host.second->isPressed());
}

void GradientButtonTest::spaceClicksOnRelease() {
    Host host;
    QVERIFY(host.show());
    GradientButton* b = host.first;
    QSignalSpy clicks(b, &GradientButton::clicked);
    const QImage pressedFace = gradient(QSize(63, 31), kPressedTop, kPressedBottom);
    b->setFocus();

    sendKey(b, QEvent::KeyPress, Qt::Key_Space);
    QVERIFY(b->isPressed());
    QVERIFY(b->isHot());
    QCOMPARE(b->grab().toImage().pixel(1, 10), pressedFace.pixel(0, 9));
    QCOMPARE(clicks.count(), 0);
    // Holding the key repeats it; nothing changes until it is let go.
    sendKey(b, QEvent::KeyRelease, Qt::Key_Space, {}, true);
    sendKey(b, QEvent::KeyPress, Qt::Key_Space, {}, true);
    QCOMPARE(clicks.count(), 0);
    QVERIFY(b->isPressed());
    sendKey(b, QEvent::KeyRelease, Qt::Key_Space);
    QCOMPARE(clicks.count(), 1);
    QVERIFY(!b->isPressed());
    // The pointer is elsewhere, so the button is no longer lit.
    QVERIFY(!b->isHot());

    // With a shift key held Space does not press the button.
    sendKey(b, QEvent::KeyPress, Qt::Key_Space, Qt::ShiftModifier);
    QVERIFY(!b->isPressed());
    sendKey(b, QEvent::KeyRelease, Qt::Key_Space, Qt::ShiftModifier);
    QCOMPARE(clicks.count(), 1);
}

void GradientButtonTest::oneClickPerPress() {
    Host host;
    QVERIFY(host.show());
    GradientButton* b = host.first;
    QSignalSpy clicks(b, &GradientButton::clicked);

    // Mouse held: letting go of some key (or of Space) must not click it early...
    QTest::mousePress(b, Qt::LeftButton);
    sendKey(b, QEvent::KeyPress, Qt::Key_A);
    sendKey(b, QEvent::KeyRelease, Qt::Key_A);
    sendKey(b, QEvent::KeyPress, Qt::Key_Space);
    sendKey(b, QEvent::KeyRelease, Qt::Key_Space);
    QCOMPARE(clicks.count(), 0);
    QVERIFY(b->isPressed());
    // ... so the one press gives one click.
    QTest::mouseRelease(b, Qt::LeftButton);
    QCOMPARE(clicks.count(), 1);

    // Space held: another key let go meanwhile does not click either.
    sendKey(b, QEvent::KeyPress, Qt::Key_Space);
    sendKey(b, QEvent::KeyPress, Qt::Key_Shift);
    sendKey(b, QEvent::KeyRelease, Qt::Key_Shift);
    QCOMPARE(clicks.count(), 1);
    sendKey(b, QEvent::KeyRelease, Qt::Key_Space);
    QCOMPARE(clicks.count(), 2);
}

void GradientButtonTest::enterEscapeDefaultAndCancel() {
    Host host;
    QVERIFY(host.show());
    host.first->setDefault(true);
    host.third->setCancel(true);
    QSignalSpy firstClicks(host.first, &GradientButton::clicked);
    QSignalSpy secondClicks(host.second, &GradientButton::clicked);
    QSignalSpy thirdClicks(host.third, &GradientButton::clicked);

    // From the line edit, Enter reaches the Default button and Escape the Cancel one.
    host.edit->setFocus();
    QTest::keyClick(host.edit, Qt::Key_Return);
    QCOMPARE(firstClicks.count(), 1);
    QTest::keyClick(host.edit, Qt::Key_Enter, Qt::KeypadModifier);
    QCOMPARE(firstClicks.count(), 2);
    QTest::keyClick(host.edit, Qt::Key_Escape);
    QCOMPARE(thirdClicks.count(), 1);
    QTest::keyClick(host.edit, Qt::Key_Escape, Qt::ShiftModifier);
    QCOMPARE(thirdClicks.count(), 1);

    // Another of our buttons focused: Enter clicks that one, not the Default.
    host.second->setFocus();
    QTest::keyClick(host.second, Qt::Key_Return);
    QCOMPARE(secondClicks.count(), 1);
    QCOMPARE(firstClicks.count(), 2);
    // Escape still goes on to the Cancel button.
    QTest::keyClick(host.second, Qt::Key_Escape);
    QCOMPARE(thirdClicks.count(), 2);
    QCOMPARE(secondClicks.count(), 1);

    // A Default or Cancel button that cannot take the focus lets the keys pass.
    host.edit->setFocus();
    host.first->setEnabled(false);
    host.third->hide();
    QTest::keyClick(host.edit, Qt::Key_Return);
    QTest::keyClick(host.edit, Qt::Key_Escape);
    QCOMPARE(firstClicks.count(), 2);
    QCOMPARE(thirdClicks.count(), 2);
}

void GradientButtonTest::acceleratorAndAccessibleName() {
    Host host;
    host.first->setText(QStringLiteral("&Deal"));
    host.second->setText(QStringLiteral("Check && &Call"));
    QVERIFY(host.show());
    QCOMPARE(host.first->accessibleName(), QStringLiteral("Deal"));
    QCOMPARE(host.second->accessibleName(), QStringLiteral("Check & Call"));
    QCOMPARE(host.first->captionLines(), QStringList{QStringLiteral("Deal")});
    QSignalSpy dealClicks(host.first, &GradientButton::clicked);
    QSignalSpy callClicks(host.second, &GradientButton::clicked);

    // Alt+letter from anywhere in the window; the bare letter only on the focused button.
    host.edit->setFocus();
    QTest::keyClick(host.edit, Qt::Key_D, Qt::AltModifier);
    QCOMPARE(dealClicks.count(), 1);
    QTest::keyClick(host.edit, Qt::Key_D);
    QCOMPARE(dealClicks.count(), 1);
    QCOMPARE(host.edit->text(), QStringLiteral("d"));
    host.second->setFocus();
    QTest::keyClick(host.second, Qt::Key_C);
    QCOMPARE(callClicks.count(), 1);
    QTest::keyClick(host.second, Qt::Key_D);
    QCOMPARE(dealClicks.count(), 1);

    // A new caption brings its own name and accelerator.
    host.first->setText(QStringLiteral("&Fold"));
    QCOMPARE(host.first->accessibleName(), QStringLiteral("Fold"));
    QTest::keyClick(host.edit, Qt::Key_F, Qt::AltModifier);
    QCOMPARE(dealClicks.count(), 2);
    QTest::keyClick(host.edit, Qt::Key_D, Qt::AltModifier);
    QCOMPARE(dealClicks.count(), 2);
    // Also when the caption is set through the base class.
    static_cast<QAbstractButton*>(host.third)->setText(QStringLiteral("&Options"));
    host.third->grab();
    QCOMPARE(host.third->accessibleName(), QStringLiteral("Options"));

    // Without accelerators "&" is an ordinary character.
    host.first->setShowAccelChar(false);
    QCOMPARE(host.first->accessibleName(), QStringLiteral("&Fold"));
    QCOMPARE(host.first->captionLines(), QStringList{QStringLiteral("&Fold")});
    QTest::keyClick(host.edit, Qt::Key_F, Qt::AltModifier);
    QCOMPARE(dealClicks.count(), 2);
}

void GradientButtonTest::disabledTakesNoInputAndIsEmbossed() {
    Host host;
    QVERIFY(host.show());
    GradientButton* b = host.second;
    const QImage enabled = b->grab().toImage();
    b->setDefault(true);
    b->setEnabled(false);
    QSignalSpy clicks(b, &GradientButton::clicked);

    QTest::mouseClick(b, Qt::LeftButton);
    hover(b);
    QVERIFY(!b->isHot());
    QVERIFY(!b->hasFocus());
    sendKey(b, QEvent::KeyPress, Qt::Key_Space);
    sendKey(b, QEvent::KeyRelease, Qt::Key_Space);
    host.edit->setFocus();
    QTest::keyClick(host.edit, Qt::Key_Return);
    QCOMPARE(clicks.count(), 0);

    // The caption: black when enabled; grey with a white copy one pixel down
    // and right when disabled. The face below the top rows is never pure white.
    b->setDefault(false);
    const QImage disabled = b->grab().toImage();
    const auto darkest = [](const QImage& img) {
        int dark = 255;
        for (int y = 4; y < img.height() - 4; ++y)
            for (int x = 4; x < img.width() - 4; ++x) dark = std::min(dark, qGray(img.pixel(x, y)));
        return dark;
    };
    QVERIFY(darkest(enabled) < 40);
    QVERIFY(darkest(disabled) > 100);
    QVERIFY(darkest(disabled) < 180);
    int embossed = 0;
    for (int y = 4; y < disabled.height() - 4; ++y)
        for (int x = 4; x < disabled.width() - 4; ++x)
            if (qGray(disabled.pixel(x, y)) < 180 && x + 1 < disabled.width() &&
                disabled.pixel(x + 1, y + 1) == qRgb(255, 255, 255))
                ++embossed;
    QVERIFY(embossed > 5);
    QCOMPARE(enabled.pixel(5, 20), disabled.pixel(5, 20));

    // Enabled again, it works again.
    b->setEnabled(true);
    QTest::mouseClick(b, Qt::LeftButton);
    QCOMPARE(clicks.count(), 1);
}

void GradientButtonTest::captionWrapsAndEllipsises() {
    GradientButton b(QStringLiteral("Call"));
    b.setFont(GradientButton::buttonFont());
    b.resize(65, 33);
    QCOMPARE(b.captionLines(), QStringList{QStringLiteral("Call")});
    b.resize(73, 17);
    b.setText(QStringLiteral("New Game"));
    QCOMPARE(b.captionLines(), QStringList{QStringLiteral("New Game")});

    const QFontMetrics fm(b.font());
    const auto fitsWidth = [&](const QStringList& lines) {
        for (const QString& line : lines)
            if (fm.horizontalAdvance(line) > b.width()) return false;
        return true;
    };
    // Two lines fit in 33 pixels: the caption wraps without an ellipsis.
    b.resize(65, 33);
    b.setText(QStringLiteral("Check and call"));
    QStringList lines = b.captionLines();
    QCOMPARE(lines.size(), 2);
    QVERIFY(!lines.join(QString()).contains(QChar(0x2026)));
    QVERIFY(fitsWidth(lines));

    // Three lines do not: the second one ends with an ellipsis.
    b.setText(QStringLiteral("Check the cards and then call the bet"));
    lines = b.captionLines();
    QCOMPARE(lines.size(), 2);
    QVERIFY(lines.last().endsWith(QChar(0x2026)));
    QVERIFY(fitsWidth(lines));

    // Line breaks of the caption's own count too; what is cut off is marked.
    b.setText(QStringLiteral("A\nB\nC"));
    QCOMPARE(b.captionLines(),
             (QStringList{QStringLiteral("A"), QStringLiteral("B C") + QChar(0x2026)}));
    b.setText(QStringLiteral("Check the cards and then call the bet"));

    // One line high, or one word too long for the width.
    b.resize(65, 17);
    lines = b.captionLines();
    QCOMPARE(lines.size(), 1);
    QVERIFY(lines.first().startsWith(QStringLiteral("Check")));
    QVERIFY(lines.first().endsWith(QChar(0x2026)));
    b.setText(QStringLiteral("Unbelievably"));
    lines = b.captionLines();
    QCOMPARE(lines.size(), 1);
    QVERIFY(lines.first().endsWith(QChar(0x2026)));
    QVERIFY(fitsWidth(lines));

    // Nothing of the caption spills over the border.
    const QImage img = b.grab().toImage();
    for (int y = 2; y < 15; ++y) {
        QCOMPARE(pixel(img, 0, y), kBorder);
        QCOMPARE(pixel(img, 64, y), kBorder);
    }
}

void GradientButtonTest::modalResultClosesTheDialog() {
    QDialog dialog;
    dialog.resize(120, 60);
    auto* ok = new GradientButton(QStringLiteral("OK"), &dialog);
    ok->setGeometry(20, 10, 73, 33);
    ok->setModalResult(1);
    int resultSeenByHandler = -1;
    connect(ok, &GradientButton::clicked, &dialog, [&] { resultSeenByHandler = dialog.result(); });
    QTimer::singleShot(0, ok, [ok] { QTest::mouseClick(ok, Qt::LeftButton); });
    QTimer::singleShot(5000, &dialog, [&dialog] { dialog.done(-1); }); // never hang
    QCOMPARE(dialog.exec(), 1);
    QCOMPARE(resultSeenByHandler, 1);
    QVERIFY(!dialog.isVisible());

    // A button without a modal result leaves the dialog open.
    auto* other = new GradientButton(QStringLiteral("More"), &dialog);
    other->setGeometry(20, 10, 73, 33);
    QSignalSpy finished(&dialog, &QDialog::finished);
    dialog.show();
    QTest::mouseClick(other, Qt::LeftButton);
    QVERIFY(dialog.isVisible());
    QCOMPARE(finished.count(), 0);
    // Shown without exec, OK still closes it with its result, once.
    ok->raise();
    QTest::mouseClick(ok, Qt::LeftButton);
    QVERIFY(!dialog.isVisible());
    QCOMPARE(dialog.result(), 1);
    QCOMPARE(finished.count(), 1);
}

QTEST_MAIN(GradientButtonTest)
#include "gradientbutton_test.moc"
