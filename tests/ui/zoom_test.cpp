// The zoomed table: every level at both picture densities (and, run on a
// screen of scale 2, the desktop's factor with it), and full screen, each
// checked for controls inside the table where the layout puts them, no new
// overlaps, clicks landing on what is drawn, the screen reader's places, and
// pictures drawn at the resolution shown. The options panel, the menu's
// symbol and the game's message boxes grow with the table, their lines and
// smallest sizes too. 100 % comes back pixel for pixel; the view file
// survives junk; the four-colour deck changes only pictures.

#include "support/gamesteps.h"
#include "table/seattable.h"
#include "tablerun.h"
#include "ui/accessibility.h"
#include "ui/fonts.h"
#include "ui/gamemenu.h"
#include "ui/gradientbutton.h"
#include "ui/imagesets.h"
#include "ui/optionspanel.h"
#include "ui/tablelabel.h"
#include "ui/viewcontrol.h"
#include "ui/viewsettings.h"
#include "ui/zoom.h"

#include <QAccessible>
#include <QAction>
#include <QApplication>
#include <QDialog>
#include <QFile>
#include <QLabel>
#include <QMessageBox>
#include <QScreen>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>
#include <QWindow>

#include <fstream>
#include <map>
#include <sstream>

using namespace stud;

namespace {

// The shipped run folder, found before any test changes the working folder.
const QString kDataDir = stud::testing::dataDir();

constexpr Control kButtons[] = {Control::btnnew,  Control::btnstay,  Control::btnbet,
                                Control::btnpass, Control::NewGame1, Control::Options1,
                                Control::About1};

struct Zoomed : stud::testing::TableRun {
    explicit Zoomed(int scale = 1) : TableRun(11, true, scale) {}
    void quiet() {
        for (Timer t : {Timer::randomwink, Timer::winkanim, Timer::wintimer})
            stud::testing::QtServicesSeam(w->services()).timer(t)->stop();
    }
    // The command buttons and the labels that show text.
    std::vector<QWidget*> shown() const {
        std::vector<QWidget*> out;
        for (Control c : kButtons) out.push_back(w->button(c));
        for (QLabel* l : w->findChildren<QLabel*>())
            if (l->isVisible() && !l->text().isEmpty() && l->parentWidget() == w.get())
                out.push_back(l);
        return out;
    }
};

QRect logicalPlace(const QRect& r, qreal z, QPoint offset) {
    const int left = qRound(r.left() * z), top = qRound(r.top() * z);
    return QRect(left, top, qRound((r.left() + r.width()) * z) - left,
                 qRound((r.top() + r.height()) * z) - top)
        .translated(offset);
}

// The level the window's screen holds, of those up to `level`.
int fitting(const stud::testing::TableRun& t, int level) {
    return largestFitting(level, QSize(910, 691), QSize(10, 40),
                          t.w->screen()->availableGeometry().size());
}

std::string readFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::stringstream s;
    s << in.rdbuf();
    return s.str();
}

void writeFile(const std::string& path, const std::string& text) {
    std::ofstream(path, std::ios::binary) << text;
}

} // namespace

class ZoomTest : public QObject {
    Q_OBJECT
  private slots:
    void levelsAndFitting();
    void everyLevelKeepsTheLayout_data();
    void everyLevelKeepsTheLayout();
    void fullScreenFillsAndCentres();
    void anotherScreenHoldsWhatItCan();
    void hundredPercentComesBackExactly();
    void picturesAtTheResolutionShown();
    void panelMenuAndBoxesGrowWithTheTable();
    void tableFileForTheResolution_data();
    void tableFileForTheResolution();
    void viewFileSurvivesJunk();
    void fourColourDeckChangesOnlyPictures();
};

