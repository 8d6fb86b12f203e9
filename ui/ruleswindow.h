#pragma once

#include "cards/card.h"
#include "table/tablestate.h"
#include "ui/windowscale.h"

#include <QTimer>
#include <QWidget>

#include <array>
#include <cstdint>
#include <memory>
#include <optional>

class QTextBrowser;

namespace stud {
class ImageSets;
}

namespace stud {

// One hand the rankings show: its kind, the handscore range the evaluator
// gives that kind, and seven cards in dealing order.
struct ExampleHand {
    const char* kind; // "Straight flush" .. "High card", translated in "Rules"
    std::int32_t lowest, highest;
    Hand cards;
};

// Two hands whose order the rankings explain, as the evaluator has it: the
// first wins, or (tie) they share the pot.
struct HandPair {
    Hand first, second;
    bool tie;
};

// The kinds of hands, best first, each with the hand the rankings draw.
extern const std::array<ExampleHand, 9> kExampleHands;
// Where this game's order differs from the one players know elsewhere: a
// straight flush it does not find (shown as what it counts as), the
// comparisons of two flushes, two pairs and one pair.
extern const Hand kMissedStraightFlush;
extern const HandPair kEqualFlushes, kTwoPairsByKicker, kOnePairByKickers;

// The rules of this game and its hand rankings, in a window of its own that
// can stay open beside the table. Its text is built from the table's state
// each time it is shown or the limits change, so every amount in it is the
// one the table plays with now.
class RulesWindow : public QWidget {
    Q_OBJECT
  public:
    explicit RulesWindow(QWidget* owner = nullptr);
    ~RulesWindow() override;

    // Builds the text from `t` and brings the window to the front with the
    // keyboard in the text.
    void showFor(const TableState& t);
    // Builds the text afresh from `t`, keeping the place read.
    void refresh(const TableState& t);

    // The text and the card pictures at the table's scale (1 at 100 %); an
    // open window keeps its size and reading place in proportion.
    void setScale(qreal scale);
    qreal scale() const { return zoom_.scale(); }

    QTextBrowser* browser() const { return text_; }
    // The whole text as a screen reader gets it.
    QString plainText() const;

  protected:
    void keyPressEvent(QKeyEvent* event) override;

  private:
    QString html(const TableState& t);
    QString handPicture(int index, const Hand& cards);
    // The size the window first opens at, for the scale shown.
    QSize defaultSize() const;

    QTextBrowser* text_ = nullptr;
    WindowScale zoom_{this};
    int scale_ = 1;    // device pixels per window pixel: 1, or 2 on a dense screen
    qreal place_ = -1; // the reading place kept while the text is laid out anew
    QTimer placeTimer_;
    std::unique_ptr<ImageSets> images_; // the card pictures at scale_ times the zoom
    std::optional<TableState> state_;   // what the text was last built from
};

} // namespace stud
