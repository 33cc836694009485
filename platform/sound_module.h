#pragma once
// The sound module: Qt Multimedia's cue player (QtCuePlayer) built as a small
// shared module that the program loads from its own folder on the first cue,
// so that Qt Multimedia and what it pulls in (Qt Network, the sound server's
// client, ...) are not loaded while the first window is being drawn.
//
// The module exports one C function, named by kSoundModuleFactory, that takes
// kSoundModuleVersion and returns a new player (nullptr for another version).

#include <QString>
#include <memory>

#include "cue_player.h"

namespace platform {

inline constexpr char kSoundModuleFactory[] = "analisi_grammaticale_sound_player";
// Raised whenever CuePlayer or the factory changes, so that a module of
// another build is refused rather than called wrongly.
inline constexpr int kSoundModuleVersion = 1;
using SoundModuleFactory = CuePlayer *(*)(int version);

// Plays through the sound module, which it loads on the first cue (once: a
// module that is missing, cannot be loaded or refuses the version leaves the
// program silent, as a missing cue file does). The module is never unloaded.
class ModuleCuePlayer final : public CuePlayer {
public:
    // By default the module beside the program (modulePath()).
    explicit ModuleCuePlayer(QString modulePath = {});
    ~ModuleCuePlayer() override;
    void play(const QString &path) override;

    // Loads the module if that has not been tried yet; true if its player
    // is ready.
    bool load();

    // <program folder>/<module file name>.
    static QString modulePath();

private:
    QString path_;
    bool tried_ = false;
    std::unique_ptr<CuePlayer> player_;
};

}  // namespace platform
