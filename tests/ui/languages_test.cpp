// The game in every language it ships, and in the pseudo-language that makes
// every text about 40 % longer with accented letters: a walk through every
// state the window can show (the table at each street, a fold, the showdown,
// the options panel with its boxes, a new match, the About box, the end of a
// match) that fails on a text clipped, cut short or overlapping another, on
// a text still in English in the pseudo-language, and on any text the game
// asked to translate that a shipped language lacks. On the table a translated
// text may not cover a portrait or a card area either, with every hand's name
// at every seat and the widest cash, and a seat's cash keeps the English gap
// after its name.

#include "cards/evaluator.h"
#include "cards/handscore.h"
#include "table/rules.h"
#include "table/seattable.h"
#include "tablerun.h"
#include "ui/accessibility.h"
#include "ui/gamemenu.h"
#include "ui/gradientbutton.h"
#include "ui/imagesets.h"
#include "ui/language.h"
#include "ui/movekeys.h"
#include "ui/optionspanel.h"
#include "ui/shortcutswindow.h"
#include "ui/tablelabel.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QStyle>
#include <QTest>
#include <QTimer>
#include <QXmlStreamReader>

#include <array>
#include <map>
#include <optional>
#include <set>
#include <string>
#include <utility>

using namespace stud;

namespace {

using Message = std::pair<QByteArray, QByteArray>; // context, source

// Sees every text the program asks to translate, and translates none: Qt
// asks the next translator.
class Recorder final : public QTranslator {
  public:
    mutable std::set<Message> asked;
    QString translate(const char* context, const char* source, const char* = nullptr,
                      int = -1) const override {
        asked.insert({context, source});
        return {};
    }
    bool isEmpty() const override { return false; }
};

const QRegularExpression kAscii(QStringLiteral("[A-Za-z]"));

constexpr std::array<Control, kSeats> kNames{Control::Label2, Control::freakcash, Control::geekcash,
                                             Control::mastercash, Control::champcash};

// What the table draws under its texts: the portraits and the card areas.
std::vector<std::pair<QString, QRect>> pictures() {
    std::vector<std::pair<QString, QRect>> all;
    for (SeatId s : kAllSeats) {
        const SeatInfo& p = kSeatInfo[s];
        if (s != player)
            all.emplace_back(
                QStringLiteral("portrait %1").arg(s),
                QRect(QPoint(p.portraitLeft, p.portraitTop), ImageSets::size(ImageSet::players)));
        all.emplace_back(
            QStringLiteral("cards %1").arg(s),
            QRect(p.areaLeft, p.areaTop, p.areaRight - p.areaLeft, p.areaBottom - p.areaTop));
    }
    return all;
}

// Every name the status line can give a hand, once each.
std::vector<std::string> handNames() {
    std::vector<std::string> names;
    for (std::int32_t score = 0; score <= category::kStraightFlush; ++score)
        if (const auto name = handname(score); !name.empty())
            if (std::find(names.begin(), names.end(), name) == names.end())
                names.emplace_back(name);
    return names;
}

// The English gap between each seat's name and its cash, in window pixels.
std::array<int, kSeats> nameGaps(const TableWindow& w) {
    std::array<int, kSeats> gaps{};
    for (SeatId s : kAllSeats) {
        const auto* name = static_cast<const TableLabel*>(w.label(kNames[s]));
        gaps[s] = w.label(kSeatInfo[s].cashLabel)->x() - name->x() -
                  QFontMetrics(name->shownFont()).horizontalAdvance(name->shownLines().join(' '));
    }
    return gaps;
}

// One place a text shows, in the window's coordinates.
struct Shown {
    QWidget* widget;
    QRect rect;
    QString text;
};

struct Inspector {
    QString language;
    QStringList problems;
    int states = 0;

    bool pseudo() const { return language == kPseudoLanguage; }
    void problem(const QString& where, const QWidget* w, const QString& what) {
        problems << QStringLiteral("[%1] %2: %3 \"%4\"")
                        .arg(language, where, what,
                             w ? QString::fromLatin1(w->metaObject()->className()) : QString());
    }
    void english(const QString& where, const QString& text) {
        if (pseudo() && text.contains(kAscii))
            problems << QStringLiteral("[%1] %2: still English: \"%3\"").arg(language, where, text);
    }

