// The generated cases of velmar-conform played on the model natively: every scene read and
// played, as velmar-conform does on its model side. Run by hand (docs/raster-benchmark.md).

#include <chrono>
#include <cstdio>

#include "scene_model.h"
#include "scene_reader.h"
#include "sweep_scenes.h"

int main() {
    using Clock = std::chrono::steady_clock;
    const auto start = Clock::now();
    const std::vector<ConformanceCase> scenes = AllSweepScenes();
    const auto made = Clock::now();
    std::size_t steps = 0;
    for (const ConformanceCase& sweep : scenes) {
        const SceneReading reading = ReadScene(sweep.scene);
        steps += PlaySceneOnModel(*reading.scene).returns.size();
    }
    const auto end = Clock::now();
    const auto ms = [](auto d) { return std::chrono::duration<double, std::milli>(d).count(); };
    std::printf("%zu scenes, %zu steps: made in %.1f ms, read and played in %.1f ms\n",
                scenes.size(), steps, ms(made - start), ms(end - made));
    return 0;
}
