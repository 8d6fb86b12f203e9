#pragma once

#include <QAbstractButton>
#include <QColor>
#include <QFont>
#include <QImage>
#include <QPointer>
#include <QSize>
#include <QString>
#include <QStringList>

namespace stud {

// Every command button of the game: a rounded, owner-drawn push button with a
// vertical gradient face. It lights up with an orange frame under the mouse and
// a blue one while it has the keyboard focus, looks sunken while held down and
// draws its caption embossed in grey when disabled. Beyond the usual push
// button it knows a Default (Enter) and a Cancel (Escape) role and a modal
// result that closes the dialog holding it.
//
// State kept true: `hot` means the pointer is over the button (or Space holds
// it down), `pressed` means the left mouse button or Space is held down on it;
// a press that is dragged off the button stays pressed but not hot, and only a
// release over the button clicks.
class GradientButton : public QAbstractButton {
    Q_OBJECT
  public:
    // Number of gradient bands: 8, 16 or 32; bqHigh also dithers the band borders.
    enum Quality { bqLow, bqMiddle, bqHigh };
    Q_ENUM(Quality)

    explicit GradientButton(const QString& caption = {}, QWidget* parent = nullptr);
    ~GradientButton() override;

    // Same as QAbstractButton::setText, and keeps the accessible name and the
    // Alt accelerator in step with the caption.
    void setText(const QString& caption);

    void setDefault(bool on);
    bool isDefault() const { return default_; }
    void setCancel(bool on);
    bool isCancel() const { return cancel_; }
    // Copied to the holding dialog on a click; a non-zero result closes it.
    void setModalResult(int result) { modalResult_ = result; }
    int modalResult() const { return modalResult_; }
    void setShowFocusRect(bool on);
    bool showFocusRect() const { return showFocusRect_; }
    // Whether "&" in the caption marks the accelerator (otherwise it is shown as is).
    void setShowAccelChar(bool on);
    bool showAccelChar() const { return showAccelChar_; }
    void setQuality(Quality quality);
    Quality quality() const { return quality_; }
    // Caption colour while enabled. The face is always light, so this does not
    // follow the (possibly dark) palette of the window; black unless set.
    void setFontColor(const QColor& color);
    QColor fontColor() const { return fontColor_; }
    // A caption too long for the button is set in a smaller font, down to
    // kSmallestFontPx (times the zoom), before it is cut short; off unless set.
    void setShrinkToFit(bool on);
    bool shrinkToFit() const { return shrinkToFit_; }
    static constexpr int kSmallestFontPx = 8;
    // The font the caption is drawn in: the button's own, or a smaller one.
    QFont captionFont() const;

    // A zoomed window shows the button `zoom` times its size: the border and
    // frames are drawn as the button's picture at its own size, enlarged,
    // while the caption is laid out in the (already enlarged) font. 1 unless set.
    void setZoom(qreal zoom);
    qreal zoom() const { return zoom_; }

    // Holds back repaints while several properties change; the last
    // endUpdate() repaints once. Calls nest.
    void beginUpdate();
    void endUpdate();

    bool isHot() const { return hot_; }
    bool isPressed() const { return pressed_; }
    // The focused control of this window is another GradientButton.
    bool isOtherFocused() const { return otherFocused_; }
    // Whether the face is drawn inside a hot or focus frame: held down but
    // dragged off, or hot or focused while not held; and always as the Default
    // button while no other of our buttons has the focus (`ignoreDefault` leaves
    // that last part out).
    bool IsSpecialDrawState(bool ignoreDefault = false) const;

    // The caption's lines as they are drawn at the current size and font:
    // wrapped, accelerator marks removed, the last visible line ending in "…"
    // when the caption does not fit.
    QStringList captionLines() const;

    // A top-to-bottom gradient of `bands` flat bands from `top` to `bottom`.
    // With `dither`, the first row of each band mixes in the band above.
    static QImage CreateGradientRect(QSize size, const QColor& top, const QColor& bottom, int bands,
                                     bool dither = false);
    static int bandCount(Quality quality);
    // Verdana 8 point bold (11 pixels), falling back to DejaVu Sans where
    // Verdana is not installed: the font of the table's command buttons.
    static QFont buttonFont();

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

  protected:
    bool event(QEvent* e) override;
    bool eventFilter(QObject* watched, QEvent* e) override;
    void paintEvent(QPaintEvent* e) override;
    void resizeEvent(QResizeEvent* e) override;
    void enterEvent(QEnterEvent* e) override;
    void leaveEvent(QEvent* e) override;
    void mousePressEvent(QMouseEvent* e) override;
    void mouseMoveEvent(QMouseEvent* e) override;
    void mouseReleaseEvent(QMouseEvent* e) override;
    void keyPressEvent(QKeyEvent* e) override;
    void keyReleaseEvent(QKeyEvent* e) override;
    void focusInEvent(QFocusEvent* e) override;
    void focusOutEvent(QFocusEvent* e) override;
    void changeEvent(QEvent* e) override;

  private:
    enum class PressSource { None, Mouse, Space };

    void rebuildImages();
    // The button's size at zoom 1, in which its picture is drawn.
    QSize pictureSize() const;
    void refresh();
    void setHot(bool on);
    void releasePress();
    void performClick();
    bool canTakeFocus() const;
    void syncCaption();
    void catchUpCaption();
    void watchHolders();
    void updateOtherFocused();
    QColor backgroundColor() const;

    // Face images, rebuilt on every resize.
    QImage face_;
    QImage pressedFace_;
    QImage hotFrame_;
    QImage focusFrame_;

    bool hot_ = false;
    bool pressed_ = false;
    PressSource pressSource_ = PressSource::None;
    bool mouseOver_ = false;
    bool otherFocused_ = false;

    bool default_ = false;
    bool cancel_ = false;
    int modalResult_ = 0;
    bool showFocusRect_ = true;
    bool showAccelChar_ = true;
    bool shrinkToFit_ = false;
    Quality quality_ = bqMiddle;
    QColor fontColor_{0, 0, 0};
    qreal zoom_ = 1;

    int updateLocks_ = 0;
    bool updatesWereEnabled_ = true;

    // The caption the accessible name and accelerator were last made from.
    QString syncedCaption_;
    // The window whose unhandled Enter and Escape we watch, and the parent
    // whose colour fills our corners.
    QPointer<QWidget> watchedWindow_;
    QPointer<QWidget> watchedParent_;
};

} // namespace stud
