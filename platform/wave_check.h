#pragma once
// Is a file a plain PCM wave that the player can take? A file that is empty,
// cut short, not a wave or not PCM is never handed to the player: such a
// file can leave the player loading for ever, and a later cue would then
// wait on it.

#include <QString>

namespace platform {

bool isPlayablePcmWave(const QString &path);

}  // namespace platform
