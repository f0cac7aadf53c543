#pragma once

#include "command_line.h"
#include "operation_facts.h"
#include "rop_reader.h"
#include "velmar_rop.h"

// Test vectors, command.vectors of them for command.seed, written through write a piece at a
// time; false as soon as a write fails. In text each is one line,
//   P 0xF0F0F0F0 S 0xCCCCCCCC D 0xAAAAAAAA -> 0xE2E2E2E2
// (for the table after the index and a space: "0xE2 P 0x..."); in JSON the report's object, or
// the table's, gains "vectors": [{"P": "0x...", "S": ..., "D": ..., "result": ...}] at its end.
bool WriteOperationVectors(const OperationFacts& facts, RopInputKind readAs,
                           const CommandLine& command, const VelmarRopWrite& write);
bool WriteTableVectors(const CommandLine& command, const VelmarRopWrite& write);
