// The model against the platform's GDI (Wine's, here) on 512 x 512 pixels of every format: each
// operation timed on both in the same run, the ratio of the medians printed. Run by hand under
// Wine (docs/raster-benchmark.md).

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <vector>

#include "gdi_scene_player.h"
#include "scene_model.h"
#include "scene_reader.h"
#include "sweep_scene_builder.h"

namespace {

constexpr int kSide = 512;
constexpr int kRepetitions = 15;

struct Operation {
    const char* name;
    Json step;
};

std::vector<Operation> Operations() {
    Json bitblt = Blit("bitblt", 0, 0, kSide, kSide, "SRCCOPY");
    bitblt["src"] = "src";
    Json threeOperands = Blit("bitblt", 0, 0, kSide, kSide, 0x00B8074A);
    threeOperands["src"] = "src";
    Json maskBlt = Blit("maskblt", 0, 0, kSide, kSide);
    maskBlt["src"] = "src";
    maskBlt["mask"] = "mask";
    maskBlt["rop4"] = 0xAACC0020;
    return {{"PatBlt PATINVERT", Blit("patblt", 0, 0, kSide, kSide, "PATINVERT")},
            {"BitBlt SRCCOPY", bitblt},
            {"BitBlt 0xB8074A", threeOperands},
            {"MaskBlt 0xAACC0020", maskBlt}};
}

Scene MakeScene(const SweepFormat& format, const Json& step) {
    SweepSceneBuilder builder("dst");
    builder.Bitmap("dst", ColorBitmap(format, kSide, kSide, 1))
        .Bitmap("src", ColorBitmap(format, kSide, kSide, 2))
        .Bitmap("mask", NoiseBitmap(SweepFormats().back(), kSide, kSide, 3))
        .Step({{"set", "dst"}, {"brush", {{"hatch", "HS_CROSS"}, {"color", "#C04020"}}}})
        .Step(step);
    return *ReadScene(builder.Make("bench").scene).scene;
}

template <typename Run>
double MedianMicroseconds(Run run) {
    std::vector<double> times;
    for (int i = 0; i < kRepetitions; ++i) {
        const auto start = std::chrono::steady_clock::now();
        run();
        const auto end = std::chrono::steady_clock::now();
        times.push_back(std::chrono::duration<double, std::micro>(end - start).count());
    }
    std::sort(times.begin(), times.end());
    return times[times.size() / 2];
}

}  // namespace

int main() {
    std::printf("%-24s %-20s %10s %10s %7s\n", "format", "operation", "model us", "GDI us",
                "ratio");
    for (const SweepFormat& format : SweepFormats()) {
        for (const Operation& operation : Operations()) {
            const Scene scene = MakeScene(format, operation.step);
            SceneModel model(scene);
            GdiScenePlayer gdi(scene);
            model.Run(scene.steps[0]);
            gdi.Run(scene.steps[0]);
            // Alternating, so a slow spell of the shared machine falls on both alike.
            double modelTime = 0, gdiTime = 0;
            for (int round = 0; round < 2; ++round) {
                modelTime += MedianMicroseconds([&] { model.Run(scene.steps[1]); });
                gdiTime += MedianMicroseconds([&] {
                    gdi.Run(scene.steps[1]);
                    ::GdiFlush();
                });
            }
            std::printf("%-24s %-20s %10.0f %10.0f %7.2f\n", format.name.c_str(), operation.name,
                        modelTime / 2, gdiTime / 2, modelTime / gdiTime);
        }
    }
    return 0;
}
