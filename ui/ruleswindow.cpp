#include "ui/ruleswindow.h"

#include "cards/evaluator.h"
#include "cards/handscore.h"
#include "table/rules.h"
#include "table/settings.h"
#include "ui/bringforward.h"
#include "ui/imagesets.h"
#include "ui/language.h"
#include "ui/tablespeech.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QPainter>
#include <QScreen>
#include <QScrollBar>
#include <QTextBrowser>
#include <QTimer>
#include <QUrl>
#include <QVBoxLayout>

#include <algorithm>

namespace stud {

namespace {

// A card written as on the table's corner: rank (2..9, T, J, Q, K, A), suit.
constexpr Card card(const char* s) {
    constexpr const char* kRankChars = "23456789TJQKA";
    constexpr const char* kSuitChars = "cdhs";
    int rank = -1, suit = -1;
    for (int r = 0; r < kRanks; ++r)
        if (kRankChars[r] == s[0]) rank = r;
    for (int u = 0; u < 4; ++u)
        if (kSuitChars[u] == s[1]) suit = u;
    return Card(suit, rank);
}

constexpr Hand hand(const char* a, const char* b, const char* c, const char* d, const char* e,
                    const char* f, const char* g) {
    return Hand{card(a), card(b), card(c), card(d), card(e), card(f), card(g)};
}

// The texts below speak of "the value" of a kicker and of it "counted once":
// they hold only while these weights are what the evaluator uses.
static_assert(kicker::kTwoPairs[1] == 1 && kicker::kOnePair[2] == 1 && kicker::kHighCard[1] == 1);
// Ranks count from the Two.
constexpr int kTwoValue = 0;

QString tr_(const char* text) {
    return QCoreApplication::translate("Rules", text);
}

QString esc(const QString& s) {
    return s.toHtmlEscaped();
}

QString para(const QString& s) {
    return QStringLiteral("<p>%1</p>\n").arg(esc(s));
}

QString item(const QString& s) {
    return QStringLiteral("<li>%1</li>\n").arg(esc(s));
}

QString heading(int level, const QString& s) {
    return QStringLiteral("<h%1>%2</h%1>\n").arg(level).arg(esc(s));
}

QString num(std::int64_t n) {
    return QString::number(n);
}

QString commas(const QStringList& parts) {
    return parts.join(QCoreApplication::translate("TableSpeech", ", "));
}

// "a, b and c", as the table's speech joins a list.
QString join(const QStringList& parts) {
    if (parts.size() < 2) return parts.join(QString());
    return QCoreApplication::translate("TableSpeech", "%1 and %2")
        .arg(commas(parts.mid(0, parts.size() - 1)), parts.last());
}

QString cardsText(const Hand& h) {
    QStringList names;
    for (const Card& c : h) names << TableSpeech::cardName(c.image());
    return commas(names);
}

// The name the table's status line gives a hand at the showdown.
QString tableName(const Hand& h) {
    return gameText(std::string(showdownname(evaluate(h).handscore)));
}

int faceDownOn(int street) {
    int n = 0;
    for (int slot = 0; slot < cardsOnStreet(street); ++slot)
        if (isHoleCard(slot)) ++n;
    return n;
}

constexpr int kCardGap = 6; // between the cards of an example hand

} // namespace

const std::array<ExampleHand, 9> kExampleHands{{
    {QT_TRANSLATE_NOOP("Rules", "Straight flush"), category::kStraightFlush,
     category::kStraightFlush, hand("9h", "Th", "Jh", "Qh", "Kh", "2c", "4d")},
    {QT_TRANSLATE_NOOP("Rules", "Four of a kind"), category::kFour, category::kFour + kAce,
     hand("Ac", "Ad", "Ah", "As", "Kc", "7d", "2h")},
    {QT_TRANSLATE_NOOP("Rules", "Full house"), category::kFullHouse, category::kFullHouse + kAce,
     hand("Kc", "Kd", "Ks", "9h", "9s", "4c", "2d")},
    {QT_TRANSLATE_NOOP("Rules", "Flush"), category::kFlush, category::kFlush + kAce,
     hand("Ah", "Jh", "8h", "5h", "3h", "Kc", "2d")},
    {QT_TRANSLATE_NOOP("Rules", "Straight"), kWheelStraight, category::kStraight + kAce,
     hand("8c", "9d", "Th", "Js", "Qc", "3d", "2h")},
    {QT_TRANSLATE_NOOP("Rules", "Three of a kind"), category::kThree, category::kThree + kAce,
     hand("7c", "7d", "7h", "Ks", "9c", "4d", "2h")},
    {QT_TRANSLATE_NOOP("Rules", "Two pairs"), category::kTwoPairs, category::kTwoPairs + kAce,
     hand("Jc", "Jd", "4h", "4s", "Ac", "9d", "6h")},
    {QT_TRANSLATE_NOOP("Rules", "One pair"), category::kOnePair, category::kOnePair + kAce,
     hand("Tc", "Td", "Ah", "Ks", "7c", "4d", "2h")},
    {QT_TRANSLATE_NOOP("Rules", "High card"), category::kHighCard, category::kHighCard + kAce,
     hand("Ac", "Qd", "9h", "7s", "5c", "4d", "2h")},
}};

const Hand kMissedStraightFlush = hand("2c", "3d", "7h", "8h", "9h", "Th", "Jh");
const HandPair kEqualFlushes{hand("Ah", "Jh", "8h", "5h", "3h", "Kc", "2d"),
                             hand("As", "Ks", "Qs", "Js", "9s", "2c", "4d"), true};
const HandPair kTwoPairsByKicker{hand("Ac", "As", "3c", "3d", "Kh", "5s", "2d"),
                                 hand("Ah", "Ad", "4c", "4d", "7h", "5c", "2h"), false};
const HandPair kOnePairByKickers{hand("5h", "5s", "Jc", "Td", "9h", "3s", "2c"),
                                 hand("5c", "5d", "Qh", "8s", "7c", "3d", "2h"), false};

RulesWindow::RulesWindow(QWidget* owner) : QWidget(owner, Qt::Window) {
    setWindowTitle(tr_("Rules and hand rankings"));
    setAccessibleName(windowTitle());
    text_ = new QTextBrowser(this);
    text_->setAccessibleName(windowTitle());
    text_->setOpenLinks(false);
    // The arrow keys move a reading point through the text, line by line, so
    // a screen reader follows them; Page Up and Down scroll as usual.
    text_->setTextInteractionFlags(Qt::TextBrowserInteraction | Qt::TextSelectableByKeyboard);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(text_);
    setFocusProxy(text_);
    resize(defaultSize());
    // After a change of scale the text is laid out anew, in steps and again
    // when the window gets its new size from the window manager: each time
    // the range changes the reading place is kept, until the reader scrolls
    // or the change is over.
    placeTimer_.setSingleShot(true);
    placeTimer_.setInterval(1000);
    connect(&placeTimer_, &QTimer::timeout, this, [this] { place_ = -1; });
    QScrollBar* bar = text_->verticalScrollBar();
    connect(bar, &QScrollBar::actionTriggered, this, [this] { place_ = -1; });
    connect(bar, &QScrollBar::rangeChanged, this, [this, bar](int, int max) {
        if (place_ >= 0) bar->setValue(qRound(place_ * max));
    });
}

QSize RulesWindow::defaultSize() const {
    // Room for about seventy characters a line, at the desktop's text size
    // (times the table's scale), and never narrower than an example hand.
    const QFontMetrics fm(font());
    const QSize card = ImageSets::size(ImageSet::cards);
    const int hand = zoom_.px(kHandCards * card.width() + (kHandCards - 1) * kCardGap);
    return {std::max(fm.averageCharWidth() * 80, hand + 4 * fm.averageCharWidth()),
            fm.lineSpacing() * 44};
}

void RulesWindow::setScale(qreal scale) {
    const qreal before = zoom_.scale();
    QScrollBar* bar = text_->verticalScrollBar();
    // The place of a change still under way, or else the one read now.
    const qreal place = place_ >= 0          ? place_
                        : bar->maximum() > 0 ? qreal(bar->value()) / bar->maximum()
                                             : 0;
    if (!zoom_.set(scale)) return;
    place_ = place;
    placeTimer_.start();
    if (state_) refresh(*state_);
    zoom_.resize(before, defaultSize());
    bar->setValue(qRound(place * bar->maximum()));
}

void RulesWindow::keyPressEvent(QKeyEvent* event) {
    // The text lets Escape through: it closes the window, as in a dialog.
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
        close();
        return;
    }
    QWidget::keyPressEvent(event);
}