void ZoomTest::levelsAndFitting() {
    QCOMPARE(zoomIn(100), 125);
    QCOMPARE(zoomIn(300), 300);
    QCOMPARE(zoomOut(75), 75);
    QCOMPARE(zoomOut(125), 100);
    const QSize table(910, 691), frame(10, 40);
    // A 1024 x 600 screen under a panel holds 75 % and no more.
    QCOMPARE(largestFitting(100, table, frame, QSize(1024, 570)), 75);
    QCOMPARE(largestFitting(300, table, frame, QSize(1920, 1050)), 125);
    QCOMPARE(largestFitting(200, table, frame, QSize(3840, 2100)), 200);
    // Nothing fits: the smallest level rather than none.
    QCOMPARE(largestFitting(100, table, frame, QSize(320, 200)), 75);
    const FullView v = fillScreen(table, QSize(3840, 2160));
    QCOMPARE(v.scale, 2160.0 / 691);
    QCOMPARE(v.offset.y(), 0);
    QVERIFY(qAbs(2 * v.offset.x() + qRound(910 * v.scale) - 3840) <= 1);
}

void ZoomTest::everyLevelKeepsTheLayout_data() {
    QTest::addColumn<int>("scale");
    QTest::addColumn<int>("level");
    for (int scale : {1, 2})
        for (int level : kZoomLevels) QTest::addRow("x%d at %d%%", scale, level) << scale << level;
}

void ZoomTest::everyLevelKeepsTheLayout() {
    QFETCH(int, scale);
    QFETCH(int, level);
    Zoomed t(scale);
    QVERIFY(t.startAndShow());
    t.quiet();
    // What overlaps at the table's own size (the command buttons share an
    // edge) may overlap when zoomed; nothing else may.
    const std::vector<QWidget*> before = t.shown();
    std::vector<QRect> logical;
    for (QWidget* w : before) logical.push_back(w->geometry());
    // The panel's controls that lie inside their box at 100 % stay inside.
    std::vector<QWidget*> inside;
    for (QWidget* c : t.w->panel()->findChildren<QWidget*>())
        if (c->parentWidget()->rect().contains(c->geometry())) inside.push_back(c);

    t.w->view().setZoom(level);
    // On a desktop of scale 2 the screen holds half as much.
    const int shown = fitting(t, level);
    QCOMPARE(t.w->view().zoom(), shown);
    const qreal z = shown / 100.0;
    QCOMPARE(t.w->size(), QSize(qRound(910 * z), qRound(691 * z)));
    QCOMPARE(t.w->minimumSize(), t.w->maximumSize()); // fixed, as at 100 %
    QCOMPARE(t.w->canvas().size(),
             QSize(qCeil(910 * z * scale - 1e-6), qCeil(691 * z * scale - 1e-6)));

    const QRect table = t.w->rect();
    for (std::size_t i = 0; i < before.size(); ++i) {
        QWidget* w = before[i];
        QVERIFY2(table.contains(w->geometry()), qPrintable(w->accessibleName()));
        // Where the layout puts it, times the zoom (a label sizes itself to
        // its text in the zoomed font).
        QCOMPARE(w->pos(), logicalPlace(logical[i], z, {}).topLeft());
        if (!qobject_cast<QLabel*>(w)) QCOMPARE(w->size(), logicalPlace(logical[i], z, {}).size());
        for (std::size_t j = i + 1; j < before.size(); ++j) {
            if (logical[i].intersects(logical[j])) continue;
            QVERIFY2(!w->geometry().intersects(before[j]->geometry()),
                     qPrintable(w->accessibleName() + " / " + before[j]->accessibleName()));
        }
    }
    // Every seat's cards lie inside the table, in the canvas and on screen.
    for (SeatId s : kAllSeats) {
        const SeatInfo& p = kSeatInfo[s];
        const QRect area(QPoint(p.areaLeft, p.areaTop), QPoint(p.areaRight - 1, p.areaBottom - 1));
        QVERIFY(table.contains(t.w->services().toWidget(area)));
        QCOMPARE(t.w->hand(s)->geometry(), logicalPlace(area, z, {}));
    }
    // The screen reader is told the places and sizes shown.
    for (Control c : kButtons) {
        GradientButton* b = t.w->button(c);
        QAccessibleInterface* a = QAccessible::queryAccessibleInterface(b);
        QVERIFY(a);
        QCOMPARE(a->rect(), QRect(b->mapToGlobal(QPoint()), b->size()));
    }
    // A click where the button is drawn plays it.
    GradientButton* call = t.w->button(Control::btnstay);
    const QPoint centre = logicalPlace(QRect(397, 618, 65, 33), z, {}).center();
    QCOMPARE(t.w->childAt(centre), call);
    const std::int32_t cash = t.w->game().state().seats[player].cash;
    QSignalSpy clicked(call, &QAbstractButton::clicked);
    QTest::mouseClick(call, Qt::LeftButton, {}, call->mapFrom(t.w.get(), centre));
    QCOMPARE(clicked.count(), 1);
    QVERIFY(t.w->game().state().seats[player].cash < cash);
    // The options panel opens where it is drawn, its controls inside it.
    const QPoint options = logicalPlace(QRect(455, 11, 1, 1), z, {}).topLeft();
    QWidget* target = t.w->childAt(options);
    QCOMPARE(target, t.w->button(Control::Options1));
    QTest::mouseClick(target, Qt::LeftButton, {}, target->mapFrom(t.w.get(), options));
    QVERIFY(t.w->panel()->isVisible());
    QCOMPARE(t.w->panel()->geometry(), logicalPlace(QRect(232, 96, 449, 377), z, {}));
    for (QWidget* c : inside)
        QVERIFY2(c->parentWidget()->rect().contains(c->geometry()),
                 qPrintable(c->metaObject()->className()));
}

