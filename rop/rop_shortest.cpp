#include "rop_shortest.h"

#include <optional>
#include <string_view>
#include <vector>

#include "rop_operands.h"

namespace {

struct Candidate {
    std::string text;
    int operators = 0;
    int exclusiveOrs = 0;
    int negations = 0;
    char top = 0;  // the outermost operator, 0 for a single operand
};

bool IsBinary(char op) { return op == '&' || op == '|' || op == '^'; }

std::size_t WrappedLength(const Candidate& part, bool wrap) {
    return part.text.size() + (wrap ? 2 : 0);
}

std::string Wrapped(const Candidate& part, bool wrap) {
    return wrap ? "(" + part.text + ")" : part.text;
}

// P, S, D sort in that order (the truth table's column order), ahead of the operator symbols.
int CompareTexts(std::string_view a, std::string_view b) {
    const auto rank = [](char c) {
        switch (c) {
            case 'P':
                return 1;
            case 'S':
                return 2;
            case 'D':
                return 3;
            default:
                return 4 + static_cast<unsigned char>(c);
        }
    };
    for (std::size_t i = 0; i < a.size() && i < b.size(); ++i)
        if (rank(a[i]) != rank(b[i])) return rank(a[i]) < rank(b[i]) ? -1 : 1;
    return a.size() == b.size() ? 0 : (a.size() < b.size() ? -1 : 1);
}

class Search {
public:
    RopShortestExpressionTable Run() {
        Settle(kRopPattern, {"P", 0, 0, 0, 0});
        Settle(kRopSource, {"S", 0, 0, 0, 0});
        Settle(kRopDestination, {"D", 0, 0, 0, 0});
        m_bySize.push_back({kRopPattern, kRopSource, kRopDestination});
        // The constants settle now too, but never become parts: see the header.
        Settle(0x00, {"0", 0, 0, 0, 0});
        Settle(0xFF, {"1", 0, 0, 0, 0});

        for (int size = 1; m_settled < 256; ++size) {
            for (const std::uint8_t part : m_bySize[size - 1]) OfferNegation(part);
            for (int left = 0; left < size; ++left)
                for (const std::uint8_t a : m_bySize[left])
                    for (const std::uint8_t b : m_bySize[size - 1 - left]) {
                        OfferBinary('&', a, b, a & b);
                        OfferBinary('|', a, b, a | b);
                        OfferBinary('^', a, b, a ^ b);
                    }
            // Settled only now, so every candidate of this size competed for its operation.
            for (const std::uint8_t index : m_found) Settle(index, std::move(*m_best[index]));
            m_bySize.push_back(std::move(m_found));
            m_found.clear();
        }

        RopShortestExpressionTable table;
        for (int index = 0; index < 256; ++index)
            table[index] = {m_best[index]->text, m_best[index]->operators};
        return table;
    }

private:
    void Settle(std::uint8_t index, Candidate candidate) {
        m_settledFlags[index] = true;
        m_best[index] = std::move(candidate);
        ++m_settled;
    }

    void OfferNegation(std::uint8_t part) {
        const Candidate& p = *m_best[part];
        const bool wrap = IsBinary(p.top);
        Offer(
            static_cast<std::uint8_t>(~part), p.operators + 1, p.exclusiveOrs, p.negations + 1,
            WrappedLength(p, wrap) + 1, [&] { return "~" + Wrapped(p, wrap); }, '~');
    }

    void OfferBinary(char op, std::uint8_t a, std::uint8_t b, int result) {
        const Candidate& l = *m_best[a];
        const Candidate& r = *m_best[b];
        const bool wrapLeft = IsBinary(l.top) && l.top != op;
        const bool wrapRight = IsBinary(r.top) && r.top != op;
        Offer(
            static_cast<std::uint8_t>(result), l.operators + r.operators + 1,
            l.exclusiveOrs + r.exclusiveOrs + (op == '^' ? 1 : 0), l.negations + r.negations,
            WrappedLength(l, wrapLeft) + WrappedLength(r, wrapRight) + 3,
            [&] { return Wrapped(l, wrapLeft) + " " + op + " " + Wrapped(r, wrapRight); }, op);
    }

    // Ranks by the counts and the length before building the text, which most candidates never
    // need.
    template <typename MakeText>
    void Offer(std::uint8_t index, int operators, int exclusiveOrs, int negations,
               std::size_t length, MakeText makeText, char top) {
        if (m_settledFlags[index]) return;
        auto& best = m_best[index];
        if (!best) {
            m_found.push_back(index);
            best = Candidate{makeText(), operators, exclusiveOrs, negations, top};
            return;
        }
        if (exclusiveOrs != best->exclusiveOrs) {
            if (exclusiveOrs > best->exclusiveOrs) return;
        } else if (negations != best->negations) {
            if (negations > best->negations) return;
        } else if (length != best->text.size()) {
            if (length > best->text.size()) return;
        } else {
            std::string text = makeText();
            if (CompareTexts(text, best->text) >= 0) return;
            best = Candidate{std::move(text), operators, exclusiveOrs, negations, top};
            return;
        }
        best = Candidate{makeText(), operators, exclusiveOrs, negations, top};
    }

    std::array<std::optional<Candidate>, 256> m_best;
    std::array<bool, 256> m_settledFlags{};
    int m_settled = 0;
    std::vector<std::vector<std::uint8_t>> m_bySize;  // operations whose shortest size is the slot
    std::vector<std::uint8_t> m_found;                // first reached at the size being searched
};

}  // namespace

RopShortestExpressionTable SearchShortestRopExpressions() { return Search().Run(); }

const RopShortestExpression& ShortestRopExpression(std::uint8_t index) {
    static const RopShortestExpressionTable table = SearchShortestRopExpressions();
    return table[index];
}