RulesWindow::~RulesWindow() = default;

QString RulesWindow::plainText() const {
    return text_->toPlainText();
}

void RulesWindow::showFor(const TableState& t) {
    const bool first = !isVisible();
    refresh(t);
    if (first) {
        // Beside the table where the screen has room, so that both can be read.
        const QScreen* s = parentWidget() ? parentWidget()->screen() : screen();
        if (!s) s = QGuiApplication::primaryScreen();
        const QRect area = s ? s->availableGeometry() : QRect();
        QSize size = this->size().boundedTo(area.size() * 0.9);
        resize(size);
        if (parentWidget() && area.isValid()) {
            const QRect table = parentWidget()->frameGeometry();
            int x = table.right() + 8;
            if (x + size.width() > area.right()) x = table.left() - 8 - size.width();
            if (x < area.left()) x = area.right() - size.width();
            const int y =
                std::max(area.top(), std::min(table.top(), area.bottom() - size.height()));
            move(x, y);
        }
        text_->moveCursor(QTextCursor::Start);
    }
    bringForward(this);
    text_->setFocus(Qt::OtherFocusReason);
}

void RulesWindow::refresh(const TableState& t) {
    state_ = t;
    scale_ = devicePixelRatioF() >= 1.5 ? 2 : 1;
    const int at = text_->verticalScrollBar()->value();
    const int cursor = text_->textCursor().position();
    text_->setHtml(html(t));
    QTextCursor c = text_->textCursor();
    c.setPosition(std::min(cursor, text_->document()->characterCount() - 1));
    text_->setTextCursor(c);
    text_->verticalScrollBar()->setValue(at);
}

