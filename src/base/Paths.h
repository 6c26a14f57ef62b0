#pragma once
// Paths in the program's own form (".\\PETS\\CAT.ANI").

#include <string>
#include <string_view>

namespace nuv {

// Joins folder, name and extension as the program builds its paths (".\\PETS\\" + "CAT" + ".ANI").
std::string JoinPath(std::string_view folder, std::string_view name, std::string_view extension);

// True for a name Windows reserves for a device: CON, PRN, AUX, NUL, COM1 to COM9 and LPT1 to
// LPT9, in any letter case, with or without an extension ("nul.txt", "Com1 .CFG").
bool IsDeviceName(std::string_view name);
// True when a part of `path` between '\\' or '/' is a device name. A path from the host's
// root ("/tmp/...", a tool's argument) is the host's own and never names a device.
bool NamesDevice(std::string_view path);

// True for a name that stays in the folder it is joined to and names a file there: no '\\',
// '/' or ':', neither "." nor "..", and no device name.
bool IsPlainFileName(std::string_view name);

// The path with everything from its last '.' replaced by `extension` (".\\A.B.BCF" ->
// ".\\A.B.BMP").
std::string ReplaceExtension(std::string_view path, std::string_view extension);

}  // namespace nuv