    // The game's menu: each item translated and as wide as the menu allows.
    void inspectMenu(QMenu* menu, const QString& where) {
        ++states;
        english(where, menu->accessibleName());
        const QFontMetrics fm(menu->font());
        for (QAction* a : menu->actions()) {
            if (a->isSeparator()) continue;
            english(where, a->text());
            if (!menu->actionGeometry(a).isValid() ||
                fm.horizontalAdvance(a->text()) >= menu->actionGeometry(a).width())
                problem(where, menu, QStringLiteral("clipped \"%1\"").arg(a->text()));
        }
    }

    // Every visible text under `root`: clipped, cut, overlapping, English.
    void inspect(QWidget* root, const QString& where) {
        ++states;
        english(where, root->windowTitle());
        std::vector<Shown> shown;
        QList<QWidget*> all = root->findChildren<QWidget*>();
        all.prepend(root);
        for (QWidget* w : all) {
            if (!w->isVisibleTo(root) && w != root) continue;
            // A key's name ("Q" of Ctrl+Q) is no text to translate.
            const bool keyName = w->property(kKeyNameProperty).toBool();
            if (!keyName) english(where, w->accessibleName());
            english(where, w->accessibleDescription());
            // Words for a screen reader only: nothing on the screen.
            if (dynamic_cast<SpokenLabel*>(w) || dynamic_cast<Announcer*>(w)) continue;
            const QFontMetrics fm(w->font());
            if (auto* t = dynamic_cast<TableLabel*>(w)) {
                if (t->text().isEmpty()) continue;
                english(where, t->text());
                const QStringList lines = t->shownLines();
                const QFontMetrics sf(t->shownFont());
                if (lines.join(QString()).contains(QChar(0x2026)))
                    problem(where, t, QStringLiteral("cut \"%1\"").arg(t->text()));
                int width = 0;
                for (const QString& line : lines)
                    width = std::max(width, sf.horizontalAdvance(line));
                const QSize need(width, int(lines.size()) * sf.height());
                const QRect c = t->contentsRect();
                if (need.width() > c.width() || need.height() > c.height() + 1)
                    problem(where, t, QStringLiteral("clipped \"%1\"").arg(t->text()));
                shown.push_back({t, QRect(t->mapTo(root, c.topLeft()), need), t->text()});
            } else if (auto* l = qobject_cast<QLabel*>(w)) {
                if (l->text().isEmpty() || !l->pixmap().isNull()) continue;
                if (!keyName) english(where, l->text());
                const QRect c = l->contentsRect();
                QSize need;
                if (l->wordWrap()) {
                    need = QSize(c.width(), l->heightForWidth(l->width()));
                } else {
                    for (const QString& line : l->text().split(QLatin1Char('\n')))
                        need.setWidth(std::max(need.width(), fm.horizontalAdvance(line)));
                    need.setHeight(fm.height() * int(l->text().count(QLatin1Char('\n')) + 1));
                }
                if (need.width() > c.width() || need.height() > c.height() + 1)
                    problem(where, l, QStringLiteral("clipped \"%1\"").arg(l->text()));
                shown.push_back({l, QRect(l->mapTo(root, c.topLeft()), need), l->text()});
            } else if (auto* g = qobject_cast<GradientButton*>(w)) {
                english(where, g->text());
                const QStringList lines = g->captionLines();
                const QFontMetrics cf(g->captionFont());
                if (lines.join(QString()).contains(QChar(0x2026)))
                    problem(where, g, QStringLiteral("cut \"%1\"").arg(g->text()));
                if (int(lines.size()) * cf.height() > g->height())
                    problem(where, g, QStringLiteral("too tall \"%1\"").arg(g->text()));
                int width = 0;
                for (const QString& line : lines)
                    width = std::max(width, cf.horizontalAdvance(line));
                const QSize caption(width, int(lines.size()) * cf.height());
                const QPoint corner((g->width() - caption.width()) / 2,
                                    (g->height() - caption.height()) / 2);
                shown.push_back({g, QRect(g->mapTo(root, corner), caption), g->text()});
            } else if (auto* b = qobject_cast<QAbstractButton*>(w)) {
                if (b->text().isEmpty()) continue;
                english(where, b->text());
                int extra = 12; // a push button's frame
                if (qobject_cast<QRadioButton*>(b))
                    extra = b->style()->pixelMetric(QStyle::PM_ExclusiveIndicatorWidth) +
                            b->style()->pixelMetric(QStyle::PM_RadioButtonLabelSpacing);
                const QString text = QString(b->text()).remove(QLatin1Char('&'));
                if (fm.horizontalAdvance(text) + extra > b->width())
                    problem(where, b, QStringLiteral("clipped \"%1\"").arg(text));
                shown.push_back({b, QRect(b->mapTo(root, QPoint()), b->size()), text});
            } else if (auto* e = qobject_cast<QLineEdit*>(w)) {
                shown.push_back({e, QRect(e->mapTo(root, QPoint()), e->size()), e->text()});
            } else {
                continue;
            }
            // Inside whatever holds it: the parent paints nothing beyond itself.
            const QWidget* parent = w->parentWidget();
            if (w != root && parent && !parent->rect().contains(w->geometry()) &&
                !qobject_cast<QLabel*>(w))
                problem(where, w, QStringLiteral("beyond its parent"));
            if (auto* l = qobject_cast<QLabel*>(w); l && w != root && parent) {
                const QRect text(l->geometry().topLeft() + l->contentsRect().topLeft(),
                                 shown.back().rect.size());
                if (!parent->rect().contains(text))
                    problem(where, l, QStringLiteral("beyond its parent \"%1\"").arg(l->text()));
            }
        }
        // What lies under the open options panel is hidden, not overlapped.
        const auto* panel = root->findChild<OptionsPanel*>();
        const QRect cover = panel && panel->isVisibleTo(root)
                                ? QRect(panel->mapTo(root, QPoint()), panel->size())
                                : QRect();
        const auto hidden = [&](const Shown& s) {
            return cover.isValid() && !panel->isAncestorOf(s.widget) && s.widget != panel &&
                   cover.intersects(s.rect);
        };
        // The table's own pictures, which no widget knows of. The English
        // table keeps the layout it always had, where "Straight Queen High"
        // touches George's frame: translations are held to better.
        if (!language.isEmpty() && qobject_cast<TableWindow*>(root))
            for (const Shown& s : shown) {
                if (hidden(s) || !dynamic_cast<TableLabel*>(s.widget)) continue;
                for (const auto& [what, rect] : pictures())
                    if (rect.intersects(s.rect))
                        problems << QStringLiteral("[%1] %2: \"%3\" runs over %4")
                                        .arg(language, where, s.text, what);
            }
        for (std::size_t i = 0; i < shown.size(); ++i)
            for (std::size_t j = i + 1; j < shown.size(); ++j) {
                const Shown& a = shown[i];
                const Shown& b = shown[j];
                if (hidden(a) || hidden(b)) continue;
                if (a.widget->isAncestorOf(b.widget) || b.widget->isAncestorOf(a.widget)) continue;
                if (a.rect.intersects(b.rect))
                    problems << QStringLiteral("[%1] %2: \"%3\" overlaps \"%4\" (%5,%6 %7x%8)")
                                    .arg(language, where, a.text, b.text)
                                    .arg(b.rect.x())
                                    .arg(b.rect.y())
                                    .arg(b.rect.width())
                                    .arg(b.rect.height());
            }
    }
};

// The walk. Message boxes and the About box open for real; a watcher looks
// at each one and answers it with its default button.
struct Walk : stud::testing::TableRun {
    Inspector& in;
    QTimer watcher;
    QStringList boxes;

