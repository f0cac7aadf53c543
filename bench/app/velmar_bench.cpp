#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <string>
#include <vector>

#include "program_driver.h"
#include "program_fixture.h"
#include "resource.h"
#include "ui_test.h"

// Times the program as a user meets it: start-up to an idle main window (against a minimal
// dialog program started the same way, and against an earlier build of the program when one is
// given), a result-box click until the Hex field shows the new code, and a Blt or MaskBlt click
// until both pictures have been repainted.

namespace {

double Now() {
    LARGE_INTEGER counter, frequency;
    ::QueryPerformanceCounter(&counter);
    ::QueryPerformanceFrequency(&frequency);
    return static_cast<double>(counter.QuadPart) * 1e6 / static_cast<double>(frequency.QuadPart);
}

struct Summary {
    double median, p10, p90;
};

Summary Summarize(std::vector<double> samples) {
    std::sort(samples.begin(), samples.end());
    auto at = [&](double q) { return samples[static_cast<size_t>(q * (samples.size() - 1))]; };
    return {at(0.5), at(0.1), at(0.9)};
}

void Print(const char* what, const Summary& s, const char* unit) {
    std::printf("%-46s median %10.0f %s  (10th-90th percentile %.0f-%.0f)\n", what, s.median, unit,
                s.p10, s.p90);
}

// From process creation to its window with this caption shown and the process idle.
double StartUpMicroseconds(const std::string& exe, const std::string& caption) {
    const double start = Now();
    ProgramDriver program(exe);
    if (!program.Start()) return -1;
    HWND window = nullptr;
    while (!(window = program.FindWindowByCaption(caption))) ::Sleep(1);
    const double shown = Now();
    (void)shown;
    ::PostMessageA(window, WM_NULL, 0, 0);
    DWORD_PTR result = 0;
    ::SendMessageTimeoutA(window, WM_NULL, 0, 0, SMTO_NORMAL, 5000, &result);
    const double idle = Now();
    ::PostMessageA(window, WM_COMMAND, IDCANCEL, 0);
    program.WaitForExit();
    return idle - start;
}

bool PicturesPainted(HWND first, HWND second) {
    RECT update;
    return !::GetUpdateRect(first, &update, FALSE) && !::GetUpdateRect(second, &update, FALSE);
}

// The time from the action to both pictures repainted.
template <typename Action>
double UntilPainted(HWND first, HWND second, Action action) {
    const double start = Now();
    action();
    while (!PicturesPainted(first, second)) {
    }
    return Now() - start;
}

void PrintRatio(const char* what, double ratio) { std::printf("%-46s %.2f\n", what, ratio); }

}  // namespace

