#pragma once

#include "table/seattable.h"
#include "table/services.h"
#include "ui/imagesets.h"

#include <QImage>
#include <QPoint>
#include <QRect>
#include <QString>

#include <array>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <thread>
#include <vector>

class QAbstractButton;
class QLabel;
class QObject;
class QPainter;
class QTimer;
class QWidget;

namespace stud {

class OptionsPanel;
class SoundPlayer;
namespace testing {
class QtServicesSeam;
}

// A modal question or notice the game (or the error display) wants answered.
struct MessageRequest {
    enum class Kind { Message, Error };
    QString text;
    QString caption;
    Buttons buttons = Buttons::Ok;
    Kind kind = Kind::Message;
};
// Answers a message box instead of the user; tests install one (through
// tests/ui/servicesseam.h) so that no box ever waits for a click.
using MessageAnswerer = std::function<Answer(const MessageRequest&)>;

// The platform services of the game over Qt. The game draws onto a persistent
// canvas the size of the window's client area (at the screen's scale); the
// window's paint event only shows it, so a portrait the game has drawn stays
// until the game draws over it. Labels and buttons are child widgets that Qt
// composes over the canvas, registered here under their control names.
class QtServices final : public Services {
  public:
    static constexpr int kWidth = kTableWidth, kHeight = kTableHeight;

    // `surface` is the widget that shows the canvas; `scale` is 1, or 2 for
    // screens with a device pixel ratio of 2 (then the "@2x" pictures are used).
    QtServices(QWidget* surface, int scale);
    ~QtServices() override;

    void addLabel(Control c, QLabel* label);
    void addButton(Control c, QAbstractButton* button);
    void setPanel(OptionsPanel* panel) { panel_ = panel; }
    // What runs when the game asks for a repaint of the window (Game::redraw).
    void setRepaintHandler(std::function<void()> handler) { repaint_ = std::move(handler); }
    // What runs at each tick of a timer.
    void setTimerHandler(Timer t, std::function<void()> handler);
    // What runs just before a message box opens (the screen reader tells
    // what happened so far first).
    void setBeforeAsk(std::function<void()> f) { beforeAsk_ = std::move(f); }

    // The standard error display: a critical box with the error's text.
    void showError(const QString& text);

    const QImage& canvas() const { return canvas_; }
    int scale() const { return scale_; }

    // ---- zoom --------------------------------------------------------------
    // The game draws in window pixels of the 910 x 691 table; the widget shows
    // them `view` times larger, shifted by `offset` widget pixels (a full
    // screen centres the table). The canvas is kept at scale() x view device
    // pixels per window pixel, with the pictures drawn for that resolution,
    // and a change of either redraws what the game had drawn, sharp.
    void setView(qreal view, QPoint offset);
    qreal view() const { return view_; }
    QPoint offset() const { return offset_; }
    // The card pictures in use; a change redraws every card shown.
    void setDeck(ImageSets::Deck deck);
    ImageSets::Deck deck() const { return images_.deck(); }
    // Device pixels of the canvas per window pixel.
    qreal resolution() const { return scale_ * view_; }
    // Where a rectangle of window pixels lies in the widget.
    QRect toWidget(const QRect& window) const;
    // Shows the canvas in the part `r` of the widget (widget pixels); what
    // lies outside the table (a full screen's margins) gets the colour of the
    // table's dark surround.
    void paintCanvas(QPainter& p, const QRect& r) const;
    const ImageSets& images() const { return images_; }
    SoundPlayer& sound() { return *sound_; }
    QLabel* label(Control c) const;
    QAbstractButton* button(Control c) const;
    QWidget* widget(Control c) const; // a label, a button, or a panel control

    // ---- Services -------------------------------------------------------
    void setText(Control c, const std::string& text) override;
    std::string text(Control c) const override;
    void setTextColor(Control label, TextColor color) override;
    void setEnabled(Control c, bool on) override;
    bool isEnabled(Control c) const override;
    void setVisible(Control c, bool on) override;
    bool isVisible(Control c) const override;
    void selectItem(Control group, int item) override;
    int selectedItem(Control group) const override;
    void setPosition(Control updown, int position) override;
    int position(Control updown) const override;

    Answer messageBox(const std::string& text, const std::string& caption,
                      Buttons buttons) override;
    void showMessage(const std::string& text) override;

