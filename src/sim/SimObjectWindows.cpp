#include "sim/SimObjectWindows.h"

namespace nuv {

void CSimObjectWindow::SetPicture(const Image& p, const Region& s, const Rect& from) {
    picture = p;
    shape = s;
    source = from;
    if (visible) Tell(true);
}

}  // namespace nuv
