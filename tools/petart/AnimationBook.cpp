#include "petart/AnimationBook.h"

#include <algorithm>

namespace nuv::art {

bool CAnimationBook::Add(int id, const std::string& name, const std::vector<int>& frames,
                         const std::string& comment) {
    if (Find(id)) {
        problems_.push_back("animation " + std::to_string(id) + " defined twice");
        return false;
    }
    if (name.size() > 19 || comment.size() > 49 || frames.empty()) {
        problems_.push_back("animation " + std::to_string(id) +
                            ": name or comment too long, or no frames");
        return false;
    }
    animations_.push_back({id, name, frames, comment, -1, -1});
    return true;
}

bool CAnimationBook::SetSound(int id, int index, int frame) {
    for (Animation& a : animations_) {
        if (a.id != id) continue;
        if (index < 0 || frame < 0 || frame >= int(a.frames.size())) break;
        a.soundIndex = index;
        a.soundFrame = frame;
        return true;
    }
    problems_.push_back("sound " + std::to_string(index) + " for animation " + std::to_string(id) +
                        " at frame " + std::to_string(frame) + ": no such animation frame");
    return false;
}

const Animation* CAnimationBook::Find(int id) const {
    for (const Animation& a : animations_) {
        if (a.id == id) return &a;
    }
    return nullptr;
}

std::string CAnimationBook::Text() const {
    std::vector<const Animation*> sorted;
    for (const Animation& a : animations_)
        sorted.push_back(&a);
    std::sort(sorted.begin(), sorted.end(),
              [](const Animation* a, const Animation* b) { return a->id < b->id; });
    std::string text;
    for (const Animation* a : sorted) {
        text += std::to_string(a->id) + " ; " + a->name + " ; ";
        if (a->soundIndex >= 0) {
            text += std::to_string(a->soundIndex) + " , " + std::to_string(a->soundFrame);
        }
        text += " ; ";
        for (size_t i = 0; i < a->frames.size(); ++i) {
            if (i) text += ",";
            text += std::to_string(a->frames[i]);
        }
        text += " ; " + a->comment + "\n";
    }
    return text;
}

}  // namespace nuv::art
