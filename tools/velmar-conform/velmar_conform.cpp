#include "velmar_conform.h"

#include "case_check.h"
#include "conform_command_line.h"
#include "conform_help.h"
#include "conformance_report.h"
#include "file_bytes.h"
#include "gdi_scene_player.h"
#include "platform_info.h"
#include "quote_argument.h"
#include "recording_writer.h"
#include "scene_directory.h"

namespace {

VelmarConformRun Fail(const std::string& message) {
    return {2, "velmar-conform: " + message + "\n"};
}

struct Cases {
    std::vector<ConformanceCase> cases;
    std::string fault;
};

Cases CasesOf(const ConformCommand& command) {
    if (command.scenesDirectory.empty()) return {MakeCaseSet(command.caseSet), {}};
    SceneDirectory scenes = ReadSceneDirectory(command.scenesDirectory);
    return {std::move(scenes.cases), std::move(scenes.fault)};
}

VelmarConformRun List(const std::vector<ConformanceCase>& cases, const VelmarConformWrite& write) {
    std::string names;
    for (const ConformanceCase& c : cases) names += c.name + "\n";
    return write(names) ? VelmarConformRun{} : Fail("cannot write the list");
}

// The cases played on this GDI one by one, each reported (and recorded) as soon as it is done.
VelmarConformRun Check(const ConformCommand& command, const std::vector<ConformanceCase>& cases,
                       const VelmarConformWrite& write) {
    for (const std::string* folder : {&command.recordDirectory, &command.diffDirectory})
        if (!folder->empty() && !MakeFolder(*folder))
            return Fail("cannot make the folder " + QuotePath(*folder));
    ConformanceReport report({ProgramName(), command.jsonFile, false, command.diffDirectory},
                             write);
    RecordingWriter recording(command.recordDirectory);
    const bool recorded = !command.recordDirectory.empty();
    for (const ConformanceCase& conformanceCase : cases) {
        bool written = true;
        const CaseResult result = CheckCase(conformanceCase, [&](const Scene& scene) {
            Observation observation;
            observation.outcome = PlaySceneOnGdi(scene);
            if (!observation.outcome) observation.fault = "GDI could not make the bitmaps";
            if (observation.outcome && recorded)
                written = recording.Record(conformanceCase, *observation.outcome);
            return observation;
        });
        if (!written) return Fail(recording.Fault());
        if (!report.Add(result)) return Fail(report.Fault());
    }
    if (recorded &&
        !recording.Finish(ThisPlatform(),
                          command.scenesDirectory.empty() ? command.caseSetName : "scenes"))
        return Fail(recording.Fault());
    if (!report.Finish()) return Fail(report.Fault());
    return {report.Failed() ? 1 : 0, {}};
}

}  // namespace

VelmarConformRun RunVelmarConform(const std::vector<std::string>& args,
                                  const VelmarConformWrite& write) {
    const ParsedConformCommand parsed = ParseConformCommand(args);
    if (!parsed.command) return Fail(parsed.usageError);
    const ConformCommand& command = *parsed.command;
    if (command.action == ConformCommand::Action::Help)
        return write(ConformHelpText()) ? VelmarConformRun{} : Fail("cannot write the help");
    const Cases cases = CasesOf(command);
    if (!cases.fault.empty()) return Fail(cases.fault);
    if (command.action == ConformCommand::Action::List) return List(cases.cases, write);
    return Check(command, cases.cases, write);
}
