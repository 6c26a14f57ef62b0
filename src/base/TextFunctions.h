#pragma once
// The text functions every reader shares: fields, numbers, trimming, keys, sections, lines.
// Texts are code page 949 bytes.

#include <cstddef>
#include <initializer_list>
#include <string>
#include <string_view>
#include <vector>

namespace nuv {

extern const char kCrLf[];             // "\r\n"
constexpr char kFieldSeparator = ';';  // separates the fields of every saved line

// What the user typed for a saved field, without the field separator (no trail byte of a
// double-byte character is a ';', so the text stays whole): what is saved reads back the same.
std::string WithoutFieldSeparators(std::string_view typed);

// Field `index` (from 0) of `text` split at `separator`; empty when there are fewer fields.
std::string GetField(std::string_view text, int index, char separator);
int GetIntField(std::string_view text, int index, char separator);
// Every field of `text` split at `separator` in one pass: CountOf(text, separator) + 1 of
// them, field i equal to GetField(text, i, separator). The views point into `text`.
std::vector<std::string_view> SplitFields(std::string_view text, char separator);
// Field `index` trimmed and cut to at most `maxBytes` bytes without splitting a double-byte
// character: how every reader takes a text of fixed width.
std::string GetTextField(std::string_view text, int index, char separator, std::size_t maxBytes);

// Leading white space, an optional sign and decimal digits; 0 when there are no digits.
int TextToInt(std::string_view text);
// As TextToInt, but with 64 bits (for values that may exceed 32 bits).
long long TextToInt64(std::string_view text);

// Removes leading and trailing white space (space, tab, CR, LF, VT, FF) from `text`
// itself and returns a copy of the result.
std::string TrimText(std::string& text);
std::string Trimmed(std::string_view text);

// Equal once both texts are lowered (double-byte characters kept whole); no trimming.
bool IsSameKey(std::string_view a, std::string_view b);

// Copy of `text` with every occurrence of `pattern` removed, scanning left to right.
std::string RemoveAll(std::string_view text, std::string_view pattern);

// Removes every comment that starts with `marker` and runs to the end of its line; a line
// holding only a comment disappears together with its line break.
std::string RemoveComments(std::string_view text, std::string_view marker);

// Removes `token` repeatedly from both ends (and, with trimWhiteSpace, the white space each
// removal uncovers).
std::string TrimToken(std::string_view text, std::string_view token, bool trimWhiteSpace);

// The cleaned content of the bracketed section `name` (found in any letter case), or empty.
std::string GetCategory(std::string_view text, std::string_view name);

// Line `number` (from 1) without its CR LF; empty when there is no such line.
std::string GetLine(std::string_view text, int number);

// All lines of `text` split at CR LF: CountOf(text, CR LF) + 1 of them, line n at n - 1, as
// GetLine gives them one by one.
std::vector<std::string> SplitLines(std::string_view text);

// Occurrences of `pattern`, each search starting one byte past the previous hit.
int CountOf(std::string_view text, std::string_view pattern);

// The cleaning of configuration and message files: comments, then tabs, then outer line breaks.
std::string CleanConfigText(std::string_view text);
// The cleaning of the pet script: tabs, then comments, then outer line breaks.
std::string CleanScriptText(std::string_view text);

// Fills a printf-style text safely: only %s (from `texts`, in order), %d (from `numbers`, in
// order) and %% are replaced; every other conversion, and one without an argument left, is
// kept literally.
std::string SafeFormat(std::string_view format, std::initializer_list<std::string_view> texts,
                       std::initializer_list<long long> numbers);

}  // namespace nuv
