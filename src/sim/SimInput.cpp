#include "sim/SimInput.h"

#include <cstdio>
#include <map>
#include <sstream>

namespace nuv {
namespace {

struct VerbInfo {
    SimInput::Verb verb;
    int numbers;           // how many numeric arguments follow
    const char* words[2];  // named argument values (index = value), or none
};

const std::map<std::string, VerbInfo>& Verbs() {
    static const std::map<std::string, VerbInfo> verbs = {
        {"cursor", {SimInput::kCursor, 2, {nullptr, nullptr}}},
        {"lbutton", {SimInput::kLButton, 2, {nullptr, nullptr}}},
        {"release", {SimInput::kRelease, 0, {nullptr, nullptr}}},
        {"rbutton", {SimInput::kRButton, 2, {nullptr, nullptr}}},
        {"command", {SimInput::kCommand, 1, {nullptr, nullptr}}},
        {"tray", {SimInput::kTray, 0, {"lbutton", "rbutton"}}},
        {"key", {SimInput::kKey, 0, {"escape", "enter"}}},
        {"setcursor", {SimInput::kSetCursor, 0, {nullptr, nullptr}}},
        {"choose", {SimInput::kChoose, 1, {nullptr, nullptr}}},
        {"close", {SimInput::kClose, 0, {nullptr, nullptr}}},
    };
    return verbs;
}

bool ParseLine(const std::string& line, SimInput* event, std::string* error) {
    std::istringstream in(line);
    long long time = -1;
    std::string verb;
    if (!(in >> time) || time < 0 || !(in >> verb)) {
        *error = "expected '<ms> <verb> [args]'";
        return false;
    }
    event->time = uint64_t(time);
    if (verb == "monitors") {
        std::string list;
        event->verb = SimInput::kMonitors;
        if (!(in >> list) || !ParseMonitors(list, &event->monitors, error)) {
            if (error->empty()) *error = "monitors needs X,Y,W,H[@SCALE];...";
            return false;
        }
    } else if (verb == "balloon") {
        std::string what;
        in >> what;
        if (what == "click") {
            event->verb = SimInput::kBalloonClick;
            if (!(in >> event->a >> event->b)) {
                *error = "balloon click needs X Y";
                return false;
            }
        } else if (what == "key") {
            std::string key;
            in >> key;
            if (key != "escape" && key != "enter") {
                *error = "balloon key needs escape or enter";
                return false;
            }
            event->verb = SimInput::kBalloonKey;
            event->a = key == "enter";
        } else {
            *error = "balloon needs click or key";
            return false;
        }
    } else {
        auto it = Verbs().find(verb);
        if (it == Verbs().end()) {
            *error = "unknown verb '" + verb + "'";
            return false;
        }
        const VerbInfo& info = it->second;
        event->verb = info.verb;
        if (info.words[0]) {
            std::string word;
            in >> word;
            if (word == info.words[0])
                event->a = 0;
            else if (word == info.words[1])
                event->a = 1;
            else {
                *error = verb + " needs " + info.words[0] + " or " + info.words[1];
                return false;
            }
        }
        int* numbers[2] = {&event->a, &event->b};
        for (int i = 0; i < info.numbers; ++i) {
            if (!(in >> *numbers[i])) {
                *error = verb + " needs " + std::to_string(info.numbers) + " number(s)";
                return false;
            }
        }
    }
    std::string extra;
    if (in >> extra) {
        *error = "unexpected '" + extra + "'";
        return false;
    }
    return true;
}

bool ParseMonitor(const std::string& text, Monitor* monitor) {
    int x = 0, y = 0, w = 0, h = 0, used = 0;
    double scale = 1.0;
    const char* s = text.c_str();
    bool whole = std::sscanf(s, "%d,%d,%d,%d%n", &x, &y, &w, &h, &used) == 4;
    if (!whole) {
        x = y = 0;
        if (std::sscanf(s, "%d,%d%n", &w, &h, &used) != 2) return false;
    }
    if (s[used] == '@') {
        int more = 0;
        if (std::sscanf(s + used + 1, "%lf%n", &scale, &more) != 1) return false;
        used += 1 + more;
    }
    if (s[used] != '\0' || w <= 0 || h <= 0 || !(scale > 0 && scale <= 8)) return false;
    if (int64_t(x) + w > INT32_MAX || int64_t(y) + h > INT32_MAX) return false;
    *monitor = {x, y, x + w, y + h, scale};
    return true;
}

}  // namespace

bool ParseMonitors(const std::string& text, Monitors* monitors, std::string* error) {
    Monitors parsed;
    std::istringstream in(text);
    std::string item;
    while (std::getline(in, item, ';')) {
        Monitor monitor;
        if (!ParseMonitor(item, &monitor)) {
            *error = "bad monitor '" + item + "' (expected X,Y,W,H[@SCALE] or W,G)";
            return false;
        }
        parsed.push_back(monitor);
    }
    if (parsed.empty()) {
        *error = "no monitor given";
        return false;
    }
    *monitors = std::move(parsed);
    return true;
}

bool ParseSimInput(const std::string& text, std::vector<SimInput>* events, std::string* error) {
    std::istringstream lines(text);
    std::string line;
    int number = 0;
    while (std::getline(lines, line)) {
        ++number;
        std::size_t hash = line.find('#');
        if (hash != std::string::npos) line.erase(hash);
        if (line.find_first_not_of(" \t\r") == std::string::npos) continue;
        SimInput event;
        std::string message;
        if (!ParseLine(line, &event, &message)) {
            *error = "line " + std::to_string(number) + ": " + message;
            return false;
        }
        events->push_back(event);
    }
    return true;
}

}  // namespace nuv
