#pragma once

// The hand history and the statistics, as the player reads them: the deals
// newest first, one deal replayed street by street with the table's own card
// images, and the figures the store computes from the stored deals. Every
// text goes through the "History" translation context.

#include "history/store.h"
#include "ui/windowscale.h"

#include <QDialog>
#include <QString>

#include <vector>

class QLabel;
class QListView;
class QListWidget;
class QPushButton;

namespace stud {

class ImageSets;
class DealListModel;
class DealView;

// A deal as plain text in the player's language: what "Copy" puts on the
// clipboard. Cards the table never showed stay hidden ("face down").
QString dealText(const DealRecord& d);
// One street of it (1 to d.streets()), or its end for d.streets() + 1.
QString streetText(const DealRecord& d, int step);

class HistoryWindow final : public QDialog {
    Q_OBJECT
  public:
    HistoryWindow(HistoryStore& store, const ImageSets& images, QWidget* parent = nullptr);
    ~HistoryWindow() override;

    // Reads the deals afresh (after a deal ended, or a reset).
    void reload();
    // The replay's step: 0 for the first street .. the deal's streets for its end.
    int step() const { return step_; }
    void showStep(int step);
    const DealRecord* current() const { return deal_ ? &*deal_ : nullptr; }
    QListView* list() const { return list_; }
    // The text and the replayed table at the table's scale (1 at 100 %), as
    // far as the window fits its screen.
    void setScale(qreal scale);
    qreal scale() const { return zoom_.scale(); }

  signals:
    void statisticsAsked();

  protected:
    void keyPressEvent(QKeyEvent* e) override;

  private:
    void choose(int row);
    void copy();
    // Lays the window out at `scale`; the least size it needs then.
    QSize layOut(qreal scale);
    void fitList();

    HistoryStore& store_;
    DealListModel* model_;
    QListView* list_;
    QLabel* count_;
    QLabel* heading_;
    DealView* view_;
    QListWidget* moves_;
    QPushButton *start_, *previous_, *next_, *end_, *copy_, *statistics_;
    std::optional<DealRecord> deal_;
    int step_ = 0;
    WindowScale zoom_{this};
    QMargins margins_; // the layout's at scale 1
    int spacing_ = 0;
};

class StatisticsWindow final : public QDialog {
    Q_OBJECT
  public:
    explicit StatisticsWindow(HistoryStore& store, QWidget* parent = nullptr);
    void reload();
    // Asks first; clears the history and the figures on Yes.
    void resetAsked();
    // The figures at the table's scale, as far as the window fits its screen.
    void setScale(qreal scale);

  signals:
    void wasReset();

  private:
    QSize layOut(qreal scale);

    HistoryStore& store_;
    QLabel* figures_;
    WindowScale zoom_{this};
    QMargins margins_; // the layout's at scale 1
    int spacing_ = 0;
};

} // namespace stud
