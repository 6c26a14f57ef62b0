#pragma once
// Helpers for the shell's tests: a message pump, a robot that answers modal windows as soon as
// they show, and a folder of pictures for the windows that load them.

#include <functional>
#include <string>
#include <vector>

#include "base/Geometry.h"
#include "formats/Image.h"
#include "ports/FileSystem.h"
#include "win32/WinApi.h"

namespace nuv::win32::test {

// Dispatches messages for `ms` milliseconds, or until `done` is true.
void Pump(DWORD ms, const std::function<bool()>& done = nullptr);

// Runs `act` once, with the window, when a top-level window captioned `caption` of this
// process is visible; polled by a thread timer, so it works inside modal loops. The robot
// stops when it has acted or after `ms` milliseconds.
class WindowRobot {
  public:
    WindowRobot(std::wstring caption, std::function<void(HWND)> act, DWORD ms = 5000);
    ~WindowRobot();
    bool acted() const { return acted_; }

  private:
    static void CALLBACK Tick(HWND, UINT, UINT_PTR id, DWORD);
    std::wstring caption_;
    std::function<void(HWND)> act_;
    DWORD start_;
    DWORD ms_;
    UINT_PTR timer_ = 0;
    bool acted_ = false;
};

// A folder below the temporary directory holding PETS\ with pictures, and the program's file
// layer on it.
class PictureFolder {
  public:
    PictureFolder();
    ~PictureFolder();
    // Writes `image` as .\PETS\<name> (a BCF picture, or a plain bitmap file for .BMP).
    void Put(const std::string& name, const Image& image);
    IFileSystem& files();

  private:
    std::wstring root_;
    void* files_;
};

// The characters of the texts of `window`'s controls that the controls' fonts lack
// (GetGlyphIndicesW marks them): such characters show as empty boxes.
std::wstring MissingGlyphs(HWND window);

// The client-area pixels of a window as the screen shows them.
Image CaptureClient(HWND window);

// The rectangles of a window's region; none when it has none.
std::vector<Rect> WindowShape(HWND window);

}  // namespace nuv::win32::test