QString RulesWindow::handPicture(int index, const Hand& cards) {
    // As many device pixels as the table's cards have at this scale, so that
    // they stay sharp. Loaded once, and again only when the window moves to
    // a screen of the other density or the scale changes.
    const qreal resolution = scale_ * zoom_.scale();
    if (!images_ || images_->resolution() != resolution)
        images_ = std::make_unique<ImageSets>(resolution, ImageSets::Deck::TwoColour);
    const ImageSets& images = *images_;
    const QSize one = ImageSets::size(ImageSet::cards);
    const QSize device = images.deviceSize(ImageSet::cards);
    const QSize logical(kHandCards * one.width() + (kHandCards - 1) * kCardGap, one.height());
    QImage picture((QSizeF(logical) * resolution).toSize(), QImage::Format_ARGB32_Premultiplied);
    picture.fill(Qt::transparent);
    {
        QPainter p(&picture);
        // One window pixel cut off each corner, as on the table.
        const int corner = std::max(1, qRound(resolution));
        for (int i = 0; i < kHandCards; ++i) {
            const int left = qRound(i * (one.width() + kCardGap) * resolution);
            p.drawImage(QPoint(left, 0), images.strip(ImageSet::cards),
                        images.sourceRect(ImageSet::cards, cards[i].image()));
            // Round corners, as on the table, where they take the window's colour.
            p.setCompositionMode(QPainter::CompositionMode_Clear);
            const int w = device.width(), h = device.height();
            for (QPoint at : {QPoint(0, 0), QPoint(w - corner, 0), QPoint(0, h - corner),
                              QPoint(w - corner, h - corner)})
                p.fillRect(QRect(at + QPoint(left, 0), QSize(corner, corner)), Qt::transparent);
            p.setCompositionMode(QPainter::CompositionMode_SourceOver);
        }
    }
    const QSize shown = zoom_.scale() == 1 ? logical : (QSizeF(logical) * zoom_.scale()).toSize();
    picture.setDevicePixelRatio(qreal(picture.width()) / shown.width());
    const QUrl url(QStringLiteral("hand:%1").arg(index));
    text_->document()->addResource(QTextDocument::ImageResource, url, picture);
    return QStringLiteral("<p><img src=\"%1\" width=\"%2\" height=\"%3\"></p>\n")
        .arg(url.toString())
        .arg(shown.width())
        .arg(shown.height());
}

