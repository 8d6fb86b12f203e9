// The English game to the last pixel: the table at its first deal and one
// street later, the options panel, a question, a notice and the About box,
// each grabbed offscreen and compared with the digest recorded before the
// game learnt other languages. The game's menu button is the one thing the
// table has gained since: each grab of the window is taken again with the
// button hidden, which must still give the digest from before the menu, and
// the two grabs may differ only inside the button. STUD_PIXELS_RECORD=path
// writes the digests (and the pictures beside them) instead, the ones
// without the menu to path-without-menu.txt.

#include "tablerun.h"
#include "ui/aboutbox.h"
#include "ui/gamemenu.h"
#include "ui/gradientbutton.h"
#include "ui/optionspanel.h"

#include <QApplication>
#include <QCryptographicHash>
#include <QFile>
#include <QMessageBox>
#include <QTest>
#include <QTimer>

#include <functional>

using namespace stud;

namespace {

struct Shots : stud::testing::TableRun {
    QStringList lines;
    QStringList withoutMenu;
    QStringList problems;
    QString recordDir;

    Shots() : TableRun(5) {
        // The boxes open for real: they are what is looked at.
        stud::testing::QtServicesSeam(w->services()).setAnswerer(nullptr);
    }
    void quiet() {
        for (Timer t : {Timer::randomwink, Timer::winkanim, Timer::wintimer})
            stud::testing::QtServicesSeam(w->services()).timer(t)->stop();
    }
    // The digest line of `img`; when recording, the picture goes beside it
    // as <name><suffix>.png.
    QString digest(const QString& name, const QImage& img, const QString& suffix = {}) const {
        const QByteArray bits(reinterpret_cast<const char*>(img.constBits()),
                              static_cast<int>(img.sizeInBytes()));
        if (!recordDir.isEmpty()) img.save(recordDir + QLatin1Char('/') + name + suffix + ".png");
        return QStringLiteral("%1 %2x%3 %4")
            .arg(name)
            .arg(img.width())
            .arg(img.height())
            .arg(QString::fromLatin1(
                QCryptographicHash::hash(bits, QCryptographicHash::Sha256).toHex()));
    }
    void shot(const QString& name, const QImage& image) {
        const QString line = digest(name, image.convertToFormat(QImage::Format_ARGB32));
        lines << line;
        withoutMenu << line;
    }
    // The whole window, as it is and with the menu button hidden.
    void windowShot(const QString& name) {
        QWidget* menu = w->gameMenu()->button();
        const QImage with = w->grab().toImage().convertToFormat(QImage::Format_ARGB32);
        menu->hide();
        const QImage without = w->grab().toImage().convertToFormat(QImage::Format_ARGB32);
        menu->show();
        lines << digest(name, with);
        withoutMenu << digest(name, without, "-without-menu");
        const int ratio = qRound(with.devicePixelRatio());
        const QRect inside(menu->geometry().topLeft() * ratio, menu->size() * ratio);
        int changed = 0;
        for (int y = 0; y < with.height(); ++y)
            for (int x = 0; x < with.width(); ++x)
                if (with.pixel(x, y) != without.pixel(x, y)) {
                    ++changed;
                    if (!inside.contains(x, y))
                        problems << QStringLiteral("%1: %2,%3 differs outside the menu button")
                                        .arg(name)
                                        .arg(x)
                                        .arg(y);
                }
        // The button must be there to be seen at all.
        if (changed < inside.width() * inside.height() / 2)
            problems
                << QStringLiteral("%1: only %2 pixels show the menu button").arg(name).arg(changed);
    }
    // Clicks `c`, grabs the modal window it opens and closes it with `close`.
    void modal(const QString& name, Control c, const std::function<void(QWidget*)>& close) {
        bool seen = false;
        QTimer::singleShot(0, [&] {
            QWidget* box = QApplication::activeModalWidget();
            if (!box) return;
            seen = true;
            shot(name, box->grab().toImage());
            close(box);
        });
        w->button(c)->click();
        quiet();
        QVERIFY2(seen, qPrintable(name));
    }
};

void closeBox(QWidget* box) {
    if (auto* m = qobject_cast<QMessageBox*>(box)) {
        if (QAbstractButton* no = m->button(QMessageBox::No))
            no->click();
        else
            m->button(QMessageBox::Ok)->click();
    } else if (auto* d = qobject_cast<QDialog*>(box)) {
        d->done(1);
    }
}

struct Taken {
    QStringList lines, withoutMenu, problems;
};

Taken takeShots(const QString& recordDir) {
    Shots s;
    s.recordDir = recordDir;
    if (!s.w->start()) return {};
    s.quiet();
    s.w->show();
    if (!QTest::qWaitForWindowExposed(s.w.get())) return {};
    s.quiet();
    s.windowShot("table-first-street");
    s.w->button(Control::btnstay)->click();
    s.quiet();
    s.windowShot("table-second-street");
    s.modal("question-new-game", Control::NewGame1, closeBox);
    s.modal("about-box", Control::About1, closeBox);
    s.w->button(Control::Options1)->click();
    s.quiet();
    s.windowShot("options-panel");
    // A notice: a typed amount that is no number.
    s.w->panel()->setText(Control::money, QStringLiteral("lots"));
    bool seen = false;
    QTimer::singleShot(0, [&] {
        if (QWidget* box = QApplication::activeModalWidget()) {
            seen = true;
            s.shot("notice-invalid-value", box->grab().toImage());
            closeBox(box);
        }
    });
    emit s.w->panel()->activated(Control::enter);
    s.quiet();
    if (!seen) return {};
    return {s.lines, s.withoutMenu, s.problems};
}

QStringList readLines(const QString& path) {
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly)) return {QStringLiteral("unreadable: ") + path};
    return QString::fromUtf8(f.readAll()).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
}

bool writeLines(const QString& path, const QStringList& lines) {
    QFile f(path);
    if (!f.open(QIODevice::WriteOnly)) return false;
    f.write((lines.join(QLatin1Char('\n')) + QLatin1Char('\n')).toUtf8());
    return true;
}

QString withoutMenuPath(const QString& path) {
    QString p = path;
    if (p.endsWith(".txt")) p.chop(4);
    return p + "-without-menu.txt";
}

} // namespace

class EnglishPixelsTest : public QObject {
    Q_OBJECT
  private slots:
    void sameAsRecorded();
};

void EnglishPixelsTest::sameAsRecorded() {
    const QString out = qEnvironmentVariable("STUD_PIXELS_RECORD");
    const Taken got = takeShots(out.isEmpty() ? QString() : QFileInfo(out).absolutePath());
    QVERIFY(!got.lines.isEmpty());
    QVERIFY2(got.problems.isEmpty(), qPrintable(got.problems.mid(0, 10).join('\n')));
    if (!out.isEmpty()) {
        QVERIFY(writeLines(out, got.lines));
        QVERIFY(writeLines(withoutMenuPath(out), got.withoutMenu));
        return;
    }
    const QString want = QStringLiteral("%1/tests/ui/data/english-pixels.txt")
                             .arg(qEnvironmentVariable("STUD_SOURCE_DIR"));
    QCOMPARE(got.lines, readLines(want));
    QCOMPARE(got.withoutMenu, readLines(withoutMenuPath(want)));
}

QTEST_MAIN(EnglishPixelsTest)
#include "englishpixels_test.moc"
