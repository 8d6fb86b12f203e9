#pragma once

#include <QDateTime>
#include <QObject>
#include <QString>

#include <array>
#include <functional>
#include <map>

class QSoundEffect;

namespace stud {

// Plays the game's short WAVE effects from the working directory without ever
// waiting for them. A new sound cuts the one playing. A file that is missing,
// or that the sound system cannot read, gives the default beep instead (for a
// bad file as soon as the sound system reports it, which is only once the
// event loop has run). With no audio device nothing is heard and nothing
// hangs.
class SoundPlayer : public QObject {
    Q_OBJECT
  public:
    explicit SoundPlayer(std::function<void()> beep, QObject* parent = nullptr);
    ~SoundPlayer() override;

    // Loads the named files ahead of their first use, so that the first
    // raise of a session is not late. Missing files are skipped quietly.
    void preload(const QStringList& files);
    // Starts `file` (a bare name in the working directory).
    void play(const QString& file);
    // Cuts whatever is playing.
    void stop();

    // The number of play() calls that ended in a beep (for tests).
    int failures() const { return failures_; }

  private:
    // Two effects per file: cutting a sound by starting the same file again
    // works reliably only with a second, already loaded effect.
    struct Entry {
        QString path;
        QDateTime modified;
        qint64 bytes = -1;
        std::array<QSoundEffect*, 2> effects{};
        int next = 0;
        bool wave = false;   // starts like a WAVE file at all
        bool wanted = false; // play() asked for it while it was still loading
    };

    Entry* entryFor(const QString& file, bool create);
    void load(Entry& e);
    void release(Entry& e);
    void fail();

    std::function<void()> beep_;
    std::map<QString, Entry> entries_;
    QSoundEffect* playing_ = nullptr;
    int failures_ = 0;
};

} // namespace stud
