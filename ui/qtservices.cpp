#include "ui/qtservices.h"

#include "table/rules.h"
#include "ui/language.h"
#include "ui/messagewidth.h"
#include "ui/optionspanel.h"
#include "ui/soundplayer.h"
#include "ui/zoom.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QMessageBox>
#include <QObject>
#include <QPainter>
#include <QPushButton>
#include <QRegion>
#include <QTimer>
#include <QWidget>
#include <QtEndian>
#include <QtMath>

#include <sys/stat.h>

#include <algorithm>
#include <chrono>

namespace stud {

namespace {

// The three animation timers start stopped at their first intervals; the
// game's start-up sets them going.
constexpr std::array<int, 3> kTimerStart{kRandomwinkMs, kBlinkMs, kWinMs};

// "kaveltable.bmp" -> "kaveltable@2x.bmp", and at four times the size
// "kaveltable@4x.png": a bitmap that large would weigh some 30 MB.
QString scaledName(const QString& file, int scale) {
    if (scale == 1) return file;
    const int dot = file.lastIndexOf(QLatin1Char('.'));
    const QString base = dot <= 0 ? file : file.left(dot);
    const QString suffix = scale == 4 ? QStringLiteral(".png")
                           : dot <= 0 ? QString()
                                      : file.mid(dot);
    return base + QStringLiteral("@%1x").arg(scale) + suffix;
}

// A table file's place in QtServices::decoded_.
int slotOf(int scale) {
    return scale == 4 ? 2 : scale == 2 ? 1 : 0;
}

// What tells one version of a file from another: its path, inode, size and
// time of change; empty when there is no such file.
QString fileKey(const QString& path) {
    struct stat st {};
    if (::stat(QFile::encodeName(path).constData(), &st) != 0) return {};
    return QStringLiteral("%1|%2|%3|%4.%5")
        .arg(path)
        .arg(qulonglong(st.st_ino))
        .arg(qlonglong(st.st_size))
        .arg(qlonglong(st.st_mtim.tv_sec))
        .arg(qlonglong(st.st_mtim.tv_nsec));
}

// Qt's reader takes a Windows bitmap cut short for a whole one and leaves the
// missing rows black: for the player that is a table that cannot be read, so
// it must beep like one. An uncompressed bitmap's header tells how long its
// pixels are; other kinds are left to the reader.
bool cutShortBitmap(const QString& path) {
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly)) return false;
    char h[34];
    if (f.read(h, sizeof h) != qint64{sizeof h} || h[0] != 'B' || h[1] != 'M') return false;
    const auto u32 = [&h](int at) { return qFromLittleEndian<quint32>(h + at); };
    const auto i32 = [&h](int at) { return qFromLittleEndian<qint32>(h + at); };
    const quint16 bitsPerPixel = qFromLittleEndian<quint16>(h + 28);
    const quint32 compression = u32(30); // 0: plain rows, 3: rows with colour masks
    if (u32(14) < 40 || (compression != 0 && compression != 3)) return false;
    const qint64 rowBytes = (qint64{i32(18)} * bitsPerPixel + 31) / 32 * 4;
    const qint64 rows = qAbs(qint64{i32(22)});
    return f.size() < qint64{u32(10)} + rowBytes * rows;
}

bool loadBitmap(QImage& image, const QString& path) {
    if (cutShortBitmap(path)) {
        image = QImage();
        return false;
    }
    return image.load(path);
}

// A table file as the canvas tiles it, or a null image when it cannot be
// read. Safe on any thread: the four-times table is decoded on its own.
// (Qt's PNG reader refuses a file cut short, as a bitmap's is refused above.)
QImage decodeTable(const QString& path) {
    QImage loaded;
    if (!loadBitmap(loaded, path)) return {};
    // Marked before anything shares it: on a shared image the mark would
    // copy it (the four-times table is 40 MB).
    loaded.setDevicePixelRatio(1); // the reader marks "@2x" files; we tile device pixels
    if (loaded.format() == QImage::Format_RGB32) return loaded;
    return loaded.convertToFormat(QImage::Format_RGB32);
}

} // namespace