QString RulesWindow::html(const TableState& t) {
    const auto game = [](const char* s) { return gameText(s); };
    const auto window = [](const char* s) { return QCoreApplication::translate("TableWindow", s); };
    const auto panel = [](const char* s) { return QCoreApplication::translate("OptionsPanel", s); };
    QStringList opponents, everybody{tr_("you")};
    for (SeatId s : kOpponents) opponents << TableSpeech::seatName(s);
    everybody << opponents;
    const QString maria = TableSpeech::seatName(seatOfNo(1));
    const QString lastSmall = num(kLastSmallRaiseStreet);

    QString h;
    h += heading(1, tr_("How Seven Stud is played"));
    h += para(tr_("Seven Stud is seven-card stud poker with fixed limits. You play against %1 "
                  "computer opponents, %2, and every player has cash of their own. A match goes "
                  "on deal after deal. In each deal every player gets %3 cards, some face down "
                  "and some face up, and bets on them street by street; the best hand, or the "
                  "last player left in, takes the pot.")
                  .arg(num(kOpponentSeats), join(opponents), num(kHandCards)));

    h += heading(2, tr_("The ante"));
    h += para(
        tr_("At the start of every deal each player who still has cash puts the ante, now "
            "%1, into the pot. The pot holds only this deal's antes and bets: nothing is "
            "carried over from the deal before. A player with no more cash than the ante pays it "
            "all the same and is left with zero "
            "or less: an opponent so left makes no moves in that deal, and nobody so left can win "
            "it. A player with no cash left sits the deal out: no ante, no "
            "cards, no moves.")
            .arg(num(t.ante)));

    h += heading(2, tr_("The cards and the streets"));
    h += para(tr_("All %1 cards of every player are dealt from one shuffled deck when the deal "
                  "starts, but they come into play one street at a time. There are %2 betting "
                  "streets:")
                  .arg(num(kHandCards), num(kStreets)));
    h += QStringLiteral("<ul>\n");
    for (int s = kFirstStreet; s <= kLastStreet; ++s) {
        const int n = cardsOnStreet(s), down = faceDownOn(s);
        h += item(tr_("Street %1: %2 cards, %3 face down and %4 face up")
                      .arg(num(s), num(n), num(down), num(n - down)));
    }
    h += QStringLiteral("</ul>\n");
    h += para(tr_("You see all your own cards. Of the opponents' cards you see only those face "
                  "up; their face-down cards are shown at the showdown."));

    h += heading(2, tr_("Bets and raises"));
    h += para(tr_("Every bet and every raise is exactly one unit, the small bet or the big bet, "
                  "never more. The limits now are: ante %1, small bet %2, big bet %3. They are "
                  "the betting limits of the options panel, from an ante of %4 up to %5; the "
                  "small bet is always %6 antes and the big bet %7. A new ante is taken from the "
                  "next deal on; new bets count from the next bet.")
                  .arg(num(t.ante), num(t.smallbet), num(t.bigbet), num(kMinLimit), num(kMaxLimit),
                       num(kSmallBetAntes), num(kBigBetAntes)));
    h += QStringLiteral("<ul>\n");
    h += item(tr_("Your bet or raise is the small bet on streets %1 to %2 and the big bet on "
                  "street %3.")
                  .arg(num(kFirstStreet), num(kLastStreet - 1), num(kLastStreet)));
    h += item(tr_("An opponent's raise is the small bet on streets %1 to %2 and the big bet on "
                  "streets %3 to %4. The opponents never raise on street %5.")
                  .arg(num(kFirstStreet), lastSmall, num(kLastSmallRaiseStreet + 1),
                       num(kLastStreet - 1), num(kLastStreet)));
    h += item(tr_("A call pays the bet that stands, one unit: nobody ever pays several raises at "
                  "once."));
    h += item(tr_("You can bet or raise only while you hold at least %1. A call is never "
                  "refused: it may take your cash to zero or below.")
                  .arg(num(kMinRaiseCash)));
    h += QStringLiteral("</ul>\n");
    h += para(
        tr_("No rule caps the number of raises on a street: each opponent may raise in each of "
            "its turns, and you in each of your moves while no opponent's raise stands. How each "
            "raise is answered is told below."));

    h += heading(2, tr_("Who opens"));
    h += para(tr_("Each deal has an opener, the player with whom every street begins. Play goes "
                  "round the table in the order %1, and the opener moves one seat on in that "
                  "order with every deal. The first deal after the game starts is opened by %2, "
                  "the next one by you, then by %3, and so on.")
                  .arg(join(everybody), maria, opponents.value(0)));
    h += para(
        tr_("An opponent who opens bets one small bet. The opponents after it answer that bet and "
            "take their turns, and then it is your move. The opener pays its opening bet only "
            "when you call or raise: then it answers it like the others, by calling or folding. "
            "If you fold at once, it never pays it. When you open, no bet stands, yet every "
            "opponent first answers one small bet, paying it or folding, and takes its turn; only "
            "then is it your move, and while no opponent has raised, %1 only checks.")
            .arg(game("Call")));
    h += para(tr_("The first deal of a new match is opened by %1 without an opening bet: you move "
                  "first and may check. After it the openers go on where they stood.")
                  .arg(maria));
    h += para(tr_("When the opener folds, the next opponent after it who is still in the deal "
                  "becomes the opener, or you, when none is left."));

    h += heading(2, tr_("Your moves"));
    h += QStringLiteral("<ul>\n");
    h += item(tr_("%1, when no bet stands: you put nothing in, and the opponents take their "
                  "turns, each checking or raising.")
                  .arg(game("Check")));
    h += item(tr_("%1, when a bet stands: you pay it. The opponents before the one who bet "
                  "answer it too, and those after it take their turns.")
                  .arg(game("Call")));
    h += item(tr_("%1 (the button reads %2 after %3, until your first raise): you put in one unit. "
                  "From the "
                  "second street on every opponent still in answers it; on the first street only "
                  "the opponents up to the one whose bet stands answer it, and nobody when no bet "
                  "stands. Then the opponents take their turns. While an opponent's raise stands "
                  "you cannot raise; you can only call or fold. On the first street you may also "
                  "raise the opening bet.")
                  .arg(game("Raise"), game("Bet"), window("New Game")));
    h += item(tr_("%1: you give up the deal, and what you have put in stays in the pot. The "
                  "showdown follows at once.")
                  .arg(game("Fold")));
    h += QStringLiteral("</ul>\n");
    h += para(tr_("The opponents answer a bet by calling or folding, and in their own turn they "
                  "check or raise. When an opponent raises, the opponents after it answer at "
                  "once, and then it is your move: call or fold. An opponent that cannot pay a "
                  "bet in full folds. An opponent decides by chance, weighed by how strong it "
                  "believes its hand to be; it looks only at its own cards."));

    h += heading(2, tr_("The end of a street"));
    h += para(tr_("A street ends when the turn comes round to the opener again: every player "
                  "still in then gets the next card. On the first street your %1 or %2 also ends "
                  "the street at once, wherever the opener "
                  "sits.")
                  .arg(game("Check"), game("Call")));

    h += heading(2, tr_("The end of a deal"));
    h += QStringLiteral("<ul>\n");
    h += item(tr_("When every opponent has folded, you take the whole pot at once and nobody "
                  "shows cards."));
    h += item(tr_("After the betting on street %1 comes the showdown: every player still in "
                  "shows all %2 cards, and the best hand takes the pot.")
                  .arg(num(kLastStreet), num(kHandCards)));
    h += item(tr_("When you fold, the deal is not played on: the showdown comes at once among the "
                  "opponents still in, on all %1 of their cards, even those of streets that were "
                  "never played.")
                  .arg(num(kHandCards)));
    h += QStringLiteral("</ul>\n");
    h += para(
        tr_("A player whose cash has run out during the deal (zero or below) cannot win it, even "
            "with the best hand. When nobody is left who can win the pot, %1 takes it all the "
            "same.")
            .arg(maria));

    h += heading(2, tr_("The pot"));
    h += para(tr_("The best hand takes the whole pot. Hands that come out exactly equal by the "
                  "hand rankings below share it: each gets the pot divided by the number of "
                  "winners, in whole chips. What is left over, the odd chips, goes to nobody and "
                  "leaves the game. Then %1 starts the next deal.")
                  .arg(game("Deal")));

    const std::int64_t target = std::int64_t{t.initialcash} + t.playuntil;
    h += heading(2, tr_("The end of a match"));
    h += para(tr_("The match ends when:"));
    h += QStringLiteral("<ul>\n");
    h += item(tr_("you have no cash left (zero or below) when you press %1: you lose;")
                  .arg(game("Deal")));
    h += item(tr_("no opponent has cash left when you press %1: you win;").arg(game("Deal")));
    h += item(tr_("after a showdown a player holds %1 or more, the initial cash of %2 plus the "
                  "%3 of “%4” in the options panel: that player wins the match.")
                  .arg(num(target), num(t.initialcash), num(t.playuntil),
                       panel("Play until someone wins")));
    h += QStringLiteral("</ul>\n");
    h += para(tr_("Then only %1 goes on. It asks first; then every player gets the amount in the "
                  "options panel's “%2” box, the ante is taken, and a new deal starts with no bet "
                  "standing. %1 starts a new match at any time in the same way.")
                  .arg(window("New Game"), panel("Initial cash")));

    h += heading(2, tr_("The four levels"));
    h += para(tr_("The level in the options panel (%1, %2, %3 or %4) sets how well the opponents "
                  "judge their own hands. Before each decision an opponent plays its hand out "
                  "against random hands, again and again: %5, %6, %7 or %8 times. The higher the "
                  "level, the more trials, the less it is misled by chance, and the closer it "
                  "plays to what its cards are worth. The level changes nothing else.")
                  .arg(panel("Amateur"), panel("Expert"), panel("Master"), panel("Genius"),
                       num(kLevels[0] + 1), num(kLevels[1] + 1), num(kLevels[2] + 1),
                       num(kLevels[3] + 1)));

    h += heading(2, tr_("What is kept between runs"));
    h += para(tr_("The game keeps in its settings file, %1: every player's cash as it stood when "
                  "%2 was last pressed, the initial cash and the play-until amount as last "
                  "confirmed with their buttons, the level, the card back and the sound switch. "
                  "The betting limits are not kept: every run starts with an ante of %3, a small "
                  "bet of %4 and a big bet of %5. A deal not finished when the game is closed is "
                  "lost: the next run deals afresh from the cash before it.")
                  .arg(QString::fromLatin1(kSettingsFileName), game("Deal"), num(kDefaultAnte),
                       num(kSmallBetAntes * kDefaultAnte), num(kBigBetAntes * kDefaultAnte)));

    h += heading(1, tr_("Hand rankings"));
    h += para(tr_("At the showdown every hand is judged on all %1 of its cards. These are the "
                  "kinds of hands, the best first; a hand of a higher kind beats every hand of a "
                  "lower kind. Cards rank from the Two, the lowest, to the Ace, the highest.")
                  .arg(num(kHandCards)));
    h += para(tr_("Two hands of the same kind are told apart by this game's own rules. In places "
                  "they differ from the rules you may know from elsewhere; each place is named "
                  "below."));

    const QString values = tr_("a Two counts %1, a Three %2, and so on up to the Ace, %3")
                               .arg(num(kTwoValue), num(kTwoValue + 1), num(kTwoValue + kAce));
    // Two hands, one a line, under the sentence that says how they compare.
    const auto pair = [](const HandPair& p) {
        return para(p.tie ? tr_("So these two hands are equal and share the pot:")
                          : tr_("So the first of these two hands beats the second:")) +
               QStringLiteral("<ul>\n") + item(cardsText(p.first)) + item(cardsText(p.second)) +
               QStringLiteral("</ul>\n");
    };
    for (int i = 0; i < static_cast<int>(kExampleHands.size()); ++i) {
        const ExampleHand& e = kExampleHands[i];
        h += heading(2, tr_(e.kind));
        h += handPicture(i, e.cards);
        h += para(tr_("Example: %1. The table shows it as “%2”.")
                      .arg(cardsText(e.cards), tableName(e.cards)));
        switch (e.lowest) {
        case category::kStraightFlush:
            h += para(tr_("Five cards of one suit in a row. All straight flushes are equal, "
                          "whatever their highest card: two of them share the pot."));
            h += para(tr_("Unlike elsewhere, the game looks for a straight flush in one place "
                          "only: it takes the lowest rank of the hand whose next rank is held "
                          "too, in any suit, and the first card of that rank dealt, and the "
                          "straight flush must run upwards from that very card. A straight "
                          "flush anywhere else counts only as a flush, and so does Ace, Two, "
                          "Three, Four, Five of one suit. For example, %1 is a flush: the table "
                          "shows “%2”.")
                          .arg(cardsText(kMissedStraightFlush), tableName(kMissedStraightFlush)));
            break;
        case category::kFour:
            h += para(tr_("Four cards of one rank. The higher four wins."));
            break;
        case category::kFullHouse:
            h += para(tr_("Three cards of one rank and two of another. The higher three wins."));
            break;
        case category::kFlush:
            h += para(tr_("Five cards of one suit. Unlike elsewhere, only the highest card of the "
                          "suit counts: two flushes with the same highest card are equal and "
                          "share the pot, whatever their other cards."));
            h += pair(kEqualFlushes);
            break;
        case kWheelStraight:
            h += para(tr_("Five cards of ranks in a row, in any suits. The higher top card wins; "
                          "straights with the same top card share the pot. The Ace counts high, "
                          "and low only in the lowest straight, Ace, Two, Three, Four, Five, "
                          "which the table shows as “%1”.")
                          .arg(gameText(std::string(showdownname(kWheelStraight)))));
            break;
        case category::kThree:
            h += para(tr_("Three cards of one rank. The higher three wins."));
            break;
        case category::kTwoPairs:
            h += para(tr_("Two pairs of different ranks. The higher top pair wins. With the same "
                          "top pair, the game takes the value of the lower pair %1 times and adds "
                          "the value of the best other card (%2); the higher sum wins, and equal "
                          "sums share the pot. Unlike elsewhere, the lower pair does not always "
                          "decide.")
                          .arg(num(kicker::kTwoPairs[0]), values));
            h += pair(kTwoPairsByKicker);
            break;
        case category::kOnePair:
            h += para(tr_("Two cards of one rank. The higher pair wins. With the same pair, the "
                          "game adds up the values of the three best other cards (%1), the best "
                          "counted %2 times, the second %3 times and the third once; the higher "
                          "sum wins, and equal sums share the pot. Unlike elsewhere, the best "
                          "other card does not always decide.")
                          .arg(values, num(kicker::kOnePair[0]), num(kicker::kOnePair[1])));
            h += pair(kOnePairByKickers);
            break;
        default:
            h += para(tr_("None of the above. The highest card wins. With the same highest card, "
                          "the game takes the value of the next card %1 times and adds the value "
                          "of the third (%2); the higher sum wins. Unlike elsewhere, only these "
                          "three cards count: hands alike in them share the pot, whatever their "
                          "other cards.")
                          .arg(num(kicker::kHighCard[0]), values));
            break;
        }
    }
    return h;
}

} // namespace stud
