#include "ui/historywindow.h"

#include "table/rules.h"
#include "ui/imagesets.h"
#include "ui/language.h"
#include "ui/tablespeech.h"

#include <QAbstractListModel>
#include <QApplication>
#include <QClipboard>
#include <QCoreApplication>
#include <QDateTime>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QListView>
#include <QListWidget>
#include <QLocale>
#include <QMessageBox>
#include <QPainter>
#include <QPushButton>
#include <QScrollBar>
#include <QVBoxLayout>

#include <set>

namespace stud {

namespace {

QString tr_(const char* text, const char* comment = nullptr, int n = -1) {
    return QCoreApplication::translate("History", text, comment, n);
}

QString when(std::int64_t seconds) {
    // English and the pseudo-language write dates the British way, in figures.
    static QString lang = QStringLiteral("?");
    static QLocale locale;
    if (lang != currentLanguage()) {
        lang = currentLanguage();
        locale =
            QLocale(lang.isEmpty() || lang == kPseudoLanguage ? QStringLiteral("en_GB") : lang);
    }
    return locale.toString(QDateTime::fromSecsSinceEpoch(seconds), QLocale::ShortFormat);
}

QString amount(std::int64_t v) {
    return v > 0 ? QStringLiteral("+%1").arg(v) : QString::number(v);
}

QString levelName(std::int32_t level) {
    static constexpr const char* kNames[] = {
        QT_TRANSLATE_NOOP("History", "Amateur"), QT_TRANSLATE_NOOP("History", "Expert"),
        QT_TRANSLATE_NOOP("History", "Master"), QT_TRANSLATE_NOOP("History", "Genius")};
    const int item = levelItem(level);
    return item < 0 ? QString::number(level) : tr_(kNames[item]);
}

QString moveText(const MoveRecord& m) {
    const QString who = TableSpeech::seatName(m.seat);
    switch (m.move) {
    case Move::opens:
        return tr_("%1: opens, the bet stands").arg(who);
    case Move::checks:
        return tr_("%1: checks").arg(who);
    case Move::calls:
        return tr_("%1: calls %2").arg(who).arg(m.amount);
    case Move::raises:
        return tr_("%1: raises %2").arg(who).arg(m.amount);
    case Move::folds:
        return tr_("%1: folds").arg(who);
    }
    return {};
}

// The street on which the seat folded, or 0.
int foldStreet(const DealRecord& d, SeatId s) {
    for (const MoveRecord& m : d.moves)
        if (m.seat == s && m.move == Move::folds) return m.street;
    return 0;
}

// The cards the seat holds at a step and whether each shows its face there:
// nothing once it has folded, a face down card as the table drew it then.
struct Held {
    int count = 0;
    std::array<bool, kHandCards> face{};
};

Held held(const DealRecord& d, SeatId s, int step) {
    Held h;
    const SeatRecord& r = d.seats[s];
    if (r.ante == 0) return h; // out of the deal for lack of cash
    const bool end = step >= d.streets();
    const int street = end ? d.streets() : step + 1;
    const int folded = foldStreet(d, s);
    if (folded && (street > folded || (end && s != player))) return h;
    h.count = end && r.hand.size() ? kHandCards : cardsOnStreet(street);
    for (int i = 0; i < h.count; ++i) {
        const bool shown = r.shown & (1u << i);
        const bool open = (r.faceup & (1u << i)) || s == player || (end && !r.hand.empty());
        h.face[i] = shown && open;
    }
    return h;
}

QString handText(const DealRecord& d, SeatId s, int step) {
    const Held h = held(d, s, step);
    if (h.count == 0) return tr_("no cards");
    QStringList faces;
    int down = 0;
    for (int i = 0; i < h.count; ++i) {
        if (h.face[i])
            faces << TableSpeech::cardName(d.seats[s].cards[i].image());
        else
            ++down;
    }
    if (down) faces.prepend(tr_("%1 face down").arg(down));
    return faces.join(QStringLiteral(", "));
}

QString endText(const DealRecord& d) {
    QStringList out;
    if (d.end == DealEnd::allfolded) out << tr_("Everybody else folded.");
    if (d.end == DealEnd::foldshowdown) out << tr_("You folded; the others showed their cards.");
    if (d.end == DealEnd::showdown) out << tr_("Showdown.");
    for (SeatId s : kAllSeats)
        if (!d.seats[s].hand.empty())
            out << tr_("%1: %2 (%3)")
                       .arg(TableSpeech::seatName(s), gameText(d.seats[s].hand),
                            handText(d, s, d.streets()));
    for (SeatId s : kAllSeats) {
        if (d.seats[s].won <= 0) continue;
        out << (s == player ? tr_("You win %1.").arg(d.seats[s].won)
                            : tr_("%1 wins %2.").arg(TableSpeech::seatName(s)).arg(d.seats[s].won));
    }
    if (d.remainder > 0) out << tr_("%1 of the split pot goes to nobody.").arg(d.remainder);
    if (d.matchend) {
        switch (*d.matchend) {
        case MatchEnd::target:
            out << tr_("%1 reached the target: the match is over.")
                       .arg(TableSpeech::seatName(d.matchseat));
            break;
        case MatchEnd::youlose:
            out << tr_("The match is over: you lose.");
            break;
        case MatchEnd::youwin:
            out << tr_("The match is over: you win.");
            break;
        case MatchEnd::abandoned:
            out << tr_("The match was given up for a new one.");
            break;
        }
    }
    out << tr_("Your result: %1").arg(amount(d.result()));
    return out.join(QLatin1Char('\n'));
}

// A button keeps room around its caption whatever the style's own margins.
void roomy(QPushButton* b, int room = 24) {
    const QString text = QString(b->text()).remove(QLatin1Char('&'));
    b->setMinimumWidth(b->fontMetrics().horizontalAdvance(text) + room);
}

} // namespace

QString streetText(const DealRecord& d, int step) {
    if (step >= d.streets()) return endText(d);
    QStringList out;
    out << tr_("Street %1").arg(step + 1);
    for (SeatId s : kAllSeats)
        if (held(d, s, step).count)
            out << tr_("%1: %2").arg(TableSpeech::seatName(s), handText(d, s, step));
    for (const MoveRecord& m : d.moves)
        if (m.street == step + 1) out << moveText(m);
    out << tr_("Pot: %1").arg(d.pots[step]);
    return out.join(QLatin1Char('\n'));
}

QString dealText(const DealRecord& d) {
    QStringList out;
    out << tr_("Deal %1, %2").arg(d.number).arg(when(d.time));
    out << tr_("Level %1, ante %2, bets %3 and %4")
               .arg(levelName(d.level))
               .arg(d.ante)
               .arg(d.smallbet)
               .arg(d.bigbet);
    QStringList cash;
    for (SeatId s : kAllSeats)
        cash << tr_("%1 %2").arg(TableSpeech::seatName(s)).arg(d.seats[s].cashbefore);
    out << tr_("Cash before the deal: %1").arg(cash.join(QStringLiteral(", ")));
    for (int step = 0; step <= d.streets(); ++step) out << QString() << streetText(d, step);
    return out.join(QLatin1Char('\n')) + QLatin1Char('\n');
}

// ---- the list of deals -----------------------------------------------------

class DealListModel final : public QAbstractListModel {
  public:
    using QAbstractListModel::QAbstractListModel;
    void set(std::vector<DealSummary> deals) {
        beginResetModel();
        deals_ = std::move(deals);
        endResetModel();
    }
    // The width of the widest line, from its widest parts: the newest deal's
    // number and date, the result with the most digits, the widest hand.
    int widest(const QFontMetrics& fm) const {
        if (deals_.empty()) return 0;
        std::set<std::string> hands;
        const DealSummary* longest = &deals_.front();
        for (const DealSummary& d : deals_) {
            hands.insert(d.winhand);
            if (amount(d.result).size() > amount(longest->result).size()) longest = &d;
        }
        DealSummary line = deals_.front();
        line.result = longest->result;
        int hand = 0;
        for (const std::string& h : hands) {
            line.winhand = h;
            hand = std::max(hand, fm.horizontalAdvance(text(line)));
        }
        return hand;
    }
    const DealSummary* at(int row) const {
        return row >= 0 && row < static_cast<int>(deals_.size()) ? &deals_[row] : nullptr;
    }
    int rowCount(const QModelIndex& parent = {}) const override {
        return parent.isValid() ? 0 : static_cast<int>(deals_.size());
    }
    QVariant data(const QModelIndex& index, int role) const override {
        const DealSummary* d = at(index.row());
        if (!d || (role != Qt::DisplayRole && role != Qt::AccessibleTextRole)) return {};
        return text(*d);
    }
    static QString text(const DealSummary& d) {
        const QString hand = d.winhand.empty() ? tr_("no hand shown") : gameText(d.winhand);
        return tr_("Deal %1  %2  %3  %4").arg(d.number).arg(when(d.time), amount(d.result), hand);
    }