    explicit Walk(Inspector& inspector) : TableRun(17), in(inspector) {
        stud::testing::QtServicesSeam(w->services()).setAnswerer(nullptr);
        watcher.setInterval(0);
        QObject::connect(&watcher, &QTimer::timeout, [this] {
            QWidget* box = QApplication::activeModalWidget();
            if (!box || !box->isVisible()) return;
            if (auto* m = qobject_cast<QMessageBox*>(box)) {
                boxes << m->text();
                // A box's text is a sentence of its own, even where the
                // English game's is not ("the value is off limits").
                if (!in.language.isEmpty() && !in.pseudo() &&
                    m->text().left(1).toUpper() != m->text().left(1))
                    in.problem(QStringLiteral("box"), m,
                               QStringLiteral("starts lower-case \"%1\"").arg(m->text()));
                in.inspect(m, QStringLiteral("box \"%1\"").arg(m->text()));
                QAbstractButton* answer = m->defaultButton();
                if (!answer) answer = m->buttons().value(0);
                if (answer) answer->click();
            } else if (auto* d = qobject_cast<QDialog*>(box)) {
                in.inspect(d, QStringLiteral("About box"));
                d->done(1);
            }
        });
        watcher.start();
    }
    void look(const QString& where) {
        QCoreApplication::processEvents();
        in.inspect(w.get(), where);
    }
    bool on(Control c) { return w->button(c)->isEnabled(); }
    void click(Control c) { w->button(c)->click(); }
    void panel(Control c) { emit w->panel()->activated(c); }

