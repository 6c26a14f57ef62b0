#pragma once
// The game cursors: the cursor of a file or of the program replaces the theme's named cursors
// on the whole screen (XFixes), and shows at least over the program's own windows. The theme's
// cursors come back on every way out: RestoreCursors, the end of the program, a stop signal, a
// fatal error (RestoreCursorsOnCrash) and, after a run that was killed, the next start
// (RestoreCursorsLeftChanged).

#include <string>
#include <string_view>

#include "linux/ShellContext.h"
#include "ports/SystemServices.h"

namespace nuv::gtk {

class XCursors : public ISystemCursors {
  public:
    explicit XCursors(ShellContext& context) : context_(context) {}
    ~XCursors() override;
    XCursors(const XCursors&) = delete;
    XCursors& operator=(const XCursors&) = delete;

    void SaveCursors() override;
    bool ApplyCursorFile(const std::string& path) override;
    bool ApplyCursorResource(int id) override;
    void RestoreCursors() override;
    bool LoadHoverCursor(const std::string& path) override;
    void ShowHoverCursor() override;
    void DestroyHoverCursor() override;

    bool Applied() const { return applied_; }

  private:
    bool Apply(std::string_view bytes);
    void ShowOnWindows(GdkCursor* cursor);

    ShellContext& context_;
    GdkCursor* hover_ = nullptr;
    bool applied_ = false;
};

// A cursor from the bytes of a .cur (or .ico, .png) file, its hot spot as the file says; null
// when it cannot be read.
GdkCursor* CursorFromBytes(std::string_view bytes);

// Puts the theme's cursors back on `displayName` (the environment's display when empty) and
// forgets the note of a change; true when the display opened.
bool RestoreThemeCursors(const char* displayName);
// At start-up: restores the cursors a previous run on this display left changed (it noted
// that in the user's runtime folder and did not live to put them back).
void RestoreCursorsLeftChanged();
// Fatal signals restore the cursors too (through a fresh process: `program
// --restore-cursors`). `program` is this program's path.
void RestoreCursorsOnCrash(const char* program);

}  // namespace nuv::gtk
