#include "sound_module.h"

#include <QCoreApplication>
#include <QDir>
#include <QLibrary>

#ifndef AG_SOUND_MODULE_FILE
#error "AG_SOUND_MODULE_FILE (the sound module's file name) is set by the build"
#endif

namespace platform {

ModuleCuePlayer::ModuleCuePlayer(QString modulePath) : path_(std::move(modulePath)) {}

ModuleCuePlayer::~ModuleCuePlayer() = default;

QString ModuleCuePlayer::modulePath()
{
    return QDir(QCoreApplication::applicationDirPath()).filePath(QStringLiteral(AG_SOUND_MODULE_FILE));
}

bool ModuleCuePlayer::load()
{
    if (tried_)
        return player_ != nullptr;
    tried_ = true;
    QLibrary module(path_.isEmpty() ? modulePath() : path_);
    if (!module.load())
        return false;  // no module, or one that cannot be loaded: silence
    // The QLibrary object goes, the module stays loaded (it is not unloaded).
    auto factory = reinterpret_cast<SoundModuleFactory>(module.resolve(kSoundModuleFactory));
    if (factory)
        player_.reset(factory(kSoundModuleVersion));
    return player_ != nullptr;
}

void ModuleCuePlayer::play(const QString &path)
{
    if (load())
        player_->play(path);
}

}  // namespace platform