    // Deals until the deal is over, calling and now and then raising.
    void playDeal(const QString& name, bool fold) {
        for (int step = 0; step < 12 && on(Control::btnstay); ++step) {
            look(QStringLiteral("%1, street %2").arg(name).arg(step + 1));
            if (fold && step == 2)
                click(Control::btnpass);
            else
                click(on(Control::btnbet) && step % 3 == 1 ? Control::btnbet : Control::btnstay);
        }
        look(name + QStringLiteral(", over"));
    }

    // What a deal happens to produce is not enough: every hand's name at every
    // seat at once, and the widest cash a seat can hold (all the money of a
    // table at the highest initial cash). Then the table as it was.
    void tryLongest() {
        QtServices& ui = w->services();
        std::map<Control, std::string> was;
        for (SeatId s : kAllSeats)
            for (Control c : {kSeatInfo[s].statusLabel, kSeatInfo[s].cashLabel})
                was[c] = ui.text(c);
        for (const std::string& hand : handNames()) {
            for (SeatId s : kAllSeats) ui.setText(kSeatInfo[s].statusLabel, hand);
            look(QStringLiteral("every seat \"%1\"").arg(QString::fromStdString(hand)));
        }
        for (SeatId s : kAllSeats)
            ui.setText(kSeatInfo[s].cashLabel, std::to_string(std::int64_t{kSeats} * kMaxAmount));
        look(QStringLiteral("the widest cash"));
        for (const auto& [c, text] : was) ui.setText(c, text);
    }

    void run() {
        QVERIFY(startAndShow());
        look(QStringLiteral("start"));
        playDeal(QStringLiteral("first deal"), false);
        tryLongest();
        click(Control::btnnew);
        playDeal(QStringLiteral("second deal"), true);
        click(Control::btnnew);
        click(Control::NewGame1); // "Are you sure?" answered Yes
        look(QStringLiteral("new match"));
        click(Control::About1);

        // The game's menu, and the keys' list it opens.
        GameMenu* menu = w->gameMenu();
        menu->open();
        QCoreApplication::processEvents();
        in.inspectMenu(menu->menu(), QStringLiteral("menu"));
        menu->menu()->close();
        menu->shortcutsAction()->trigger();
        QCoreApplication::processEvents();
        QVERIFY(menu->shortcutsWindow()->isVisible());
        in.inspect(menu->shortcutsWindow(), QStringLiteral("keyboard shortcuts"));
        menu->shortcutsWindow()->close();

        click(Control::Options1);
        look(QStringLiteral("options"));
        panel(Control::SoundOff1);
        w->panel()->setPosition(Control::UpDown1, kMaxLimit);
        panel(Control::UpDown1);
        look(QStringLiteral("options, sound off, highest limits"));
        for (const char* typed : {"lots", "5", "100"}) {
            w->panel()->setText(Control::money, QString::fromLatin1(typed));
            panel(Control::enter);
        }
        w->panel()->setText(Control::until, QStringLiteral("100"));
        panel(Control::unenter);
        panel(Control::Close);
        look(QStringLiteral("options closed"));

        // A quick match at the highest limits, to its end.
        click(Control::NewGame1);
        for (int step = 0; step < 400 && boxes.size() < 7; ++step) {
            if (on(Control::btnstay))
                click(step % 3 ? Control::btnstay : Control::btnbet);
            else if (on(Control::btnbet))
                click(Control::btnbet);
            else if (on(Control::btnnew))
                click(Control::btnnew);
            else
                break;
            if (step % 5 == 0) look(QStringLiteral("short match, click %1").arg(step + 1));
        }
        const TableState& t = w->game().state();
        QVERIFY2(boxes.size() >= 7,
                 qPrintable(boxes.join(QStringLiteral(" | ")) +
                            QStringLiteral(" street %4 bet %5 pass %6 cash %1 ante %2 initial %3")
                                .arg(t.seats[player].cash)
                                .arg(t.ante)
                                .arg(t.initialcash)
                                .arg(t.street)
                                .arg(on(Control::btnbet))
                                .arg(on(Control::btnpass))));
    }
};

// The translation files: one (context, source) set for all, every message
// finished, the same placeholders as the English.
std::map<QString, std::map<Message, QString>> readSources(QStringList& problems) {
    std::map<QString, std::map<Message, QString>> files;
    const QDir dir(qEnvironmentVariable("STUD_SOURCE_DIR") + QStringLiteral("/i18n"));
    for (const QString& name : dir.entryList({QStringLiteral("sevenstud_*.ts")})) {
        QFile f(dir.filePath(name));
        if (!f.open(QIODevice::ReadOnly)) {
            problems << name + QStringLiteral(": unreadable");
            continue;
        }
        auto& messages = files[name];
        QXmlStreamReader xml(&f);
        QByteArray context, source;
        while (!xml.atEnd()) {
            if (xml.readNext() != QXmlStreamReader::StartElement) continue;
            if (xml.name() == QLatin1String("name")) context = xml.readElementText().toUtf8();
            if (xml.name() == QLatin1String("source")) source = xml.readElementText().toUtf8();
            if (xml.name() == QLatin1String("translation")) {
                const bool unfinished =
                    xml.attributes().value(QLatin1String("type")) == QLatin1String("unfinished");
                const QString text = xml.readElementText();
                if (unfinished || text.isEmpty())
                    problems << QStringLiteral("%1: \"%2\" is not translated")
                                    .arg(name, QString::fromUtf8(source));
                static const QRegularExpression arg(QStringLiteral("%\\d"));
                QStringList want, have;
                for (const auto& m : arg.globalMatch(QString::fromUtf8(source)))
                    want << m.captured();
                for (const auto& m : arg.globalMatch(text)) have << m.captured();
                want.sort();
                have.sort();
                if (want != have)
                    problems << QStringLiteral("%1: \"%2\" has placeholders %3")
                                    .arg(name, QString::fromUtf8(source), have.join(','));
                messages[{context, source}] = text;
            }
        }
        if (xml.hasError()) problems << name + QStringLiteral(": ") + xml.errorString();
    }
    return files;
}

} // namespace

