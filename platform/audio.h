#pragma once
// The module that makes every sound of the program: a cue is named by a short
// lowercase word and played from <program folder>/suoni/<name>.wav.

#include <QString>
#include <functional>

#include "../engine/random_source.h"
#include "cue_player.h"

namespace platform {

class Audio {
public:
    using FolderSource = std::function<QString()>;
    // By default the program's own folder is asked for on every call.
    Audio(CuePlayer &player, engine::RandomSource &random, FolderSource folder = {});

    // Plays the named cue.
    void suona(const QString &name);
    // Plays one of the five right-answer cues at random: "esatto", "esatto2".."esatto5".
    void suonavariato(const QString &name);

    static QString cuePath(const QString &programFolder, const QString &name);

private:
    CuePlayer &player_;
    engine::RandomSource &random_;
    FolderSource folder_;
};

}  // namespace platform
