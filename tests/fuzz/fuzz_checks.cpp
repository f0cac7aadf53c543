#include "fuzz_checks.h"

#include <cstdio>
#include <cstdlib>

#include "operation_facts.h"
#include "rop_expression.h"
#include "rop_index_text.h"
#include "rop_low_word.h"
#include "rop_reader.h"
#include "rop_rpn.h"

void FuzzRequire(bool holds, std::string_view rule, std::string_view text) {
    if (holds) return;
    std::fprintf(stderr, "fuzz check failed: %.*s\n  text: \"", static_cast<int>(rule.size()),
                 rule.data());
    for (const char c : text) {
        if (c >= 0x20 && c < 0x7F && c != '"' && c != '\\')
            std::fputc(c, stderr);
        else
            std::fprintf(stderr, "\\x%02X", static_cast<unsigned char>(c));
    }
    std::fprintf(stderr, "\"\n");
    std::abort();
}

std::string_view FuzzInput(const std::uint8_t* data, std::size_t size) {
    return {reinterpret_cast<const char*>(data), size};
}

std::vector<std::string> SplitAtNul(std::string_view text) {
    std::vector<std::string> pieces;
    if (text.empty()) return pieces;
    for (std::size_t start = 0;;) {
        const std::size_t end = text.find('\0', start);
        pieces.emplace_back(text.substr(start, end - start));
        if (end == std::string_view::npos) return pieces;
        start = end + 1;
    }
}

bool IsPrintable(std::string_view text, bool lineFeeds) {
    for (const char c : text)
        if (!(c >= 0x20 && c < 0x7F) && !(lineFeeds && c == '\n')) return false;
    return true;
}

void CheckFault(const RopParseResult& result, std::string_view text) {
    FuzzRequire(!result.ok, "a fault is not a success", text);
    FuzzRequire(!result.error.empty() && IsPrintable(result.error, false),
                "a fault's message is one printable line", result.error);
    FuzzRequire(
        result.errorOffset <= text.size() && result.errorLength <= text.size() - result.errorOffset,
        "a fault selects a part inside the text", text);
    FuzzRequire((result.errorLength == 0) == text.empty(),
                "a fault selects nothing only in an empty text", text);
}

void CheckReadsBack(std::uint8_t index, std::optional<std::uint32_t> givenCode) {
    const OperationFacts facts = CollectOperationFacts(index, givenCode);
    const struct {
        RopInputKind kind;
        const std::string& text;
    } forms[] = {
        {RopInputKind::Rpn, facts.rpn},
        {RopInputKind::Field, facts.rpn},
        {RopInputKind::Expression, facts.expression},
        {RopInputKind::Field, facts.expression},
        {RopInputKind::Rows, facts.rows},
        {RopInputKind::Index, facts.indexText},
        {RopInputKind::Code, facts.codeText},
        {RopInputKind::Auto, facts.windowCode},
    };
    for (const auto& form : forms) {
        const RopReading back = ReadRopOperation(form.kind, form.text);
        FuzzRequire(back.result.ok && back.result.index == index,
                    "a form of the report reads back to its operation", form.text);
    }
    if (!facts.gdiName.empty())
        FuzzRequire(ReadRopOperation(RopInputKind::Name, facts.gdiName).result.index == index,
                    "the GDI name reads back to its operation", facts.gdiName);
    FuzzRequire(facts.warning.has_value() == (givenCode && !HasPublishedLowWord(*givenCode)),
                "a code is warned about exactly when its low word is not the published one",
                facts.codeText);
}

namespace {

// Just enough of a JSON tree to find the operations in a report.
struct JsonValue {
    enum class Kind { Literal, Number, String, Array, Object } kind = Kind::Literal;
    std::string text;               // a string's value, escapes resolved
    std::vector<std::string> keys;  // an object's, one per item
    std::vector<JsonValue> items;

    const JsonValue* Member(std::string_view key) const {
        for (std::size_t i = 0; i < keys.size(); ++i)
            if (keys[i] == key) return &items[i];
        return nullptr;
    }
    const std::string* StringMember(std::string_view key) const {
        const JsonValue* value = Member(key);
        return value && value->kind == Kind::String ? &value->text : nullptr;
    }
};

class JsonReader {
public:
    explicit JsonReader(std::string_view text) : m_text(text) {}

    bool ReadDocument(JsonValue& value) {
        if (!ReadValue(value, 0)) return false;
        SkipSpace();
        return m_pos == m_text.size();
    }

private:
    // Far deeper than any report; a bound so that no text can exhaust the checker's stack.
    static constexpr int kMaxDepth = 32;

    bool AtEnd() const { return m_pos >= m_text.size(); }
    void SkipSpace() {
        while (!AtEnd() &&
               std::string_view(" \t\n\r").find(m_text[m_pos]) != std::string_view::npos)
            ++m_pos;
    }
    bool Take(char c) {
        SkipSpace();
        if (AtEnd() || m_text[m_pos] != c) return false;
        ++m_pos;
        return true;
    }
    bool TakeWord(std::string_view word) {
        if (m_text.compare(m_pos, word.size(), word) != 0) return false;
        m_pos += word.size();
        return true;
    }
    bool TakeDigits() {
        const std::size_t start = m_pos;
        while (!AtEnd() && m_text[m_pos] >= '0' && m_text[m_pos] <= '9') ++m_pos;
        return m_pos > start;
    }

    bool ReadValue(JsonValue& value, int depth) {
        SkipSpace();
        if (AtEnd() || depth > kMaxDepth) return false;
        const char c = m_text[m_pos];
        if (c == '{') return ReadObject(value, depth);
        if (c == '[') return ReadArray(value, depth);
        if (c == '"') {
            value.kind = JsonValue::Kind::String;
            return ReadString(value.text);
        }
        if (c == '-' || (c >= '0' && c <= '9')) return ReadNumber(value);
        return TakeWord("true") || TakeWord("false") || TakeWord("null");
    }

