// The sound module's one entry point (see sound_module.h). Built only into
// the module, which is the only part of the program linked to Qt Multimedia.

#include <string_view>

#include "cue_player.h"
#include "sound_module.h"

extern "C" Q_DECL_EXPORT platform::CuePlayer *analisi_grammaticale_sound_player(int version)
{
    if (version != platform::kSoundModuleVersion)
        return nullptr;
    return new platform::QtCuePlayer;
}

// The exported name is the one the program looks up.
static_assert(std::string_view(platform::kSoundModuleFactory) == "analisi_grammaticale_sound_player");
