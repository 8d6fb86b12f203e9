#include "ui/aboutbox.h"

#include "ui/accessibility.h"
#include "ui/fonts.h"
#include "ui/gradientbutton.h"
#include "ui/jpegdecoder.h"
#include "ui/language.h"
#include "ui/zoom.h"

#include <QCoreApplication>
#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QScreen>

#include <cstring>

namespace stud {

namespace {

constexpr int kWidth = 479, kHeight = 513;

QString tr_(const char* text) {
    return QCoreApplication::translate("AboutBox", text);
}

// What the scroll in the picture says, for those who cannot see it.
constexpr const char* kScrollText =
    "Seven Stud. Seven-card stud poker. Version 1.0.\n"
    "Bets are small in the first two rounds and big in the later rounds.\n"
    "Check: stay in without betting. Fold: give up the hand. "
    "Call: match the bet to stay in. Pot: the money bet in the deal.\n"
    "Game, pictures and sounds by the Seven Stud developers. Built with Qt and libjpeg.";

// `Image1`: the picture drawn unscaled from the top-left corner and clipped
// to the control; nothing at all when there is no picture.
class Picture final : public QWidget {
  public:
    explicit Picture(QWidget* parent) : QWidget(parent) {}

    void setImage(const QImage& image) {
        image_ = image;
        update();
    }
    bool hasImage() const { return !image_.isNull(); }

  protected:
    void paintEvent(QPaintEvent*) override {
        if (image_.isNull()) return;
        QPainter p(this);
        // A zoomed box shows the sharper picture shrunk to its size. The
        // place is given whole: drawn at a point, a picture of a ratio below
        // 1 (one smaller than the box's density) would not be enlarged.
        if (image_.devicePixelRatio() != devicePixelRatioF())
            p.setRenderHint(QPainter::SmoothPixmapTransform);
        p.drawImage(QRectF(QPointF(0, 0), image_.deviceIndependentSize()), image_);
    }

  private:
    QImage image_;
};

QImage decode(const QByteArray& jpeg) {
    DecodedImage d;
    if (!decodeJpeg(reinterpret_cast<const std::uint8_t*>(jpeg.constData()),
                    static_cast<std::size_t>(jpeg.size()), d))
        return {};
    QImage image(d.width, d.height, QImage::Format_RGB888);
    if (image.isNull()) return {};
    const std::size_t row = static_cast<std::size_t>(d.width) * 3;
    for (int y = 0; y < d.height; ++y)
        std::memcpy(image.scanLine(y), d.rgb.data() + row * static_cast<std::size_t>(y), row);
    // The painter's native format: no conversion at every paint.
    return image.convertToFormat(QImage::Format_RGB32);
}

QByteArray readResource(const QString& path) {
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly)) return {};
    return f.readAll();
}

} // namespace

AboutBox::AboutBox(QWidget* parent)
    : QDialog(parent, Qt::Tool | Qt::MSWindowsFixedSizeDialogHint | Qt::CustomizeWindowHint |
                          Qt::WindowTitleHint) {
    setWindowTitle(QString());
    setFixedSize(kWidth, kHeight);
    setFont(tahoma());
    setModal(true);
    installAccessibility();
    setAccessibleName(tr_("About Seven Stud"));

    image1_ = new Picture(this);
    image1_->setGeometry(8, 0, 465, 449);
    image1_->setAccessibleName(tr_("About picture"));
    image1_->setAccessibleDescription(
        tr_("A parchment scroll with the betting rules, a glossary and the credits"));
    // The scroll's words as text, lying over the picture without hiding it.
    auto* words = new SpokenLabel(this);
    words->setGeometry(image1_->geometry());
    words->say(tr_(kScrollText));

    auto* ok = new GradientButton(tr_("OK"), this);
    ok->setGeometry(200, 464, 73, 33);
    ok->setFont(verdana(11, true));
    ok->setShrinkToFit(true);
    ok->setModalResult(1);
    ok->setAccessibleName(tr_("OK"));
    // The button hands its modal result to the dialog; should the dialog
    // still be up after the click, close it the same way.
    connect(ok, &QAbstractButton::clicked, this, [this] {
        if (isVisible()) done(1);
    });

    loadBuiltInPicture();
}

bool AboutBox::pictureLoaded() const {
    return static_cast<Picture*>(image1_)->hasImage();
}

bool AboutBox::setPicture(const QByteArray& jpeg, qreal devicePixelRatio) {
    builtInRatio_ = 0;
    QImage image = decode(jpeg);
    if (!image.isNull()) image.setDevicePixelRatio(devicePixelRatio);
    static_cast<Picture*>(image1_)->setImage(image);
    return !image.isNull();
}

// The picture made for the box's density of pixels: the plain one up to 1,
// the double-size one up to 2, the four-times one above; each gives way to
// the next smaller one when it is missing or damaged.
void AboutBox::loadBuiltInPicture() {
    // A zoomed table zooms its About box too; the picture is then drawn at
    // the zoom times its size.
    const qreal zoom = zoomOf(this);
    const qreal density = devicePixelRatioF() * zoom;
    const int finest = density > 2 ? 4 : density > 1 ? 2 : 1;
    if (finest == builtInRatio_ && zoom == builtInZoom_) return;
    builtInZoom_ = zoom;
    for (int scale = finest; scale >= 1; scale /= 2) {
        if (setPicture(readResource(aboutPicture(currentLanguage(), scale)), scale / zoom)) {
            shownScale_ = scale;
            break;
        }
    }
    builtInRatio_ = finest;
}

int AboutBox::pictureScale() const {
    return builtInRatio_ != 0 && pictureLoaded() ? shownScale_ : 0;
}

void AboutBox::setVisible(bool visible) {
    if (visible && !isVisible()) centreOnOwner();
    QDialog::setVisible(visible);
}

void AboutBox::showEvent(QShowEvent* event) {
    // The screen may have changed since the picture was chosen.
    if (builtInRatio_ != 0) loadBuiltInPicture();
    QDialog::showEvent(event);
}

// Centred on the main window every time it is shown, kept on its screen.
void AboutBox::centreOnOwner() {
    const QWidget* owner = parentWidget() ? parentWidget()->window() : nullptr;
    QScreen* screen = owner ? owner->screen() : QGuiApplication::primaryScreen();
    QPoint centre;
    if (owner && owner->isVisible())
        centre = owner->mapToGlobal(owner->rect().center());
    else if (screen)
        centre = screen->availableGeometry().center();
    else
        return;
    QRect r(QPoint(0, 0), size());
    r.moveCenter(centre);
    if (screen) {
        const QRect avail = screen->availableGeometry();
        if (r.right() > avail.right()) r.moveRight(avail.right());
        if (r.bottom() > avail.bottom()) r.moveBottom(avail.bottom());
        if (r.left() < avail.left()) r.moveLeft(avail.left());
        if (r.top() < avail.top()) r.moveTop(avail.top());
    }
    setGeometry(r);
}

} // namespace stud