    bool ReadObject(JsonValue& value, int depth) {
        value.kind = JsonValue::Kind::Object;
        ++m_pos;
        if (Take('}')) return true;
        do {
            value.keys.emplace_back();
            value.items.emplace_back();
            if (!Take('"')) return false;
            --m_pos;
            if (!ReadString(value.keys.back()) || !Take(':')) return false;
            if (!ReadValue(value.items.back(), depth + 1)) return false;
        } while (Take(','));
        return Take('}');
    }

    bool ReadArray(JsonValue& value, int depth) {
        value.kind = JsonValue::Kind::Array;
        ++m_pos;
        if (Take(']')) return true;
        do {
            value.items.emplace_back();
            if (!ReadValue(value.items.back(), depth + 1)) return false;
        } while (Take(','));
        return Take(']');
    }

    bool ReadNumber(JsonValue& value) {
        value.kind = JsonValue::Kind::Number;
        const std::size_t start = m_pos;
        if (m_text[m_pos] == '-') ++m_pos;
        if (!AtEnd() && m_text[m_pos] == '0')
            ++m_pos;
        else if (!TakeDigits())
            return false;
        if (TakeWord(".") && !TakeDigits()) return false;
        if (TakeWord("e") || TakeWord("E")) {
            if (!TakeWord("+")) TakeWord("-");
            if (!TakeDigits()) return false;
        }
        value.text = m_text.substr(start, m_pos - start);
        return true;
    }

    // Escapes as RFC 8259 lists them; other bytes must be UTF-8 and no control characters.
    bool ReadString(std::string& out) {
        ++m_pos;
        while (!AtEnd()) {
            const auto c = static_cast<unsigned char>(m_text[m_pos]);
            if (c == '"') {
                ++m_pos;
                return true;
            }
            if (c < 0x20) return false;
            if (c == '\\') {
                if (!ReadEscape(out)) return false;
            } else if (c >= 0x80) {
                if (!ReadUtf8(out)) return false;
            } else {
                out += static_cast<char>(c);
                ++m_pos;
            }
        }
        return false;
    }

    bool ReadEscape(std::string& out) {
        if (++m_pos >= m_text.size()) return false;
        const char c = m_text[m_pos++];
        const std::string_view simple = "\"\\/bfnrt", meaning = "\"\\/\b\f\n\r\t";
        if (const std::size_t k = simple.find(c); k != std::string_view::npos) {
            out += meaning[k];
            return true;
        }
        if (c != 'u' || m_pos + 4 > m_text.size()) return false;
        unsigned unit = 0;
        for (int i = 0; i < 4; ++i) {
            const char h = m_text[m_pos++];
            const int digit = h >= '0' && h <= '9'   ? h - '0'
                              : h >= 'a' && h <= 'f' ? h - 'a' + 10
                              : h >= 'A' && h <= 'F' ? h - 'A' + 10
                                                     : -1;
            if (digit < 0) return false;
            unit = unit * 16 + static_cast<unsigned>(digit);
        }
        out += unit < 0x80 ? static_cast<char>(unit) : '?';  // only ASCII is looked at later
        return true;
    }

    // One well-formed sequence: no overlong form, no surrogate, nothing above U+10FFFF.
    bool ReadUtf8(std::string& out) {
        const auto lead = static_cast<unsigned char>(m_text[m_pos]);
        const int length = lead >= 0xF8   ? 0
                           : lead >= 0xF0 ? 4
                           : lead >= 0xE0 ? 3
                           : lead >= 0xC0 ? 2
                                          : 0;
        if (length == 0 || m_pos + length > m_text.size()) return false;
        unsigned point = lead & (0x7F >> length);
        for (int i = 1; i < length; ++i) {
            const auto next = static_cast<unsigned char>(m_text[m_pos + i]);
            if ((next & 0xC0) != 0x80) return false;
            point = point << 6 | (next & 0x3F);
        }
        constexpr unsigned kLeast[] = {0, 0, 0x80, 0x800, 0x10000};
        if (point < kLeast[length] || point > 0x10FFFF || (point >= 0xD800 && point <= 0xDFFF))
            return false;
        out.append(m_text.substr(m_pos, static_cast<std::size_t>(length)));
        m_pos += static_cast<std::size_t>(length);
        return true;
    }

    std::string_view m_text;
    std::size_t m_pos = 0;
};

void CheckOperations(const JsonValue& value) {
    for (const JsonValue& item : value.items) CheckOperations(item);
    if (value.kind != JsonValue::Kind::Object) return;
    const std::string* rpn = value.StringMember("rpn");
    const std::string* expression = value.StringMember("expression");
    const JsonValue* twin = value.Member("twin");
    const std::string* index = value.StringMember("index");
    if (!index && twin) index = twin->StringMember("index");
    if (!rpn || !expression || !index) return;
    const RopParseResult byRpn = EvaluateRopRpn(*rpn);
    const RopParseResult byExpression = EvaluateRopExpression(*expression);
    FuzzRequire(byRpn.ok && FormatRopIndex(byRpn.index) == *index,
                "a JSON report's RPN is its operation", *rpn);
    FuzzRequire(byExpression.ok && FormatRopIndex(byExpression.index) == *index,
                "a JSON report's expression is its operation", *expression);
}

}  // namespace

void CheckJsonReport(std::string_view json) {
    JsonValue document;
    FuzzRequire(JsonReader(json).ReadDocument(document), "the report is one JSON document", json);
    CheckOperations(document);
}
