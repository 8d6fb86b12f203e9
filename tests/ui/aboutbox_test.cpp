// The About box offscreen: its frame and layout, the picture drawn unscaled
// and clipped (and nothing at all for damaged data), the OK button's modal
// result, and its place over the main window.

#include "jpegwriter.h"
#include "ui/aboutbox.h"
#include "ui/gradientbutton.h"
#include "ui/zoom.h"

#include <QApplication>
#include <QFile>
#include <QGuiApplication>
#include <QScreen>
#include <QTest>
#include <QTimer>

#include <cstdio>
#include <cstdlib>

using namespace stud;

namespace {

// A baseline JPEG from libjpeg's compressor: red on the left half, blue on
// the right, a green band along the bottom ten rows.
QByteArray makeJpeg(int size) {
    const auto jpeg = stud::testing::writeJpeg(size, size, 3, [size](int y, unsigned char* row) {
        const bool bottom = y >= size - size / 46;
        for (int x = 0; x < size; ++x) {
            const bool left = x < size / 2;
            row[x * 3 + 0] = bottom ? 0 : left ? 230 : 0;
            row[x * 3 + 1] = bottom ? 220 : 0;
            row[x * 3 + 2] = bottom ? 0 : left ? 0 : 230;
        }
    });
    return QByteArray(reinterpret_cast<const char*>(jpeg.data()),
                      static_cast<qsizetype>(jpeg.size()));
}

bool near(const QColor& a, const QColor& b) {
    return std::abs(a.red() - b.red()) < 40 && std::abs(a.green() - b.green()) < 40 &&
           std::abs(a.blue() - b.blue()) < 40;
}

const QColor kRed(230, 0, 0), kBlue(0, 0, 230), kGreen(0, 220, 0);

GradientButton* okButton(const AboutBox& box) {
    return box.findChild<GradientButton*>();
}

} // namespace

class AboutBoxTest : public QObject {
    Q_OBJECT
  private slots:
    void frameAndLayout() {
        AboutBox box;
        QCOMPARE(box.size(), QSize(479, 513));
        QCOMPARE(box.minimumSize(), box.maximumSize()); // not resizable
        QVERIFY(box.windowTitle().isEmpty());
        const Qt::WindowFlags f = box.windowFlags();
        QCOMPARE(f & Qt::WindowType_Mask, Qt::Tool);
        QVERIFY(f & Qt::MSWindowsFixedSizeDialogHint);
        QVERIFY(f & Qt::CustomizeWindowHint);
        QVERIFY(!(f & (Qt::WindowCloseButtonHint | Qt::WindowMinMaxButtonsHint)));
        QVERIFY(box.isModal());
        QCOMPARE(box.font().pixelSize(), 11);

        GradientButton* ok = okButton(box);
        QVERIFY(ok);
        QCOMPARE(ok->text(), QStringLiteral("OK"));
        QCOMPARE(ok->geometry(), QRect(200, 464, 73, 33));
        QCOMPARE(ok->modalResult(), 1);
        QVERIFY(ok->font().bold());
        QCOMPARE(ok->font().pixelSize(), 11);
    }

    void pictureIsDrawnUnscaledAndClipped() {
        AboutBox box;
        QVERIFY(box.setPicture(makeJpeg(460)));
        QVERIFY(box.pictureLoaded());
        const QImage img = box.grab().toImage();
        const QColor background = img.pixelColor(3, 200);
        QVERIFY(!near(background, kRed) && !near(background, kBlue));
        // Image1 starts at (8, 0); the picture's first column is there.
        QVERIFY(near(img.pixelColor(8, 0), kRed));
        QCOMPARE(img.pixelColor(7, 100), background);
        // Unscaled: 460 wide, so the last picture column is x 8 + 459 and
        // the control's remaining 5 columns show the dialog.
        QVERIFY(near(img.pixelColor(8 + 459, 100), kBlue));
        QCOMPARE(img.pixelColor(8 + 461, 100), background);
        // Clipped at the control's 449 rows: the green bottom band (rows
        // 450..459 of the picture) is never shown.
        QVERIFY(near(img.pixelColor(300, 448), kBlue));
        for (int y = 449; y < 464; ++y) QVERIFY(!near(img.pixelColor(300, y), kGreen));
    }

    void doubleSizePictureFillsTheSameRoom() {
        AboutBox box;
        QVERIFY(box.setPicture(makeJpeg(920), 2.0));
        const QImage img = box.grab().toImage();
        const QColor background = img.pixelColor(3, 200);
        QVERIFY(near(img.pixelColor(8 + 458, 100), kBlue));
        QCOMPARE(img.pixelColor(8 + 462, 100), background);
        QVERIFY(near(img.pixelColor(8 + 100, 448), kRed));
    }

    // A picture smaller than the box's density (the 2x one at 300 %, when
    // the 4x one is missing) is enlarged to fill the same room.
    void smallerPictureFillsTheZoomedRoom() {
        QWidget owner;
        Zoomer zoomer;
        AboutBox box(&owner);
        zoomer.apply(&box, 3.0, {}, true);
        QVERIFY(box.setPicture(makeJpeg(920), 2.0 / 3));
        const QImage img = box.grab().toImage();
        const qreal r = img.devicePixelRatio();
        const auto at = [&](qreal x, qreal y) {
            return img.pixelColor(qRound(x * r), qRound(y * r));
        };
        const QColor background = at(3, 600);
        QVERIFY(near(at(24 + 1375, 300), kBlue));
        QCOMPARE(at(24 + 1386, 300), background);
        QVERIFY(near(at(24 + 300, 1340), kRed));
    }

