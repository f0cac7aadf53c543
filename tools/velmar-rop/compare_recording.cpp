#include "compare_recording.h"

#include "file_bytes.h"
#include "quote_argument.h"
#include "recording_comparison.h"

VelmarRopRun CompareRecordingCommand(const CommandLine& command, const VelmarRopWrite& write) {
    if (!command.diffDirectory.empty() && !MakeFolder(command.diffDirectory))
        return {
            2, {}, "velmar-rop: cannot make the folder " + QuotePath(command.diffDirectory) + "\n"};
    ReportOptions options;
    options.jsonOnly = command.json;
    options.diffDirectory = command.diffDirectory;
    const RecordingComparison comparison = CompareRecording(command.scene, options, write);
    return {comparison.status,
            {},
            comparison.fault.empty() ? "" : "velmar-rop: " + comparison.fault + "\n"};
}
