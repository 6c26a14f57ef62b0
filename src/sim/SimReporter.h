#pragma once
// What the simulated desktop tells of a run, in time order.

#include <optional>
#include <string>
#include <vector>

#include "formats/Image.h"

namespace nuv {

struct MenuModel;

class ISimReporter {
  public:
    virtual ~ISimReporter() = default;
    virtual void OnStart(uint64_t t, bool ok, const Rect& window,
                         const std::vector<std::string>& log) {}
    virtual void OnAction(uint64_t t, int id, int previous, Point position) {}
    virtual void OnTick(uint64_t t, int timer, int animation, int frame, Point position) {}
    virtual void OnBalloon(uint64_t t, int kind, const std::string& text, Point position) {}
    virtual void OnBalloonShown(uint64_t t, const std::vector<std::string>& lines,
                                const std::vector<std::string>& links) {}
    virtual void OnBalloonClosed(uint64_t t) {}
    virtual void OnOpenUrl(uint64_t t, const std::string& url) {}
    virtual void OnObject(uint64_t t, bool shown, const Rect& source, Point position) {}
    virtual void OnLevel(uint64_t t, int level) {}
    virtual void OnSave(uint64_t t, bool ok) {}
    virtual void OnSound(uint64_t t, const std::string& file) {}
    // A cursor file's path or "resource:N"; nothing when the saved cursors are put back.
    virtual void OnCursor(uint64_t t, const std::optional<std::string>& set) {}
    virtual void OnMenu(uint64_t t, const MenuModel& menu) {}
    virtual void OnMessage(uint64_t t, const std::string& text, const std::string& caption) {}
    virtual void OnWindowVisible(uint64_t t, bool visible) {}
    virtual void OnExit(uint64_t t) {}
};

}  // namespace nuv