class LanguagesTest : public QObject {
    Q_OBJECT
  private slots:
    void chosenFromTheDesktop();
    void translationFilesAgree();
    void everyStateFitsInEveryLanguage_data();
    void everyStateFitsInEveryLanguage();
    void everyTextAskedIsTranslated();
    void moveKeysFitTheirCaptions();
    void cleanupTestCase() { installLanguage({}); }

  private:
    std::set<Message> asked_;
    std::optional<std::array<int, kSeats>> englishGaps_;
};

void LanguagesTest::chosenFromTheDesktop() {
    const auto env = [](std::map<std::string, QString> vars) {
        return [vars](const char* name) {
            auto it = vars.find(name);
            return it == vars.end() ? QString() : it->second;
        };
    };
    QCOMPARE(chooseLanguage({}, env({{"LANG", "de_AT.UTF-8"}})), QStringLiteral("de"));
    QCOMPARE(chooseLanguage({}, env({{"LANG", "fr_FR.UTF-8"}, {"LC_MESSAGES", "it_IT"}})),
             QStringLiteral("it"));
    QCOMPARE(chooseLanguage({}, env({{"LC_ALL", "es_ES@euro"}, {"LC_MESSAGES", "it_IT"}})),
             QStringLiteral("es"));
    // LANGUAGE first, its first language we ship; English named first wins.
    QCOMPARE(chooseLanguage({}, env({{"LANGUAGE", "pt_BR:fr:de"}, {"LANG", "it_IT.UTF-8"}})),
             QStringLiteral("fr"));
    QCOMPARE(chooseLanguage({}, env({{"LANGUAGE", "en_GB:de"}, {"LANG", "de_DE.UTF-8"}})),
             QString());
    // What we do not ship, the C locale, nothing at all: English.
    QCOMPARE(chooseLanguage({}, env({{"LANG", "pt_PT.UTF-8"}})), QString());
    QCOMPARE(chooseLanguage({}, env({{"LANG", "C.UTF-8"}})), QString());
    QCOMPARE(chooseLanguage({}, env({})), QString());
    // --language wins over the desktop; an unknown code is English.
    QCOMPARE(chooseLanguage(QStringLiteral("it"), env({{"LANGUAGE", "de"}})), QStringLiteral("it"));
    QCOMPARE(chooseLanguage(QStringLiteral("xx"), env({{"LANGUAGE", "de"}})), QString());
    QCOMPARE(shippedLanguages().size(), 4);
}

