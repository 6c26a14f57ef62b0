#include "petart/PetAnimator.h"

namespace nuv::art {

int CPetAnimator::MirroredFrame(PetPose pose) {
    pose.mirrored = !pose.mirrored;
    return sheet_.Frame(pose);
}

Frames CPetAnimator::FramesOf(const Poses& poses) {
    Frames frames;
    for (const PetPose& pose : poses)
        frames.push_back(Frame(pose));
    return frames;
}

Frames CPetAnimator::MirroredFramesOf(const Poses& poses) {
    Frames frames;
    for (const PetPose& pose : poses)
        frames.push_back(MirroredFrame(pose));
    return frames;
}

void CPetAnimator::Add(int id, const std::string& name, const Frames& frames,
                       const std::string& comment) {
    book_.Add(id, name, frames, comment);
}

void CPetAnimator::AddPair(int leftId, const std::string& leftName, int rightId,
                           const std::string& rightName, const Poses& poses,
                           const std::string& comment) {
    Add(leftId, leftName, FramesOf(poses), comment + ", to the left");
    Add(rightId, rightName, MirroredFramesOf(poses), comment + ", to the right");
}

Frames Held(const Frames& frames, int times) {
    Frames out;
    for (int f : frames) {
        for (int i = 0; i < times; ++i)
            out.push_back(f);
    }
    return out;
}

Frames Joined(std::initializer_list<Frames> parts) {
    Frames out;
    for (const Frames& part : parts)
        out.insert(out.end(), part.begin(), part.end());
    return out;
}

void BuildPetAnimations(CPetAnimator& animator) {
    BuildIdleAnimations(animator);
    BuildMoodAnimations(animator);
    BuildWalkAnimations(animator);
    BuildJumpAnimations(animator);
    BuildGlideAnimations(animator);
    BuildHandlingAnimations(animator);
    BuildCatchAnimations(animator);
    BuildTagAnimations(animator);
    BuildOutingAnimations(animator);
}

}  // namespace nuv::art
