#include <string>
#include <string_view>
#include <vector>

#include "base/TextFunctions.h"
#include "formats/BmpDecoder.h"
#include "pettool/Packer.h"

namespace nuv::tool {
namespace {

std::vector<std::string> SplitCrLfOrLf(const std::string& text) {
    std::vector<std::string> lines;
    std::size_t start = 0;
    while (start <= text.size()) {
        std::size_t end = text.find('\n', start);
        if (end == std::string::npos) end = text.size();
        std::string line = text.substr(start, end - start);
        if (!line.empty() && line.back() == '\r') line.pop_back();
        lines.push_back(line);
        start = end + 1;
    }
    return lines;
}

std::string At(int line, const std::string& message) {
    return "line " + std::to_string(line) + ": " + message;
}

// The part of a line before its comment.
std::string Code(const std::string& line) {
    std::size_t comment = line.find("//");
    return comment == std::string::npos ? line : line.substr(0, comment);
}

// A text line "id;text;" (fields = 2) or "id;weight;text;" (fields = 3): the text must hold
// no ';' and no "//", which would end it early.
void CheckTextLine(const std::string& line, int number, int fields,
                   std::vector<std::string>* errors) {
    std::string code = RemoveAll(Code(line), "\t");
    int separators = CountOf(code, ";");
    if (Trimmed(code).empty()) return;
    if (separators > fields) {
        errors->push_back(At(number, "';' inside a text (it separates the fields)"));
    }
    std::size_t comment = line.find("//");
    if (comment != std::string::npos && CountOf(line.substr(0, comment), ";") < fields) {
        errors->push_back(At(number, "'//' inside a text (it starts a comment)"));
    }
    if (separators < fields && comment == std::string::npos) {
        errors->push_back(At(
            number, "the line needs " + std::to_string(fields) + " ';' or the program skips it"));
    }
}

}  // namespace

std::vector<std::string> CheckScriptText(const std::string& text) {
    std::vector<std::string> errors;
    std::string section;
    int blankRun = 0, blankStart = 0;
    std::vector<std::string> lines = SplitCrLfOrLf(text);
    for (std::size_t i = 0; i < lines.size(); ++i) {
        int number = int(i) + 1;
        // Tabs go first; a line that is a comment from its first character vanishes whole.
        std::string line = RemoveAll(lines[i], "\t");
        if (line.rfind("//", 0) == 0) continue;
        std::string code = Code(line);
        if (code.empty()) {
            if (blankRun++ == 0) blankStart = number;
            continue;
        }
        code = Trimmed(code);
        bool header = !code.empty() && code[0] == '[';
        // Blank lines before a section name or at the end are trimmed away with the section.
        if (blankRun >= 2 && !section.empty() && !header) {
            errors.push_back(At(blankStart + 1, "two blank lines in a row end the section's list"));
        }
        blankRun = 0;
        if (header) {
            std::size_t close = code.find(']');
            if (close == std::string::npos || close + 1 != code.size()) {
                errors.push_back(At(number, "a section name stands alone on its line"));
            }
            section = code.substr(0, close == std::string::npos ? code.size() : close + 1);
            for (char& c : section)
                c = char(std::toupper(static_cast<unsigned char>(c)));
            continue;
        }
        if (code.find('[') != std::string::npos) {
            errors.push_back(At(number, "'[' inside a section ends the section there"));
        }
        if (section == "[RES_TEXT]") CheckTextLine(lines[i], number, 2, &errors);
        if (section == "[RES_MESSAGE]") CheckTextLine(lines[i], number, 3, &errors);
    }
    return errors;
}

std::string RemoveCommentLines(const std::string& text) {
    std::string out;
    std::size_t start = 0;
    while (start < text.size()) {
        std::size_t end = text.find('\n', start);
        end = end == std::string::npos ? text.size() : end + 1;
        std::string_view line(text.data() + start, end - start);
        std::size_t first = line.find_first_not_of(" \t");
        if (first == std::string_view::npos || line.compare(first, 2, "//") != 0) out += line;
        start = end;
    }
    return out;
}

std::vector<std::string> CheckMessageText(const std::string& text) {
    std::vector<std::string> errors;
    std::vector<std::string> lines = SplitCrLfOrLf(text);
    while (!lines.empty() && Trimmed(lines.back()).empty())
        lines.pop_back();
    bool ended = false;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        int number = int(i) + 1;
        std::string line = RemoveAll(lines[i], "\t");
        std::string trimmed = Trimmed(line);
        if (trimmed.rfind("//", 0) == 0) continue;  // removed before packing
        if (trimmed.empty()) {
            if (!ended) errors.push_back(At(number, "an empty line ends the messages here"));
            ended = true;
            continue;
        }
        int separators = CountOf(line, ";");
        if (separators < 3) errors.push_back(At(number, "the line needs 3 ';' or it is skipped"));
        if (separators > 3)
            errors.push_back(At(number, "';' inside a text (it separates the fields)"));
    }
    return errors;
}

std::string ProtectLinks(const std::string& text) {
    std::string out;
    for (std::size_t i = 0; i < text.size(); ++i) {
        out += text[i];
        if (text[i] == '/' && i + 1 < text.size() && text[i + 1] == '/') out += '\t';
    }
    return out;
}

std::string MakeRegionFile(const Image& sheet, int frames, int framesPerRow, Size frame) {
    std::string out;
    auto put16 = [&out](int value) {
        out += char(value & 0xFF);
        out += char((value >> 8) & 0xFF);
    };
    put16(frames);
    put16(framesPerRow);
    put16(frame.width);
    put16(frame.height);
    for (int i = 0; i < frames; ++i) {
        int left = i % framesPerRow * frame.width, top = i / framesPerRow * frame.height;
        std::string runs;
        int count = 0;
        for (int y = top; y < top + frame.height; ++y) {
            for (int x = left; x < left + frame.width;) {
                if (sheet.At(x, y) != kPureGreen) {
                    ++x;
                    continue;
                }
                int start = x;
                while (x < left + frame.width && sheet.At(x, y) == kPureGreen)
                    ++x;
                for (int value : {start, y, x - start}) {
                    runs += char(value & 0xFF);
                    runs += char((value >> 8) & 0xFF);
                }
                ++count;
            }
        }
        put16(count);
        out += runs;
    }
    return out;
}

std::string MakeBcf(const Image& image) {
    std::string lead = "NuvPET picture";
    lead.resize(1024, '\0');
    return lead + EncodeBmp24(image);
}

}  // namespace nuv::tool
