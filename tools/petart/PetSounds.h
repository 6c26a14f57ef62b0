#pragma once
// The pet's sounds: the [RES_SOUND] list of its script and the animation frames they play on.
// The sound files themselves are made by tools/petsound/make_sounds.py under the same names.

#include <string>
#include <vector>

#include "petart/AnimationBook.h"

namespace nuv::art {

struct PetSound {
    std::string name;  // at most 49 bytes, as the other fields
    std::string file;  // in PETSOUND
    std::string remark;
};

// The sound list; an animation names a sound by its position in it.
const std::vector<PetSound>& PetSounds();
// Sets the sound of every animation that makes one.
void AddPetSounds(CAnimationBook& book);
// The [RES_SOUND] lines: index ; name ; file ; remark
std::string SoundListText();

}  // namespace nuv::art
