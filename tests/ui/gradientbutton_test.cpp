#include "ui/gradientbutton.h"

#include <QApplication>
#include <QCursor>
#include <QDialog>
#include <QEnterEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QSet>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>

#include <algorithm>

using stud::GradientButton;

namespace {

const QColor kFaceTop(255, 255, 255), kFaceBottom(239, 235, 231);
const QColor kPressedTop(214, 207, 198), kPressedBottom(247, 243, 235);
const QColor kHotTop(255, 243, 206), kHotBottom(231, 150, 0);
const QColor kFocusTop(206, 231, 255), kFocusBottom(109, 132, 239);
const QColor kBorder(0, 60, 115), kSoftCorner(123, 150, 173), kPanel(255, 221, 237);
const QChar kEllipsis(0x2026);

// The faces of a 65 x 33 button, as the button should draw them.
QImage face(const QColor& top, const QColor& bottom) {
    return GradientButton::CreateGradientRect(QSize(63, 31), top, bottom, 16);
}

QColor pixel(const QImage& image, int x, int y) {
    return QColor(image.pixel(x, y));
}

// A window of the given colour with a line edit and three buttons, like the
// table and the options panel.
struct Host {
    explicit Host(const QColor& color = Qt::black) {
        QPalette pal = window.palette();
        pal.setColor(QPalette::Window, color);
        window.setPalette(pal);
        window.setFont(GradientButton::buttonFont());
        window.setGeometry(0, 0, 320, 120);
        edit = new QLineEdit(&window);
        edit->setGeometry(10, 80, 100, 21);
        for (int i = 0; i < 3; ++i) {
            b[i] = new GradientButton(QStringList{"Deal", "Raise", "Fold"}[i], &window);
            b[i]->setGeometry(10 + 64 * i, 10, 65, 33);
        }
    }
    bool show() {
        window.show();
        QApplication::setActiveWindow(&window);
        return QTest::qWaitForWindowActive(&window);
    }
    QWidget window;
    QLineEdit* edit = nullptr;
    GradientButton* b[3] = {};
};

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
    // Keep the pointer away from the test windows so no stray enter event lights a button.
    void initTestCase() { QCursor::setPos(790, 590); }
    void gradientBands();
    void borderCornersAndFace();
    void hotFocusAndDefaultFrames();
    void mouseAndDragOff();
    void spaceAndOneClickPerPress();
    void enterEscapeAndAccelerators();
    void disabledTakesNoInputAndIsEmbossed();
    void captionWrapsAndEllipsises();
    void modalResultClosesTheDialog();
};

void GradientButtonTest::gradientBands() {
    // A 25-pixel button's face: 23 rows in 16 bands, flat across.
    const QImage img = GradientButton::CreateGradientRect(QSize(5, 23), kFaceTop, kFaceBottom, 16);
    for (int y = 0; y < 23; ++y) QCOMPARE(img.pixel(4, y), img.pixel(0, y));
    QCOMPARE(pixel(img, 0, 0), kFaceTop);
    QCOMPARE(pixel(img, 0, 22), kFaceBottom);
    // Band 7 is 255 - 16 * 7 / 15 = 247.53: rounded, not truncated.
    QCOMPARE(pixel(img, 0, 11), QColor(248, 246, 244));
    // Band 8 starts at row 23 * 8 / 16 = 11.5, rounded to 12; band 2 at 2.875 -> 3.
    QCOMPARE(pixel(img, 0, 12), QColor(246, 244, 242));
    QCOMPARE(pixel(img, 0, 1), pixel(img, 0, 2));
    QVERIFY(pixel(img, 0, 2) != pixel(img, 0, 3));
    QVERIFY(GradientButton::CreateGradientRect(QSize(0, 9), kFaceTop, kFaceBottom, 16).isNull());

    // bqHigh: 32 bands, the first row of each mixing in the band above.
    const QImage fine =
        GradientButton::CreateGradientRect(QSize(4, 64), kHotTop, kHotBottom, 32, true);
    for (int y = 2; y < 64; y += 2) {
        QCOMPARE(fine.pixel(1, y), fine.pixel(0, y - 1));
        QVERIFY(fine.pixel(0, y) != fine.pixel(1, y));
        QCOMPARE(fine.pixel(0, y + 1), fine.pixel(1, y + 1));
    }

    // The quality picks the number of bands the button draws.
    GradientButton b;
    b.resize(65, 66);
    const auto bands = [&] {
        const QImage grab = b.grab().toImage();
        QSet<QRgb> colours;
        for (int y = 1; y < 65; ++y) colours.insert(grab.pixel(30, y));
        return colours.size();
    };
    QCOMPARE(bands(), 16);
    b.setQuality(GradientButton::bqLow);
    QCOMPARE(bands(), 8);
}

