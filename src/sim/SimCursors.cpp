#include "sim/SimCursors.h"

namespace nuv {

void CSimCursors::SaveCursors() {
    saved = true;
    ++saves;
}

bool CSimCursors::ApplyCursorFile(const std::string& path) {
    sim_.Tell({"cursor", {{"set", path}}});
    return true;
}

bool CSimCursors::ApplyCursorResource(int id) {
    sim_.Tell({"cursor", {{"set", "resource:" + std::to_string(id)}}});
    return true;
}

void CSimCursors::RestoreCursors() {
    ++restores;
    if (!saved) return;
    saved = false;
    sim_.Tell({"cursor", {{"set", nullptr}}});
}

}  // namespace nuv
