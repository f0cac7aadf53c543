#include "picture_signature.h"

#include <cstring>
#include <string_view>

namespace {

using namespace std::string_view_literals;

// BMP, PNG, GIF (two versions), JPEG, TIFF (either byte order), ICO, CUR.
constexpr std::string_view kSignatures[] = {
    "BM"sv,    "\x89PNG\r\n\x1A\n"sv, "GIF87a"sv,   "GIF89a"sv, "\xFF\xD8\xFF"sv, "II*\0"sv,
    "MM\0*"sv, "\0\0\1\0"sv,          "\0\0\2\0"sv,
};

}  // namespace

bool StartsLikeAPicture(const std::uint8_t* bytes, std::size_t size) {
    if (!bytes) return false;
    for (const std::string_view signature : kSignatures)
        if (size >= signature.size() && std::memcmp(bytes, signature.data(), signature.size()) == 0)
            return true;
    return false;
}
