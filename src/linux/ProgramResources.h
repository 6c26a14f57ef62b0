#pragma once
// The program's own pictures (icons and cursors drawn at build time), by resource id.

#include <string_view>

namespace nuv::gtk {

// The bytes of the .ico or .cur file of resource `id`; empty for an unknown id.
std::string_view ProgramResource(int id);

}  // namespace nuv::gtk
