#pragma once

#include <optional>
#include <string>

#include "mask_facts.h"
#include "operation_facts.h"
#include "pen_mix_facts.h"
#include "rop_reader.h"

// Whole reports, built in memory, so the program writes all of one or nothing. port (--port) adds
// the port's lines to a text report; JSON always has them, as the object "port" at the end.
std::string FormatOperationText(const OperationFacts& facts, RopInputKind readAs, bool port);
std::string FormatOperationJson(const OperationFacts& facts, RopInputKind readAs);

// All 256 operations: a header and one line each, or a JSON array with one object per line. With
// port the text lists the port instead, with its limits after the table.
std::string FormatTableText(bool port);
std::string FormatTableJson();

// One pen mix, and all 16 in the same two forms as the table of operations; a mix's port is its
// ternary twin's.
std::string FormatPenMixText(const PenMixFacts& facts, RopInputKind readAs, bool port);
std::string FormatPenMixJson(const PenMixFacts& facts, RopInputKind readAs);
std::string FormatPenMixTableText(bool port);
std::string FormatPenMixTableJson();

// A MaskBlt code with both of its halves (with port, each half's port) and the 16-row truth table.
std::string FormatMaskText(const MaskFacts& facts, bool port);
std::string FormatMaskJson(const MaskFacts& facts);

// The part of an operation's report the MaskBlt reports repeat for each half: the text report's
// lines from "Read as" (left out without readAs) to the warning, and the JSON object.
void AddOperationLines(std::string& out, const OperationFacts& facts,
                       std::optional<RopInputKind> readAs);
std::string OperationJsonObject(const OperationFacts& facts, std::optional<RopInputKind> readAs);
// One operation's object in --table --json: the above without "read_as" and "warning".
std::string TableJsonObject(const OperationFacts& facts);

// The port of an operation: text lines (from "Drawn" to "Limit"), the JSON object, and for the
// tables the header and columns of the port and the limits to print after them.
void AddPortLines(std::string& out, std::uint8_t index);
std::string PortJsonObject(std::uint8_t index);
std::string PortTableHeader();
std::string PortTableColumns(std::uint8_t index);
std::string PortTableNotes();

// The port's part for the blitter families and X11: its JSON fields (after a comma, without
// braces), its text lines (from "X11" to "Atari BLiTTER"), and its table columns and notes.
std::string FamilyJsonFields(std::uint8_t index);
void AddFamilyLines(std::string& out, std::uint8_t index);
std::string FamilyTableHeader();
std::string FamilyTableColumns(std::uint8_t index);
std::string FamilyTableNotes();
