#include "balloon/BalloonMarkup.h"

#include "base/Cp949.h"
#include "base/Log.h"
#include "base/TextFunctions.h"

namespace nuv {

const char kBreakTag[] = "<BR>";
const char kTabTag[] = "<TAB>";
const char kTabBlanks[] = "    ";
const char kLinkTag[] = "<LINK";
const char kLinkEndTag[] = "</LINK>";
const char kLinkOpenMark[] = "<;LNK>";
const char kLinkCloseMark[] = "<LNK;>";

namespace {

constexpr std::size_t kMaxPicturePath = 259;
constexpr char kPictureTag[] = "<IMG";

char UpperAscii(char c) {
    return c >= 'a' && c <= 'z' ? char(c - 'a' + 'A') : c;
}

// Position of the next "<IMG" at or after `from` in any letter case, or npos.
std::size_t FindPictureTag(std::string_view text, std::size_t from) {
    for (std::size_t pos = from; pos < text.size(); ++pos) {
        if (TagAt(text, pos, kPictureTag)) return pos;
    }
    return std::string_view::npos;
}

// The text between the tag's first "=" and the next "=" (or the end), without the ">".
std::string_view PictureTagValue(std::string_view tag) {
    std::size_t equals = tag.find('=');
    if (equals == std::string_view::npos) return {};
    std::string_view value = tag.substr(equals + 1);
    value = value.substr(0, value.find('='));
    return value.substr(0, value.find('>'));
}

BalloonPictureTag ReadPictureTag(std::string_view value) {
    BalloonPictureTag picture;
    if (value.find(';') != std::string_view::npos) {
        picture.path = Trimmed(GetField(value, 0, ';'));
        std::string position = GetField(value, 1, ';');
        picture.x = GetIntField(position, 0, ',');
        picture.y = GetIntField(position, 1, ',');
        return picture;
    }
    // A text may hold no ';' (it separates script fields): "file,x,y".
    std::size_t lastComma = value.rfind(',');
    std::size_t middleComma = lastComma == std::string_view::npos || lastComma == 0
                                  ? std::string_view::npos
                                  : value.rfind(',', lastComma - 1);
    if (middleComma == std::string_view::npos) {
        picture.path = Trimmed(value);
        return picture;
    }
    picture.path = Trimmed(value.substr(0, middleComma));
    picture.x = TextToInt(value.substr(middleComma + 1, lastComma - middleComma - 1));
    picture.y = TextToInt(value.substr(lastComma + 1));
    return picture;
}

bool IsSeparator(char c) {
    return c == '\\' || c == '/';
}

// True for a name that Windows could read as a parent folder ("..", "...", ". .").
bool IsDotsOnly(std::string_view name) {
    return name.size() > 1 && name.find_first_not_of(". ") == std::string_view::npos;
}

}  // namespace

bool TagAt(std::string_view text, std::size_t pos, std::string_view tag) {
    if (pos > text.size() || text.size() - pos < tag.size()) return false;
    for (std::size_t i = 0; i < tag.size(); ++i) {
        if (UpperAscii(text[pos + i]) != tag[i]) return false;
    }
    return true;
}

bool ReadLinkTag(std::string_view text, std::size_t pos, std::size_t* tagEnd,
                 std::string* address) {
    if (!TagAt(text, pos, kLinkTag)) return false;
    std::size_t close = text.find('>', pos + std::string_view(kLinkTag).size());
    if (close == std::string_view::npos) return false;
    std::string_view tag = text.substr(pos, close - pos);
    std::size_t equals = tag.find('=');
    std::string_view value;
    if (equals != std::string_view::npos) {
        value = tag.substr(equals + 1);
        value = value.substr(0, value.find('='));
    }
    *address = Trimmed(value);
    *tagEnd = close + 1;
    return true;
}

std::string RemoveLinkMarkers(std::string_view line) {
    std::string out;
    out.reserve(line.size());
    for (std::size_t pos = 0; pos < line.size();) {
        if (TagAt(line, pos, kLinkOpenMark) || TagAt(line, pos, kLinkCloseMark)) {
            pos += kLinkMarkLength;
            continue;
        }
        std::size_t length = cp949::CharLength(line, pos);
        out.append(line, pos, length);
        pos += length;
    }
    return out;
}

void TrackLinkMarkers(std::string_view line, int* links, bool* open) {
    for (std::size_t pos = 0; pos < line.size();) {
        if (TagAt(line, pos, kLinkOpenMark)) {
            ++*links;
            *open = true;
            pos += kLinkMarkLength;
        } else if (TagAt(line, pos, kLinkCloseMark)) {
            *open = false;
            pos += kLinkMarkLength;
        } else {
            pos += cp949::CharLength(line, pos);
        }
    }
}

bool IsPetPicturePath(std::string_view path) {
    if (path.empty() || path.size() > kMaxPicturePath) return false;
    if (IsSeparator(path[0]) || path.find(':') != std::string_view::npos) return false;
    bool insidePets = false;
    bool hasName = false;
    std::size_t start = 0;
    while (start <= path.size()) {
        std::size_t end = start;
        while (end < path.size() && !IsSeparator(path[end]))
            ++end;
        std::string_view name = path.substr(start, end - start);
        if (IsDotsOnly(name)) return false;
        if (!name.empty() && name != ".") {
            if (insidePets) {
                hasName = true;
            } else if (IsSameKey(name, "PETS")) {
                insidePets = true;
            } else {
                return false;
            }
        }
        start = end + 1;
    }
    return insidePets && hasName;
}

std::vector<BalloonPictureTag> ExtractPictureTags(std::string* text) {
    std::vector<BalloonPictureTag> pictures;
    std::size_t from = 0;
    for (;;) {
        std::size_t open = FindPictureTag(*text, from);
        if (open == std::string::npos) break;
        std::size_t close = text->find('>', open);
        if (close == std::string::npos) break;
        std::string tag = text->substr(open, close + 1 - open);
        text->erase(open, close + 1 - open);
        from = open;
        BalloonPictureTag picture = ReadPictureTag(PictureTagValue(tag));
        if (!IsPetPicturePath(picture.path)) {
            WriteLogF("ExtractPictureTags() - '%s' 그림은 PET 폴더 밖에 있어 그리지 않습니다.",
                      picture.path.c_str());
            continue;
        }
        pictures.push_back(std::move(picture));
    }
    return pictures;
}

}  // namespace nuv
