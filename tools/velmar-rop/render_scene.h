#pragma once

#include "command_line.h"
#include "velmar_rop.h"

// --render: reads the scene file, plays it on the model and reports each step's return value
// and the SHA-1 of the target's bytes (--json: as one object); --out writes those bytes, --bmp a
// .bmp file of the target. A scene that does not read is a usage error (status 2) naming the
// place of its fault, and nothing is drawn or written.
VelmarRopRun RenderScene(const CommandLine& command);
