#include "linux/FrameTimings.h"

#include <time.h>
#include <unistd.h>

#include <fstream>
#include <iterator>
#include <sstream>
#include <string>

namespace nuv::gtk {

int64_t NowUs() {
    timespec now = {};
    clock_gettime(CLOCK_MONOTONIC, &now);
    return int64_t(now.tv_sec) * 1000000 + now.tv_nsec / 1000;
}

int64_t MsSinceProcessStart() {
    // Field 22 of /proc/self/stat: the start in clock ticks since boot (CLOCK_BOOTTIME).
    std::ifstream stat("/proc/self/stat");
    std::string text((std::istreambuf_iterator<char>(stat)), std::istreambuf_iterator<char>());
    std::size_t close = text.rfind(')');
    if (close == std::string::npos) return -1;
    std::istringstream fields(text.substr(close + 2));
    std::string field;
    for (int k = 3; k <= 22 && fields >> field; ++k) {
    }
    long ticks = sysconf(_SC_CLK_TCK);
    if (field.empty() || ticks <= 0) return -1;
    timespec boot = {};
    clock_gettime(CLOCK_BOOTTIME, &boot);
    int64_t nowMs = int64_t(boot.tv_sec) * 1000 + boot.tv_nsec / 1000000;
    return nowMs - std::stoll(field) * 1000 / ticks;
}

}  // namespace nuv::gtk