  private:
    std::vector<DealSummary> deals_;
};

// ---- the replayed table ----------------------------------------------------

// Each seat's name and its cards at one step of the replay, drawn with the
// table's card images at two thirds of their size.
class DealView final : public QWidget {
  public:
    DealView(const ImageSets& images, QWidget* parent) : QWidget(parent), images_(images) {
        setScale(1);
        setFocusPolicy(Qt::NoFocus);
    }
    void set(const DealRecord* d, int step) {
        deal_ = d;
        step_ = step;
        setAccessibleName(d ? streetText(*d, step) : QString());
        update();
    }
    // The table's images are at its scale already: only the places grow.
    void setScale(qreal scale) {
        scale_ = scale;
        setMinimumSize(px(kNameWidth + kHandCards * kStep + 12), px(kSeats * kRow + 8));
        update();
    }

  protected:
    void paintEvent(QPaintEvent*) override {
        QPainter p(this);
        p.fillRect(rect(), QColor(0x0b, 0x5e, 0x2a));
        if (!deal_) return;
        p.setRenderHint(QPainter::SmoothPixmapTransform);
        p.setPen(Qt::white);
        const int back = kFirstCardBack;
        for (SeatId s : kAllSeats) {
            const int top = 4 + s * kRow;
            const QRect name(px(6), px(top), px(kNameWidth - 8), px(kRow - 8));
            const SeatRecord& r = deal_->seats[s];
            QString line = TableSpeech::seatName(s);
            if (step_ >= deal_->streets() && r.won > 0) line += QStringLiteral("\n+%1").arg(r.won);
            p.drawText(name, Qt::AlignVCenter | Qt::AlignLeft | Qt::TextWordWrap, line);
            const Held h = held(*deal_, s, step_);
            for (int i = 0; i < h.count; ++i) {
                const int image = h.face[i] ? r.cards[i].image() : back;
                const QRectF target(px(kNameWidth + i * kStep), px(top), scale_ * kCardW,
                                    scale_ * kCardH);
                p.drawImage(target, images_.strip(ImageSet::cards),
                            images_.sourceRect(ImageSet::cards, image));
            }
        }
    }

