#pragma once

#include "dc_state.h"
#include "surface.h"

// A bitmap selected into a memory device context of its own, as every bitmap of a scene is.
struct MemoryDc {
    Surface bitmap;
    DcState state;
};