void GradientButtonTest::borderCornersAndFace() {
    for (const QColor& background : {QColor(Qt::black), kPanel}) {
        Host host(background);
        GradientButton* b = host.b[0];
        b->setText(QString());
        const QImage img = b->grab().toImage();
        const int w = 65, h = 33;
        for (const QPoint& p :
             {QPoint(0, 0), QPoint(w - 1, 0), QPoint(0, h - 1), QPoint(w - 1, h - 1)})
            QCOMPARE(pixel(img, p.x(), p.y()), background);
        for (const QPoint& p :
             {QPoint(0, 1), QPoint(1, 0), QPoint(w - 2, 0), QPoint(w - 1, 1), QPoint(0, h - 2),
              QPoint(1, h - 1), QPoint(w - 2, h - 1), QPoint(w - 1, h - 2)})
            QCOMPARE(pixel(img, p.x(), p.y()), kSoftCorner);
        for (const QPoint& p :
             {QPoint(2, 0), QPoint(1, 1), QPoint(0, 2), QPoint(w - 2, 1), QPoint(w - 1, 2),
              QPoint(w / 2, h - 1), QPoint(w - 2, h - 2), QPoint(0, h / 2), QPoint(w - 3, h - 1)})
            QCOMPARE(pixel(img, p.x(), p.y()), kBorder);
        // The resting face fills the inside from (1, 1).
        const QImage rest = face(kFaceTop, kFaceBottom);
        for (int y = 2; y < h - 2; ++y) QCOMPARE(img.pixel(1, y), rest.pixel(0, y - 1));
        QCOMPARE(pixel(img, w - 2, h - 3), kFaceBottom);
    }
    // The corners follow the parent's colour when it changes.
    Host host(kPanel);
    QVERIFY(host.show());
    QPalette pal = host.window.palette();
    pal.setColor(QPalette::Window, QColor(255, 255, 230));
    host.window.setPalette(pal);
    QCOMPARE(pixel(host.b[0]->grab().toImage(), 0, 0), QColor(255, 255, 230));
}

void GradientButtonTest::hotFocusAndDefaultFrames() {
    Host host;
    QVERIFY(host.show());
    GradientButton* b = host.b[1];
    const QImage rest = face(kFaceTop, kFaceBottom), hot = face(kHotTop, kHotBottom),
                 focus = face(kFocusTop, kFocusBottom);

    // Hot: a two-pixel orange frame around the face, which starts at (3, 3).
    QEnterEvent enter(QPointF(5, 5), QPointF(5, 5), QPointF(5, 5));
    QApplication::sendEvent(b, &enter);
    QImage img = b->grab().toImage();
    QCOMPARE(img.pixel(1, 10), hot.pixel(0, 9));
    QCOMPARE(img.pixel(2, 10), hot.pixel(1, 9));
    QCOMPARE(img.pixel(62, 10), hot.pixel(61, 9));
    QCOMPARE(img.pixel(3, 10), rest.pixel(0, 7));
    QEvent leave(QEvent::Leave);
    QApplication::sendEvent(b, &leave);
    QCOMPARE(b->grab().toImage().pixel(1, 10), rest.pixel(0, 9));

    // Focused: the blue frame and a dotted rectangle from (3, 3), every other pixel inverted.
    b->setFocus();
    img = b->grab().toImage();
    QCOMPARE(img.pixel(1, 10), focus.pixel(0, 9));
    QCOMPARE(pixel(img, 3, 3), QColor(Qt::black));
    QCOMPARE(img.pixel(4, 3), rest.pixel(1, 0));
    QCOMPARE(pixel(img, 5, 3), QColor(Qt::black));
    b->setShowFocusRect(false);
    QCOMPARE(b->grab().toImage().pixel(3, 3), rest.pixel(0, 0));

    // Resized while focused, the face still reaches the border once the focus goes.
    b->resize(81, 25);
    host.edit->setFocus();
    img = b->grab().toImage();
    QCOMPARE(pixel(img, 79, 21), pixel(img, 1, 21));
    b->resize(65, 33);

    // The Default button wears the focus frame unless another of our buttons has the focus.
    host.b[0]->setDefault(true);
    QCOMPARE(host.b[0]->grab().toImage().pixel(1, 10), focus.pixel(0, 9));
    b->setFocus();
    QVERIFY(host.b[0]->isOtherFocused());
    QCOMPARE(host.b[0]->grab().toImage().pixel(1, 10), rest.pixel(0, 9));
}

