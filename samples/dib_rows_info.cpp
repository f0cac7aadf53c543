#include "dib_rows_info.h"

size_t DibRowStride(LONG width, bool mono) {
    return (static_cast<size_t>(width) * (mono ? 1 : 32) + 31) / 32 * 4;
}

DibRowsInfo::DibRowsInfo(SIZE size, bool mono, bool bottomUp) : header{}, colors{} {
    header.biSize = sizeof header;
    header.biWidth = size.cx;
    header.biHeight = bottomUp ? size.cy : -size.cy;
    header.biPlanes = 1;
    header.biBitCount = mono ? 1 : 32;
    header.biCompression = BI_RGB;
    header.biSizeImage = static_cast<DWORD>(DibRowStride(size.cx, mono) * size.cy);
    colors[1] = {255, 255, 255, 0};
}
