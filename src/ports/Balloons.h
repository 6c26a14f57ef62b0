#pragma once
#include <string>

#include "store/Image.h"

namespace nuv {

// A speech balloon on the screen. It closes itself and then tells its pet (OnBalloonClosed).
class IBalloon {
public:
    virtual ~IBalloon() = default;
    // Closes the balloon now; the pet hears of it like of any closing.
    virtual void DestroyWindow() = 0;
    virtual void BringToTop() = 0;
};

class CPet;

// Opens balloons for the pet.
class IBalloons {
public:
    virtual ~IBalloons() = default;
    // A balloon of `kind` (0 link, 1 typing, 2 message) with its top-left corner at `position`
    // (screen). It stays valid until it reports its closing to `pet`.
    virtual IBalloon* OpenBalloon(CPet& pet, int kind, const std::string& text,
                                  Point position) = 0;
};

}  // namespace nuv