int main(int argc, char** argv) {
    const std::string minimal = argc > 1 ? argv[1] : "minimal_dialog.exe";
    const std::string earlier = argc > 2 ? argv[2] : "";
    const char* startsWanted = std::getenv("VELMAR_BENCH_STARTS");
    const int starts = startsWanted && std::atoi(startsWanted) > 0 ? std::atoi(startsWanted) : 20;
    const int clicks = 200;
    program_registry::SetStoredVersion(program_registry::kRunningVersion);

    std::vector<double> velmarStarts, minimalStarts, earlierStarts;
    for (int i = 0; i < starts; ++i) {
        velmarStarts.push_back(StartUpMicroseconds(VELMAR_EXE, "Velmar"));
        minimalStarts.push_back(StartUpMicroseconds(minimal, "Minimal"));
        if (!earlier.empty()) earlierStarts.push_back(StartUpMicroseconds(earlier, "Velmar"));
    }
    const Summary velmarStart = Summarize(velmarStarts), minimalStart = Summarize(minimalStarts);
    Print("start-up, velmar.exe", velmarStart, "us");
    Print("start-up, minimal dialog program", minimalStart, "us");
    PrintRatio("start-up ratio (medians)", velmarStart.median / minimalStart.median);
    if (!earlier.empty()) {
        const Summary earlierStart = Summarize(earlierStarts);
        Print("start-up, the earlier velmar.exe", earlierStart, "us");
        PrintRatio("start-up ratio to the earlier build (medians)",
                   velmarStart.median / earlierStart.median);
    }

    // Start-up alone compares two builds whose windows differ, as before and after a feature.
    if (std::getenv("VELMAR_BENCH_ONLY_STARTS")) return 0;

    ProgramDriver velmar(VELMAR_EXE);
    velmar.Start();
    velmar.WaitForMainWindow();
    // In turn, so all measures meet the same conditions; each click changes the code, and with it
    // the shortest expression the "Meaning" area shows and the diagram's picture. Every measure
    // reads the same in every round, so they pay for the same polling and differ only in what
    // they wait for: Hex; Hex and Meaning; Hex, Meaning and the diagram repainted.
    HWND diagram = velmar.Item(IDC_ROP_DIAGRAM);
    std::vector<double> toHex, toMeaning, toDiagram;
    for (int i = 0; i < 3 * clicks; ++i) {
        const int waitsFor = i % 3;
        const std::string hexBefore = velmar.Text(IDC_HEX);
        const std::string meaningBefore = velmar.Text(IDC_MEANING_C);
        const double start = Now();
        ::SendMessageA(velmar.Item(IDC_RESULT_ROW1 + (i / 3 % 8)), BM_CLICK, 0, 0);
        for (;;) {
            const bool hexShown = velmar.Text(IDC_HEX) != hexBefore;
            const bool meaningShown = velmar.Text(IDC_MEANING_C) != meaningBefore;
            RECT pending;
            const bool diagramShown = !::GetUpdateRect(diagram, &pending, FALSE);
            if (hexShown && (waitsFor < 1 || meaningShown) && (waitsFor < 2 || diagramShown)) break;
        }
        (waitsFor == 0 ? toHex : waitsFor == 1 ? toMeaning : toDiagram).push_back(Now() - start);
    }
    const Summary hex = Summarize(toHex), meaning = Summarize(toMeaning),
                  drawn = Summarize(toDiagram);
    Print("result-box click to Hex updated", hex, "us");
    Print("result-box click to Hex and Meaning updated", meaning, "us");
    Print("... and the diagram repainted", drawn, "us");
    PrintRatio("Meaning ratio (medians)", meaning.median / hex.median);
    PrintRatio("Meaning and diagram ratio (medians)", drawn.median / hex.median);

    // Alternating Blt and MaskBlt clicks, each direction in turn, so their ratio compares like
    // with like.
    HWND first = velmar.Item(IDC_PICTURE1), second = velmar.Item(IDC_PICTURE2);
    std::vector<double> bltToPainted, maskBltToPainted;
    for (int i = 0; i < 4 * clicks; ++i) {
        const bool mask = i % 2 == 1;
        const bool backwards = i / 2 % 2 == 1;
        const int id = mask ? (backwards ? IDC_MASKBLT_2TO1 : IDC_MASKBLT_1TO2)
                            : (backwards ? IDC_BLT_2TO1 : IDC_BLT_1TO2);
        (mask ? maskBltToPainted : bltToPainted).push_back(UntilPainted(first, second, [&] {
            ::SendMessageA(velmar.Item(id), BM_CLICK, 0, 0);
        }));
    }
    const Summary blt = Summarize(bltToPainted), maskBlt = Summarize(maskBltToPainted);
    Print("Blt click to both pictures repainted", blt, "us");
    Print("MaskBlt click to both pictures repainted", maskBlt, "us");
    PrintRatio("MaskBlt / Blt (medians)", maskBlt.median / blt.median);

    // Blt clicks onto Bitmap 2 with its brush Solid and Halftone in turn; the choice is made
    // before the clock starts.
    HWND brushes = velmar.Item(IDC_BRUSH2);
    std::vector<double> solidToPainted, halftoneToPainted;
    for (int i = 0; i < 2 * clicks; ++i) {
        const bool halftone = i % 2 == 1;
        ::SendMessageA(brushes, CB_SETCURSEL, halftone ? 7 : 0, 0);
        ::SendMessageA(velmar.MainWindow(), WM_COMMAND, MAKEWPARAM(IDC_BRUSH2, CBN_SELCHANGE),
                       reinterpret_cast<LPARAM>(brushes));
        (halftone ? halftoneToPainted : solidToPainted).push_back(UntilPainted(first, second, [&] {
            ::SendMessageA(velmar.Item(IDC_BLT_1TO2), BM_CLICK, 0, 0);
        }));
    }
    const Summary solid = Summarize(solidToPainted), halftone = Summarize(halftoneToPainted);
    Print("Blt onto a Solid brush, both repainted", solid, "us");
    Print("Blt onto the Halftone brush, both repainted", halftone, "us");
    PrintRatio("Halftone / Solid (medians)", halftone.median / solid.median);

    // Paste of a picture of the sample's size and Undo, each then repainted, in turn with a Blt:
    // the picture to paste is Bitmap 1's own, put on the clipboard once by Copy.
    ::SendMessageA(velmar.MainWindow(), WM_COMMAND, ID_COPY_PICTURE1, 0);
    std::vector<double> bltToPainted2, pasteToPainted, undoToPainted;
    for (int i = 0; i < 3 * clicks; ++i) {
        const int kind = i % 3;
        const double took = UntilPainted(first, second, [&] {
            if (kind == 0)
                ::SendMessageA(velmar.Item(IDC_BLT_1TO2), BM_CLICK, 0, 0);
            else
                ::SendMessageA(velmar.MainWindow(), WM_COMMAND,
                               kind == 1 ? ID_PASTE_PICTURE2 : ID_UNDO_PICTURE, 0);
        });
        (kind == 0 ? bltToPainted2 : kind == 1 ? pasteToPainted : undoToPainted).push_back(took);
    }
    const Summary blt2 = Summarize(bltToPainted2), paste = Summarize(pasteToPainted),
                  undo = Summarize(undoToPainted);
    Print("Blt, both repainted (with Paste and Undo)", blt2, "us");
    Print("Paste of a sample-size picture, repainted", paste, "us");
    Print("Undo, repainted", undo, "us");
    PrintRatio("Paste / Blt (medians)", paste.median / blt2.median);
    PrintRatio("Undo / Blt (medians)", undo.median / blt2.median);

    // A mouse move over a picture until the inspector's line says the new pixel.
    HWND inspector = velmar.Item(IDC_PIXEL_INSPECTOR);
    std::vector<double> moveToLine;
    for (int i = 0; i < clicks; ++i) {
        const std::string before = ProgramDriver::TextOf(inspector);
        const double start = Now();
        ::SendMessageA(second, WM_MOUSEMOVE, 0, MAKELPARAM(5 + i % 60, 5 + i % 40));
        while (ProgramDriver::TextOf(inspector) == before) {
        }
        moveToLine.push_back(Now() - start);
    }
    Print("mouse move over a picture to the line updated", Summarize(moveToLine), "us");

    ::PostMessageA(velmar.MainWindow(), WM_COMMAND, IDCANCEL, 0);
    velmar.WaitForExit();
    return 0;
}
