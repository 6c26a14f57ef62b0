#pragma once
// The markup of balloon texts: tags (matched without regard to letter case), the link
// markers kept inside laid-out lines, and picture tags.

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace nuv {

extern const char kBreakTag[];       // "<BR>"
extern const char kTabTag[];         // "<TAB>"
extern const char kTabBlanks[];      // what a tab stands for: four blanks
extern const char kLinkTag[];        // "<LINK", up to the next ">"
extern const char kLinkEndTag[];     // "</LINK>"
extern const char kLinkOpenMark[];   // "<;LNK>" opens a link inside a laid-out line
extern const char kLinkCloseMark[];  // "<LNK;>" closes it
constexpr std::size_t kLinkMarkLength = 6;

// True when `tag` (upper case) starts at text[pos], in any letter case.
bool TagAt(std::string_view text, std::size_t pos, std::string_view tag);

// A link tag at text[pos]: "<LINK", anything, then ">". The address is the text after the
// tag's first "=" up to the next "=" or ">", trimmed (empty without "="). Returns false, with
// the outputs untouched, when no complete link tag starts there.
bool ReadLinkTag(std::string_view text, std::size_t pos, std::size_t* tagEnd, std::string* address);

// `line` without its link markers.
std::string RemoveLinkMarkers(std::string_view line);

// Follows the link markers of `line`: each open marker counts one more link in `*links` and
// opens it, each close marker closes it.
void TrackLinkMarkers(std::string_view line, int* links, bool* open);

// True for a picture path inside the pets' folder: relative, under "PETS" (".\PETS\..." or
// "PETS\..."), without a drive, "..", or more than 259 bytes.
bool IsPetPicturePath(std::string_view path);

struct BalloonPictureTag {
    std::string path;
    int x = 0;
    int y = 0;

    bool operator==(const BalloonPictureTag& o) const {
        return path == o.path && x == o.x && y == o.y;
    }
};

// Cuts every picture tag ("<IMG", anything, "=" file ";" x "," y ">"; without ";" the last two
// ","-fields are x and y) out of `text` and returns them in order. Tags whose file lies
// outside the pets' folder are cut and logged but not returned.
std::vector<BalloonPictureTag> ExtractPictureTags(std::string* text);

}  // namespace nuv
