// The entry point of the sound module, which DeferredSounds loads on demand.
#include "app/MultimediaSounds.h"

#include <QtGlobal>

extern "C" Q_DECL_EXPORT zw::SoundPlayer* zwCreateSoundPlayer() {
    return new zw::MultimediaSounds;
}
