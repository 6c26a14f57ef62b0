#include "win32/PetRootLock.h"

#include <cstdint>
#include <cwchar>

#include "app/PetMainDlg.h"
#include "resource.h"
#include "win32/DialogHelpers.h"
#include "win32/KoreanFonts.h"
#include "win32/WideText.h"

namespace nuv::win32 {
namespace {

std::wstring FullPath(const std::wstring& path) {
    DWORD size = GetFullPathNameW(path.c_str(), 0, nullptr, nullptr);
    if (size == 0) return path;
    std::wstring full(size, L'\0');
    size = GetFullPathNameW(path.c_str(), size, full.data(), nullptr);
    full.resize(size < full.size() ? size : 0);
    return full.empty() ? path : full;
}

// Expands short (8.3) names, so that both spellings of a folder give one path.
std::wstring LongPath(const std::wstring& path) {
    DWORD size = GetLongPathNameW(path.c_str(), nullptr, 0);
    if (size == 0) return path;
    std::wstring full(size, L'\0');
    size = GetLongPathNameW(path.c_str(), full.data(), size);
    full.resize(size < full.size() ? size : 0);
    return full.empty() ? path : full;
}

// The path the system resolves `path` to (mapped drives, links and junctions followed), or
// empty when the folder cannot be opened.
std::wstring FinalPath(const std::wstring& path) {
    HANDLE folder =
        CreateFileW(path.c_str(), 0, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                    nullptr, OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr);
    if (folder == INVALID_HANDLE_VALUE) return {};
    wchar_t buffer[1024] = {};
    DWORD size = GetFinalPathNameByHandleW(folder, buffer, 1024, FILE_NAME_NORMALIZED);
    CloseHandle(folder);
    if (size == 0 || size >= 1024) return {};
    std::wstring final(buffer, size);
    if (final.rfind(L"\\\\?\\UNC\\", 0) == 0) return L"\\\\" + final.substr(8);
    if (final.rfind(L"\\\\?\\", 0) == 0) return final.substr(4);
    return final;
}

std::wstring UpperCase(const std::wstring& text) {
    if (text.empty()) return text;
    std::wstring upper(text.size(), L'\0');
    int length = LCMapStringW(LOCALE_INVARIANT, LCMAP_UPPERCASE, text.c_str(), int(text.size()),
                              upper.data(), int(upper.size()));
    return length == int(upper.size()) ? upper : text;
}

std::uint64_t Fnv1a(const std::wstring& text) {
    std::uint64_t hash = 14695981039346656037ull;
    for (wchar_t c : text) {
        for (int shift = 0; shift < 16; shift += 8) {
            hash ^= (std::uint16_t(c) >> shift) & 0xFF;
            hash *= 1099511628211ull;
        }
    }
    return hash;
}

}  // namespace

std::wstring CanonicalRootPath(const std::wstring& root) {
    std::wstring path = FinalPath(root);
    if (path.empty()) path = LongPath(FullPath(root));
    // "C:\" keeps its separator; "C:\PETS\" does not.
    while (path.size() > 3 && (path.back() == L'\\' || path.back() == L'/'))
        path.pop_back();
    return UpperCase(path);
}

std::wstring PetRootMutexName(const std::wstring& root) {
    wchar_t hash[17] = {};
    swprintf(hash, 17, L"%016llX", (unsigned long long)Fnv1a(CanonicalRootPath(root)));
    return std::wstring(L"Local\\NuvPET-") + hash;
}

PetRootLock::~PetRootLock() {
    if (mutex_) CloseHandle(mutex_);
}

bool PetRootLock::Acquire(const std::wstring& root) {
    if (mutex_) return true;
    HANDLE mutex = CreateMutexW(nullptr, FALSE, PetRootMutexName(root).c_str());
    if (!mutex) return true;
    if (GetLastError() == ERROR_ALREADY_EXISTS) {
        CloseHandle(mutex);
        return false;
    }
    mutex_ = mutex;
    return true;
}

void ShowAlreadyRunning(HINSTANCE instance) {
    const wchar_t* text = nullptr;
    int length = LoadStringW(instance, IDS_ALREADY_RUNNING, reinterpret_cast<LPWSTR>(&text), 0);
    std::wstring message =
        length > 0 ? std::wstring(text, std::size_t(length)) : Widen(kAlreadyRunningText);
    KoreanFonts fonts;
    ShowMessageBox(nullptr, message, Widen(kApplicationName), MB_OK | MB_SETFOREGROUND,
                   fonts.DialogFont());
}

}  // namespace nuv::win32
