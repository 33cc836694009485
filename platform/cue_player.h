#pragma once
// What plays a cue file. The program uses QtCuePlayer; tests pass a recorder.

#include <QObject>
#include <QString>

class QSoundEffect;

namespace platform {

class CuePlayer {
public:
    virtual ~CuePlayer() = default;
    // Starts the file playing and returns at once; a cue still playing stops.
    virtual void play(const QString &path) = 0;
};

// Plays PCM wave files through Qt Multimedia. Any fault (no such file, not a
// wave, no audio device) gives silence: nothing is reported, nothing waits.
// Only files that pass isPlayablePcmWave() reach Qt Multimedia.
class QtCuePlayer final : public QObject, public CuePlayer {
public:
    explicit QtCuePlayer(QObject *parent = nullptr);
    ~QtCuePlayer() override;
    void play(const QString &path) override;

    // Cue files are short; a larger file is not a cue and is left unplayed,
    // so that reading it can never hold up the drill.
    static constexpr qint64 kMaxCueBytes = 8 * 1024 * 1024;

private:
    QSoundEffect *current_ = nullptr;
};

}  // namespace platform
