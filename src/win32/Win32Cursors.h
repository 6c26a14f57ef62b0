#pragma once
// The system-wide cursors: copies of the 15 standard cursors are kept while a replacement is
// in place and put back by RestoreCursors, which is also called on every way out of the
// program (see RestoreCursorsOnExit).

#include "ports/SystemServices.h"
#include "win32/ShellContext.h"

namespace nuv::win32 {

class Win32Cursors : public ISystemCursors {
  public:
    explicit Win32Cursors(ShellContext& context);
    ~Win32Cursors() override;
    Win32Cursors(const Win32Cursors&) = delete;
    Win32Cursors& operator=(const Win32Cursors&) = delete;

    void SaveCursors() override;
    bool ApplyCursorFile(const std::string& path) override;
    bool ApplyCursorResource(int id) override;
    void RestoreCursors() override;
    bool LoadHoverCursor(const std::string& path) override;
    void ShowHoverCursor() override;
    void DestroyHoverCursor() override;

    bool HasSavedCursors() const;

  private:
    // Makes a copy of `cursor` every standard cursor.
    void Apply(HCURSOR cursor);

    ShellContext& context_;
    HCURSOR saved_[15] = {};
    HCURSOR hover_ = nullptr;
};

// The cursors that an unexpected end (an unhandled exception, the end of the session) must
// put back: the one instance of the program registers itself here.
void RegisterCursorsForExit(Win32Cursors* cursors);
// Puts the registered cursors back; safe to call from an exception filter.
void RestoreCursorsOnExit();

}  // namespace nuv::win32