void ZoomTest::fullScreenFillsAndCentres() {
    Zoomed t;
    QVERIFY(t.startAndShow());
    t.quiet();
    t.w->view().setZoom(150);
    t.w->view().setFullScreen(true);
    QTRY_VERIFY(t.w->isFullScreen());
    const QSize screen = t.w->screen()->geometry().size();
    QTRY_COMPARE(t.w->size(), screen);
    const FullView v = fillScreen(QSize(910, 691), screen);
    QCOMPARE(t.w->view().scale(), v.scale);
    QCOMPARE(t.w->services().offset(), v.offset);
    const QRect table(v.offset, QSize(qRound(910 * v.scale), qRound(691 * v.scale)));
    for (QWidget* w : t.shown()) QVERIFY(table.contains(w->geometry()));
    QCOMPARE(t.w->button(Control::btnbet)->geometry(),
             logicalPlace(QRect(461, 618, 65, 33), v.scale, v.offset));
    // The margin continues the room: no black seam where the table begins.
    const QImage shot = t.w->grab().toImage();
    if (v.offset.x() > 2) {
        const int y = table.center().y();
        const QColor edge = shot.pixelColor(v.offset.x() + 1, y);
        const QColor margin = shot.pixelColor(v.offset.x() - 2, y);
        QVERIFY(qAbs(edge.red() - margin.red()) < 24);
        // And it follows what the game draws at that edge later.
        t.w->services().setPixel(0, 345, 0xff0000);
        const QImage after = t.w->grab().toImage();
        const qreal dpr = after.devicePixelRatio();
        const int x = qRound(v.offset.x() / 2 * dpr),
                  row = qRound((v.offset.y() + 345.5 * v.scale) * dpr);
        const int above = row - qCeil(v.scale * dpr) - 1;
        // (A canvas coarser than the window's pixels is stretched smoothly.)
        QVERIFY(after.pixelColor(x, row).red() > 150 && after.pixelColor(x, row).green() < 60);
        QCOMPARE(after.pixelColor(x, above), shot.pixelColor(x, above));
    }
    // Escape leaves it, back at the zoom chosen before.
    QTest::keyClick(t.w.get(), Qt::Key_Escape);
    QTRY_VERIFY(!t.w->isFullScreen());
    QCOMPARE(t.w->view().zoom(), 150);
    QCOMPARE(t.w->size(), QSize(qRound(910 * 1.5), qRound(691 * 1.5)));
}

