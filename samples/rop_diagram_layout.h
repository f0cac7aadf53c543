#pragma once

#include <array>

#include "afxwin.h"

// Where the eight truth-table rows of a ternary code lie in a client area of a given size, as a
// Venn diagram of P, S and D or as a Karnaugh map. Each row's area is a GDI region, so filling
// and hit testing use the same pixels. Rows are 1 to 8 (P = bit 2, S = bit 1, D = bit 0 of
// row - 1).
class RopDiagramLayout {
public:
    enum class View { kVenn, kKarnaugh };
    // A text drawn beside the rows: a circle's name or a map's heading. `row` is the row whose
    // area it stands on (its colours follow that row's fill), 0 for none.
    struct Caption {
        RECT rect;
        const char* text;
        int row;
    };

    // `digit` is the size of one digit in the control's font. Raises CResourceException when a
    // region cannot be made.
    RopDiagramLayout(View view, SIZE client, SIZE digit);

    bool Fits(View view, SIZE client, SIZE digit) const;
    SIZE Client() const { return m_client; }
    HRGN Region(int row) const;
    // Where the row number is drawn, inside the row's area.
    const RECT& LabelRect(int row) const { return m_labels[Slot(row)]; }
    // The focus mark around a row's number.
    RECT FocusRect(int row) const;
    // A point inside the row's area, clear of its outline, its number and its focus mark.
    POINT ProbePoint(int row) const { return m_probes[Slot(row)]; }
    // The row whose area holds the point; 0 for none (a heading of the map).
    int RowAt(POINT point) const;
    int CaptionCount() const { return m_captionCount; }
    const Caption& CaptionAt(int i) const { return m_captions[static_cast<size_t>(i)]; }
    // The width of the outline drawn inside each row's area.
    int LineWidth() const { return m_lineWidth; }

private:
    static size_t Slot(int row) { return static_cast<size_t>(row - 1); }
    void LayOutVenn();
    void LayOutKarnaugh();
    void SetRegion(int row, HRGN region);
    RECT LabelAt(POINT centre) const;
    RECT CornerRect(bool right, bool bottom) const;
    void FindProbes();

    View m_view;
    SIZE m_client;
    SIZE m_digit;
    int m_lineWidth;
    std::array<CGdiObject, 8> m_regions;
    std::array<RECT, 8> m_labels{};
    std::array<POINT, 8> m_probes{};
    void AddCaption(RECT rect, const char* text, int row);

    // A Venn diagram has three, a Karnaugh map seven: its corner, four columns and two rows.
    std::array<Caption, 7> m_captions{};
    int m_captionCount = 0;
};
