#include "test_panel.h"

#include "dib_rows_info.h"

namespace {

// A 32-bit DIB pixel is 0xXXRRGGBB in memory order B, G, R, X.
COLORREF FromDib(DWORD value) {
    return RGB((value >> 16) & 0xFF, (value >> 8) & 0xFF, value & 0xFF);
}

DWORD ToDib(COLORREF color) {
    return (static_cast<DWORD>(GetRValue(color)) << 16) |
           (static_cast<DWORD>(GetGValue(color)) << 8) | GetBValue(color);
}

}  // namespace

void MakePanel(TestPanel& panel, int nPanel, SIZE size, bool mono) {
    panel.m_bMono = mono;
    panel.m_picture = SamplePicture(DrawDefaultSample, nPanel);
    CreateSampleBitmap(panel, size);
}

Pixels ReadPixels(HBITMAP bitmap, SIZE size) {
    DibRowsInfo info(size, false, false);
    std::vector<DWORD> dib(static_cast<size_t>(size.cx) * static_cast<size_t>(size.cy));
    CClientDC screen(nullptr);
    ::GetDIBits(screen, bitmap, 0, static_cast<UINT>(size.cy), dib.data(), info.Get(),
                DIB_RGB_COLORS);
    Pixels pixels(dib.size());
    for (size_t i = 0; i < dib.size(); ++i) pixels[i] = FromDib(dib[i]);
    return pixels;
}

void WritePixels(HBITMAP bitmap, SIZE size, const Pixels& pixels) {
    DibRowsInfo info(size, false, false);
    std::vector<DWORD> dib(pixels.size());
    for (size_t i = 0; i < dib.size(); ++i) dib[i] = ToDib(pixels[i]);
    CClientDC screen(nullptr);
    ::SetDIBits(screen, bitmap, 0, static_cast<UINT>(size.cy), dib.data(), info.Get(),
                DIB_RGB_COLORS);
}

Pixels ReadPanel(const TestPanel& panel) {
    return ReadPixels(panel.m_picture.Bitmap(), panel.m_picture.Size());
}

void WritePanel(TestPanel& panel, const Pixels& pixels) {
    WritePixels(panel.m_picture.Bitmap(), panel.m_picture.Size(), pixels);
}

Pixels Shown(HWND window) {
    ::RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
    SIZE size{};
    return ReadWindowClient(window, &size);
}

Pixels ReadWindowClient(HWND window, SIZE* size) {
    RECT client;
    ::GetClientRect(window, &client);
    *size = {client.right, client.bottom};
    HDC windowDC = ::GetDC(window);
    CClientDC screen(nullptr);
    CDC copyDC;
    copyDC.CreateCompatibleDC(&screen);
    CBitmap copy;
    copy.CreateCompatibleBitmap(screen, size->cx, size->cy);
    const HGDIOBJ old = copyDC.SelectObject(copy.GetSafeHandle());
    ::BitBlt(copyDC, 0, 0, size->cx, size->cy, windowDC, 0, 0, SRCCOPY);
    copyDC.SelectObject(old);
    ::ReleaseDC(window, windowDC);
    return ReadPixels(copy, *size);
}

DrawTarget::DrawTarget(SIZE targetSize, COLORREF fill) : size(targetSize) {
    CClientDC screen(nullptr);
    dc.CreateCompatibleDC(&screen);
    bitmap.CreateCompatibleBitmap(screen, size.cx, size.cy);
    dc.SelectObject(bitmap.GetSafeHandle());
    Fill(fill);
}

void DrawTarget::Fill(COLORREF color) {
    WritePixels(bitmap, size, Pixels(static_cast<size_t>(size.cx * size.cy), color));
}

Pixels Painted(Pixels pixels, SIZE size, const RECT& rect, COLORREF color) {
    for (int y = rect.top; y < rect.bottom; ++y)
        for (int x = rect.left; x < rect.right; ++x)
            pixels[static_cast<size_t>(y * size.cx + x)] = color;
    return pixels;
}
