// The menu icons, drawn pixel by pixel.

#include <map>

#include "petart/Pictures.h"

namespace nuv::art {
namespace {

struct IconArt {
    const char* name;
    const char* rows[kIconSize];
};

// '.' is transparent; the other letters are the colours of ColourOf.
const IconArt kIcons[kIconCount] = {
    {"games",
     {"....kkkkk....", "..kkrrrYYkk..", ".krrrrrYYYYk.", ".krrrrrYYYYk.", "krrrrrwYYYYYk",
      "krrrrwwwYYYYk", "kbbbwwwwwgggk", "kbbbbwwwggggk", "kbbbbbwgggggk", ".kbbbbbggggk.",
      ".kbbbbbggggk.", "..kkbbbggkk..", "....kkkkk...."}},
    {"catch",
     {"kk.......Y...", "kwk.....YyY..", "kwwk.....Y...", "kwwwk........", "kwwwwk.......",
      "kwwwwwk......", "kwwwwwwk.....", "kwwwwkkkk....", "kwwkwk.......", "kwk.kwk......",
      "kk...kwk.....", ".....kwk.....", "......kk....."}},
    {"carry",
     {"kk.......k...", "kwk.....kgk..", "kwwk...kgggk.", "kwwwk..kkgkk.", "kwwwwk..kgk..",
      "kwwwwwk.kgk..", "kwwwwwwkkkk..", "kwwwwkkkk....", "kwwkwk.......", "kwk.kwk......",
      "kk...kwk.....", ".....kwk.....", "......kk....."}},
    {"bounce",
     {"....kkkk.....", "...kyyYYk....", "..kyyyyYYk...", "..kyyyyyyk...", "..kyyyyyyk...",
      "...kyyyyk....", "....kkkk.....", ".............", ".s.........s.", "..s.......s..",
      "...s.....s...", ".............", "sssssssssssss"}},
    {"stroke",
     {".............", "...kk...kk...", "..kook.kook..", "..kook.kook..", "kk.kk...kk.kk",
      "kook.....kook", "kook.kkk.kook", ".kk.koook.kk.", "...koooook...", "..koooooook..",
      "..koooooook..", "...koooook...", "....kkkkk...."}},
    {"tag",
     {"........kkk..", ".......koook.", ".......koook.", ".......koook.", "........kok..",
      "........kkk..", "..kkk........", ".koook.......", ".koook.......", ".koook.......",
      "..kok........", "..kkk........", "............."}},
    {"fast tag",
     {"......kkkk...", ".....kyyyk...", "....kyyyk....", "...kyyyk.....", "..kyyyykkkk..",
      ".kyyyyyyyyk..", ".kkkkyyyyk...", "....kyyyk....", "...kyyyk.....", "...kyyk......",
      "..kyyk.......", "..kyk........", "..kk........."}},
    {"status",
     {".............", "........kkk..", "........kgk..", "........kgk..", "....kkk.kgk..",
      "....kyk.kgk..", "....kyk.kgk..", "kkk.kyk.kgk..", "krk.kyk.kgk..", "krk.kyk.kgk..",
      "krk.kyk.kgk..", "kkkkkkkkkkkkk", "............."}},
    {"options",
     {".....kkk.....", "..kk.kSk.kk..", ".kSSkkSkkSSk.", ".kSSSSSSSSSk.", "..kSSSkSSSk..",
      "kkkSSk.kSSkkk", "kSSSk...kSSSk", "kkkSSk.kSSkkk", "..kSSSkSSSk..", ".kSSSSSSSSSk.",
      ".kSSkkSkkSSk.", "..kk.kSk.kk..", ".....kkk....."}},
    {"exit",
     {"kkkkkkk......", "knnnnnk......", "knNNNnk......", "knNNNnk...k..", "knNNNnk...kk.",
      "knNNNnkkkkrkk", "knNNyNkrrrrrk", "knNNNnkkkkrk.", "knNNNnk...kk.", "knNNNnk...k..",
      "knNNNnk......", "knnnnnk......", "kkkkkkk......"}},
    {"info",
     {"....kkkkk....", "..kkbbbbbkk..", ".kbbbbwbbbbk.", ".kbbbbbbbbbk.", "kbbbbwwbbbbbk",
      "kbbbbbwbbbbbk", "kbbbbbwbbbbbk", "kbbbbbwbbbbbk", "kbbbbbwbbbbbk", ".kbbbwwwbbbk.",
      ".kbbbbbbbbbk.", "..kkbbbbbkk..", "....kkkkk...."}},
    {"sleep",
     {"....kkkk.....", "..kkYYk.kkkk.", ".kYYYk....k..", ".kYYk....k...", "kYYYk...kkkk.",
      "kYYYk........", "kYYYk........", "kYYYk........", "kYYYYk......k", ".kYYYYkk..kk.",
      ".kYYYYYYkkYk.", "..kkYYYYYYk..", "....kkkkkk..."}},
    {"acorn",
     {"......k......", ".....kk......", "...kkkkkkk...", "..kNNNNNNNk..", ".kNMNMNMNMNk.",
      ".kNNNNNNNNNk.", ".kkkkkkkkkkk.", "..knnnnnnnk..", "..knAnnnnnk..", "..knAnnnnnk..",
      "...knnnnnk...", "....knnnk....", ".....kkk....."}},
    {"talk",
     {".............", ".kkkkkkkkkkk.", "kwwwwwwwwwwwk", "kwwwwwwwwwwwk", "kwwkwwkwwkwwk",
      "kwwwwwwwwwwwk", "kwwwwwwwwwwwk", ".kkwwkkkkkkk.", "..kwk........", "..kk.........",
      ".k...........", ".............", "............."}},
    {"heart",
     {".............", "..kkk...kkk..", ".kRRrk.krrrk.", "kRRrrrkrrrrrk", "kRrrrrrrrrrrk",
      "krrrrrrrrrrrk", ".krrrrrrrrrk.", "..krrrrrrrk..", "...krrrrrk...", "....krrrk....",
      ".....krk.....", "......k......", "............."}},
    {"star",
     {"......k......", ".....kyk.....", ".....kyk.....", "....kyyyk....", "kkkkkyYyykkkk",
      ".kyyyyYyyyyk.", "..kyyyyyyyk..", "...kyyyyyk...", "...kyyyyyk...", "..kyyykyyyk..",
      "..kyyk.kyyk..", ".kyk.....kyk.", ".kk.......kk."}},
    {"home",
     {"......k......", ".....krk.....", "....krrrk....", "...krrrrrk...", "..krrrrrrrk..",
      ".krrrrrrrrrk.", "kkkkkkkkkkkkk", ".kccccccccck.", ".kcbbccknnck.", ".kcbbccknnck.",
      ".kcccccknnck.", ".kcccccknnck.", ".kkkkkkkkkkk."}},
    {"music",
     {"....kkkkkkkk.", "....kmmmmmmk.", "....kmkkkkmk.", "....kmk..kmk.", "....kmk..kmk.",
      "....kmk..kmk.", "....kmk..kmk.", "..kkkmk..kmk.", ".kmmmmk.kkmk.", ".kmmmmkkmmmk.",
      "..kkkkkmmmmk.", ".......kkkk..", "............."}},
    {"sun",
     {"......y......", ".y....y....y.", "..y.kkkkk.y..", "...kyyyyyk...", "..kyYYyyyyk..",
      "..kyYyyyyyk..", "yykyyyyyyykyy", "..kyyyyyyyk..", "..kyyyyyyyk..", "...kyyyyyk...",
      "..y.kkkkk.y..", ".y....y....y.", "......y......"}},
    {"question",
     {"....kkkkk....", "...kBBBBBk...", "..kBBkkkBBk..", "..kBk...kBk..", "..kk...kBBk..",
      "......kBBk...", ".....kBBk....", ".....kBk.....", ".....kBk.....", ".....kkk.....",
      ".....kBk.....", ".....kBk.....", ".....kkk....."}},
};

Pixel ColourOf(char c) {
    static const std::map<char, Pixel> colours = {
        {'k', MakePixel(52, 34, 26)},    {'w', MakePixel(255, 255, 255)},
        {'r', MakePixel(226, 62, 70)},   {'R', MakePixel(255, 150, 160)},
        {'y', MakePixel(250, 200, 40)},  {'Y', MakePixel(255, 236, 130)},
        {'b', MakePixel(60, 120, 220)},  {'B', MakePixel(120, 180, 250)},
        {'g', MakePixel(80, 170, 70)},   {'s', MakePixel(150, 150, 160)},
        {'S', MakePixel(190, 196, 206)}, {'n', MakePixel(200, 130, 60)},
        {'N', MakePixel(128, 84, 48)},   {'M', MakePixel(168, 118, 72)},
        {'A', MakePixel(236, 176, 104)}, {'o', MakePixel(224, 154, 90)},
        {'c', MakePixel(254, 240, 214)}, {'m', MakePixel(120, 80, 180)},
    };
    auto it = colours.find(c);
    return it == colours.end() ? kPureGreen : it->second;
}

}  // namespace

const std::vector<std::string>& IconNames() {
    static const std::vector<std::string> names = [] {
        std::vector<std::string> n;
        for (const IconArt& icon : kIcons)
            n.push_back(icon.name);
        return n;
    }();
    return names;
}

Image DrawIcons() {
    Image sheet(kIconSize, kIconSize * kIconCount, kPureGreen);
    for (int n = 0; n < kIconCount; ++n) {
        for (int row = 0; row < kIconSize; ++row) {
            const char* line = kIcons[n].rows[row];
            for (int col = 0; col < kIconSize && line[col]; ++col) {
                sheet.Set(col, n * kIconSize + row, ColourOf(line[col]));
            }
        }
    }
    return sheet;
}

}  // namespace nuv::art
