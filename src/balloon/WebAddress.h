#pragma once
// Which link addresses a balloon may open: web addresses only.

#include <string>
#include <string_view>

namespace nuv {

// The address to open for the link address `address`: an "http://" or "https://" address as
// it stands (trimmed), or a bare host name ("www.example.org", optionally with a port and a
// path) with "http://" in front. Empty for anything else (other schemes, file paths, programs,
// blanks, quotes or control characters).
std::string WebAddressOf(std::string_view address);

}  // namespace nuv
