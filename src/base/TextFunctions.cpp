#include "base/TextFunctions.h"

#include <climits>

#include "base/Cp949.h"

namespace nuv {

const char kCrLf[] = "\r\n";

namespace {

bool IsWhite(char c) {
    return c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == '\v' || c == '\f';
}

bool StartsWith(std::string_view text, std::string_view prefix) {
    return text.size() >= prefix.size() && text.substr(0, prefix.size()) == prefix;
}

bool EndsWith(std::string_view text, std::string_view suffix) {
    return text.size() >= suffix.size() && text.substr(text.size() - suffix.size()) == suffix;
}

std::string_view WithoutFrontWhite(std::string_view text) {
    std::size_t n = 0;
    while (n < text.size() && IsWhite(text[n]))
        ++n;
    return text.substr(n);
}

std::string_view WithoutBackWhite(std::string_view text) {
    std::size_t n = text.size();
    while (n > 0 && IsWhite(text[n - 1]))
        --n;
    return text.substr(0, n);
}

void TrimFront(std::string& text) {
    std::size_t n = 0;
    while (n < text.size() && IsWhite(text[n]))
        ++n;
    text.erase(0, n);
}

// Trail bytes of code page 949 are 0x41 or above, so a white-space byte is never one:
// trimming from the end cannot cut a double-byte character.
void TrimBack(std::string& text) {
    std::size_t n = text.size();
    while (n > 0 && IsWhite(text[n - 1]))
        --n;
    text.erase(n);
}

}  // namespace

std::string GetField(std::string_view text, int index, char separator) {
    int count = 0;
    std::size_t start = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] != separator) continue;
        if (count == index) return std::string(text.substr(start, i - start));
        ++count;
        start = i + 1;
    }
    if (count == index) return std::string(text.substr(start));
    return {};
}

std::vector<std::string_view> SplitFields(std::string_view text, char separator) {
    std::vector<std::string_view> fields;
    std::size_t start = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] != separator) continue;
        fields.push_back(text.substr(start, i - start));
        start = i + 1;
    }
    fields.push_back(text.substr(start));
    return fields;
}

int GetIntField(std::string_view text, int index, char separator) {
    return TextToInt(GetField(text, index, separator));
}

std::string GetTextField(std::string_view text, int index, char separator, std::size_t maxBytes) {
    return cp949::CutBytes(Trimmed(GetField(text, index, separator)), maxBytes);
}

long long TextToInt64(std::string_view text) {
    std::size_t i = 0;
    while (i < text.size() && IsWhite(text[i]))
        ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) negative = text[i++] == '-';
    constexpr long long kLimit = LLONG_MAX / 10 - 10;
    long long value = 0;
    bool overflow = false;
    for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i) {
        if (value > kLimit) {
            overflow = true;
            continue;
        }
        value = value * 10 + (text[i] - '0');
    }
    if (overflow) return negative ? LLONG_MIN : LLONG_MAX;
    return negative ? -value : value;
}

int TextToInt(std::string_view text) {
    long long value = TextToInt64(text);
    if (value > INT_MAX) return INT_MAX;
    if (value < INT_MIN) return INT_MIN;
    return int(value);
}

std::string TrimText(std::string& text) {
    TrimBack(text);
    TrimFront(text);
    return text;
}

std::string Trimmed(std::string_view text) {
    std::string copy(text);
    return TrimText(copy);
}

bool IsSameKey(std::string_view a, std::string_view b) {
    return a.size() == b.size() && cp949::ToLower(a) == cp949::ToLower(b);
}

std::string WithoutFieldSeparators(std::string_view typed) {
    return RemoveAll(typed, std::string_view(&kFieldSeparator, 1));
}

std::string RemoveAll(std::string_view text, std::string_view pattern) {
    if (pattern.empty()) return std::string(text);
    std::string out;
    out.reserve(text.size());
    std::size_t pos = 0;
    for (std::size_t hit; (hit = text.find(pattern, pos)) != std::string_view::npos;) {
        out.append(text.substr(pos, hit - pos));
        pos = hit + pattern.size();
    }
    out.append(text.substr(pos));
    return out;
}

