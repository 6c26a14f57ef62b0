#include "petart/FrameCheck.h"

#include <vector>

namespace nuv::art {
namespace {

// Counts the groups of pixels for which `member` holds, joined at their sides. With
// `mustReachEdge` false every group counts; otherwise only those that never reach the edge.
template <typename F>
int CountGroups(const Image& image, F member, bool onlyEnclosed) {
    const int w = image.width(), h = image.height();
    std::vector<uint8_t> seen(size_t(w) * h, 0);
    std::vector<int> stack;
    int groups = 0;
    for (int start = 0; start < w * h; ++start) {
        if (seen[size_t(start)] || !member(start % w, start / w)) continue;
        bool reachesEdge = false;
        seen[size_t(start)] = 1;
        stack.push_back(start);
        while (!stack.empty()) {
            int i = stack.back();
            stack.pop_back();
            int x = i % w, y = i / w;
            if (x == 0 || y == 0 || x == w - 1 || y == h - 1) reachesEdge = true;
            const int next[4][2] = {{x - 1, y}, {x + 1, y}, {x, y - 1}, {x, y + 1}};
            for (const auto& n : next) {
                if (n[0] < 0 || n[1] < 0 || n[0] >= w || n[1] >= h) continue;
                int j = n[1] * w + n[0];
                if (!seen[size_t(j)] && member(n[0], n[1])) {
                    seen[size_t(j)] = 1;
                    stack.push_back(j);
                }
            }
        }
        if (!onlyEnclosed || !reachesEdge) ++groups;
    }
    return groups;
}

}  // namespace

FrameReport CheckFrame(const Image& frame, Pixel outline) {
    FrameReport r;
    const int w = frame.width(), h = frame.height();
    auto painted = [&](int x, int y) {
        return x >= 0 && y >= 0 && x < w && y < h && frame.At(x, y) != kPureGreen;
    };
    for (int y = 0; y < h; ++y) {
        for (int x = 0; x < w; ++x) {
            if (!painted(x, y)) continue;
            ++r.pixels;
            if (r.topRow < 0) r.topRow = y;
            r.lowestRow = y;
            if (x == 0 || y == 0 || x == w - 1 || y == h - 1) r.touchesEdge = true;
            bool besideGreen = false;
            for (int dy = -1; dy <= 1; ++dy) {
                for (int dx = -1; dx <= 1; ++dx) {
                    int nx = x + dx, ny = y + dy;
                    if (nx >= 0 && ny >= 0 && nx < w && ny < h && !painted(nx, ny)) {
                        besideGreen = true;
                    }
                }
            }
            if (besideGreen && frame.At(x, y) != outline) ++r.fringe;
        }
    }
    r.components = CountGroups(frame, painted, false);
    r.holes = CountGroups(
        frame, [&](int x, int y) { return !painted(x, y); }, true);
    return r;
}

std::vector<std::string> FrameProblems(const FrameReport& r) {
    std::vector<std::string> problems;
    if (r.pixels == 0) problems.push_back("empty");
    if (r.components > 1) problems.push_back(std::to_string(r.components) + " separate parts");
    if (r.holes > 0) problems.push_back(std::to_string(r.holes) + " holes");
    if (r.fringe > 0) problems.push_back(std::to_string(r.fringe) + " pixels without outline");
    if (r.touchesEdge) problems.push_back("touches the frame's edge");
    return problems;
}

}  // namespace nuv::art
