// The configuration files: the pet state, PET.CFG and the advertisement messages, each read
// and written back.

#include <cstdint>
#include <string>

#include "base/Log.h"
#include "formats/ComplementedFile.h"
#include "formats/PetConfig.h"
#include "formats/PetFile.h"
#include "formats/PetInfo.h"
#include "fuzz/FuzzFiles.h"
#include "sim/ManualClock.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    std::string text = nuv::Complement(std::string(reinterpret_cast<const char*>(data), size));
    nuv::MemoryFileSystem& files = nuv::fuzz::InputFiles();

    files.Put(".\\DATA\\FUZZ.CFG", text);
    nuv::ManualClock clock;
    nuv::CPetInfo info;
    if (info.LoadPetStateFile(files, ".\\DATA\\FUZZ.CFG") && info.SetPetInfosPart()) {
        info.SaveConfigData(files, clock, 0);
    }

    files.Put(".\\DATA\\PET.CFG", text);
    nuv::CPetConfig config;
    if (config.LoadCommonConfigFile(files, ".\\DATA\\PET.CFG") && config.SetUserInfoPart() &&
        config.SetPetsInfoPart()) {
        config.FindActivePet();
        config.SavePetConfig(files);
    }

    files.Put(".\\DATA\\FUZZ.CMC", text);
    nuv::CPetFile messages;
    if (messages.LoadAdMessages(files, ".\\DATA\\FUZZ.CMC")) messages.PickAdMessage(0);
    return 0;
}
