#pragma once

#include <windows.h>

#include <utility>

class CWnd;

// A device context. One made here (CreateCompatibleDC) or attached is deleted with the object;
// FromHandle wraps a context someone else owns and leaves it alone.
class CDC {
public:
    CDC() = default;
    CDC(CDC&& other)
    noexcept : m_hDC(std::exchange(other.m_hDC, nullptr)), m_bOwned(other.m_bOwned) {}
    CDC& operator=(CDC&& other) noexcept {
        std::swap(m_hDC, other.m_hDC);
        std::swap(m_bOwned, other.m_bOwned);
        return *this;
    }
    virtual ~CDC() { DeleteDC(); }

    static CDC FromHandle(HDC hDC);
    BOOL Attach(HDC hDC);
    HDC Detach() { return std::exchange(m_hDC, nullptr); }
    BOOL CreateCompatibleDC(const CDC* pDC);
    BOOL DeleteDC();
    HDC GetSafeHdc() const { return m_hDC; }
    operator HDC() const { return m_hDC; }

    int SaveDC() { return ::SaveDC(m_hDC); }
    BOOL RestoreDC(int nSavedDC) { return ::RestoreDC(m_hDC, nSavedDC); }
    HGDIOBJ SelectObject(HGDIOBJ object) { return ::SelectObject(m_hDC, object); }
    HGDIOBJ SelectStockObject(int nIndex) {
        return ::SelectObject(m_hDC, ::GetStockObject(nIndex));
    }
    COLORREF SetBkColor(COLORREF color) { return ::SetBkColor(m_hDC, color); }
    COLORREF SetTextColor(COLORREF color) { return ::SetTextColor(m_hDC, color); }
    BOOL PatBlt(int x, int y, int width, int height, DWORD rop) {
        return ::PatBlt(m_hDC, x, y, width, height, rop);
    }
    BOOL Ellipse(const RECT& rect) {
        return ::Ellipse(m_hDC, rect.left, rect.top, rect.right, rect.bottom);
    }
    BOOL BitBlt(int x, int y, int width, int height, const CDC* pSrcDC, int xSrc, int ySrc,
                DWORD rop) {
        return ::BitBlt(m_hDC, x, y, width, height, pSrcDC ? pSrcDC->m_hDC : nullptr, xSrc, ySrc,
                        rop);
    }
    // Where the monochrome mask's bit is 1 the foreground operation of rop4 applies,
    // where it is 0 the background one (MAKEROP4).
    BOOL MaskBlt(int x, int y, int width, int height, const CDC* pSrcDC, int xSrc, int ySrc,
                 HBITMAP mask, int xMask, int yMask, DWORD rop4) {
        return ::MaskBlt(m_hDC, x, y, width, height, pSrcDC ? pSrcDC->m_hDC : nullptr, xSrc, ySrc,
                         mask, xMask, yMask, rop4);
    }
    void FillRect(const RECT& rect, HBRUSH brush) { ::FillRect(m_hDC, &rect, brush); }
    // At `size` x `size` pixels: the icon of the window's scale, not the system's.
    BOOL DrawIcon(int x, int y, HICON hIcon, int size) {
        return ::DrawIconEx(m_hDC, x, y, hIcon, size, size, 0, nullptr, DI_NORMAL);
    }
    int SetStretchBltMode(int mode) { return ::SetStretchBltMode(m_hDC, mode); }
    BOOL StretchBlt(int x, int y, int width, int height, const CDC* pSrcDC, int xSrc, int ySrc,
                    int srcWidth, int srcHeight, DWORD rop) {
        return ::StretchBlt(m_hDC, x, y, width, height, pSrcDC ? pSrcDC->m_hDC : nullptr, xSrc,
                            ySrc, srcWidth, srcHeight, rop);
    }

protected:
    HDC m_hDC = nullptr;
    bool m_bOwned = true;
};

// The device context of a window's client area, or of the screen for no window.
// Raises CResourceException when the system has none to give.
class CClientDC : public CDC {
public:
    explicit CClientDC(CWnd* pWnd);
    ~CClientDC() override;

private:
    HWND m_hWnd;
};

// BeginPaint / EndPaint for a WM_PAINT handler.
class CPaintDC : public CDC {
public:
    explicit CPaintDC(CWnd* pWnd);
    ~CPaintDC() override;
    PAINTSTRUCT m_ps{};

private:
    HWND m_hWnd;
};

// Undoes every selection and colour change made on the context within its scope.
class CSavedDCState {
public:
    explicit CSavedDCState(CDC& dc) : m_dc(dc) { m_dc.SaveDC(); }
    ~CSavedDCState() { m_dc.RestoreDC(-1); }
    CSavedDCState(const CSavedDCState&) = delete;
    CSavedDCState& operator=(const CSavedDCState&) = delete;

private:
    CDC& m_dc;
};
