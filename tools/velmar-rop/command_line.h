#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "rop_reader.h"
#include "rop_vectors.h"

// The kinds of operation the program answers questions about.
enum class Question {
    Ternary,     // BitBlt's 256 operations
    PenMix,      // SetROP2's 16 mixes (--rop2)
    Quaternary,  // a MaskBlt code from its halves (--fore, --back)
    MaskCode,    // a MaskBlt code taken apart (--rop4)
};

struct CommandLine {
    enum class Action { Help, Table, Query, Render, Compare };
    Action action = Action::Query;
    Question question = Question::Ternary;  // a Table is of Ternary or PenMix
    bool json = false;
    bool port = false;  // the text report adds the port to today's graphics APIs
    RopInputKind kind = RopInputKind::Auto;  // how a Ternary input is to be read
    std::string input;                       // the operation; for Quaternary the foreground
    std::string background;                  // Quaternary only
    // --vectors N: the output is N test vectors of the operation (of each, for a Table): the
    // vectors alone in text, the report's objects with their "vectors" in JSON.
    std::optional<std::uint32_t> vectors;
    std::uint64_t seed = kRopDefaultVectorSeed;
    // --emit c: C source instead of a report, of the operation given or, as a Table, of all 256.
    bool emitC = false;
    // --render SCENE: the scene file played on the model; --out and --bmp write its target.
    // --compare DIR: the recording in DIR (scene holds DIR); --diff, where its pictures go.
    std::string scene;
    std::string outFile;
    std::string bmpFile;
    std::string diffDirectory;
};

struct ParsedCommandLine {
    std::optional<CommandLine> command;
    std::string usageError;  // set when command is empty
};

// args excludes the program name. "--rows X" and "--rows=X" both work; "--" ends the options, so
// an input that starts with '-' can still be given. --rop2 takes no value of its own: it says the
// plain argument is a pen mix, and with --table it lists the mixes. --vectors and --emit go with a
// ternary operation or with all 256 (--emit c alone, like --table, means all of them).
ParsedCommandLine ParseCommandLine(const std::vector<std::string>& args);
