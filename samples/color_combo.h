#pragma once

#include <array>

#include "afxwin.h"

// The sixteen colours a picker offers, in list order.
constexpr std::array<COLORREF, 16> kColorComboPalette = {
    RGB(0, 0, 0),       RGB(128, 0, 0),   RGB(0, 128, 0),   RGB(128, 128, 0),
    RGB(0, 0, 128),     RGB(128, 0, 128), RGB(0, 128, 128), RGB(128, 128, 128),
    RGB(192, 192, 192), RGB(255, 0, 0),   RGB(0, 255, 0),   RGB(255, 255, 0),
    RGB(0, 0, 255),     RGB(255, 0, 255), RGB(0, 255, 255), RGB(255, 255, 255),
};

// What a screen reader says for each, and what a typed letter finds: the entries' texts.
constexpr std::array<const char*, 16> kColorComboNames = {
    "Black",     "Dark red",  "Dark green", "Dark yellow", "Dark blue", "Dark magenta",
    "Dark cyan", "Dark grey", "Light grey", "Red",         "Green",     "Yellow",
    "Blue",      "Magenta",   "Cyan",       "White",
};

// A colour picker: an owner-drawn drop-down list whose entries carry their COLORREF as item data
// and show it as a bar. Their names are the entries' texts, never drawn, but read by screen
// readers (the list keeps strings, CBS_HASSTRINGS).
class CColorCombo : public CComboBox {
public:
    // Appends the palette with its names. Raises CMemoryException at the first entry the control
    // refuses.
    void AddColors();
    // Selects the last entry of exactly this colour; -1, selection unchanged, when there is none.
    int SelectColor(COLORREF color);
    // The selected entry's colour; black when nothing is selected.
    COLORREF GetSelectedColor() const;
    // The entry's colour bar in a frame of the highlight colour (selected) or the window colour,
    // 6 pixels at the sides and 3 above and below at 100 %, more at larger scales; a bar of that
    // same colour is outlined in the text colour. Focus changes alone draw nothing. Raises
    // CResourceException when a brush cannot be made.
    void DrawItem(LPDRAWITEMSTRUCT lpDrawItemStruct) override;
    // Measures itself once attached; before (as the dialog is made) the list keeps the height
    // of its font until SetItemHeights.
    BOOL OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult) override;

    // The height of an entry, and of the selection field, at a scale: 16 pixels at 100 %.
    static int ItemHeight(UINT dpi);
    // Gives the control's entries and field the height of a new scale.
    void SetItemHeights(UINT dpi);
};
