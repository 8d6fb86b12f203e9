#include "ui/soundplayer.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSoundEffect>
#include <QUrl>
#include <QtEndian>

namespace stud {

namespace {

// "RIFF", a length, "WAVE". The sound system never reports a file too short
// to hold that header, nor one cut short of the length its header gives (it
// waits for more data for ever, neither playing nor failing), so such a file
// is turned away here.
bool looksLikeWave(const QString& path) {
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly)) return false;
    const QByteArray head = f.read(12);
    if (head.size() != 12 || !head.startsWith("RIFF") || head.mid(8, 4) != "WAVE") return false;
    const quint32 riffLength = qFromLittleEndian<quint32>(head.constData() + 4);
    return f.size() >= qint64{riffLength} + 8;
}

} // namespace

SoundPlayer::SoundPlayer(std::function<void()> beep, QObject* parent)
    : QObject(parent), beep_(std::move(beep)) {}

SoundPlayer::~SoundPlayer() {
    for (auto& [name, e] : entries_) release(e);
}

void SoundPlayer::release(Entry& e) {
    for (QSoundEffect*& fx : e.effects) {
        if (!fx) continue;
        if (fx == playing_) playing_ = nullptr;
        fx->disconnect(this);
        fx->stop();
        fx->deleteLater();
        fx = nullptr;
    }
}

void SoundPlayer::load(Entry& e) {
    release(e);
    const QFileInfo fi(e.path);
    e.modified = fi.lastModified();
    e.bytes = fi.size();
    e.next = 0;
    e.wanted = false;
    e.wave = looksLikeWave(e.path);
    if (!e.wave) return;
    const QUrl url = QUrl::fromLocalFile(e.path);
    for (QSoundEffect*& fx : e.effects) {
        fx = new QSoundEffect(this);
        fx->setSource(url);
        // A file the sound system cannot decode is only reported here, after
        // the event loop has run; a play() that was waiting for it beeps.
        connect(fx, &QSoundEffect::statusChanged, this, [this, &e, fx] {
            if (fx->status() == QSoundEffect::Ready) {
                e.wanted = false;
            } else if (fx->status() == QSoundEffect::Error && e.wanted) {
                e.wanted = false;
                fail();
            }
        });
    }
}

SoundPlayer::Entry* SoundPlayer::entryFor(const QString& file, bool create) {
    const QString path = QDir::current().absoluteFilePath(file);
    const QFileInfo fi(path);
    if (!fi.isFile()) return nullptr;
    auto it = entries_.find(path);
    if (it == entries_.end()) {
        if (!create) return nullptr;
        it = entries_.emplace(path, Entry{}).first;
        it->second.path = path;
        load(it->second);
    } else if (fi.lastModified() != it->second.modified || fi.size() != it->second.bytes) {
        // The file was replaced since it was loaded: the game reads its
        // sounds from the working directory at each use.
        load(it->second);
    }
    return &it->second;
}

void SoundPlayer::preload(const QStringList& files) {
    for (const QString& f : files) entryFor(f, true);
}

void SoundPlayer::stop() {
    if (playing_) playing_->stop();
    playing_ = nullptr;
}

void SoundPlayer::fail() {
    ++failures_;
    if (beep_) beep_();
}

void SoundPlayer::play(const QString& file) {
    stop();
    Entry* e = entryFor(file, true);
    if (!e) {
        fail();
        return;
    }
    QSoundEffect* fx = e->wave ? e->effects[e->next] : nullptr;
    if (!fx || fx->status() == QSoundEffect::Error) {
        fail();
        return;
    }
    e->next ^= 1;
    if (fx->status() != QSoundEffect::Ready) e->wanted = true;
    fx->play(); // plays once loaded when it is still loading
    playing_ = fx;
}

} // namespace stud
