#include "rop_diagram_drawing.h"

namespace {

bool ResultOf(std::uint8_t index, int row) { return (index >> (row - 1)) & 1; }

int FillColor(bool result) { return result ? COLOR_HIGHLIGHT : COLOR_WINDOW; }
int InkColor(bool result) { return result ? COLOR_HIGHLIGHTTEXT : COLOR_WINDOWTEXT; }

void DrawText(CDC& dc, const char* text, RECT rect, bool onResult) {
    dc.SetTextColor(::GetSysColor(InkColor(onResult)));
    ::DrawTextA(dc, text, -1, &rect, DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_NOCLIP);
}

}  // namespace

void DrawRopDiagram(CDC& dc, const RopDiagramLayout& layout, std::uint8_t index, int focusedRow,
                    HFONT font) {
    const SIZE client = layout.Client();
    dc.FillRect({0, 0, client.cx, client.cy}, ::GetSysColorBrush(COLOR_WINDOW));
    const int line = layout.LineWidth();
    for (int row = 1; row <= 8; ++row) {
        const bool result = ResultOf(index, row);
        ::FillRgn(dc, layout.Region(row), ::GetSysColorBrush(FillColor(result)));
        ::FrameRgn(dc, layout.Region(row), ::GetSysColorBrush(InkColor(result)), line, line);
    }

    CSavedDCState saved(dc);
    if (font) dc.SelectObject(font);
    ::SetBkMode(dc, TRANSPARENT);
    static const char* const kNumbers[8] = {"1", "2", "3", "4", "5", "6", "7", "8"};
    for (int row = 1; row <= 8; ++row)
        DrawText(dc, kNumbers[row - 1], layout.LabelRect(row), ResultOf(index, row));
    for (int i = 0; i < layout.CaptionCount(); ++i) {
        const RopDiagramLayout::Caption& caption = layout.CaptionAt(i);
        DrawText(dc, caption.text, caption.rect, caption.row && ResultOf(index, caption.row));
    }

    if (focusedRow) {
        const RECT focus = layout.FocusRect(focusedRow);
        ::DrawFocusRect(dc, &focus);
    }
}
