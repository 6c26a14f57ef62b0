#pragma once
#include "pettool/JsonOutput.h"
#include "sim/SimReporter.h"

namespace nuv {
class CPet;
}

namespace nuv::tool {

// Prints each event of a simulated run as one JSON object a line.
class SimJsonReporter : public ISimReporter {
  public:
    void OnStart(uint64_t t, bool ok, const Rect& window,
                 const std::vector<std::string>& log) override;
    void OnAction(uint64_t t, int id, int previous, Point position) override;
    void OnTick(uint64_t t, int timer, int animation, int frame, Point position) override;
    void OnBalloon(uint64_t t, int kind, const std::string& text, Point position) override;
    void OnBalloonShown(uint64_t t, const std::vector<std::string>& lines,
                        const std::vector<std::string>& links) override;
    void OnBalloonClosed(uint64_t t) override;
    void OnOpenUrl(uint64_t t, const std::string& url) override;
    void OnObject(uint64_t t, bool shown, const Rect& source, Point position) override;
    void OnLevel(uint64_t t, int level) override;
    void OnSave(uint64_t t, bool ok) override;
    void OnSound(uint64_t t, const std::string& file) override;
    void OnCursor(uint64_t t, const std::optional<std::string>& set) override;
    void OnMenu(uint64_t t, const MenuModel& menu) override;
    void OnMessage(uint64_t t, const std::string& text, const std::string& caption) override;
    void OnWindowVisible(uint64_t t, bool visible) override;
    void OnExit(uint64_t t) override;
    // The last event of a run: where the window and the pet's state ended.
    static Json EndEvent(uint64_t t, const Rect& window, const CPet& pet);

  private:
    static Json Event(uint64_t t, const char* name);
};

}  // namespace nuv::tool
