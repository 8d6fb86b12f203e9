// The real table window against bad files: a settings file that is a folder,
// cannot be read, is read-only, is binary junk or holds values at and beyond
// the ends of 32 bits; a table bitmap that is missing, cut short or no bitmap;
// sound files that are missing or no WAVE; and no audio device at all. Each
// case starts the window and then plays on, since a game left open for hours
// must keep going whatever it finds in its folders.

#include "servicesseam.h"
#include "support/gamesteps.h"
#include "table/seattable.h"
#include "table/settings.h"
#include "tablerun.h"
#include "ui/gradientbutton.h"
#include "ui/imagesets.h"
#include "ui/qtservices.h"
#include "ui/soundplayer.h"
#include "ui/tablewindow.h"

#include <QAudioDevice>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QMediaDevices>
#include <QTest>
#include <QTimer>

#include <array>
#include <climits>
#include <memory>
#include <vector>

#include <unistd.h>

using namespace stud;

// Cash as read from the file, by seat.
using Cash = std::array<std::int32_t, kSeats>;

namespace {

using stud::testing::dataDir;
const QString kDataDir = dataDir();

void writeFile(const QString& path, const QByteArray& bytes) {
    QFile f(path);
    QVERIFY2(f.open(QIODevice::WriteOnly | QIODevice::Truncate), qPrintable(path));
    f.write(bytes);
}

QByteArray readFile(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// One window on a fresh working directory (holding the shipped table bitmap
// and sounds) and a fresh settings folder. The files can be spoilt before
// start(); message boxes are answered Yes/Ok and recorded.
struct Table : stud::testing::TableRun {
    std::vector<MessageRequest> boxes;
    int newMatches = 0;

    explicit Table(std::uint64_t seed = 5) : TableRun(seed) {
        QDir(config).mkpath(QStringLiteral("sevenstud"));
    }
    void record(const MessageRequest& r) override { boxes.push_back(r); }
    QString settings() const {
        return QDir(config).filePath(QStringLiteral("sevenstud/tarvo.ini"));
    }
    QString unableToWrite() const { return QStringLiteral("Unable to write to ") + settings(); }
    bool startAndShow() {
        if (!w->start()) return false;
        w->show();
        stopTimers();
        return QTest::qWaitForWindowExposed(w.get());
    }
    int errors() const {
        int n = 0;
        for (const MessageRequest& r : boxes) n += r.kind == MessageRequest::Kind::Error;
        return n;
    }
};

// Checks after every click that no seat's cash and no pot has wrapped round
// the 32-bit range: an honest step moves a few chips, a wrap about 2^32.
struct MoneyWatch {
    std::array<std::int64_t, kSeats> cash{};
    void take(const TableState& t) {
        for (SeatId s : kAllSeats) cash[s] = t.seats[s].cash;
    }
    void check(Table& tb, const char* where) {
        const TableState& t = tb.state();
        for (SeatId s : kAllSeats) {
            const std::int64_t step = std::int64_t{t.seats[s].cash} - cash[s];
            QVERIFY2(step > -1000000 && step < 1000000,
                     qPrintable(QStringLiteral("%1: seat %2 went from %3 to %4")
                                    .arg(where)
                                    .arg(s)
                                    .arg(cash[s])
                                    .arg(t.seats[s].cash)));
            QCOMPARE(tb.w->label(kSeatInfo[s].cashLabel)->text(), QString::number(t.seats[s].cash));
        }
        QVERIFY2(t.pot >= 0, where);
        take(t);
    }
};

// Clicks Call/Check to the end of the deal, with a Raise on every third
// click where it is allowed.
void playOut(Table& tb, MoneyWatch& watch) {
    int clicks = 0;
    while (!tb.button(Control::btnnew)->isEnabled() && tb.button(Control::btnstay)->isEnabled()) {
        QVERIFY2(++clicks < 60, "a deal that never ends");
        const bool r = clicks % 3 == 1 && tb.button(Control::btnbet)->isEnabled();
        tb.click(r ? Control::btnbet : Control::btnstay);
        watch.check(tb, r ? "raise" : "call");
    }
}

// Plays `deals` whole deals, each followed by the next one's start: Deal,
// or "New Game" when the match is over, as a player would.
void playDeals(Table& tb, int deals) {
    MoneyWatch watch;
    watch.take(tb.state());
    for (int deal = 0; deal < deals && !QTest::currentTestFailed(); ++deal) {
        playOut(tb, watch);
        if (QTest::currentTestFailed()) return;
        if (tb.button(Control::btnnew)->isEnabled()) {
            tb.click(Control::btnnew);
            watch.check(tb, "deal");
        } else {
            tb.click(Control::NewGame1);
            ++tb.newMatches;
            watch.take(tb.state());
        }
        QCOMPARE(tb.state().street, 1);
    }
}

// A helper's failed check ends the helper only; this ends the test as well.
#define PLAY(tb, deals)                                                                            \
    do {                                                                                           \
        playDeals(tb, deals);                                                                      \
        if (QTest::currentTestFailed()) return;                                                    \
    } while (false)

// The human's first card, in a column down its visible strip.
bool firstCardShown(Table& tb) {
    const SeatInfo& info = kSeatInfo[player];
    const QImage card =
        tb.w->services().images().image(ImageSet::cards, tb.state().seats[player].hand[0].image());
    const int x = info.cardStep / 2;
    for (int y = 4; y < 92; ++y)
        if ((tb.w->canvas().pixel(info.cardLeft + x, info.cardTop + y) | 0xff000000) !=
            (card.pixel(x, y) | 0xff000000))
            return false;
    return true;
}

bool isBlack(const QImage& img, QPoint p) {
    return (img.pixel(p) & 0xffffff) == 0;
}

// The share of a window rectangle that is not black.
double litShare(const QImage& shot, const QRect& r) {
    int lit = 0;
    for (int y = r.top(); y <= r.bottom(); ++y)
        for (int x = r.left(); x <= r.right(); ++x) lit += !isBlack(shot, QPoint(x, y));
    return double(lit) / (r.width() * r.height());
}

// Ways a settings file can refuse to be written; each can be undone.
enum class Spoil { Folder, NoPermissions, LinkLoop, ReadOnly };

// False when this spoiling does not stop the user the tests run as.
bool spoil(const QString& path, Spoil how) {
    QFile::remove(path);
    switch (how) {
    case Spoil::Folder:
        return QDir().mkdir(path);
    case Spoil::LinkLoop:
        return ::symlink("tarvo.ini", path.toLocal8Bit().constData()) == 0;
    case Spoil::NoPermissions: {
        writeFile(path, "[Cash]\nplayer=77\n");
        QFile::setPermissions(path, {});
        QFile probe(path);
        return !probe.open(QIODevice::ReadOnly); // the super-user reads it all the same
    }
    case Spoil::ReadOnly:
        writeFile(path, "[Cash]\nplayer=77\n");
        return QFile::setPermissions(path, QFile::ReadOwner | QFile::ReadGroup | QFile::ReadOther);
    }
    return false;
}

void mend(const QString& path) {
    const QFileInfo fi(path);
    if (fi.isDir() && !fi.isSymLink()) QDir(path).removeRecursively();
    QFile::setPermissions(path, QFile::ReadOwner | QFile::WriteOwner);
    QFile::remove(path);
}

} // namespace

Q_DECLARE_METATYPE(Spoil)
Q_DECLARE_METATYPE(Cash)

class BadFilesTest : public QObject {
    Q_OBJECT

