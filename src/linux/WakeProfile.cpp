#include "linux/WakeProfile.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>

// After the program's headers: Xlib defines Status as a macro.
#include <X11/Xlib.h>
#include <gdk/gdkx.h>

namespace nuv::gtk::wake_profile {
namespace {

constexpr int kKinds = int(WakeKind::kCount);
const char* const kNames[kKinds] = {"new action (saves)", "balloon step",  "tick: move",
                                    "tick: frame",        "tick: nothing", "GLib: X events",
                                    "GLib: other"};

struct Sums {
    long wakes = 0;
    long long cpuNs = 0;
    long requests = 0;  // X requests sent
    long reads = 0;     // wake-ups that read a reply or an event
};

Sums sums[kKinds];
unsigned marks = 0;
long long startNs = 0;
unsigned long startRequest = 0;
unsigned long startRead = 0;
long long firstNs = -1;
long long processFirstNs = -1;

long long CpuNs(clockid_t clock) {
    timespec t{};
    clock_gettime(clock, &t);
    return t.tv_sec * 1000000000LL + t.tv_nsec;
}

Display* XDisplay() {
    GdkDisplay* display = gdk_display_get_default();
    return display && GDK_IS_X11_DISPLAY(display) ? GDK_DISPLAY_XDISPLAY(display) : nullptr;
}

}  // namespace

bool on = std::getenv("NUVPET_WAKE_PROFILE") != nullptr;

void MarkSlow(WakeKind kind) {
    marks |= 1u << unsigned(kind);
}

void BeginSlow() {
    marks = 0;
    Display* display = XDisplay();
    startRequest = display ? NextRequest(display) : 0;
    startRead = display ? LastKnownRequestProcessed(display) : 0;
    startNs = CpuNs(CLOCK_THREAD_CPUTIME_ID);
    if (firstNs < 0) {
        firstNs = startNs;
        processFirstNs = CpuNs(CLOCK_PROCESS_CPUTIME_ID);
    }
}

void EndSlow() {
    if (firstNs < 0) return;
    const long long ns = CpuNs(CLOCK_THREAD_CPUTIME_ID) - startNs;
    int kind = 0;
    while (kind < kKinds - 1 && !(marks & (1u << unsigned(kind))))
        ++kind;
    Display* display = XDisplay();
    Sums& sum = sums[kind];
    ++sum.wakes;
    sum.cpuNs += ns;
    if (display) {
        sum.requests += long(NextRequest(display) - startRequest);
        sum.reads += LastKnownRequestProcessed(display) != startRead;
    }
}

void ReportSlow() {
    if (firstNs < 0) return;
    const char* path = std::getenv("NUVPET_WAKE_PROFILE");
    FILE* out = path && *path && std::strcmp(path, "-") != 0 ? std::fopen(path, "a") : stderr;
    if (!out) return;
    const long long threadNs = CpuNs(CLOCK_THREAD_CPUTIME_ID) - firstNs;
    const long long processNs = CpuNs(CLOCK_PROCESS_CPUTIME_ID) - processFirstNs;
    long long inWakes = 0;
    std::fprintf(out, "%-20s %7s %10s %8s %9s %7s\n", "wake-up", "count", "CPU us", "us each",
                 "requests", "reads");
    for (int k = 0; k < kKinds; ++k) {
        const Sums& s = sums[k];
        inWakes += s.cpuNs;
        std::fprintf(out, "%-20s %7ld %10lld %8.1f %9ld %7ld\n", kNames[k], s.wakes, s.cpuNs / 1000,
                     s.wakes ? s.cpuNs / 1000.0 / double(s.wakes) : 0.0, s.requests, s.reads);
    }
    std::fprintf(out,
                 "main thread %lld us (%lld us outside the wake-ups: the waits), "
                 "all threads %lld us\n",
                 threadNs / 1000, (threadNs - inWakes) / 1000, processNs / 1000);
    if (out != stderr) std::fclose(out);
}

}  // namespace nuv::gtk::wake_profile