void LanguagesTest::translationFilesAgree() {
    QStringList problems;
    const auto files = readSources(problems);
    QCOMPARE(int(files.size()), shippedLanguages().size());
    const auto& first = files.begin()->second;
    for (const auto& [name, messages] : files) {
        for (const auto& [m, text] : first)
            if (!messages.count(m))
                problems << QStringLiteral("%1 lacks %2 \"%3\"")
                                .arg(name, QString::fromUtf8(m.first), QString::fromUtf8(m.second));
        for (const auto& [m, text] : messages)
            if (!first.count(m))
                problems << QStringLiteral("%1 has only it: %2 \"%3\"")
                                .arg(name, QString::fromUtf8(m.first), QString::fromUtf8(m.second));
    }
    QVERIFY2(problems.isEmpty(), qPrintable(problems.join('\n')));
}

void LanguagesTest::everyStateFitsInEveryLanguage_data() {
    QTest::addColumn<QString>("language");
    QTest::newRow("en") << QString();
    for (const QString& code : shippedLanguages()) QTest::newRow(qPrintable(code)) << code;
    QTest::newRow("pseudo") << kPseudoLanguage;
}

void LanguagesTest::everyStateFitsInEveryLanguage() {
    QFETCH(QString, language);
    installLanguage(language);
    Recorder recorder;
    QCoreApplication::installTranslator(&recorder);
    Inspector in;
    in.language = language;
    {
        Walk walk(in);
        // The first row is English: the gaps the others keep to.
        const auto gaps = nameGaps(*walk.w);
        if (language.isEmpty()) englishGaps_ = gaps;
        if (englishGaps_)
            for (SeatId s : kAllSeats)
                if (gaps[s] != (*englishGaps_)[s])
                    in.problems << QStringLiteral("[%1] seat %2: cash %3 px after the name, "
                                                  "English %4")
                                       .arg(language)
                                       .arg(s)
                                       .arg(gaps[s])
                                       .arg((*englishGaps_)[s]);
        walk.run();
    }
    QCoreApplication::removeTranslator(&recorder);
    installLanguage({});
    asked_.insert(recorder.asked.begin(), recorder.asked.end());
    QVERIFY2(in.states > 20, qPrintable(QString::number(in.states)));
    QVERIFY2(in.problems.isEmpty(), qPrintable(in.problems.mid(0, 40).join('\n')));
}

void LanguagesTest::everyTextAskedIsTranslated() {
    QVERIFY(!asked_.empty());
    std::set<Message> wanted;
    for (const Message& m : asked_)
        if (QString::fromUtf8(m.second).contains(kAscii) && !m.first.startsWith('Q'))
            wanted.insert(m);
    // Every hand the status line can name, not only those the walk met.
    for (std::int32_t score = 0; score < 2000; ++score)
        if (const auto name = handname(score); !name.empty())
            wanted.insert({"Game", QByteArray(name.data(), qsizetype(name.size()))});
    QStringList problems;
    for (const QString& code : shippedLanguages()) {
        const auto t = gameTranslator(code);
        QVERIFY(t);
        for (const auto& [context, source] : wanted)
            if (t->translate(context, source).isEmpty())
                problems << QStringLiteral("%1 lacks %2 \"%3\"")
                                .arg(code, QString::fromUtf8(context), QString::fromUtf8(source));
    }
    QVERIFY2(problems.isEmpty(), qPrintable(problems.mid(0, 40).join('\n')));
}

// Each language's own letters, all different, each one a letter of its
// button's caption (any of its captions: "Call" or "Check").
void LanguagesTest::moveKeysFitTheirCaptions() {
    QStringList problems;
    QStringList languages = shippedLanguages();
    languages << kPseudoLanguage;
    for (const QString& code : languages) {
        installLanguage(code);
        std::set<QString> keys;
        for (const MoveKey& m : moveKeys()) {
            const QString key = m.key.toString();
            keys.insert(key);
            if (key.size() != 1 || !m.captions.join(' ').toUpper().contains(key))
                problems
                    << QStringLiteral("[%1] \"%2\" for %3").arg(code, key, m.captions.join('/'));
        }
        if (keys.size() != moveKeys().size())
            problems << QStringLiteral("[%1] two moves share a key").arg(code);
        // The language's own, not English given way to.
        if (keys.count(QStringLiteral("C")) && keys.count(QStringLiteral("F")))
            problems << QStringLiteral("[%1] English keys").arg(code);
    }
    installLanguage({});
    QVERIFY2(problems.isEmpty(), qPrintable(problems.join('\n')));
}

QTEST_MAIN(LanguagesTest)
#include "languages_test.moc"