    void setTimerEnabled(Timer t, bool on) override;
    bool isTimerEnabled(Timer t) const override;
    void setTimerInterval(Timer t, int ms) override;
    int timerInterval(Timer t) const override;

    bool selectBrush(const std::string& file) override;
    void fillRect(int left, int top, int right, int bottom) override;
    void drawImage(ImageSet set, int index, int left, int top) override;
    void setPixel(int x, int y, std::uint32_t rgb) override;
    void repaintWindow() override;
    void repaintControl(Control c) override;

    void playSound(const std::string& file) override;
    void beep() override;

    std::uint64_t currentTime() override;

  private:
    friend class testing::QtServicesSeam;

    Answer ask(const MessageRequest& request);
    // Shows a changed window rectangle (window pixels) on screen.
    void touched(int left, int top, int width, int height);
    bool panelHas(Control c) const;
    // Window pixels to canvas pixels.
    int device(int windowPixel) const { return qRound(windowPixel * resolution()); }
    QRect device(const QRect& window) const;
    // The table bitmap at the canvas's resolution, made from brushSource_.
    void scaleBrush();
    // Takes the table file made for the canvas's resolution, or the next
    // smaller one, for brush_; false when none of them can be read.
    bool chooseBrush();
    // The four-times table is decoded on a thread of its own (it takes a few
    // hundred milliseconds); meanwhile the next smaller one is shown.
    void decodeFinerTable(const QString& path, const QString& key);
    void finerTableDecoded(const QString& key, const QImage& image);
    // What the game has drawn, kept so that the canvas can be drawn again at
    // another resolution without the game: each step covers a rectangle of
    // window pixels opaquely, so a step whose rectangle a later one covers
    // is forgotten, and the list stays as short as the table is busy.
    struct Step {
        enum class Kind { Fill, Image, Pixel } kind;
        QRect rect;         // window pixels
        bool black = false; // a fill with no table bitmap loaded
        ImageSet set = ImageSet::cards;
        int index = 0;
        std::uint32_t rgb = 0;
    };
    void remember(const Step& step);
    void paintStep(const Step& step);
    void rebuildCanvas();
    // The picture of a full screen's margin on `side` (left, right, top,
    // bottom) filling `area` (widget pixels).
    const QImage& margin(int side, const QRect& area) const;
    struct Margin {
        QImage line; // the canvas's edge it was made from
        QSize size;
        QImage image;
    };
    mutable std::array<Margin, 4> margins_;
    void useImages(qreal resolution, ImageSets::Deck deck);

    QWidget* surface_;
    int scale_;
    qreal view_ = 1;
    QPoint offset_;
    ImageSets images_;
    std::optional<ImageSets> spare_; // the pictures shown before the last change
    QImage canvas_;                  // device pixels: kWidth by kHeight times resolution()
    QImage brush_; // the tiled table bitmap, at the canvas's resolution; null before the first load
    QImage brushSource_; // the table bitmap as loaded (brushScale_ device pixels per window pixel)
    int brushScale_ = 1;
    QString brushKey_;  // the file brushSource_ was read from: path, size and time
    QString brushFile_; // the table file the game last named, "" before its first paint
    // Each table file as last decoded (at 1x, 2x, 4x), under the key of the
    // file it was read from; a null image for a file that cannot be read, so
    // that it is read again only once it changes.
    struct Decoded {
        QString key;
        QImage image;
    };
    std::array<Decoded, 3> decoded_;
    std::thread decoder_;
    bool decoding_ = false;              // decoder_ is at work
    std::unique_ptr<QObject> decodedTo_; // receives decoder_'s result in this thread
    std::vector<Step> steps_;
    std::map<Control, QLabel*> labels_;
    std::map<Control, std::string> texts_; // the game's own texts, as it set them
    std::map<Control, QAbstractButton*> buttons_;
    OptionsPanel* panel_ = nullptr;
    std::array<QTimer*, 3> timers_{};
    std::array<std::function<void()>, 3> tickHandlers_;
    std::function<void()> repaint_;
    bool repainting_ = false;
    MessageAnswerer answerer_;
    std::function<void()> beforeAsk_;
    SoundPlayer* sound_ = nullptr;
    int beeps_ = 0;
};

} // namespace stud
