#pragma once
// The loading window: it keeps what it is told, one line a call; each report may let virtual
// time pass, as a slow load would.

#include <string>
#include <vector>

#include "ports/LoadingWindow.h"
#include "sim/SimContext.h"

namespace nuv {

class CSimLoadingWindow : public ILoadingWindow {
  public:
    explicit CSimLoadingWindow(CSimContext& sim) : sim_(sim) {}
    void Open(int range) override { calls.push_back("open " + std::to_string(range)); }
    void Report(int seconds, int percentage, int position) override {
        calls.push_back(std::to_string(seconds) + "s " + std::to_string(percentage) + "% " +
                        std::to_string(position));
        sim_.clock.Advance(msPerReport);
    }
    void Close() override { calls.push_back("close"); }

    std::vector<std::string> calls;
    uint32_t msPerReport = 0;

  private:
    CSimContext& sim_;
};

}  // namespace nuv