void ZoomTest::anotherScreenHoldsWhatItCan() {
    // The test's screens: the 4K one and a 1024 x 600 one beside it.
    QScreen* small = nullptr;
    for (QScreen* s : QGuiApplication::screens())
        if (s->name() == "small") small = s;
    QVERIFY(small);
    Zoomed t;
    QVERIFY(t.startAndShow());
    t.quiet();
    QScreen* big = t.w->screen();
    QAction* in = t.w->view().zoomInAction();
    t.w->view().setZoom(300);
    const int held = fitting(t, 300);
    QCOMPARE(t.w->view().zoom(), held);
    // At the largest level the screen holds, Zoom In offers nothing.
    QVERIFY(!in->isEnabled());
    in->trigger();
    QCOMPARE(t.w->view().zoom(), held);
    // Taken to the small screen: as large as it holds, the choice kept.
    t.w->windowHandle()->setScreen(small);
    QTRY_COMPARE(t.w->size(), QSize(qRound(910 * 0.75), qRound(691 * 0.75)));
    QCOMPARE(t.w->view().zoom(), held);
    QVERIFY(!in->isEnabled());
    if (small->availableGeometry().height() > t.w->frameGeometry().height()) // not at scale 2
        QVERIFY(small->availableGeometry().contains(t.w->frameGeometry()));
    // And back: the chosen zoom again.
    t.w->windowHandle()->setScreen(big);
    const qreal z = held / 100.0;
    QTRY_COMPARE(t.w->size(), QSize(qRound(910 * z), qRound(691 * z)));
    t.w->view().zoomOut();
    QVERIFY(in->isEnabled());
}

void ZoomTest::hundredPercentComesBackExactly() {
    Zoomed t;
    QVERIFY(t.startAndShow());
    t.quiet();
    // A lit portrait, drawn by an event and not by the repaint, must survive.
    t.w->services().drawImage(ImageSet::players, 1, 48, 268);
    const QImage canvas = t.w->canvas();
    const QImage shot = t.w->grab().toImage();
    QTest::keyClick(t.w.get(), Qt::Key_Plus, Qt::ControlModifier);
    QCOMPARE(t.w->view().zoom(), 125);
    for (int i = 0; i < 6; ++i) QTest::keyClick(t.w.get(), Qt::Key_Equal, Qt::ControlModifier);
    const int largest = fitting(t, 300);
    QCOMPARE(t.w->view().zoom(), largest);
    QTest::keyClick(t.w.get(), Qt::Key_Minus, Qt::ControlModifier);
    QCOMPARE(t.w->view().zoom(), zoomOut(largest));
    QTest::keyClick(t.w.get(), Qt::Key_0, Qt::ControlModifier);
    QCOMPARE(t.w->view().zoom(), 100);
    QCOMPARE(t.w->canvas(), canvas);
    QCOMPARE(t.w->grab().toImage(), shot);
}

void ZoomTest::picturesAtTheResolutionShown() {
    Zoomed t;
    QVERIFY(t.startAndShow());
    t.quiet();
    t.w->services().drawImage(ImageSet::players, 1, 48, 268);
    const int card = 13 * 2 + 12; // the ace of hearts
    t.w->services().drawImage(ImageSet::cards, card, 600, 40);
    for (int level : {200, 300, 125}) {
        t.w->view().setZoom(level);
        const qreal r = t.w->view().zoom() / 100.0;
        const ImageSets sets(r, ImageSets::Deck::TwoColour);
        // The picture made for this resolution, not an enlarged smaller one;
        // 200 % takes the double-size strip as it is.
        const QImage want = sets.image(ImageSet::cards, card);
        QCOMPARE(t.w->canvas().copy(QRect(QPoint(qRound(600 * r), qRound(40 * r)), want.size())),
                 want);
        if (r == 2) QCOMPARE(want, ImageSets(2).image(ImageSet::cards, card));
        const QImage lit = sets.image(ImageSet::players, 1);
        QCOMPARE(t.w->canvas().copy(QRect(QPoint(qRound(48 * r), qRound(268 * r)), lit.size())),
                 lit);
    }
}