  private:
    int px(int length) const { return qRound(length * scale_); }

    static constexpr int kCardW = kCardWidth * 2 / 3, kCardH = kCardHeight * 2 / 3;
    static constexpr int kStep = kCardW + 4, kRow = kCardH + 6, kNameWidth = 120;
    const ImageSets& images_;
    const DealRecord* deal_ = nullptr;
    int step_ = 0;
    qreal scale_ = 1;
};

// ---- the history window ------------------------------------------------------

HistoryWindow::HistoryWindow(HistoryStore& store, const ImageSets& images, QWidget* parent)
    : QDialog(parent), store_(store) {
    setWindowTitle(tr_("History"));
    setAccessibleName(tr_("History"));
    model_ = new DealListModel(this);
    list_ = new QListView(this);
    list_->setModel(model_);
    list_->setUniformItemSizes(true);
    list_->setAccessibleName(tr_("Deals, newest first"));
    list_->setMinimumWidth(340);
    count_ = new QLabel(this);
    heading_ = new QLabel(this);
    heading_->setWordWrap(true);
    view_ = new DealView(images, this);
    moves_ = new QListWidget(this);
    moves_->setAccessibleName(tr_("The street, move by move"));
    moves_->setMinimumHeight(zoom_.px(150));
    moves_->setWordWrap(true);
    moves_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    start_ = new QPushButton(tr_("&Start"), this);
    previous_ = new QPushButton(tr_("&Previous street"), this);
    next_ = new QPushButton(tr_("&Next street"), this);
    end_ = new QPushButton(tr_("&End"), this);
    copy_ = new QPushButton(tr_("&Copy"), this);
    statistics_ = new QPushButton(tr_("S&tatistics"), this);
    auto* close = new QPushButton(tr_("Close"), this);
    for (QPushButton* b : {start_, previous_, next_, end_, copy_, statistics_, close}) {
        b->setAutoDefault(false);
        roomy(b);
    }

    auto* left = new QVBoxLayout;
    left->addWidget(count_);
    left->addWidget(list_, 1);
    auto* steps = new QHBoxLayout;
    for (QPushButton* b : {start_, previous_, next_, end_}) steps->addWidget(b);
    auto* right = new QVBoxLayout;
    right->addWidget(heading_);
    right->addWidget(view_);
    right->addWidget(moves_, 1);
    right->addLayout(steps);
    auto* bottom = new QHBoxLayout;
    bottom->addWidget(statistics_);
    bottom->addStretch();
    bottom->addWidget(copy_);
    bottom->addWidget(close);
    right->addLayout(bottom);
    auto* all = new QHBoxLayout(this);
    all->addLayout(left);
    all->addLayout(right, 1);
    // Never smaller than what its captions need, in any language.
    all->setSizeConstraint(QLayout::SetMinimumSize);
    margins_ = all->contentsMargins();
    spacing_ = all->spacing();

    connect(list_->selectionModel(), &QItemSelectionModel::currentChanged, this,
            [this](const QModelIndex& now) { choose(now.row()); });
    connect(start_, &QPushButton::clicked, this, [this] { showStep(0); });
    connect(previous_, &QPushButton::clicked, this, [this] { showStep(step_ - 1); });
    connect(next_, &QPushButton::clicked, this, [this] { showStep(step_ + 1); });
    connect(end_, &QPushButton::clicked, this, [this] { showStep(deal_ ? deal_->streets() : 0); });
    connect(copy_, &QPushButton::clicked, this, &HistoryWindow::copy);
    connect(statistics_, &QPushButton::clicked, this, &HistoryWindow::statisticsAsked);
    connect(close, &QPushButton::clicked, this, &QDialog::close);
    reload();
}

HistoryWindow::~HistoryWindow() = default;

void HistoryWindow::reload() {
    const std::int64_t keep = deal_ ? deal_->number : 0;
    model_->set(store_.deals());
    count_->setText(tr_("Deals kept: %1").arg(model_->rowCount()));
    fitList();
    int row = 0;
    for (int i = 0; i < model_->rowCount(); ++i)
        if (model_->at(i)->number == keep) row = i;
    if (model_->rowCount() > 0) {
        list_->setCurrentIndex(model_->index(row));
    } else {
        choose(-1);
    }
}

void HistoryWindow::fitList() {
    // Wide enough for the widest line: nothing in the list is cut short.
    const QFontMetrics fm(list_->font());
    const int widest = model_->widest(fm);
    list_->setMinimumWidth(std::max(
        zoom_.px(340), widest + zoom_.px(16) + list_->verticalScrollBar()->sizeHint().width() +
                           2 * list_->frameWidth()));
}

QSize HistoryWindow::layOut(qreal scale) {
    zoom_.set(scale);
    layout()->setContentsMargins(zoom_.px(margins_.left()), zoom_.px(margins_.top()),
                                 zoom_.px(margins_.right()), zoom_.px(margins_.bottom()));
    layout()->setSpacing(zoom_.px(spacing_));
    for (QPushButton* b : findChildren<QPushButton*>()) roomy(b, zoom_.px(24));
    view_->setScale(zoom_.scale());
    moves_->setMinimumHeight(zoom_.px(150));
    fitList();
    layout()->activate();
    return layout()->minimumSize();
}

void HistoryWindow::setScale(qreal scale) {
    const qreal before = zoom_.scale();
    if (scale == before) return;
    zoom_.fit(scale, [this](qreal s) { return layOut(s); });
    zoom_.resize(before);
}

void HistoryWindow::choose(int row) {
    const DealSummary* s = model_->at(row);
    deal_ = s ? store_.deal(s->number) : std::nullopt;
    showStep(deal_ ? deal_->streets() : 0);
}

void HistoryWindow::showStep(int step) {
    const int last = deal_ ? deal_->streets() : 0;
    step_ = std::clamp(step, 0, last);
    view_->set(current(), step_);
    moves_->clear();
    if (deal_) {
        heading_->setText(step_ < last
                              ? tr_("Deal %1: street %2 of %3, pot %4")
                                    .arg(deal_->number)
                                    .arg(step_ + 1)
                                    .arg(last)
                                    .arg(deal_->pots[step_])
                              : tr_("Deal %1: the end, pot %2").arg(deal_->number).arg(deal_->pot));
        for (const QString& line : streetText(*deal_, step_).split(QLatin1Char('\n')))
            moves_->addItem(line);
    } else {
        heading_->setText(tr_("No deal recorded yet."));
    }
    heading_->setAccessibleName(heading_->text());
    start_->setEnabled(deal_ && step_ > 0);
    previous_->setEnabled(deal_ && step_ > 0);
    next_->setEnabled(deal_ && step_ < last);
    end_->setEnabled(deal_ && step_ < last);
    copy_->setEnabled(deal_.has_value());
}

void HistoryWindow::copy() {
    if (deal_) QApplication::clipboard()->setText(dealText(*deal_));
}

// Left and Right step through the streets, Home and End jump, wherever the
// focus is but in the list, whose own keys choose the deal.
void HistoryWindow::keyPressEvent(QKeyEvent* e) {
    switch (e->key()) {
    case Qt::Key_Right:
        showStep(step_ + 1);
        return;
    case Qt::Key_Left:
        showStep(step_ - 1);
        return;
    default:
        QDialog::keyPressEvent(e);
    }
}

// ---- the statistics window ---------------------------------------------------

StatisticsWindow::StatisticsWindow(HistoryStore& store, QWidget* parent)
    : QDialog(parent), store_(store) {
    setWindowTitle(tr_("Statistics"));
    setAccessibleName(tr_("Statistics"));
    figures_ = new QLabel(this);
    figures_->setTextInteractionFlags(Qt::TextSelectableByKeyboard | Qt::TextSelectableByMouse);
    figures_->setFocusPolicy(Qt::StrongFocus);
    auto* reset = new QPushButton(tr_("&Reset"), this);
    auto* close = new QPushButton(tr_("Close"), this);
    reset->setAutoDefault(false);
    roomy(reset);
    roomy(close);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(reset);
    buttons->addStretch();
    buttons->addWidget(close);
    auto* all = new QVBoxLayout(this);
    all->addWidget(figures_);
    all->addLayout(buttons);
    all->setSizeConstraint(QLayout::SetFixedSize);
    margins_ = all->contentsMargins();
    spacing_ = all->spacing();
    connect(reset, &QPushButton::clicked, this, &StatisticsWindow::resetAsked);
    connect(close, &QPushButton::clicked, this, &QDialog::close);
    reload();
}

void StatisticsWindow::reload() {
    const Statistics s = store_.statistics();
    QStringList lines;
    for (const LevelMatches& m : s.matches)
        lines << tr_("Matches at %1: %2 played, %3 won, %4 lost, %5 given up")
                     .arg(levelName(m.level))
                     .arg(m.played)
                     .arg(m.won)
                     .arg(m.lost)
                     .arg(m.abandoned);
    if (s.matches.empty()) lines << tr_("No match recorded yet.");
    lines << tr_("Deals played: %1").arg(s.deals);
    lines << tr_("Deals won: %1 (at a showdown %2, when all others folded %3)")
                 .arg(s.won)
                 .arg(s.wonshowdown)
                 .arg(s.wonfolded);
    const int percent =
        s.deals ? static_cast<int>((100 * s.firstfolds + s.deals / 2) / s.deals) : 0;
    lines << tr_("Folded on the first street: %1 (%2 %)").arg(s.firstfolds).arg(percent);
    lines << tr_("Biggest pot won: %1").arg(s.biggestpot);
    if (s.bestscore > 0) {
        QStringList cards;
        for (const Card c : s.bestcards) cards << TableSpeech::cardName(c.image());
        lines << tr_("Best hand: %1 (%2)").arg(gameText(s.besthand), when(s.besttime));
        lines << QStringLiteral("    ") + cards.join(QStringLiteral(", "));
    } else {
        lines << tr_("Best hand: none shown yet");
    }
    lines << tr_("Net result over all deals: %1").arg(amount(s.net));
    lines << tr_("Longest run of deals won: %1").arg(s.longest);
    figures_->setText(lines.join(QLatin1Char('\n')));
    figures_->setAccessibleName(figures_->text());
}

QSize StatisticsWindow::layOut(qreal scale) {
    zoom_.set(scale);
    layout()->setContentsMargins(zoom_.px(margins_.left()), zoom_.px(margins_.top()),
                                 zoom_.px(margins_.right()), zoom_.px(margins_.bottom()));
    layout()->setSpacing(zoom_.px(spacing_));
    for (QPushButton* b : findChildren<QPushButton*>()) roomy(b, zoom_.px(24));
    layout()->activate();
    return sizeHint();
}

void StatisticsWindow::setScale(qreal scale) {
    if (scale != zoom_.scale()) zoom_.fit(scale, [this](qreal s) { return layOut(s); });
}

void StatisticsWindow::resetAsked() {
    if (QMessageBox::question(this, tr_("Reset"),
                              tr_("Clear the whole history and every statistic?")) !=
        QMessageBox::Yes)
        return;
    store_.reset();
    reload();
    emit wasReset();
}

} // namespace stud
