#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <string>

#include "bmp_file.h"
#include "sha1.h"
#include "velmar_rop.h"

namespace {

std::string TempPath(const std::string& name) {
    return ::testing::TempDir() + "velmar_render_" + name;
}

std::string Write(const std::string& name, const std::string& text) {
    const std::string path = TempPath(name);
    std::ofstream(path, std::ios::binary) << text;
    return path;
}

std::string Read(const std::string& path) {
    std::ifstream file(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
}

// Two 4 x 1 bitmaps of 8 bits: a PatBlt that fails, one that draws, and a BitBlt.
const char* const kScene = R"({"scene": 1, "target": "dst",
    "bitmaps": {"dst": {"dib": {"bpp": 8, "width": 4, "height": -1, "colors": ["#000000", "#FFFFFF"]}},
                "src": {"dib": {"bpp": 8, "width": 4, "height": -1, "colors": ["#000000", "#FFFFFF"], "bits": "01020304"}}},
    "steps": [{"patblt": "dst", "x": 0, "y": 0, "w": 4, "h": 1, "rop": "SRCCOPY"},
              {"patblt": "dst", "x": 0, "y": 0, "w": 4, "h": 1, "rop": "WHITENESS"},
              {"bitblt": "dst", "x": 1, "y": 0, "w": 2, "h": 1, "src": "src", "sx": 0, "rop": "SRCCOPY"}]})";

TEST(VelmarRopRender, ReportsEachStepAndTheTargetsSha1) {
    const std::string scene = Write("scene.json", kScene);
    const std::string bytes = "\xFF\x01\x02\xFF";
    const std::string sha1 =
        Sha1Hex(reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size());
    const VelmarRopRun text = RunVelmarRop(
        {"--render", scene, "--out", TempPath("out.raw"), "--bmp", TempPath("out.bmp")});
    EXPECT_EQ(text.status, 0) << text.err;
    EXPECT_EQ(text.out,
              "steps[0] patblt: FALSE\nsteps[1] patblt: TRUE\nsteps[2] bitblt: TRUE\nsha1 " + sha1 +
                  "\n");
    EXPECT_EQ(Read(TempPath("out.raw")), bytes);
    // The .bmp file: its header, a table of two, and the row padded to 4 bytes.
    const std::string bmp = Read(TempPath("out.bmp"));
    ASSERT_EQ(bmp.size(), 14u + 40u + 8u + 4u);
    EXPECT_EQ(bmp.substr(0, 2), "BM");
    EXPECT_EQ(bmp.substr(bmp.size() - 4), bytes);
    const VelmarRopRun json = RunVelmarRop({"--json", "--render", scene});
    EXPECT_EQ(json.out, R"({"steps":[false,true,true],"sha1":")" + sha1 +
                            R"(","width":4,"height":-1,"bpp":8})"
                            "\n");
}

TEST(VelmarRopRender, AFaultyScenesPlaceIsAUsageError) {
    std::string faulty = kScene;
    faulty.replace(faulty.rfind("SRCCOPY"), 7, "SRCCOPYY");
    const std::string scene = Write("faulty.json", faulty);
    const VelmarRopRun run = RunVelmarRop({"--render", scene, "--out", TempPath("never.raw")});
    EXPECT_EQ(run.status, 2);
    EXPECT_EQ(run.out, "");
    EXPECT_EQ(run.err, "velmar-rop: steps[2].rop: \"SRCCOPYY\" is not a raster-operation code\n");
    EXPECT_FALSE(std::ifstream(TempPath("never.raw")).good());
    EXPECT_EQ(RunVelmarRop({"--render", TempPath("missing.json")}).status, 2);
    EXPECT_EQ(RunVelmarRop({"--out", "x.raw"}).err,
              "velmar-rop: --out needs --render (try --help)\n");
    EXPECT_EQ(RunVelmarRop({"--render", scene, "--table"}).err,
              "velmar-rop: --render plays a scene; --table cannot go with it (try --help)\n");
}

TEST(Sha1, PublishedVectors) {
    const auto hex = [](const std::string& text) {
        return Sha1Hex(reinterpret_cast<const std::uint8_t*>(text.data()), text.size());
    };
    EXPECT_EQ(hex(""), "da39a3ee5e6b4b0d3255bfef95601890afd80709");
    EXPECT_EQ(hex("abc"), "a9993e364706816aba3e25717850c26c9cd0d89d");
    EXPECT_EQ(hex("abcdbcdecdefdefgefghfghighijhijkijkljklmklmnlmnomnopnopq"),
              "84983e441c3bd26ebaae4aa1f95129e5e54670f1");
    EXPECT_EQ(hex(std::string(1000000, 'a')), "34aa973cd4c4daa4f61eeb2bdbad27316534016f");
}

}  // namespace
