#include "cue_player.h"

#include <QFileInfo>
#include <QSoundEffect>
#include <QUrl>

#include "wave_check.h"

namespace platform {

QtCuePlayer::QtCuePlayer(QObject *parent) : QObject(parent) {}

QtCuePlayer::~QtCuePlayer() = default;

void QtCuePlayer::play(const QString &path)
{
    // The newest cue wins: stop the one playing before starting the next,
    // otherwise the two would mix.
    if (current_) {
        current_->stop();
        current_->deleteLater();
        current_ = nullptr;
    }
    const QFileInfo file(path);
    if (!file.isFile() || file.size() > kMaxCueBytes || !isPlayablePcmWave(path))
        return;
    current_ = new QSoundEffect(this);
    current_->setSource(QUrl::fromLocalFile(file.absoluteFilePath()));
    current_->play();  // never wait on its status: with no sound server it stays "playing"
}

}  // namespace platform
