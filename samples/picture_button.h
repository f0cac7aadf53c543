#pragma once

#include "afxwin.h"
#include "sample_picture.h"

// An owner-drawn button that shows a picture: it draws itself when its parent passes the
// request back to it, so the parent never dispatches drawing by control id. Screen readers are
// told it is a picture.
class CPictureButton : public CWnd {
public:
    explicit CPictureButton(const SamplePicture& picture) : m_picture(picture) {}

    // Once attached: what screen readers are told of it.
    void PresentAsGraphic() { AfxPresentAsGraphic(m_hWnd); }
    void Invalidate() const {
        if (m_hWnd) InvalidateRect(nullptr, FALSE);
    }
    // The client area in device pixels: the size its picture is made at.
    SIZE ClientSize() const;

    BOOL OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult) override;

private:
    const SamplePicture& m_picture;
};