QtServices::QtServices(QWidget* surface, int scale)
    : surface_(surface), scale_(scale == 2 ? 2 : 1), images_(scale_),
      canvas_(kWidth * scale_, kHeight * scale_, QImage::Format_RGB32) {
    canvas_.fill(Qt::black);
    for (int i = 0; i < 3; ++i) {
        auto* t = new QTimer(surface_);
        t->setTimerType(Qt::PreciseTimer);
        t->setInterval(kTimerStart[i]);
        QObject::connect(t, &QTimer::timeout, surface_, [this, i] {
            if (tickHandlers_[i]) tickHandlers_[i]();
        });
        timers_[i] = t;
    }
    sound_ = new SoundPlayer([this] { beep(); }, surface_);
    QStringList files;
    for (const char* f : kSoundFiles) files << QString::fromLatin1(f);
    sound_->preload(files);
}

QtServices::~QtServices() {
    // The timers belong to the window, which outlives us by a moment.
    for (QTimer* t : timers_) {
        t->stop();
        t->disconnect();
    }
    // A table still being decoded is waited for; its result, posted to
    // decodedTo_, goes with it.
    if (decoder_.joinable()) decoder_.join();
    decodedTo_.reset();
}

void QtServices::addLabel(Control c, QLabel* label) {
    labels_[c] = label;
}

void QtServices::addButton(Control c, QAbstractButton* button) {
    buttons_[c] = button;
}

void QtServices::setTimerHandler(Timer t, std::function<void()> handler) {
    tickHandlers_[static_cast<int>(t)] = std::move(handler);
}

QLabel* QtServices::label(Control c) const {
    auto it = labels_.find(c);
    return it == labels_.end() ? nullptr : it->second;
}

QAbstractButton* QtServices::button(Control c) const {
    auto it = buttons_.find(c);
    return it == buttons_.end() ? nullptr : it->second;
}

bool QtServices::panelHas(Control c) const {
    return panel_ && panel_->handles(c);
}

QWidget* QtServices::widget(Control c) const {
    if (c == Control::Panel1) return panel_;
    if (QLabel* l = label(c)) return l;
    if (QAbstractButton* b = button(c)) return b;
    if (panelHas(c)) return panel_->control(c);
    return nullptr;
}

// ---- texts and states -------------------------------------------------------

void QtServices::setText(Control c, const std::string& text) {
    // The game's own text is kept to be read back as it was set; the window
    // shows its translation.
    const bool typed = c == Control::money || c == Control::until;
    if (!typed) texts_[c] = text;
    const QString s = typed ? QString::fromStdString(text) : gameText(text);
    if (panelHas(c)) {
        panel_->setText(c, s);
    } else if (QLabel* l = label(c)) {
        l->setText(s);
        l->adjustSize(); // labels size themselves to their text
        // A screen reader hears what the label is about, then its value.
        const QString about = l->accessibleDescription();
        const QString name =
            about.isEmpty() ? s : QCoreApplication::translate("QtServices", "%1: %2").arg(about, s);
        // The game sets many labels again to the same value; a screen reader
        // hears only of real changes.
        if (l->accessibleName() != name) l->setAccessibleName(name);
    } else if (QAbstractButton* b = button(c)) {
        b->setText(s);
        b->setAccessibleName(QString(s).remove(QLatin1Char('&')));
    }
}

std::string QtServices::text(Control c) const {
    if (auto it = texts_.find(c); it != texts_.end()) return it->second;
    if (panelHas(c)) return panel_->text(c).toStdString();
    if (QLabel* l = label(c)) return l->text().toStdString();
    if (QAbstractButton* b = button(c)) return b->text().toStdString();
    return {};
}

void QtServices::setTextColor(Control c, TextColor color) {
    QLabel* l = label(c);
    if (!l) return;
    QPalette pal = l->palette();
    pal.setColor(QPalette::WindowText,
                 color == TextColor::Yellow ? QColor(255, 255, 0) : QColor(255, 255, 255));
    l->setPalette(pal);
}