// One pass: a marker never holds a line break, so removing a comment cannot join the text
// around it into a new marker.
std::string RemoveComments(std::string_view text, std::string_view marker) {
    if (marker.empty()) return std::string(text);
    std::string out;
    out.reserve(text.size());
    std::size_t pos = 0;
    for (std::size_t start; (start = text.find(marker, pos)) != std::string_view::npos;) {
        out.append(text.substr(pos, start - pos));
        std::size_t end = text.find(kCrLf, start);
        if (end == std::string_view::npos) end = text.size();
        bool wholeLine = out.empty() || EndsWith(out, kCrLf);
        pos = wholeLine && end < text.size() ? end + 2 : end;
    }
    out.append(text.substr(pos));
    return out;
}

std::string TrimToken(std::string_view text, std::string_view token, bool trimWhiteSpace) {
    if (token.empty()) return std::string(text);
    std::string_view rest = text;
    while (StartsWith(rest, token)) {
        rest.remove_prefix(token.size());
        if (trimWhiteSpace) rest = WithoutFrontWhite(rest);
    }
    while (EndsWith(rest, token)) {
        rest.remove_suffix(token.size());
        if (trimWhiteSpace) rest = WithoutBackWhite(rest);
    }
    return std::string(rest);
}

std::string GetCategory(std::string_view text, std::string_view name) {
    if (name.empty()) return {};
    std::size_t found = cp949::ToLower(text).find(cp949::ToLower(name));
    if (found == std::string::npos) return {};
    std::size_t start = found + name.size();
    std::size_t end = text.find(name[0], start);
    if (end == std::string_view::npos) end = text.size();
    std::string content(text.substr(start, end - start));
    TrimText(content);

    std::string collapsed;
    collapsed.reserve(content.size());
    for (std::size_t i = 0; i < content.size();) {
        if (content.compare(i, 4, "\r\n\r\n") == 0) {
            collapsed += kCrLf;
            i += 4;
        } else {
            collapsed += content[i++];
        }
    }
    return TrimToken(collapsed, kCrLf, true);
}

std::string GetLine(std::string_view text, int number) {
    if (number < 1) return {};
    std::size_t start = 0;
    int line = 1;
    while (true) {
        std::size_t end = text.find(kCrLf, start);
        if (end == std::string_view::npos) {
            // Text without a final CR LF: its last line ends at the end.
            if (start < text.size() && line == number) return std::string(text.substr(start));
            return {};
        }
        if (line == number) return std::string(text.substr(start, end - start));
        start = end + 2;
        ++line;
    }
}

std::vector<std::string> SplitLines(std::string_view text) {
    std::vector<std::string> lines;
    std::size_t start = 0;
    for (std::size_t end; (end = text.find(kCrLf, start)) != std::string_view::npos;
         start = end + 2) {
        lines.emplace_back(text.substr(start, end - start));
    }
    lines.emplace_back(text.substr(start));
    return lines;
}

int CountOf(std::string_view text, std::string_view pattern) {
    if (pattern.empty()) return 0;
    int count = 0;
    for (std::size_t pos = text.find(pattern); pos != std::string_view::npos;
         pos = text.find(pattern, pos + 1)) {
        ++count;
    }
    return count;
}

std::string CleanConfigText(std::string_view text) {
    return TrimToken(RemoveAll(RemoveComments(text, "//"), "\t"), kCrLf, true);
}

std::string CleanScriptText(std::string_view text) {
    return TrimToken(RemoveComments(RemoveAll(text, "\t"), "//"), kCrLf, true);
}

std::string SafeFormat(std::string_view format, std::initializer_list<std::string_view> texts,
                       std::initializer_list<long long> numbers) {
    std::string out;
    auto text = texts.begin();
    auto number = numbers.begin();
    for (std::size_t i = 0; i < format.size(); ++i) {
        char c = format[i];
        if (c != '%' || i + 1 >= format.size()) {
            out += c;
            continue;
        }
        char conversion = format[i + 1];
        if (conversion == '%') {
            out += '%';
            ++i;
        } else if (conversion == 's' && text != texts.end()) {
            out.append(*text++);
            ++i;
        } else if (conversion == 'd' && number != numbers.end()) {
            out += std::to_string(*number++);
            ++i;
        } else {
            out += c;
        }
    }
    return out;
}

}  // namespace nuv
