#include "MHook.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

struct Received {
    HWND window;
    WPARAM code;
    int x;
    int y;
};

std::vector<Received>* gReceived = nullptr;

LRESULT CALLBACK RecorderProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == MHOOK_MESSAGE && gReceived) {
        gReceived->push_back({window, wParam, int(LOWORD(lParam)), int(HIWORD(lParam))});
        return 0;
    }
    return DefWindowProcW(window, message, wParam, lParam);
}

// Two windows that record the hook library's messages; every test ends uninstalled.
class MHookTest : public ::testing::Test {
  protected:
    void SetUp() override {
        WNDCLASSW wc = {};
        wc.lpfnWndProc = RecorderProc;
        wc.hInstance = GetModuleHandleW(nullptr);
        wc.lpszClassName = L"NuvHookRecorder";
        RegisterClassW(&wc);
        first_ = CreateRecorder();
        second_ = CreateRecorder();
        gReceived = &received_;
    }
    void TearDown() override {
        UnInstallHook();
        gReceived = nullptr;
        DestroyWindow(first_);
        DestroyWindow(second_);
    }

    static HWND CreateRecorder() {
        return CreateWindowExW(0, L"NuvHookRecorder", L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr,
                               GetModuleHandleW(nullptr), nullptr);
    }

    // Runs the message loop for `ms` milliseconds, or until a message for (x, y) came.
    bool PumpUntil(DWORD ms, int x = -1, int y = -1) {
        const DWORD start = GetTickCount();
        while (GetTickCount() - start < ms) {
            MSG message;
            while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
                DispatchMessageW(&message);
            }
            if (CountAt(x, y) > 0) return true;
            Sleep(5);
        }
        return false;
    }

    int CountAt(int x, int y) const {
        int count = 0;
        for (const Received& r : received_) {
            if (r.code == MHOOK_CURSOR_MOVED && r.x == x && r.y == y) ++count;
        }
        return count;
    }

    HWND first_ = nullptr;
    HWND second_ = nullptr;
    std::vector<Received> received_;
};

TEST_F(MHookTest, ExportsHaveUndecoratedNames) {
    HMODULE library = GetModuleHandleW(L"MHook.dll");
    ASSERT_NE(library, nullptr);
    for (const char* name : {"InitHooksDll", "InstallHook", "UnInstallHook"}) {
        EXPECT_NE(GetProcAddress(library, name), nullptr) << name;
    }
}

TEST_F(MHookTest, ReportsEveryNewCursorPositionWhileInstalledOnly) {
    ASSERT_TRUE(InitHooksDll(first_));
    ASSERT_TRUE(InstallHook());
    const POINT path[] = {{123, 321}, {400, 20}, {7, 700}};
    for (POINT p : path) {
        SetCursorPos(p.x, p.y);
        EXPECT_TRUE(PumpUntil(2000, p.x, p.y)) << p.x << "," << p.y;
    }
    PumpUntil(100);
    for (POINT p : path)
        EXPECT_EQ(CountAt(p.x, p.y), 1) << "reported once";
    for (const Received& r : received_)
        EXPECT_EQ(r.code, WPARAM(MHOOK_CURSOR_MOVED));
    // Nothing arrives after UnInstallHook.
    EXPECT_TRUE(UnInstallHook());
    PumpUntil(50);
    received_.clear();
    SetCursorPos(250, 260);
    PumpUntil(300);
    EXPECT_TRUE(received_.empty());
}

TEST_F(MHookTest, UnInstallWithoutInstallIsHarmless) {
    EXPECT_TRUE(UnInstallHook());
    EXPECT_TRUE(UnInstallHook());
    ASSERT_TRUE(InitHooksDll(first_));
    ASSERT_TRUE(InstallHook());
    EXPECT_TRUE(InstallHook());  // a second install keeps one stream of messages
    SetCursorPos(77, 88);
    ASSERT_TRUE(PumpUntil(2000, 77, 88));
    PumpUntil(100);
    EXPECT_EQ(CountAt(77, 88), 1);
}

TEST_F(MHookTest, TheLastWindowGivenReceives) {
    ASSERT_TRUE(InitHooksDll(first_));
    ASSERT_TRUE(InitHooksDll(second_));
    EXPECT_FALSE(InitHooksDll(reinterpret_cast<HWND>(0x4321)));  // not a window: ignored
    ASSERT_TRUE(InstallHook());
    SetCursorPos(300, 301);
    ASSERT_TRUE(PumpUntil(2000, 300, 301));
    for (const Received& r : received_)
        EXPECT_EQ(r.window, second_);
}

}  // namespace
