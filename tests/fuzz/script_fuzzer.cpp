// The pet script: every section reader and the accessors, on plain text complemented here.

#include <cstdint>
#include <string>

#include "base/Log.h"
#include "formats/ComplementedFile.h"
#include "fuzz/FuzzFiles.h"
#include "script/AniScript.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    std::string text(reinterpret_cast<const char*>(data), size);
    nuv::fuzz::InputFiles().Put(".\\PETS\\FUZZ.ANI", nuv::Complement(text));
    nuv::CAniScript script;
    if (!script.LoadScriptFile(nuv::fuzz::InputFiles(), ".\\PETS\\FUZZ.ANI")) return 0;
    script.ReadAllSections();
    for (int id : {0, 100, 140, 701}) {
        script.FindAnimation(id);
        script.FindAction(id);
        script.FindText(id);
    }
    script.PickMessage(0, 10000, uint32_t(size));
    script.ResetScript();
    return 0;
}
