#include "diff_pictures.h"

#include <vector>

#include "bmp_file.h"
#include "file_bytes.h"
#include "quote_argument.h"
#include "surface_pixels.h"

namespace {

Surface DifferencePicture(const Surface& expected, const Surface& got) {
    Surface picture = MakeMonochromeBitmap(expected.width, expected.height);
    std::vector<std::uint32_t> want(static_cast<std::size_t>(expected.width));
    std::vector<std::uint32_t> have(want.size());
    std::vector<std::uint32_t> differs(want.size());
    for (int y = 0; y < expected.height; ++y) {
        ReadPixels(expected, 0, y, expected.width, want.data());
        ReadPixels(got, 0, y, got.width, have.data());
        for (std::size_t x = 0; x < want.size(); ++x) differs[x] = want[x] != have[x];
        WritePixels(picture, 0, y, expected.width, differs.data());
    }
    return picture;
}

}  // namespace

bool WriteDiffPictures(const std::string& directory, const CaseResult& result, std::string& fault) {
    if (result.Passed() || result.expected.bytes.empty()) return true;
    const std::string stem = directory + "/" + result.name;
    const std::pair<std::string, Surface> pictures[] = {
        {stem + ".expected.bmp", result.expected},
        {stem + ".got.bmp", result.got},
        {stem + ".difference.bmp", DifferencePicture(result.expected, result.got)}};
    for (const auto& [path, surface] : pictures) {
        if (WriteFileBytes(path, BmpFileBytes(surface))) continue;
        fault = "cannot write " + QuotePath(path);
        return false;
    }
    return true;
}
