#include "rop_join_text.h"

std::string JoinRopText(std::initializer_list<std::string_view> parts) {
    std::size_t size = 0;
    for (std::string_view part : parts) size += part.size();
    std::string text;
    text.reserve(size);
    for (std::string_view part : parts) text.append(part.data(), part.size());
    return text;
}
