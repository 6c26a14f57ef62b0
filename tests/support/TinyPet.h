#pragma once
// A small complete pet written into an in-memory file system, for scenario tests on the
// simulated desktop. Every field may be changed before Install.

#include <map>
#include <string>
#include <vector>

#include "sim/MemoryFileSystem.h"

namespace nuv::test {

struct TinyAction {
    int id = 0;
    std::vector<int> weights;  // one per level
    int deltaS0 = 0, deltaS1 = 0, deltaS2 = 0, deltaS3 = 0, deltaPoint = 0;
    int duration = 1;
    std::vector<int> animations;
};

struct TinyState {
    std::string type = "CAT";
    std::string name = "Nabi";
    std::string startDate = "20260101";
    int level = 0, point = 0;
    int s0 = 9000, s1 = 9000, s2 = 9000, s3 = 9000;
    int onTop = 0, onSound = 1;
};

struct TinyPet {
    TinyPet();  // the default pet: every built-in action and animation, action 100 chosen always

    std::string name = "CAT";
    int frameWidth = 20, frameHeight = 20, framesPerRow = 10, frameCount = 40;
    int statMax = 10000;
    std::vector<int> thresholds = {100, 300, 1000};
    std::map<int, std::vector<int>> animations;  // id -> frame numbers
    std::vector<TinyAction> actions;
    std::vector<std::string> menu;      // [MNULIST] lines
    std::vector<std::string> texts;     // [RES_TEXT] lines
    std::vector<std::string> messages;  // [RES_MESSAGE] lines
    std::vector<std::string> adverts;   // .CMC lines
    std::vector<std::string> cursors = {"C0.CUR", "C1.CUR", "C2.CUR", "C3.CUR", "C4.CUR"};
    std::vector<std::string> otherPets;  // further entries of PET.CFG (not active)
    TinyState state;

    TinyAction& Action(int id);
    void SetAction(TinyAction action);
    std::string Script() const;
    // Writes the pet's files; the folders DATA, PETS and PETSOUND must exist.
    void Install(IFileSystem& files) const;
};

}  // namespace nuv::test
