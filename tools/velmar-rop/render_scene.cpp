#include "render_scene.h"

#include "bmp_file.h"
#include "file_bytes.h"
#include "json_text.h"
#include "quote_argument.h"
#include "scene_model.h"
#include "scene_reader.h"
#include "sha1.h"

namespace {

VelmarRopRun Fail(int status, const std::string& message) {
    return {status, {}, "velmar-rop: " + message + "\n"};
}

std::string Report(const Scene& scene, const SceneOutcome& outcome, const std::string& sha1,
                   bool json) {
    const Surface& target = outcome.target;
    if (json) {
        std::string steps;
        for (std::size_t i = 0; i < outcome.returns.size(); ++i)
            steps += std::string(i ? "," : "") + (outcome.returns[i] ? "true" : "false");
        // As the scene gave it: negative for a top-down DIB.
        const int height =
            target.topDown && !target.IsMonochromeBitmap() ? -target.height : target.height;
        return "{" + JsonField("steps", "[" + steps + "]") + "," +
               JsonField("sha1", JsonString(sha1)) + "," +
               JsonField("width", std::to_string(target.width)) + "," +
               JsonField("height", std::to_string(height)) + "," +
               JsonField("bpp", std::to_string(target.format.bitsPerPixel)) + "}\n";
    }
    std::string text;
    for (std::size_t i = 0; i < outcome.returns.size(); ++i)
        text += "steps[" + std::to_string(i) + "] " + SceneStepName(scene.steps[i]) + ": " +
                (outcome.returns[i] ? "TRUE" : "FALSE") + "\n";
    return text + "sha1 " + sha1 + "\n";
}

}  // namespace

VelmarRopRun RenderScene(const CommandLine& command) {
    std::string text;
    std::string fault;
    if (!ReadFileText(command.scene, kSceneFileLimit, text, fault)) return Fail(2, fault);
    const SceneReading reading = ReadScene(text);
    if (!reading.scene) return Fail(2, reading.fault);
    const SceneOutcome outcome = PlaySceneOnModel(*reading.scene);
    const std::vector<std::uint8_t>& bytes = outcome.target.bytes;
    if (!command.outFile.empty() && !WriteFileBytes(command.outFile, bytes))
        return Fail(1, "cannot write " + QuoteArgument(command.outFile));
    if (!command.bmpFile.empty() && !WriteFileBytes(command.bmpFile, BmpFileBytes(outcome.target)))
        return Fail(1, "cannot write " + QuoteArgument(command.bmpFile));
    return {
        0, Report(*reading.scene, outcome, Sha1Hex(bytes.data(), bytes.size()), command.json), {}};
}