namespace {

// The font's size in pixels as drawn, whether it was given in pixels or points.
int pixelsOf(const QWidget* w) {
    return QFontInfo(w->font()).pixelSize();
}

// How many pixels of `colour` the column `x` of `image` holds.
int inColumn(const QImage& image, int x, QColor colour) {
    int n = 0;
    for (int y = 0; y < image.height(); ++y) n += image.pixelColor(x, y) == colour;
    return n;
}

struct Notice {
    int pixels = 0;
    QRect place;
};

// Shows the notice for a typed amount that is no number, as the game does,
// and notes the box's font and place before closing it.
Notice invalidValue(Zoomed& t) {
    Notice seen;
    stud::testing::QtServicesSeam(t.w->services()).setAnswerer(nullptr);
    t.w->panel()->setText(Control::money, QStringLiteral("lots"));
    QTimer::singleShot(0, [&] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (!box) return;
        seen = {pixelsOf(box->findChild<QLabel*>(QStringLiteral("qt_msgbox_label"))),
                box->geometry()};
        box->button(QMessageBox::Ok)->click();
    });
    emit t.w->panel()->activated(Control::enter);
    t.quiet();
    return seen;
}

void closeAbout(QWidget* about) {
    if (auto* d = qobject_cast<QDialog*>(about)) d->done(1);
}

} // namespace

void ZoomTest::panelMenuAndBoxesGrowWithTheTable() {
    Zoomed t;
    QVERIFY(t.startAndShow());
    t.quiet();
    QTest::mouseClick(t.w->button(Control::Options1), Qt::LeftButton);
    OptionsPanel* panel = t.w->panel();
    QVERIFY(panel->isVisible());
    std::vector<std::pair<QWidget*, int>> texts;
    for (QWidget* c : panel->findChildren<QWidget*>())
        if (qobject_cast<QLabel*>(c) || qobject_cast<QAbstractButton*>(c))
            texts.emplace_back(c, pixelsOf(c));
    const Notice normal = invalidValue(t);
    QVERIFY(normal.pixels > 0);

    const int level = fitting(t, 300);
    t.w->view().setZoom(level);
    const qreal z = level / 100.0;
    const int line = std::max(1, qRound(z));
    QVERIFY(t.w->rect().contains(panel->geometry()));
    for (const auto& [c, pixels] : texts)
        QVERIFY2(qAbs(pixelsOf(c) - pixels * z) <= 1, qPrintable(c->metaObject()->className()));

    // The panel's raised edge: its white top line as thick as the zoom.
    const QImage face = panel->grab().toImage();
    const int dpr = qRound(face.devicePixelRatio());
    const int x = face.width() / 2;
    for (int y = 0; y < line * dpr; ++y) QCOMPARE(face.pixelColor(x, y), QColor(Qt::white));
    QCOMPARE(face.pixelColor(x, line * dpr), QColor(255, 221, 237));
    // The menu's three bars, each two pixels at 100 %.
    const QImage menu = t.w->gameMenu()->button()->grab().toImage();
    QCOMPARE(inColumn(menu, menu.width() / 2, Qt::black), 3 * std::max(1, qRound(2 * z)) * dpr);

    // The smallest size a caption or a table text shrinks to grows with
    // the table: a caption far too long stops at 8 pixels times the zoom.
    auto* enter = static_cast<GradientButton*>(panel->control(Control::enter));
    enter->setText(QStringLiteral("Enter the initial cash of every player at the table"));
    QCOMPARE(enter->captionFont().pixelSize(), qRound(GradientButton::kSmallestFontPx * z));
    auto* words = new TableLabel(t.w.get());
    words->setFont(verdana(qRound(11 * z)));
    words->setText(QStringLiteral("A name far too long for the little room it has"));
    words->setRoom(QSize(30, 12));
    QCOMPARE(words->shownFont().pixelSize(), qRound(kSmallestTextPixels * z));

    // A message box in the table's size, as wide for its title as at 100 %
    // times the zoom, and centred over the table.
    const Notice zoomed = invalidValue(t);
    QVERIFY2(
        qAbs(zoomed.pixels - normal.pixels * z) <= 1,
        qPrintable(QStringLiteral("%1 px, %2 at 100 %").arg(zoomed.pixels).arg(normal.pixels)));
    QVERIFY2(qAbs(zoomed.place.width() - normal.place.width() * z) <= 2,
             qPrintable(QStringLiteral("%1 px wide, %2 at 100 %")
                            .arg(zoomed.place.width())
                            .arg(normal.place.width())));
    const QRect table(t.w->mapToGlobal(QPoint()), t.w->size());
    QVERIFY(table.contains(zoomed.place));
    QVERIFY((zoomed.place.center() - table.center()).manhattanLength() <= 4);

    // The About picture fills its place, out to its dark right-hand edge.
    QColor corner;
    QTimer::singleShot(0, [&] {
        QWidget* about = QApplication::activeModalWidget();
        if (!about) return;
        for (QWidget* c : about->findChildren<QWidget*>())
            if (c->accessibleName() == QStringLiteral("About picture")) {
                const QImage shown = c->grab().toImage();
                corner = shown.pixelColor(shown.width() * 19 / 20, shown.height() / 2);
            }
        closeAbout(about);
    });
    t.w->button(Control::About1)->click();
    QVERIFY(corner.isValid());
    QVERIFY2(corner.lightness() < 60, qPrintable(corner.name()));
}