void GradientButtonTest::mouseAndDragOff() {
    Host host;
    QVERIFY(host.show());
    GradientButton* b = host.b[0];
    QSignalSpy clicks(b, &GradientButton::clicked);
    QTest::mouseClick(b, Qt::LeftButton);
    QCOMPARE(clicks.count(), 1);
    QVERIFY(b->hasFocus());

    // Held down: the pressed face. Dragged off: still held, in the focus frame.
    QTest::mousePress(b, Qt::LeftButton, {}, QPoint(30, 15));
    QCOMPARE(b->grab().toImage().pixel(1, 10), face(kPressedTop, kPressedBottom).pixel(0, 9));
    QTest::mouseMove(b, QPoint(100, 15));
    QVERIFY(b->isPressed() && !b->isHot());
    QCOMPARE(b->grab().toImage().pixel(1, 10), face(kFocusTop, kFocusBottom).pixel(0, 9));
    QTest::mouseRelease(b, Qt::LeftButton, {}, QPoint(100, 15));
    QCOMPARE(clicks.count(), 1);
    QVERIFY(!b->isPressed());

    // Dragged off and back on, released over the button: a click.
    QTest::mousePress(b, Qt::LeftButton, {}, QPoint(30, 15));
    QTest::mouseMove(b, QPoint(30, -20));
    QTest::mouseMove(b, QPoint(31, 16));
    QTest::mouseRelease(b, Qt::LeftButton, {}, QPoint(31, 16));
    QCOMPARE(clicks.count(), 2);

    // Other mouse buttons do nothing; a press whose focus is taken away is dropped.
    QTest::mouseClick(b, Qt::RightButton);
    QTest::mousePress(b, Qt::LeftButton);
    host.edit->setFocus();
    QVERIFY(!b->isPressed());
    QTest::mouseRelease(b, Qt::LeftButton);
    QCOMPARE(clicks.count(), 2);
}

void GradientButtonTest::spaceAndOneClickPerPress() {
    Host host;
    QVERIFY(host.show());
    GradientButton* b = host.b[0];
    QSignalSpy clicks(b, &GradientButton::clicked);
    b->setFocus();

    // Pressed look while Space is held, auto-repeat included; the click comes on release.
    sendKey(b, QEvent::KeyPress, Qt::Key_Space);
    QVERIFY(b->isPressed() && b->isHot());
    QCOMPARE(b->grab().toImage().pixel(1, 10), face(kPressedTop, kPressedBottom).pixel(0, 9));
    sendKey(b, QEvent::KeyRelease, Qt::Key_Space, {}, true);
    sendKey(b, QEvent::KeyPress, Qt::Key_Space, {}, true);
    QCOMPARE(clicks.count(), 0);
    sendKey(b, QEvent::KeyRelease, Qt::Key_Space);
    QCOMPARE(clicks.count(), 1);
    QVERIFY(!b->isPressed() && !b->isHot()); // the pointer is elsewhere
    sendKey(b, QEvent::KeyPress, Qt::Key_Space, Qt::ShiftModifier);
    QVERIFY(!b->isPressed());

    // One press, one click: keys let go while the mouse or Space holds the
    // button do not click it on the side.
    QTest::mousePress(b, Qt::LeftButton);
    sendKey(b, QEvent::KeyPress, Qt::Key_A);
    sendKey(b, QEvent::KeyRelease, Qt::Key_A);
    sendKey(b, QEvent::KeyPress, Qt::Key_Space);
    sendKey(b, QEvent::KeyRelease, Qt::Key_Space);
    QCOMPARE(clicks.count(), 1);
    QTest::mouseRelease(b, Qt::LeftButton);
    QCOMPARE(clicks.count(), 2);
    sendKey(b, QEvent::KeyPress, Qt::Key_Space);
    sendKey(b, QEvent::KeyRelease, Qt::Key_Shift);
    QCOMPARE(clicks.count(), 2);
    // Space held while the focus goes: no click.
    host.edit->setFocus();
    sendKey(b, QEvent::KeyRelease, Qt::Key_Space);
    QCOMPARE(clicks.count(), 2);
}

