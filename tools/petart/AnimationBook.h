#pragma once
// The pet's animations: numbered lists of frame numbers, written as lines of the pet script.

#include <string>
#include <vector>

namespace nuv::art {

struct Animation {
    int id = 0;
    std::string name;  // at most 19 bytes
    std::vector<int> frames;
    std::string comment;  // at most 49 bytes
    int soundIndex = -1;  // -1: no sound
    int soundFrame = -1;
};

class CAnimationBook {
  public:
    // Adds an animation; false (and nothing added) when the id is taken or a text is too long.
    bool Add(int id, const std::string& name, const std::vector<int>& frames,
             const std::string& comment);
    // Plays sound `index` of the sound list when the animation shows its frame at `frame`;
    // false (and a problem noted) for an unknown animation or a frame it does not have.
    bool SetSound(int id, int index, int frame);
    const Animation* Find(int id) const;
    const std::vector<Animation>& animations() const { return animations_; }
    const std::vector<std::string>& problems() const { return problems_; }

    // One line per animation: id ; name ; sound ; frames ; comment (in order of ids).
    std::string Text() const;

  private:
    std::vector<Animation> animations_;
    std::vector<std::string> problems_;
};

}  // namespace nuv::art