// The table file made for the canvas's resolution: the plain bitmap up to 1,
// the "@2x" one up to 2, the "@4x" one above (decoded aside, the "@2x" shown
// meanwhile), each scaled to the resolution exactly. The smaller two are
// decoded once: neither a paint nor a zoom change to another level reads them
// again; the largest is let go once shrunk.
void ZoomTest::tableFileForTheResolution_data() {
    QTest::addColumn<int>("scale");
    QTest::newRow("x1") << 1;
    QTest::newRow("x2") << 2;
}

void ZoomTest::tableFileForTheResolution() {
    QFETCH(int, scale);
    Zoomed t(scale);
    QVERIFY(t.startAndShow());
    t.quiet();
    QtServices& sv = t.w->services();
    const stud::testing::QtServicesSeam seam(sv);
    std::map<int, qint64> decodes; // by file scale
    for (int level : {300, 125, 250, 200, 100, 300, 150, 250}) {
        t.w->view().setZoom(level);
        QTRY_VERIFY(!seam.decodingTable());
        const qreal r = sv.resolution();
        const int file = r > 2 ? 4 : r > 1 ? 2 : 1;
        QCOMPARE(seam.tableScale(), file);
        // A band along the top edge, where nothing is drawn over the table.
        const QImage& canvas = t.w->canvas();
        const QRect band(0, 0, canvas.width(), qRound(25 * r));
        QCOMPARE(canvas.copy(band), stud::testing::tableAt(kDataDir, file, r).copy(band));
        sv.repaintWindow();
        QVERIFY(!seam.decodingTable());
        if (file == 4) {
            // Let go once shrunk (its 40 MB), and decoded again when wanted;
            // kept at its own resolution, where it is the table shown.
            QCOMPARE(seam.tableDecode() == 0, r != 4);
            decodes[file] = 0;
            continue;
        }
        if (decodes.count(file)) QCOMPARE(seam.tableDecode(), decodes[file]);
        decodes[file] = seam.tableDecode();
    }
    // The 4K screen holds a zoom above 200 % at the table's own scale.
    if (scale == 2 || t.w->devicePixelRatioF() == 1) QVERIFY(decodes.count(4));
}