    void damagedPictureShowsNothing() {
        const QByteArray good = makeJpeg(460);
        const QByteArray damaged[]{
            good.left(good.size() / 2), // truncated
            QByteArray("GIF89a not a picture at all"),
            QByteArray(),
        };
        for (const QByteArray& data : damaged) {
            AboutBox box;
            QVERIFY(box.setPicture(good));
            QVERIFY(!box.setPicture(data));
            QVERIFY(!box.pictureLoaded());
            const QImage img = box.grab().toImage();
            const QColor background = img.pixelColor(3, 200);
            for (int x : {10, 200, 460})
                for (int y : {1, 200, 440}) QCOMPARE(img.pixelColor(x, y), background);
        }
    }

    // The picture is built into the game (the build stops without it).
    void builtInPictureIsDecoded() {
        AboutBox box;
        QVERIFY(box.pictureLoaded());
    }

    // A zoomed box takes the picture made for its density of pixels (the
    // screen's ratio times the zoom): the plain one up to 1, the double one up
    // to 2, the four-times one above, shrunk to fill the same room. Shrunk,
    // it is closer to what the box should show than the double one enlarged.
    void builtInPictureForTheDensity() {
        for (qreal zoom : {1.0, 1.25, 2.0, 2.5, 3.0}) {
            QWidget owner;
            Zoomer zoomer;
            AboutBox box(&owner);
            zoomer.apply(&box, zoom, {}, true);
            box.show();
            QVERIFY(QTest::qWaitForWindowExposed(&box));
            const qreal density = box.devicePixelRatioF() * zoom;
            const int scale = density > 2 ? 4 : density > 1 ? 2 : 1;
            QCOMPARE(box.pictureScale(), scale);
            if (box.devicePixelRatioF() != 1 || scale != 4) continue;
            // The picture's room in the box, as drawn: 8 pixels in, 449 high.
            const QRect room = QRectF(8 * zoom, 0, 460 * zoom, 449 * zoom).toAlignedRect();
            const QImage shown = box.grab().toImage().convertToFormat(QImage::Format_RGB32);
            const auto error = [&](const char* file) {
                const QImage picture = QImage(QString(":/images/%1").arg(file))
                                           .scaled(qRound(460 * zoom), qRound(460 * zoom),
                                                   Qt::IgnoreAspectRatio, Qt::SmoothTransformation)
                                           .convertToFormat(QImage::Format_RGB32);
                double sum = 0;
                for (int y = 0; y < room.height() - 1; y += 3)
                    for (int x = 0; x < room.width() - 1; x += 3) {
                        const QRgb a = shown.pixel(room.x() + x, y), b = picture.pixel(x, y);
                        sum += std::abs(qRed(a) - qRed(b)) + std::abs(qGreen(a) - qGreen(b)) +
                               std::abs(qBlue(a) - qBlue(b));
                    }
                return sum;
            };
            QVERIFY2(error("about@4x.jpg") * 2 < error("about@2x.jpg"),
                     qPrintable(QString::number(zoom)));
        }
    }

    void okClosesWithResultOneEveryTime() {
        QWidget owner;
        owner.resize(300, 200);
        owner.show();
        QVERIFY(QTest::qWaitForWindowExposed(&owner));
        AboutBox box(&owner);
        for (int round = 0; round < 3; ++round) {
            bool clicked = false;
            QTimer::singleShot(50, &box, [&] {
                QVERIFY(box.isVisible());
                QTest::mouseClick(okButton(box), Qt::LeftButton);
                clicked = true;
            });
            QCOMPARE(box.exec(), 1);
            QVERIFY(clicked);
            QVERIFY(!box.isVisible());
        }
        // Escape closes it too, as any dialog, without the OK result.
        QTimer::singleShot(50, &box, [&] { QTest::keyClick(&box, Qt::Key_Escape); });
        QCOMPARE(box.exec(), 0);
    }

    void centredOnTheMainWindowEachTimeItIsShown() {
        QWidget owner;
        owner.setGeometry(50, 20, 500, 540);
        owner.show();
        QVERIFY(QTest::qWaitForWindowExposed(&owner));
        AboutBox box(&owner);
        for (const QPoint& at : {QPoint(50, 20), QPoint(100, 40)}) {
            owner.move(at);
            QTRY_COMPARE(owner.pos(), at);
            box.show();
            QVERIFY(QTest::qWaitForWindowExposed(&box));
            const QPoint offset = box.geometry().center() - owner.geometry().center();
            QVERIFY2(offset.manhattanLength() <= 2,
                     qPrintable(QStringLiteral("off by %1,%2").arg(offset.x()).arg(offset.y())));
            box.hide();
        }
    }

    void keptOnTheScreenBesideAnOwnerAtItsEdge() {
        const QRect avail = QGuiApplication::primaryScreen()->availableGeometry();
        QWidget owner;
        owner.setGeometry(avail.right() - 150, avail.bottom() - 100, 300, 200);
        owner.show();
        QVERIFY(QTest::qWaitForWindowExposed(&owner));
        AboutBox box(&owner);
        box.show();
        QVERIFY(QTest::qWaitForWindowExposed(&box));
        QVERIFY(avail.contains(box.geometry()));
    }
};

QTEST_MAIN(AboutBoxTest)
#include "aboutbox_test.moc"
