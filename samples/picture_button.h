#pragma once

#include <optional>

#include "afxwin.h"
#include "sample_picture.h"

// The window's commands that act on one picture: its keys and its menu give the same ids the
// window's other ways do, so the menu, the keys and automation agree.
struct PictureCommands {
    UINT open, paste, copy, undo, redo;
};

// Notifications the picture sends its parent (WM_COMMAND with its id and the code).
constexpr WORD kPictureDropped = 0x0500;    // a file was dropped on it: DroppedFile()
constexpr WORD kPictureInspected = 0x0501;  // the inspected pixel moved: InspectedPixel()
constexpr WORD kPictureFileRead = 0x0502;   // posted for it when a file read for it is done

// A picture of the window as a control of its own: an owner-drawn button taken over
// (SubclassDlgItem) that draws its picture when the parent passes the request back (so nobody
// dispatches drawing by control id), takes files dropped from Explorer, offers a context menu
// (right click, Shift+F10, the Menu key) and, while focused, Ctrl+O, Ctrl+V and Ctrl+C. The pixel
// under the mouse, or the one the arrow keys mark while it has the focus, is its inspected pixel.
class CPictureButton : public CWnd {
public:
    CPictureButton(const SamplePicture& picture, PictureCommands commands)
        : m_picture(picture), m_commands(commands) {}

    // Takes over the parent's control of this id; FALSE when there is none.
    BOOL Attach(CWnd& parent, int nID);
    void Invalidate() const {
        if (m_hWnd) InvalidateRect(nullptr, FALSE);
    }
    // The client area in device pixels: the size its picture is made at.
    SIZE ClientSize() const;
    const CStringW& DroppedFile() const { return m_dropped; }
    std::optional<POINT> InspectedPixel() const { return m_inspected; }

    BOOL OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult) override;

protected:
    LRESULT OnGetDlgCode(WPARAM, LPARAM);
    LRESULT OnKeyDown(WPARAM wParam, LPARAM lParam);
    LRESULT OnChar(WPARAM wParam, LPARAM lParam);
    LRESULT OnContextMenu(WPARAM wParam, LPARAM lParam);
    LRESULT OnMouseMove(WPARAM wParam, LPARAM lParam);
    LRESULT OnMouseLeave(WPARAM wParam, LPARAM lParam);
    LRESULT OnDropFiles(WPARAM wParam, LPARAM lParam);
    LRESULT OnFocusChange(WPARAM wParam, LPARAM lParam);
    DECLARE_MESSAGE_MAP()

private:
    void Notify(WORD code) const;
    void Command(UINT nID) const;
    void Inspect(std::optional<POINT> pixel);
    void DrawMarker(HDC dc, const RECT& item) const;

    const SamplePicture& m_picture;
    PictureCommands m_commands;
    CStringW m_dropped;
    std::optional<POINT> m_inspected;
    bool m_bKeyboardMarker = false;  // the marker shows while the keys move the inspected pixel
    bool m_bTrackingLeave = false;
};
