#include "petart/PetSounds.h"

namespace nuv::art {
namespace {

enum Sound { kChirp, kPop, kPurr, kBoing, kWhoosh, kMunch, kYawn, kThud, kTada };

struct Cue {
    int animation;
    Sound sound;
    int frame;  // position in the animation's frame list
};

// Few and short: a pet that makes a noise at every step soon gets its sound switched off.
constexpr Cue kCues[] = {
    {7, kYawn, 1},     // yawn: as the mouth opens
    {11, kMunch, 3},   // eat: the first bite
    {28, kChirp, 2},   // happy: the first jump
    {36, kWhoosh, 1},  // glide take off: the leap
    {43, kThud, 0},    // crash landing
    {47, kChirp, 4},   // land done: proud
    {52, kPurr, 0},    // stroke
    {55, kPop, 0},     // surprised
    {78, kBoing, 5},   // hop: the take-off
    {127, kTada, 0},   // carry done
    {128, kTada, 2},   // caught in fast tag
    {130, kTada, 2},   // caught in tag
};

}  // namespace

const std::vector<PetSound>& PetSounds() {
    static const std::vector<PetSound> sounds = {
        {"chirp", "CHIRP.WAV", "a happy chirp"},
        {"pop", "POP.WAV", "a startled pop"},
        {"purr", "PURR.WAV", "purring"},
        {"boing", "BOING.WAV", "a springy hop"},
        {"whoosh", "WHOOSH.WAV", "leaping into the air"},
        {"munch", "MUNCH.WAV", "nibbling an acorn"},
        {"yawn", "YAWN.WAV", "a sleepy yawn"},
        {"thud", "THUD.WAV", "a soft landing"},
        {"tada", "TADA.WAV", "a little fanfare"},
    };
    return sounds;
}

void AddPetSounds(CAnimationBook& book) {
    for (const Cue& cue : kCues)
        book.SetSound(cue.animation, cue.sound, cue.frame);
}

std::string SoundListText() {
    std::string text;
    const std::vector<PetSound>& sounds = PetSounds();
    for (size_t i = 0; i < sounds.size(); ++i) {
        text += std::to_string(i) + " ; " + sounds[i].name + " ; " + sounds[i].file + " ; " +
                sounds[i].remark + "\n";
    }
    return text;
}

}  // namespace nuv::art