void QtServices::setEnabled(Control c, bool on) {
    if (QWidget* w = widget(c)) w->setEnabled(on);
}

bool QtServices::isEnabled(Control c) const {
    QWidget* w = widget(c);
    return w && w->isEnabled();
}

void QtServices::setVisible(Control c, bool on) {
    if (QWidget* w = widget(c)) w->setVisible(on);
}

bool QtServices::isVisible(Control c) const {
    // Asked of the control itself, not of the window: the game may ask before
    // the window is first shown.
    QWidget* w = widget(c);
    return w && !w->isHidden();
}

void QtServices::selectItem(Control group, int item) {
    if (panelHas(group)) panel_->selectItem(group, item);
}

int QtServices::selectedItem(Control group) const {
    return panelHas(group) ? panel_->selectedItem(group) : 0;
}

void QtServices::setPosition(Control updown, int position) {
    if (panelHas(updown)) panel_->setPosition(updown, position);
}

int QtServices::position(Control updown) const {
    return panelHas(updown) ? panel_->position(updown) : 1;
}

// ---- message boxes ------------------------------------------------------------

Answer QtServices::ask(const MessageRequest& r) {
    if (beforeAsk_) beforeAsk_();
    if (answerer_) return answerer_(r);
    // The box shows at the table's zoom, as the table's own texts do.
    ZoomedMessageBox box(surface_, zoomOf(surface_));
    box.setWindowTitle(r.caption);
    box.setText(r.text);
    box.setTextFormat(Qt::PlainText);
    box.setIcon(r.kind == MessageRequest::Kind::Error ? QMessageBox::Critical
                                                      : QMessageBox::NoIcon);
    if (r.buttons == Buttons::YesNo) {
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
        box.setDefaultButton(QMessageBox::Yes);
        box.setEscapeButton(QMessageBox::No);
    } else {
        box.setStandardButtons(QMessageBox::Ok);
    }
    fitTitle(box);
    box.exec();
    switch (box.standardButton(box.clickedButton())) {
    case QMessageBox::Yes:
        return Answer::Yes;
    case QMessageBox::No:
        return Answer::No;
    case QMessageBox::Ok:
        return Answer::Ok;
    default:
        return Answer::Other;
    }
}

Answer QtServices::messageBox(const std::string& text, const std::string& caption,
                              Buttons buttons) {
    return ask({gameText(text), gameText(caption), buttons, MessageRequest::Kind::Message});
}

void QtServices::showMessage(const std::string& text) {
    ask({gameText(text), QCoreApplication::translate("QtServices", "Seven Stud"), Buttons::Ok,
         MessageRequest::Kind::Message});
}

void QtServices::showError(const QString& text) {
    ask({text, QCoreApplication::translate("QtServices", "Seven Stud"), Buttons::Ok,
         MessageRequest::Kind::Error});
}

// ---- timers ---------------------------------------------------------------------

void QtServices::setTimerEnabled(Timer t, bool on) {
    QTimer* timer = timers_[static_cast<int>(t)];
    // Enabling a running timer does not restart its count.
    if (on && !timer->isActive()) timer->start();
    if (!on) timer->stop();
}

bool QtServices::isTimerEnabled(Timer t) const {
    return timers_[static_cast<int>(t)]->isActive();
}

void QtServices::setTimerInterval(Timer t, int ms) {
    QTimer* timer = timers_[static_cast<int>(t)];
    // A new interval restarts the count of a running timer; the same one
    // changes nothing.
    if (timer->interval() != ms) timer->setInterval(ms);
}

int QtServices::timerInterval(Timer t) const {
    return timers_[static_cast<int>(t)]->interval();
}

// ---- drawing -------------------------------------------------------------------

void QtServices::touched(int left, int top, int width, int height) {
    surface_->update(toWidget(QRect(left, top, width, height)));
}

QRect QtServices::toWidget(const QRect& window) const {
    if (view_ == 1) return window.translated(offset_);
    return QRectF(window.x() * view_ + offset_.x(), window.y() * view_ + offset_.y(),
                  window.width() * view_, window.height() * view_)
        .toAlignedRect();
}

