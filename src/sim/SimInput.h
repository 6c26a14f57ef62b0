#pragma once
// Scripted user input of a simulated run: one event a line, "<ms> <verb> [args]".

#include <cstdint>
#include <string>
#include <vector>

#include "ports/Desktop.h"

namespace nuv {

struct SimInput {
    enum Verb {
        kCursor,     // x y: the cursor moves (screen)
        kLButton,    // x y: left button down at a client point of the pet
        kRelease,    // the move loop ends at the cursor
        kRButton,    // x y
        kCommand,    // id
        kTray,       // left (0) or right (1) button
        kKey,        // escape (0) or enter (1)
        kSetCursor,  // a set-cursor message over the pet
        kChoose,     // index: the answer of the next list choice
        kClose,
        kBalloonClick,  // x y: client point of the open balloon
        kBalloonKey,    // escape (0) or enter (1)
        kMonitors,      // LIST: the monitors change (see ParseMonitors)
    };
    uint64_t time = 0;
    Verb verb = kCursor;
    int a = 0;
    int b = 0;
    Monitors monitors;
};

// Parses monitor work areas "X,Y,W,H[@SCALE];..." (the primary first; the ground line is
// Y + H), or the single "W,G" of one monitor at 0,0; false with a message on bad input.
bool ParseMonitors(const std::string& text, Monitors* monitors, std::string* error);

// Parses an events text; on a bad line returns false with a message naming the line.
bool ParseSimInput(const std::string& text, std::vector<SimInput>* events, std::string* error);

}  // namespace nuv
