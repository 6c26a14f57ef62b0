#include "sim/SimSystem.h"

namespace nuv {

CSimSystem::CSimSystem(CSimContext& sim) : sim_(sim) {
    version.platform = OsVersion::kWindowsNt;
    version.major = 5;
    version.minor = 1;
}

uint32_t CSimSystem::GetVersion(OsVersion* v) {
    if (versionError) return versionError;
    *v = version;
    return 0;
}

}  // namespace nuv
