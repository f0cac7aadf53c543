#include "report_vectors.h"

#include "report.h"
#include "rop_apply.h"
#include "rop_vectors.h"

namespace {

// Output is handed on in pieces of about this size, so a million vectors never sit in memory.
constexpr std::size_t kPieceSize = 1 << 16;

class PieceWriter {
public:
    explicit PieceWriter(const VelmarRopWrite& write) : m_write(write) {}

    std::string& Text() { return m_text; }

    // Hands the text on once it is a piece's size (or at the end, all of it); false once a write
    // has failed.
    bool Pass(bool all = false) {
        if (m_text.size() < kPieceSize && !all) return true;
        const bool written = m_write(m_text);
        m_text.clear();
        return written;
    }

private:
    const VelmarRopWrite& m_write;
    std::string m_text;
};

void AppendHex(std::string& out, std::uint32_t value) {
    constexpr char kDigits[] = "0123456789ABCDEF";
    char text[10] = {'0', 'x'};
    for (int i = 0; i < 8; ++i) text[2 + i] = kDigits[(value >> (28 - 4 * i)) & 0xF];
    out.append(text, sizeof text);
}

void AppendJsonHex(std::string& out, const char* name, std::uint32_t value) {
    out += name;
    out += '"';
    AppendHex(out, value);
    out += '"';
}

void AppendJsonVector(std::string& out, const RopVector& v, std::uint32_t result) {
    AppendJsonHex(out, "{\"P\":", v.p);
    AppendJsonHex(out, ",\"S\":", v.s);
    AppendJsonHex(out, ",\"D\":", v.d);
    AppendJsonHex(out, ",\"result\":", result);
    out += '}';
}

void AppendTextVector(std::string& out, const std::string& prefix, const RopVector& v,
                      std::uint32_t result) {
    out += prefix;
    out += "P ";
    AppendHex(out, v.p);
    out += " S ";
    AppendHex(out, v.s);
    out += " D ";
    AppendHex(out, v.d);
    out += " -> ";
    AppendHex(out, result);
    out += '\n';
}

// The vectors of one operation: text lines after prefix, or the JSON array's items.
bool WriteVectors(PieceWriter& writer, std::uint8_t index, const CommandLine& command,
                  const std::string& prefix) {
    RopVectorSource source(command.seed);
    for (std::uint32_t n = 0; n < *command.vectors; ++n) {
        const RopVector v = source.Next();
        const std::uint32_t result = ApplyRop(index, v.p, v.s, v.d);
        if (!command.json) {
            AppendTextVector(writer.Text(), prefix, v, result);
        } else {
            if (n > 0) writer.Text() += ',';
            AppendJsonVector(writer.Text(), v, result);
        }
        if (!writer.Pass()) return false;
    }
    return true;
}

// A JSON object with "vectors" as its last key: the object without its closing brace, then them.
bool WriteObjectWithVectors(PieceWriter& writer, std::string object, std::uint8_t index,
                            const CommandLine& command) {
    object.pop_back();
    writer.Text() += object + ",\"vectors\":[";
    if (!WriteVectors(writer, index, command, {})) return false;
    writer.Text() += "]}";
    return true;
}

}  // namespace

bool WriteOperationVectors(const OperationFacts& facts, RopInputKind readAs,
                           const CommandLine& command, const VelmarRopWrite& write) {
    PieceWriter writer(write);
    if (command.json) {
        if (!WriteObjectWithVectors(writer, OperationJsonObject(facts, readAs), facts.index,
                                    command))
            return false;
        writer.Text() += '\n';
    } else if (!WriteVectors(writer, facts.index, command, {})) {
        return false;
    }
    return writer.Pass(true);
}

bool WriteTableVectors(const CommandLine& command, const VelmarRopWrite& write) {
    PieceWriter writer(write);
    if (command.json) writer.Text() += "[\n";
    for (int index = 0; index < 256; ++index) {
        const OperationFacts facts = CollectOperationFacts(static_cast<std::uint8_t>(index));
        const bool written =
            command.json
                ? WriteObjectWithVectors(writer, TableJsonObject(facts), facts.index, command)
                : WriteVectors(writer, facts.index, command, facts.indexText + " ");
        if (!written) return false;
        if (command.json) writer.Text() += index == 255 ? "\n" : ",\n";
    }
    if (command.json) writer.Text() += "]\n";
    return writer.Pass(true);
}