  private slots:
    void refusedSettingsFile_data();
    void refusedSettingsFile();
    void settingsFileOfBinaryJunk();
    void valuesBeyondTheirRanges_data();
    void valuesBeyondTheirRanges();
    void brokenTableBitmap_data();
    void brokenTableBitmap();
    void brokenFinerTable_data();
    void brokenFinerTable();
    void brokenSoundFiles_data();
    void brokenSoundFiles();
    void noAudioDevice();
};

// ---- the settings file --------------------------------------------------------

void BadFilesTest::refusedSettingsFile_data() {
    QTest::addColumn<Spoil>("how");
    QTest::newRow("a folder") << Spoil::Folder;
    QTest::newRow("no permissions") << Spoil::NoPermissions;
    QTest::newRow("a link to itself") << Spoil::LinkLoop;
    QTest::newRow("read-only") << Spoil::ReadOnly;
}

void BadFilesTest::refusedSettingsFile() {
    QFETCH(Spoil, how);
    {
        // At start-up the window cannot be built: the error, and the end.
        Table tb;
        if (!spoil(tb.settings(), how))
            QSKIP("running as the super-user, who reads a file without permissions; "
                  "the link to itself covers a file that cannot be read");
        const QByteArray before = readFile(tb.settings());
        QVERIFY(!tb.w->start());
        QCOMPARE(tb.boxes.size(), std::size_t(1));
        QCOMPARE(tb.boxes[0].kind, MessageRequest::Kind::Error);
        QCOMPARE(tb.boxes[0].text, tb.unableToWrite());
        QCOMPARE(readFile(tb.settings()), before); // nothing written past the refusal
        mend(tb.settings());
    }
    // The same file spoilt while the game runs: each Deal shows the error once
    // and ends there; once mended, the next Deal deals and the game goes on.
    Table tb;
    QVERIFY(tb.startAndShow());
    PLAY(tb, 1);
    MoneyWatch watch;
    watch.take(tb.state());
    playOut(tb, watch);
    QVERIFY(tb.button(Control::btnnew)->isEnabled());
    QVERIFY(spoil(tb.settings(), how) || how == Spoil::NoPermissions);
    for (int attempt = 1; attempt <= 2; ++attempt) {
        tb.click(Control::btnnew);
        QCOMPARE(tb.errors(), attempt);
        QCOMPARE(tb.boxes.back().text, tb.unableToWrite());
        QVERIFY(tb.button(Control::btnnew)->isEnabled());
    }
    mend(tb.settings());
    tb.click(Control::btnnew);
    QCOMPARE(tb.errors(), 2);
    QCOMPARE(tb.state().street, 1);
    PLAY(tb, 2);
    QCOMPARE(tb.errors(), 2);
}

void BadFilesTest::settingsFileOfBinaryJunk() {
    Table tb;
    QByteArray junk;
    SplitMix bytes(99);
    for (int i = 0; i < 4096; ++i) junk.append(static_cast<char>(bytes.next() & 0xff));
    writeFile(tb.settings(), junk);
    QVERIFY(tb.startAndShow());
    QVERIFY(tb.boxes.empty());
    const TableState& t = tb.state();
    QCOMPARE(t.cardback, 52);
    QCOMPARE(t.initialcash, 1200);
    QCOMPARE(t.playuntil, 1000);
    QCOMPARE(t.complevel, 200);
    QVERIFY(t.soundon);
    for (SeatId s : kAllSeats) QCOMPARE(t.seats[s].cash, 1200 - t.ante);
    QVERIFY(readFile(tb.settings()).startsWith(junk)); // what is not ours is kept

    // The cash is stored at the next Deal and read back by the next start.
    PLAY(tb, 2);
    const std::int32_t cash = t.seats[player].cash + t.ante;
    QCOMPARE(IniFile(tb.settings().toStdString()).readInteger("Cash", "player", 0), cash);
    QCOMPARE(tb.errors(), 0);
}

void BadFilesTest::valuesBeyondTheirRanges_data() {
    QTest::addColumn<QByteArray>("ini");
    // Cash as read, in seat order player, freak, geek, master, champ.
    QTest::addColumn<Cash>("cash");
    QTest::addColumn<int>("until");
    QTest::addColumn<int>("initial");
    QTest::addColumn<int>("level");
    QTest::addColumn<bool>("sound");

    QTest::newRow("ends of 32 bits")
        << QByteArray("[Background]\nColor=99\n[Cash]\nfreak=-2147483648\nplayer=2147483647\n"
                      "geek=0xFFFFFFFF\nmaster=999999999999\nchamp=2147483647\n"
                      "until=2147483647\ninitial=2147483647\n[Settings]\nSound=7\n"
                      "[Levels]\ncomp=2000000000\n")
        << Cash{INT32_MAX, INT32_MIN, -1, 1200, INT32_MAX} << INT32_MAX << INT32_MAX << 200 << true;
    // A negative target ends the match at every showdown: New Game goes on.
    QTest::newRow("negative and zero")
        << QByteArray("[Background]\nColor=0\n[Cash]\nfreak=-5\nplayer=0x7FFFFFFF\n"
                      "geek=-999999999999\nmaster=0\nchamp=-2147483648\nuntil=-1000\n"
                      "initial=1200\n[Settings]\nSound=-1\n[Levels]\ncomp=5\n")
        << Cash{INT32_MAX, -5, 1200, 0, INT32_MIN} << -1000 << 1200 << 200 << true;
    QTest::newRow("hex and long numbers")
        << QByteArray("[Background]\nColor=0xFFFFFFFF\n[Cash]\nplayer=123456789012\n"
                      "freak=0x100000000\ngeek=2147483648\nmaster=-2147483649\nchamp=0x7fffffff\n"
                      "until=999999999999\ninitial=-999999999999\n[Levels]\ncomp=-1\n")
        << Cash{1200, 1200, 1200, 1200, INT32_MAX} << 1000 << 1200 << 200 << true;
    QTest::newRow("a good level in hex")
        << QByteArray("[Levels]\ncomp=0x190\n[Settings]\nSound=0\n")
        << Cash{1200, 1200, 1200, 1200, 1200} << 1000 << 1200 << 400 << false;
}

void BadFilesTest::valuesBeyondTheirRanges() {
    QFETCH(QByteArray, ini);
    QFETCH(const Cash, cash);
    QFETCH(int, until);
    QFETCH(int, initial);
    QFETCH(int, level);
    QFETCH(bool, sound);
    Table tb;
    writeFile(tb.settings(), ini);
    QVERIFY(tb.startAndShow());
    QVERIFY(tb.boxes.empty());
    const TableState& t = tb.state();
    QCOMPARE(t.cardback, 52); // every back outside 52..59 is the first one
    QCOMPARE(t.complevel, level);
    QCOMPARE(t.soundon, sound);
    QCOMPARE(t.playuntil, until);
    QCOMPARE(t.initialcash, initial);
    for (SeatId s : kAllSeats)
        QCOMPARE(t.seats[s].cash, cash[s] > 0 ? cash[s] - t.ante : cash[s]); // ante paid once
    // The mended card back is what the file holds from now on.
    QCOMPARE(IniFile(tb.settings().toStdString()).readInteger("Background", "Color", 0), 52);

    PLAY(tb, 4);
    if (tb.newMatches == 0)
        for (SeatId s : kAllSeats)
            if (cash[s] == INT32_MAX) QVERIFY(t.seats[s].cash > INT32_MAX - 100000);
    QCOMPARE(tb.errors(), 0);
}

// ---- the table bitmap -------------------------------------------------------

void BadFilesTest::brokenTableBitmap_data() {
    QTest::addColumn<QByteArray>("bytes"); // empty: no file at all
    QTest::newRow("missing") << QByteArray();
    QTest::newRow("cut short") << readFile(kDataDir + "/kaveltable.bmp").left(100);
    QTest::newRow("text") << QByteArray("this is the table, honestly\n");
}

void BadFilesTest::brokenTableBitmap() {
    QFETCH(QByteArray, bytes);
    Table tb;
    const QString bmp = QDir(tb.run).filePath(QStringLiteral("kaveltable.bmp"));
    QFile::remove(bmp);
    if (!bytes.isEmpty()) writeFile(bmp, bytes);
    QVERIFY(tb.startAndShow());
    QtServices& sv = tb.w->services();
    const stud::testing::QtServicesSeam seam(sv);
    QCOMPARE(seam.beeps(), 1); // the first paint
    QVERIFY(tb.boxes.empty()); // a beep and nothing else
    for (int n = 2; n <= 4; ++n) {
        sv.repaintWindow();
        QCOMPARE(seam.beeps(), n);
    }
    const QImage& canvas = tb.w->canvas();
    for (QPoint p : {QPoint(5, 5), QPoint(900, 100), QPoint(450, 300), QPoint(0, 689)})
        QVERIFY(isBlack(canvas, p));
    QVERIFY(firstCardShown(tb));

    // Labels and buttons are drawn over the black table.
    const QImage shot = tb.w->grab().toImage();
    for (Control c : {Control::btnstay, Control::btnbet, Control::NewGame1})
        QVERIFY(litShare(shot, tb.button(c)->geometry()) > 0.5);
    for (Control c : {Control::cash, Control::lblccash, Control::betsize}) {
        QLabel* l = tb.w->label(c);
        QVERIFY(l->isVisible() && !l->text().isEmpty());
        QVERIFY(litShare(shot, l->geometry()) > 0.05);
    }

    PLAY(tb, 2);
    QVERIFY(isBlack(canvas, QPoint(5, 5)));
    QVERIFY(firstCardShown(tb));

    // The file is read at each paint: put back, the table is there again.
    const int beeps = seam.beeps();
    QFile::remove(bmp);
    QVERIFY(QFile::copy(kDataDir + "/kaveltable.bmp", bmp));
    sv.repaintWindow();
    QCOMPARE(seam.beeps(), beeps);
    const QImage table = QImage(bmp).convertToFormat(QImage::Format_RGB32);
    QCOMPARE(canvas.pixel(5, 5) | 0xff000000, table.pixel(5, 5) | 0xff000000);
    QVERIFY(tb.boxes.empty());
}

// The sharper table files spoilt: the canvas, drawn finer than the window's
// pixels, takes the next smaller file there is instead, with no beep, and a
// spoilt file is not read again at every paint; put back, it is taken at the
// next paint. Qt's PNG reader refuses a file cut short, even by its end chunk.
void BadFilesTest::brokenFinerTable_data() {
    QTest::addColumn<QStringList>("files");
    QTest::addColumn<QString>("how"); // missing, half, end, text
    QTest::addColumn<qreal>("resolution");
    QTest::addColumn<int>("shown"); // the file scale then tiled
    const QStringList four{"kaveltable@4x.png"}, two{"kaveltable@2x.bmp"};
    QTest::newRow("4x missing") << four << "missing" << 3.0 << 2;
    QTest::newRow("4x cut in half") << four << "half" << 3.0 << 2;
    QTest::newRow("4x short of its end") << four << "end" << 2.5 << 2;
    QTest::newRow("4x of text") << four << "text" << 3.0 << 2;
    QTest::newRow("2x cut in half") << two << "half" << 1.5 << 1;
    QTest::newRow("2x of text") << two << "text" << 2.0 << 1;
    QTest::newRow("4x and 2x cut in half") << four + two << "half" << 3.0 << 1;
}

void BadFilesTest::brokenFinerTable() {
    QFETCH(QStringList, files);
    QFETCH(QString, how);
    QFETCH(qreal, resolution);
    QFETCH(int, shown);
    Table tb;
    for (const QString& f : files) {
        const QString path = QDir(tb.run).filePath(f);
        const QByteArray good = readFile(path);
        QVERIFY(!good.isEmpty());
        QFile::remove(path);
        if (how == "half") writeFile(path, good.left(good.size() / 2));
        if (how == "end") writeFile(path, good.chopped(12));
        if (how == "text") writeFile(path, "the table, only sharper\n");
    }
    QVERIFY(tb.startAndShow());
    QtServices& sv = tb.w->services();
    const stud::testing::QtServicesSeam seam(sv);
    const auto tableShown = [&](int scale) {
        QTRY_VERIFY(!seam.decodingTable());
        QCOMPARE(seam.tableScale(), scale);
        const QImage& canvas = tb.w->canvas();
        const QRect band(0, 0, canvas.width(), qRound(25 * resolution));
        QCOMPARE(canvas.copy(band), stud::testing::tableAt(kDataDir, scale, resolution).copy(band));
    };
    sv.setView(resolution, {});
    tableShown(shown);
    if (QTest::currentTestFailed()) return;
    const qint64 decode = seam.tableDecode();
    for (int n = 0; n < 3; ++n) sv.repaintWindow();
    QVERIFY(!seam.decodingTable());
    QCOMPARE(seam.tableDecode(), decode);

    for (const QString& f : files) {
        const QString path = QDir(tb.run).filePath(f);
        QFile::remove(path);
        QVERIFY(QFile::copy(QDir(kDataDir).filePath(f), path));
    }
    sv.repaintWindow();
    tableShown(resolution > 2 ? 4 : 2);
    QCOMPARE(seam.beeps(), 0);
    QVERIFY(tb.boxes.empty());
}

// ---- sounds -------------------------------------------------------------------

void BadFilesTest::brokenSoundFiles_data() {
    QTest::addColumn<QString>("file");
    QTest::addColumn<QByteArray>("bytes"); // empty: the file is missing
    QTest::newRow("chip1 is text") << "chip1.wav" << QByteArray("chips clinking, imagine it\n");
    QTest::newRow("card1 of 10 bytes") << "card1.wav" << QByteArray("RIFF\x24\0\0\0WA", 10);
    QTest::newRow("chip1 missing") << "chip1.wav" << QByteArray();
    QTest::newRow("card2 cut after its header")
        << "card2.wav" << readFile(kDataDir + "/card2.wav").left(44);
}

void BadFilesTest::brokenSoundFiles() {
    QFETCH(QString, file);
    QFETCH(QByteArray, bytes);
    Table tb;
    QFile::remove(QDir(tb.run).filePath(file));
    if (!bytes.isEmpty()) writeFile(QDir(tb.run).filePath(file), bytes);
    QVERIFY(tb.startAndShow());
    QVERIFY(tb.state().soundon);
    QtServices& sv = tb.w->services();
    const stud::testing::QtServicesSeam seam(sv);
    const int paintBeeps = seam.beeps();

    // Raises (chip1) and calls (card1, card2) over several deals; the event
    // loop runs between clicks so that a late-reported bad file beeps too.
    for (int deal = 0; deal < 4; ++deal) {
        PLAY(tb, 1);
        QTest::qWait(50);
    }
    const int failures = sv.sound().failures();
    QVERIFY2(failures > 0, "the broken file was never played");
    QCOMPARE(seam.beeps() - paintBeeps, failures); // every failed sound beeped, once
    QVERIFY(tb.boxes.empty());

    // With sound switched off nothing is played, so nothing fails.
    QVERIFY(tb.w->guarded([&] { tb.w->game().click(Control::SoundOff1); }));
    QVERIFY(!tb.state().soundon);
    PLAY(tb, 2);
    QTest::qWait(50);
    QCOMPARE(sv.sound().failures(), failures);
}

// ---- no audio device --------------------------------------------------------

void BadFilesTest::noAudioDevice() {
    const bool none = QMediaDevices::audioOutputs().isEmpty();
    qInfo("audio outputs on this machine: %lld%s",
          static_cast<long long>(QMediaDevices::audioOutputs().size()),
          none ? " (none: every sound goes nowhere)" : "");
    Table tb;
    QVERIFY(tb.startAndShow());
    QVERIFY(tb.state().soundon);
    QtServices& sv = tb.w->services();
    const stud::testing::QtServicesSeam seam(sv);
    const int beeps = seam.beeps();
    // Whole deals with every sound started and cut by the next: each click
    // returns at once, or the deals would never get done.
    PLAY(tb, 6);
    QTest::qWait(300);
    // Good files are not failures, device or none.
    QCOMPARE(sv.sound().failures(), 0);
    QCOMPARE(seam.beeps(), beeps);
    QCOMPARE(tb.errors(), 0);
}

QTEST_MAIN(BadFilesTest)
#include "badfiles_test.moc"
