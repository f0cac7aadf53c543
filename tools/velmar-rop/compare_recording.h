#pragma once

#include "command_line.h"
#include "velmar_rop.h"

// --compare DIR: a recording of velmar-conform checked against the model, the report written
// through `write` case by case (--json: the JSON report instead); --diff DIR, the pictures.
VelmarRopRun CompareRecordingCommand(const CommandLine& command, const VelmarRopWrite& write);
