#pragma once

#include <windows.h>

#include <utility>

// A GDI object that deletes itself. Copying would delete twice, so it moves instead.
class CGdiObject {
public:
    CGdiObject() = default;
    CGdiObject(CGdiObject&& other) noexcept : m_hObject(std::exchange(other.m_hObject, nullptr)) {}
    CGdiObject& operator=(CGdiObject&& other) noexcept {
        std::swap(m_hObject, other.m_hObject);
        return *this;
    }
    ~CGdiObject() { DeleteObject(); }

    BOOL Attach(HGDIOBJ hObject) {
        DeleteObject();
        m_hObject = hObject;
        return hObject != nullptr;
    }
    HGDIOBJ Detach() { return std::exchange(m_hObject, nullptr); }
    BOOL DeleteObject() { return m_hObject ? ::DeleteObject(Detach()) : FALSE; }
    HGDIOBJ GetSafeHandle() const { return m_hObject; }

protected:
    HGDIOBJ m_hObject = nullptr;
};

class CDC;

class CBitmap : public CGdiObject {
public:
    BOOL CreateBitmap(int nWidth, int nHeight, UINT nPlanes, UINT nBitCount, const void* bits) {
        return Attach(::CreateBitmap(nWidth, nHeight, nPlanes, nBitCount, bits));
    }
    BOOL CreateCompatibleBitmap(const CDC& dc, int nWidth, int nHeight);
    operator HBITMAP() const { return static_cast<HBITMAP>(m_hObject); }
};

class CBrush : public CGdiObject {
public:
    CBrush() = default;
    // Raises CResourceException when the brush cannot be made.
    explicit CBrush(COLORREF color);
    BOOL CreateSolidBrush(COLORREF color) { return Attach(::CreateSolidBrush(color)); }
    operator HBRUSH() const { return static_cast<HBRUSH>(m_hObject); }
};
