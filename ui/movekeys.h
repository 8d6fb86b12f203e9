#pragma once

#include "table/services.h"

#include <QKeySequence>
#include <QObject>
#include <QString>

#include <functional>
#include <vector>

class QWidget;

namespace stud {

class GradientButton;

// One key per button of the table, so that a whole match can be played from
// the keyboard: in English C Call/Check, R Raise/Bet, F Fold, D Deal, N New
// Game, O Options. Each language's translation picks its own letters, ones
// that fit its captions; the captions themselves show no underline, so the
// table looks as it always has.
struct MoveKey {
    Control control;
    QKeySequence key;
    // The captions the button can show, in the player's language ("Call",
    // "Check"), for the keys' list.
    QStringList captions;
};

// The keys in the player's language. A translation whose letters are not
// one letter or digit each, or not all different, gives way to English as a
// whole, so that no two moves ever share a key.
std::vector<MoveKey> moveKeys();
// The same through `translate(context, text)`, for where no application and
// so no installed translation exists yet (the command line's help).
std::vector<MoveKey>
moveKeys(const std::function<QString(const char* context, const char* text)>& translate);

// Puts the moves on their keys on `window`. A key acts exactly as a click on
// its button (the same clicked signal, so the same handler and the same
// spoken report), and does nothing while that button is disabled, while a
// message box is open (another window has the keyboard) or while `panel`
// holds the focus.
class MoveKeys : public QObject {
    Q_OBJECT
  public:
    MoveKeys(QWidget* window, QWidget* panel, std::function<GradientButton*(Control)> button);

  private:
    void pressed(Control c);

    QWidget* panel_;
    std::function<GradientButton*(Control)> button_;
};

} // namespace stud