QRect QtServices::device(const QRect& window) const {
    const int left = device(window.left()), top = device(window.top());
    return {left, top, device(window.left() + window.width()) - left,
            device(window.top() + window.height()) - top};
}

bool QtServices::selectBrush(const std::string& file) {
    // The file is looked at on every call, as the game asks; it is decoded
    // (and scaled) again only when it is another file than last time, so a
    // redraw of a large table costs no more than its drawing.
    brushFile_ = QString::fromStdString(file);
    return chooseBrush();
}

bool QtServices::chooseBrush() {
    if (brushFile_.isEmpty()) return false;
    const QDir here = QDir::current();
    // A canvas finer than the window's pixels takes the table drawn at twice
    // or four times the size, the finest up to its resolution; each is shrunk
    // or enlarged to the resolution. A file missing or unreadable gives way to
    // the next smaller one.
    const qreal r = resolution();
    const int finest = r > 2 ? 4 : r > 1 ? 2 : 1;
    QString finerPath, finerKey; // the four-times file, not yet decoded
    const auto use = [this](const Decoded& d, int scale) {
        if (d.key != brushKey_ || brushSource_.isNull()) {
            brushSource_ = d.image;
            brushScale_ = scale;
            brushKey_ = d.key;
            brush_ = QImage();
        }
        if (brush_.isNull()) scaleBrush();
        // The four-times table (40 MB) is let go once shrunk: a full screen
        // keeps only the table it shows, and another size above twice
        // decodes it again aside, the two-times one shown meanwhile.
        if (scale == 4 && resolution() != 4 && !brush_.isNull()) {
            brushSource_ = QImage();
            decoded_[slotOf(4)] = {};
        }
    };
    for (int scale = finest; scale >= 1; scale /= 2) {
        const QString path = here.absoluteFilePath(scaledName(brushFile_, scale));
        const QString key = fileKey(path);
        if (key.isEmpty()) continue;
        // The table of this resolution is made from this very file already.
        if (key == brushKey_ && !brush_.isNull()) {
            if (!finerKey.isEmpty()) decodeFinerTable(finerPath, finerKey);
            return true;
        }
        Decoded& d = decoded_[slotOf(scale)];
        if (d.key != key) {
            // Before the first frame there is nothing to show meanwhile.
            if (scale == 4 && surface_->isVisible()) {
                finerPath = path;
                finerKey = key;
                continue;
            }
            d = {key, decodeTable(path)};
        }
        if (d.image.isNull()) continue;
        if (!finerKey.isEmpty()) decodeFinerTable(finerPath, finerKey);
        use(d, scale);
        return true;
    }
    if (finerKey.isEmpty()) return false;
    // Nothing smaller to show meanwhile: this one, now.
    Decoded& d = decoded_[slotOf(4)];
    d = {finerKey, decodeTable(finerPath)};
    if (d.image.isNull()) return false;
    use(d, 4);
    return true;
}

void QtServices::decodeFinerTable(const QString& path, const QString& key) {
    // One at a time: once it is done, the file is looked at again.
    if (decoding_) return;
    if (decoder_.joinable()) decoder_.join();
    if (!decodedTo_) decodedTo_ = std::make_unique<QObject>();
    decoding_ = true;
    QObject* to = decodedTo_.get();
    decoder_ = std::thread([this, to, path, key] {
        const QImage image = decodeTable(path);
        QMetaObject::invokeMethod(
            to, [this, key, image] { finerTableDecoded(key, image); }, Qt::QueuedConnection);
    });
}

void QtServices::finerTableDecoded(const QString& key, const QImage& image) {
    decoding_ = false;
    if (decoder_.joinable()) decoder_.join();
    decoded_[slotOf(4)] = {key, image};
    // Drawn again at once if the canvas still wants it; rebuilding takes it
    // if it is still the file there, and otherwise decodes the new one.
    if (image.isNull() || resolution() <= 2 || key == brushKey_) return;
    rebuildCanvas();
}

