#include "balloon/WebAddress.h"

#include "balloon/BalloonMarkup.h"
#include "base/TextFunctions.h"

namespace nuv {
namespace {

bool IsAsciiLetter(char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}
bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

// Characters that could end the address or make it something other than one address.
bool IsUnsafe(unsigned char c) {
    return c <= 0x20 || c == 0x7F || c == '"' || c == '<' || c == '>' || c == '\\' || c == '`';
}

// The host part: up to the first '/', '?' or '#'.
std::string_view HostOf(std::string_view rest) {
    return rest.substr(0, rest.find_first_of("/?#"));
}

// A host name of letters, digits, '-' and dots, with a dot and a top-level label holding a
// letter, optionally followed by ":port".
bool IsBareHost(std::string_view host) {
    std::size_t colon = host.find(':');
    if (colon != std::string_view::npos) {
        std::string_view port = host.substr(colon + 1);
        if (port.empty() || port.size() > 5) return false;
        for (char c : port) {
            if (!IsDigit(c)) return false;
        }
        host = host.substr(0, colon);
    }
    std::size_t lastDot = host.rfind('.');
    if (lastDot == std::string_view::npos || host.front() == '.' || host.front() == '-' ||
        host.back() == '.' || host.back() == '-' || host.find("..") != std::string_view::npos) {
        return false;
    }
    for (char c : host) {
        if (!IsAsciiLetter(c) && !IsDigit(c) && c != '-' && c != '.') return false;
    }
    std::string_view topLabel = host.substr(lastDot + 1);
    for (char c : topLabel) {
        if (IsAsciiLetter(c)) return true;
    }
    return false;
}

}  // namespace

std::string WebAddressOf(std::string_view address) {
    std::string text = Trimmed(address);
    if (text.empty()) return {};
    for (char c : text) {
        if (IsUnsafe(static_cast<unsigned char>(c))) return {};
    }
    for (std::string_view scheme : {"HTTP://", "HTTPS://"}) {
        if (TagAt(text, 0, scheme)) {
            return HostOf(std::string_view(text).substr(scheme.size())).empty() ? std::string()
                                                                                : text;
        }
    }
    if (!IsBareHost(HostOf(text))) return {};
    return "http://" + text;
}

}  // namespace nuv
