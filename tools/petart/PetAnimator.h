#pragma once
// Turns poses into numbered frames and lists of frames into the pet's animations.

#include <string>
#include <vector>

#include "petart/AnimationBook.h"
#include "petart/FrameSheet.h"

namespace nuv::art {

using Poses = std::vector<PetPose>;
using Frames = std::vector<int>;

class CPetAnimator {
  public:
    CPetAnimator(CFrameSheet& sheet, CAnimationBook& book) : sheet_(sheet), book_(book) {}

    int Frame(const PetPose& pose) { return sheet_.Frame(pose); }
    // The same pose facing the other way.
    int MirroredFrame(PetPose pose);
    Frames FramesOf(const Poses& poses);
    Frames MirroredFramesOf(const Poses& poses);

    void Add(int id, const std::string& name, const Frames& frames, const std::string& comment);
    // An animation facing left and its mirror image facing right.
    void AddPair(int leftId, const std::string& leftName, int rightId, const std::string& rightName,
                 const Poses& poses, const std::string& comment);

    CFrameSheet& sheet() { return sheet_; }

  private:
    CFrameSheet& sheet_;
    CAnimationBook& book_;
};

// `frames` with each frame repeated `times` times (slower playing).
Frames Held(const Frames& frames, int times);
// The concatenation of lists.
Frames Joined(std::initializer_list<Frames> parts);

// Every animation of the pet; the groups are in the files named after them.
void BuildPetAnimations(CPetAnimator& animator);
void BuildIdleAnimations(CPetAnimator& animator);
void BuildMoodAnimations(CPetAnimator& animator);
void BuildWalkAnimations(CPetAnimator& animator);
void BuildJumpAnimations(CPetAnimator& animator);
void BuildGlideAnimations(CPetAnimator& animator);
void BuildHandlingAnimations(CPetAnimator& animator);
void BuildCatchAnimations(CPetAnimator& animator);
void BuildTagAnimations(CPetAnimator& animator);
void BuildOutingAnimations(CPetAnimator& animator);

}  // namespace nuv::art