void GradientButtonTest::enterEscapeAndAccelerators() {
    Host host;
    host.b[0]->setText(QStringLiteral("&Deal"));
    host.b[1]->setText(QStringLiteral("Check && &Call"));
    QVERIFY(host.show());
    host.b[0]->setDefault(true);
    host.b[2]->setCancel(true);
    QSignalSpy deal(host.b[0], &GradientButton::clicked), call(host.b[1], &GradientButton::clicked),
        cancel(host.b[2], &GradientButton::clicked);

    // From the line edit, Enter reaches the Default button and Escape the Cancel one.
    host.edit->setFocus();
    QTest::keyClick(host.edit, Qt::Key_Return);
    QTest::keyClick(host.edit, Qt::Key_Enter, Qt::KeypadModifier);
    QTest::keyClick(host.edit, Qt::Key_Escape);
    QTest::keyClick(host.edit, Qt::Key_Escape, Qt::ShiftModifier);
    QCOMPARE(deal.count(), 2);
    QCOMPARE(cancel.count(), 1);
    // Another of our buttons focused: Enter clicks that one, not the Default.
    host.b[1]->setFocus();
    QTest::keyClick(host.b[1], Qt::Key_Return);
    QCOMPARE(call.count(), 1);
    QCOMPARE(deal.count(), 2);

    // Accelerators: Alt+letter anywhere in the window, the bare letter on the focused button.
    QCOMPARE(host.b[0]->accessibleName(), QStringLiteral("Deal"));
    QCOMPARE(host.b[1]->accessibleName(), QStringLiteral("Check & Call"));
    QTest::keyClick(host.b[1], Qt::Key_C);
    QTest::keyClick(host.b[1], Qt::Key_D);
    QCOMPARE(call.count(), 2);
    QCOMPARE(deal.count(), 2);
    host.edit->setFocus();
    QTest::keyClick(host.edit, Qt::Key_D, Qt::AltModifier);
    QCOMPARE(deal.count(), 3);
    // A new caption brings its own name and accelerator, whichever setText is called.
    static_cast<QAbstractButton*>(host.b[0])->setText(QStringLiteral("&Fold"));
    QCoreApplication::processEvents();
    QCOMPARE(host.b[0]->accessibleName(), QStringLiteral("Fold"));
    QTest::keyClick(host.edit, Qt::Key_D, Qt::AltModifier);
    QTest::keyClick(host.edit, Qt::Key_F, Qt::AltModifier);
    QCOMPARE(deal.count(), 4);
    host.b[0]->setShowAccelChar(false);
    QCOMPARE(host.b[0]->captionLines(), QStringList{QStringLiteral("&Fold")});
    QTest::keyClick(host.edit, Qt::Key_F, Qt::AltModifier);
    QCOMPARE(deal.count(), 4);

    // Default and Cancel buttons that cannot take the focus let the keys pass.
    host.b[0]->setEnabled(false);
    host.b[2]->hide();
    QTest::keyClick(host.edit, Qt::Key_Return);
    QTest::keyClick(host.edit, Qt::Key_Escape);
    QCOMPARE(deal.count(), 4);
    QCOMPARE(cancel.count(), 1);
}

