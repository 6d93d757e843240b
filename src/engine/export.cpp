// The library's one exported symbol: the C entry function ORVGO. Everything else in the shared
// library has hidden visibility.
#include "engine/orvane.h"

#include <cstdint>

#include "engine/run.h"

extern "C" __attribute__((visibility("default"))) int32_t ORVGO(int32_t version) {
    return Run_Analysis(version);
}
