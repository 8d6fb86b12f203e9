#pragma once

#include <QAccessible>
#include <QLabel>
#include <QString>
#include <QWidget>

namespace stud {

// The screen-reader side of the window. Qt builds an accessible object for
// every widget; these helpers give some of them the role a screen reader
// expects, and add the few objects that carry only words: the hands and the
// spoken report of each click. None of them paints anything.

// Installs (once) the factory that honours setAccessibleRole and
// setAccessibleValueText. Call before the widgets are first asked about.
void installAccessibility();

// The role the widget is exposed with instead of its class's own.
void setAccessibleRole(QWidget* w, QAccessible::Role role);
// Exposes a slider as a spin box whose text is `text` ("Ante 2, small bet
// 4, big bet 8"): a screen reader reads that text on focus and on each step.
void setAccessibleValueText(QWidget* slider, const QString& text);

// Words without a picture: an accessible label that paints nothing, so the
// table looks exactly as it did; a screen reader's review reads its text.
class SpokenLabel final : public QLabel {
  public:
    explicit SpokenLabel(QWidget* parent);
    // Sets the text, which is also its accessible name; nothing is sent when
    // unchanged.
    void say(const QString& text);

  protected:
    void paintEvent(QPaintEvent*) override {}
};

// The table's announcer: an accessible notification that reappears with each
// new report. Orca speaks a notification when it becomes showing, one
// utterance per report; Qt 6.4 has no announcement call of its own.
class Announcer final : public QWidget {
  public:
    explicit Announcer(QWidget* parent);
    void announce(const QString& text);
    const QString& last() const { return last_; }
    int count() const { return count_; }

  protected:
    void paintEvent(QPaintEvent*) override {}

  private:
    QString last_;
    int count_ = 0;
};

} // namespace stud
