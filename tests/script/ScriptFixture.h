#pragma once
// A small valid pet script, one section at a time, for tests to change.

#include <gtest/gtest.h>

#include <string>
#include <string_view>

#include "script/AniScript.h"
#include "support/TestEnv.h"

namespace nuv::test {

// The text with every "\n" turned into CR LF.
inline std::string Crlf(std::string_view text) {
    std::string out;
    for (char c : text) {
        if (c == '\n') out += '\r';
        out += c;
    }
    return out;
}

struct ScriptParts {
    std::string header = "[HEADER]\nVersion;1;\nType;CAT;\nDesc;a grey cat;\n";
    std::string config =
        "[CONFIG]\nSize;64,80;\nLevels;3;\nLevelPoints;100,300,1000;\nAniNum;2;\nActNum;1;\n"
        "ListA;;\nListB;;\nStatMax;10000;\n";
    std::string anilist = "[ANILIST]\n10;walk;;0,1;\n11;idle;;2;\n";
    std::string actlist = "[ACTLIST]\n100;stand;50;40;30;0;0;0;0;0;10;10,11\n";
    std::string mnulist = "[MNULIST]\n1;510;Play;0;-1;0;0;0;\n";
    std::string icons = "[RES_ICON]\nImage;ICONS.BCF\nSize;16,16\n1;0;smile;\n";
    std::string cursors = "[RES_CURSOR]\nCount;1\n1;0;CUR1.CUR\n";
    std::string objects = "[RES_OBJECT]\nImage;OBJ.BCF\n1;32,32;0,0;0;ball;\n";
    std::string sounds = "[RES_SOUND]\n1;meow;MEOW.WAV;\n";
    std::string texts = "[RES_TEXT]\n101;My pet;\n";
    std::string messages = "[RES_MESSAGE]\n251;10000;hello;\n";

    std::string Text() const {
        return Crlf(header + config + anilist + actlist + mnulist + icons + cursors + objects +
                    sounds + texts + messages);
    }
};

// One test's script, made of parts the test changes, with the files and log it uses.
class ScriptTest : public ::testing::Test {
  protected:
    // The script with the parts loaded as they are now.
    CAniScript& Loaded() {
        script.LoadScriptText(parts.Text());
        return script;
    }
    // A text by number, or "-" when there is none.
    std::string TextOf(int id) const {
        const std::string* text = script.FindText(id);
        return text ? *text : "-";
    }

    MemoryEnv env;
    ScriptParts parts;
    CAniScript script;
};

}  // namespace nuv::test
