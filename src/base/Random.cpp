#include "base/Random.h"

namespace nuv {

CRandom& Random() {
    static CRandom generator;
    return generator;
}

}  // namespace nuv