void QtServices::scaleBrush() {
    if (brushSource_.isNull()) return;
    const qreal factor = resolution() / brushScale_;
    if (factor == 1) {
        brush_ = brushSource_;
        return;
    }
    const QSize size(qRound(brushSource_.width() * factor), qRound(brushSource_.height() * factor));
    brush_ = brushSource_.scaled(size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
}

void QtServices::paintStep(const Step& step) {
    switch (step.kind) {
    case Step::Kind::Fill: {
        QPainter p(&canvas_);
        // The pattern tiles from the window origin, so any wiped area matches
        // the table around it.
        if (step.black || brush_.isNull())
            p.fillRect(device(step.rect), Qt::black);
        else
            p.fillRect(device(step.rect), QBrush(brush_));
        break;
    }
    case Step::Kind::Image: {
        QPainter p(&canvas_);
        p.setCompositionMode(QPainter::CompositionMode_Source);
        p.drawImage(QPoint(device(step.rect.left()), device(step.rect.top())),
                    images_.strip(step.set), images_.sourceRect(step.set, step.index));
        break;
    }
    case Step::Kind::Pixel: {
        const QRgb colour = qRgb((step.rgb >> 16) & 0xff, (step.rgb >> 8) & 0xff, step.rgb & 0xff);
        const QRect d = device(step.rect) & canvas_.rect();
        for (int y = d.top(); y <= d.bottom(); ++y)
            for (int x = d.left(); x <= d.right(); ++x) canvas_.setPixel(x, y, colour);
        break;
    }
    }
}

void QtServices::remember(const Step& step) {
    Step kept = step;
    kept.rect &= QRect(0, 0, kWidth, kHeight);
    if (kept.rect.isEmpty()) return;
    // A corner pixel covers nothing worth a search; the card drawn at its
    // place next time covers it.
    if (kept.kind != Step::Kind::Pixel)
        std::erase_if(steps_, [&](const Step& s) { return kept.rect.contains(s.rect); });
    steps_.push_back(kept);
}

void QtServices::rebuildCanvas() {
    const qreal r = resolution();
    // The same size (a finer table arrived, another deck) is drawn over in
    // place: a full screen's canvas is 25 MB, and two at once add up.
    const QSize size(qCeil(kWidth * r - 1e-6), qCeil(kHeight * r - 1e-6));
    if (canvas_.size() != size) canvas_ = QImage();
    if (canvas_.isNull()) canvas_ = QImage(size, QImage::Format_RGB32);
    canvas_.fill(Qt::black);
    brush_ = QImage();
    // The table file made for the new resolution; should none be readable
    // now, the one shown before (the game beeps at its next paint).
    if (!chooseBrush()) scaleBrush();
    for (const Step& step : steps_) paintStep(step);
    surface_->update();
}

void QtServices::useImages(qreal resolution, ImageSets::Deck deck) {
    // The pictures of the size before are kept: going back is instant.
    ImageSets next = spare_ && spare_->resolution() == resolution && spare_->deck() == deck
                         ? *spare_
                         : ImageSets(resolution, deck);
    spare_ = images_;
    images_ = next;
}

void QtServices::setView(qreal view, QPoint offset) {
    if (view <= 0) view = 1;
    if (view == view_ && offset == offset_) return;
    const bool finer = view != view_;
    if (finer) useImages(scale_ * view, images_.deck());
    view_ = view;
    offset_ = offset;
    if (finer)
        rebuildCanvas();
    else
        surface_->update();
}

void QtServices::setDeck(ImageSets::Deck deck) {
    if (deck == images_.deck()) return;
    useImages(resolution(), deck);
    rebuildCanvas();
}

const QImage& QtServices::margin(int side, const QRect& area) const {
    // The table's outermost column (or row) on that side, drawn out over the
    // margin: made again only when the game has drawn over that edge or the
    // margin changed size, so a full screen costs a plain copy per frame.
    const int s = scale_;
    const int rows = canvas_.height() - s; // the last row is the window's black
    const QRect edge = side == 0   ? QRect(0, 0, 1, rows)
                       : side == 1 ? QRect(canvas_.width() - 1, 0, 1, rows)
                       : side == 2 ? QRect(0, 0, canvas_.width(), 1)
                                   : QRect(0, rows - 1, canvas_.width(), 1);
    Margin& m = margins_[static_cast<size_t>(side)];
    const QImage line = canvas_.copy(edge);
    if (m.image.isNull() || m.size != area.size() || m.line != line) {
        m.line = line;
        m.size = area.size();
        m.image = line.scaled(area.size() * s, Qt::IgnoreAspectRatio, Qt::FastTransformation);
        m.image.setDevicePixelRatio(s);
    }
    return m.image;
}

void QtServices::paintCanvas(QPainter& p, const QRect& r) const {
    const QRect table(offset_, QSize(qRound(kWidth * view_), qRound(kHeight * view_)));
    const int s = scale_;
    if (!table.contains(r)) {
        // A full screen's margins continue the dark room at the table's
        // edges, so the margin meets the table without a seam. Centred: the
        // margins on both sides are as wide (to a pixel).
        const QSize whole = surface_->size();
        const int right = table.left() + table.width(), bottom = table.top() + table.height();
        const std::array<QRect, 4> sides{
            QRect(0, table.top(), table.left(), table.height()),
            QRect(right, table.top(), whole.width() - right, table.height()),
            QRect(table.left(), 0, table.width(), table.top()),
            QRect(table.left(), bottom, table.width(), whole.height() - bottom)};
        for (int side = 0; side < 4; ++side) {
            const QRect& area = sides[static_cast<size_t>(side)];
            if (area.isEmpty() || !area.intersects(r)) continue;
            const QRect part = area & r;
            p.drawImage(part, margin(side, area),
                        QRect((part.topLeft() - area.topLeft()) * s, part.size() * s));
        }
        // The corners, where both margins meet (a pixel or two at most).
        const QRegion corners = QRegion(r) - table - sides[0] - sides[1] - sides[2] - sides[3];
        for (const QRect& c : corners) p.fillRect(c, QColor::fromRgb(canvas_.pixel(0, 0)));
    }
    const QRect in = r & table;
    if (in.isEmpty()) return;
    p.drawImage(QRectF(in), canvas_,
                QRectF((in.x() - offset_.x()) * s, (in.y() - offset_.y()) * s, in.width() * s,
                       in.height() * s));
}

void QtServices::fillRect(int left, int top, int right, int bottom) {
    if (right <= left || bottom <= top) return;
    const Step step{Step::Kind::Fill, QRect(left, top, right - left, bottom - top),
                    brush_.isNull()};
    paintStep(step);
    remember(step);
    touched(left, top, right - left, bottom - top);
}

void QtServices::drawImage(ImageSet set, int index, int left, int top) {
    if (index < 0 || index >= ImageSets::count(set)) return;
    const QSize sz = ImageSets::size(set);
    Step step{Step::Kind::Image, QRect(QPoint(left, top), sz)};
    step.set = set;
    step.index = index;
    paintStep(step);
    remember(step);
    touched(left, top, sz.width(), sz.height());
}

void QtServices::setPixel(int x, int y, std::uint32_t rgb) {
    if (x < 0 || y < 0 || x >= kWidth || y >= kHeight) return;
    Step step{Step::Kind::Pixel, QRect(x, y, 1, 1)};
    step.rgb = rgb;
    paintStep(step);
    remember(step);
    touched(x, y, 1, 1);
}

void QtServices::repaintWindow() {
    if (repainting_ || !repaint_) return;
    repainting_ = true;
    struct Reset {
        bool& flag;
        ~Reset() { flag = false; }
    } reset{repainting_};
    repaint_();
    surface_->update();
}

void QtServices::repaintControl(Control c) {
    if (QWidget* w = widget(c)) w->update();
}

// ---- sound, clock ------------------------------------------------------------------

void QtServices::playSound(const std::string& file) {
    sound_->play(QString::fromStdString(file));
}

void QtServices::beep() {
    ++beeps_;
    QApplication::beep();
}

std::uint64_t QtServices::currentTime() {
    return static_cast<std::uint64_t>(std::chrono::system_clock::now().time_since_epoch().count());
}

} // namespace stud
