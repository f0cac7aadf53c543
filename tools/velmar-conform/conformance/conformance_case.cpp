#include "conformance_case.h"

bool IsCaseName(const std::string& name) {
    if (name.empty() || name.size() > 200) return false;
    for (const char c : name) {
        const bool word =
            (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9');
        if (!word && c != '.' && c != ',' && c != '=' && c != '_' && c != '+' && c != '-')
            return false;
    }
    return true;
}