void ZoomTest::viewFileSurvivesJunk() {
    stud::testing::TempDir dir("studview");
    const std::string path = (dir.path() / "view.ini").string();
    QCOMPARE(readViewSettings(path), ViewSettings{}); // no file yet
    const ViewSettings chosen{250, true, true};
    QVERIFY(writeViewSettings(path, chosen));
    QCOMPARE(readViewSettings(path), chosen);
    for (const char* junk : {"zoom=-5", "zoom=abc", "zoom=10000", "zoom=99", "zoom="}) {
        writeFile(path, std::string("[View]\nversion=1\n") + junk + "\nfourcolour=1\n");
        const ViewSettings v = readViewSettings(path);
        QCOMPARE(v.zoom, 100);
        QVERIFY(v.fourColour);
    }
    // Another version's file is not guessed at; binary junk reads as nothing.
    writeFile(path, "[View]\nversion=7\nzoom=200\n");
    QCOMPARE(readViewSettings(path), ViewSettings{});
    writeFile(path, std::string("\x00\xff\x10[View\nzoom=300", 16));
    QCOMPARE(readViewSettings(path).zoom, 100);
    // Writing keeps the lines it does not know.
    writeFile(path, "# mine\n[View]\nversion=1\nzoom=150\n");
    QVERIFY(writeViewSettings(path, ViewSettings{200, false, false}));
    QVERIFY(readFile(path).find("# mine") != std::string::npos);
    QCOMPARE(readViewSettings(path).zoom, 200);

    // The window keeps its view beside tarvo.ini, which keeps its own keys.
    Zoomed t;
    QVERIFY(t.startAndShow());
    const std::string ini = (t.config + "/sevenstud/tarvo.ini").toStdString();
    const std::string settings = readFile(ini);
    t.w->view().setZoom(125);
    t.w->view().setFourColour(true);
    QCOMPARE(readFile(ini), settings);
    const ViewSettings kept = readViewSettings((t.config + "/sevenstud/view.ini").toStdString());
    QCOMPARE(kept.zoom, 125);
    QVERIFY(kept.fourColour);
}

void ZoomTest::fourColourDeckChangesOnlyPictures() {
    Zoomed t;
    QVERIFY(t.startAndShow());
    t.quiet();
    const ImageSets two(1), four(1.0, ImageSets::Deck::FourColour);
    int differ = 0;
    for (int i = 0; i <= kLastCardBack; ++i) {
        const bool same = two.image(ImageSet::cards, i) == four.image(ImageSet::cards, i);
        // Hearts, spades and the backs stay as they are; clubs and diamonds change.
        const int suit = i / 13;
        if (i < 52 && (suit == 0 || suit == 1)) {
            QVERIFY2(!same, qPrintable(QString::number(i)));
            ++differ;
        } else {
            QVERIFY2(same, qPrintable(QString::number(i)));
        }
    }
    QCOMPARE(differ, 26);
    const QString words = t.w->hand(player)->text();
    t.w->services().drawImage(ImageSet::cards, 13 + 5, 600, 40); // seven of diamonds
    t.w->view().setFourColour(true);
    QVERIFY(t.w->view().fourColourAction()->isChecked());
    QCOMPARE(t.w->canvas().copy(QRect(600, 40, 71, 96)), four.image(ImageSet::cards, 18));
    QCOMPARE(t.w->hand(player)->text(), words);
    // The diamond pips are blue now.
    const QImage d = four.image(ImageSet::cards, 18);
    int blue = 0;
    for (int y = 0; y < d.height(); ++y)
        for (int x = 0; x < d.width(); ++x) {
            const QColor c = d.pixelColor(x, y);
            if (c.blue() > c.red() + 60) ++blue;
        }
    QVERIFY(blue > 100);
}

QTEST_MAIN(ZoomTest)
#include "zoom_test.moc"
