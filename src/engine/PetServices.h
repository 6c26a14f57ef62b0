#pragma once
// What the engine asks of the pet that owns it: the things only the pet can do.

#include <cstdint>
#include <string>

#include "base/Geometry.h"

namespace nuv {

class CBalloonWnd;

class IPetServices {
  public:
    virtual ~IPetServices() = default;

    // Opens a balloon of `kind` (0 link, 1 typing, 2 message) beside the pet; null on failure.
    virtual CBalloonWnd* OpenBalloon(int kind, const std::string& text) = 0;
    // The balloon the pet shows now; null when none is open.
    virtual CBalloonWnd* openBalloon() const = 0;
    virtual bool SavePetFiles() = 0;
    virtual void PlayPetSound(int index) = 0;
    // A message of the pet's advertisement file for the draw `draw`; null when it has none.
    virtual const std::string* PickAdMessage(uint32_t draw) const = 0;
    // The system cursors: replaced by a resource or a cursor file, or the user's put back.
    virtual void SetCursorFromResource(int id) = 0;
    virtual void SetCursorFromFile(const std::string& path) = 0;
    virtual void RestoreSystemCursors() = 0;
    // The size of the pet's picture sheet.
    virtual Size SheetSize() const = 0;
};

}  // namespace nuv
