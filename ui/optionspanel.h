#pragma once

#include "table/services.h"

#include <QFrame>
#include <QString>

#include <memory>

namespace stud {

// The options panel `Panel1`: a plain panel over the middle of the table with
// the cash, level, limits, card-back and sound controls. It holds no game
// state: QtServices answers the Services calls for the panel's controls
// through it, and the table window forwards `activated` to the game's handlers.
class OptionsPanel : public QFrame {
    Q_OBJECT
  public:
    explicit OptionsPanel(QWidget* parent = nullptr);
    ~OptionsPanel() override;

    // The panel controls it answers for: money, until, enter, unenter, Levels,
    // background, Label1, Label3, Label4, UpDown1, SoundOff1, Close.
    bool handles(Control c) const;
    QWidget* control(Control c) const;

    void setText(Control c, const QString& text);
    QString text(Control c) const;
    void selectItem(Control group, int item);
    int selectedItem(Control group) const;
    void setPosition(Control updown, int position);
    int position(Control updown) const;

    // Gives the focus to the first control in the panel's tab order.
    void focusFirst();

  signals:
    // A control was used by the user: enter, unenter (their buttons), Levels,
    // background (an item chosen), UpDown1 (an arrow clicked, position already
    // moved within kMinLimit..kMaxLimit), SoundOff1, Close (the Ok button).
    void activated(stud::Control c);

  protected:
    void paintEvent(QPaintEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

  private:
    struct Parts;
    std::unique_ptr<Parts> parts_;
};

} // namespace stud