void GradientButtonTest::disabledTakesNoInputAndIsEmbossed() {
    Host host;
    QVERIFY(host.show());
    GradientButton* b = host.b[1];
    const QImage enabled = b->grab().toImage();
    b->setEnabled(false);
    const QImage disabled = b->grab().toImage();
    QSignalSpy clicks(b, &GradientButton::clicked);
    QTest::mouseClick(b, Qt::LeftButton);
    sendKey(b, QEvent::KeyPress, Qt::Key_Space);
    sendKey(b, QEvent::KeyRelease, Qt::Key_Space);
    QCOMPARE(clicks.count(), 0);
    QVERIFY(!b->hasFocus());

    // Enabled the caption is black; disabled it is grey over a white copy one
    // pixel down and right (below its top rows the face is never pure white).
    const auto darkest = [](const QImage& img) {
        int dark = 255;
        for (int y = 4; y < img.height() - 4; ++y)
            for (int x = 4; x < img.width() - 4; ++x) dark = std::min(dark, qGray(img.pixel(x, y)));
        return dark;
    };
    QVERIFY(darkest(enabled) < 40);
    QVERIFY(darkest(disabled) > 100 && darkest(disabled) < 180);
    int embossed = 0;
    for (int y = 4; y < disabled.height() - 5; ++y)
        for (int x = 4; x < disabled.width() - 5; ++x)
            embossed += qGray(disabled.pixel(x, y)) < 180 &&
                        disabled.pixel(x + 1, y + 1) == qRgb(255, 255, 255);
    QVERIFY(embossed > 5);
}

void GradientButtonTest::captionWrapsAndEllipsises() {
    GradientButton b(QStringLiteral("New Game"));
    b.setFont(GradientButton::buttonFont());
    b.resize(73, 17);
    QCOMPARE(b.captionLines(), QStringList{QStringLiteral("New Game")});
    const QFontMetrics fm(b.font());
    const auto fits = [&](const QStringList& lines) {
        return std::all_of(lines.begin(), lines.end(),
                           [&](const QString& l) { return fm.horizontalAdvance(l) <= b.width(); });
    };

    // Two lines fit in 33 pixels; a third is cut and marked with an ellipsis.
    b.resize(65, 33);
    b.setText(QStringLiteral("Check and call"));
    QStringList lines = b.captionLines();
    QCOMPARE(lines.size(), 2);
    QVERIFY(!lines.join(QString()).contains(kEllipsis) && fits(lines));
    b.setText(QStringLiteral("Check the cards and then call the bet"));
    lines = b.captionLines();
    QCOMPARE(lines.size(), 2);
    QVERIFY(lines.last().endsWith(kEllipsis) && fits(lines));
    b.setText(QStringLiteral("A\nB\nC"));
    QCOMPARE(b.captionLines(),
             (QStringList{QStringLiteral("A"), QStringLiteral("B C") + kEllipsis}));

    // One word too wide for the button; and nothing spills over the border.
    b.resize(65, 17);
    b.setText(QStringLiteral("Unbelievably"));
    lines = b.captionLines();
    QVERIFY(lines.size() == 1 && lines.first().endsWith(kEllipsis) && fits(lines));
    const QImage img = b.grab().toImage();
    for (int y = 2; y < 15; ++y)
        QVERIFY(pixel(img, 0, y) == kBorder && pixel(img, 64, y) == kBorder);

    // A caption set smaller to fit is drawn in that smaller size: it looks
    // the same as the caption of a button given that size to begin with.
    b.setShrinkToFit(true);
    b.resize(57, 17);
    b.setText(QStringLiteral("Anwenden"));
    const QFont shrunk = b.captionFont();
    QVERIFY(shrunk.pixelSize() < b.font().pixelSize());
    GradientButton same(b.text());
    same.setFont(shrunk);
    same.resize(b.size());
    QCOMPARE(b.grab().toImage(), same.grab().toImage());
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

    // A button without a modal result leaves the dialog open; OK closes a
    // dialog that is merely shown, too, and only once.
    auto* more = new GradientButton(QStringLiteral("More"), &dialog);
    more->setGeometry(20, 10, 73, 33);
    QSignalSpy finished(&dialog, &QDialog::finished);
    dialog.show();
    QTest::mouseClick(more, Qt::LeftButton);
    QVERIFY(dialog.isVisible());
    ok->raise();
    QTest::mouseClick(ok, Qt::LeftButton);
    QVERIFY(!dialog.isVisible());
    QCOMPARE(finished.count(), 1);
    QCOMPARE(dialog.result(), 1);
}

QTEST_MAIN(GradientButtonTest)
#include "gradientbutton_test.moc"
