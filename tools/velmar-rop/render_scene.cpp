#include "render_scene.h"

#include <fstream>
#include <iterator>

#include "bmp_file.h"
#include "json_text.h"
#include "quote_argument.h"
#include "scene_model.h"
#include "scene_reader.h"
#include "sha1.h"

namespace {

// Twice the largest scene's bytes in hexadecimal, and room for its steps.
constexpr std::streamoff kSceneFileLimit = std::streamoff{1} << 30;

VelmarRopRun Fail(int status, const std::string& message) {
    return {status, {}, "velmar-rop: " + message + "\n"};
}

bool ReadFile(const std::string& path, std::string& text, std::string& fault) {
    std::ifstream file(path, std::ios::binary | std::ios::ate);
    if (!file) {
        fault = "cannot read " + QuoteArgument(path);
        return false;
    }
    if (file.tellg() > kSceneFileLimit) {
        fault = QuoteArgument(path) + " is larger than 1 GiB";
        return false;
    }
    file.seekg(0);
    text.assign(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
    return true;
}

bool WriteFile(const std::string& path, const std::vector<std::uint8_t>& bytes) {
    std::ofstream file(path, std::ios::binary | std::ios::trunc);
    file.write(reinterpret_cast<const char*>(bytes.data()),
               static_cast<std::streamsize>(bytes.size()));
    return static_cast<bool>(file.flush());
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
    if (!ReadFile(command.scene, text, fault)) return Fail(2, fault);
    const SceneReading reading = ReadScene(text);
    if (!reading.scene) return Fail(2, reading.fault);
    const SceneOutcome outcome = PlaySceneOnModel(*reading.scene);
    const std::vector<std::uint8_t>& bytes = outcome.target.bytes;
    if (!command.outFile.empty() && !WriteFile(command.outFile, bytes))
        return Fail(1, "cannot write " + QuoteArgument(command.outFile));
    if (!command.bmpFile.empty() && !WriteFile(command.bmpFile, BmpFileBytes(outcome.target)))
        return Fail(1, "cannot write " + QuoteArgument(command.bmpFile));
    return {
        0, Report(*reading.scene, outcome, Sha1Hex(bytes.data(), bytes.size()), command.json), {}};
}
