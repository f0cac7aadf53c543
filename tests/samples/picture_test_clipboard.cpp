#include <cstring>

#include "picture_test_support.h"

ClipboardOwner::ClipboardOwner()
    : m_window(::CreateWindowExA(0, "STATIC", "clipboard owner", 0, 0, 0, 1, 1, nullptr, nullptr,
                                 ::GetModuleHandleA(nullptr), nullptr)) {}

ClipboardOwner::~ClipboardOwner() {
    if (::OpenClipboard(m_window)) {
        ::EmptyClipboard();
        ::CloseClipboard();
    }
    ::DestroyWindow(m_window);
}

bool ClipboardOwner::Put(const std::vector<std::pair<UINT, std::vector<BYTE>>>& blocks) const {
    if (!::OpenClipboard(m_window)) return false;
    bool put = ::EmptyClipboard() != FALSE;
    for (const auto& [format, bytes] : blocks) {
        HGLOBAL memory = ::GlobalAlloc(GMEM_MOVEABLE, bytes.size() ? bytes.size() : 1);
        if (void* at = memory ? ::GlobalLock(memory) : nullptr) {
            if (!bytes.empty()) std::memcpy(at, bytes.data(), bytes.size());
            ::GlobalUnlock(memory);
        }
        if (memory && ::SetClipboardData(format, memory)) continue;
        if (memory) ::GlobalFree(memory);
        put = false;
    }
    ::CloseClipboard();
    return put;
}

bool ClipboardOwner::PutBitmap(HBITMAP bitmap) const {
    if (!::OpenClipboard(m_window)) return false;
    const bool put = ::EmptyClipboard() && ::SetClipboardData(CF_BITMAP, bitmap);
    ::CloseClipboard();
    return put;
}

std::vector<BYTE> ClipboardOwner::Take(UINT format) const {
    std::vector<BYTE> bytes;
    if (!::OpenClipboard(m_window)) return bytes;
    if (HANDLE memory = ::GetClipboardData(format)) {
        if (const BYTE* at = static_cast<const BYTE*>(::GlobalLock(memory))) {
            bytes.assign(at, at + ::GlobalSize(memory));
            ::GlobalUnlock(memory);
        }
    }
    ::CloseClipboard();
    return bytes;
}

std::vector<UINT> ClipboardOwner::Formats() const {
    std::vector<UINT> formats;
    if (!::OpenClipboard(m_window)) return formats;
    for (UINT format = ::EnumClipboardFormats(0); format; format = ::EnumClipboardFormats(format))
        formats.push_back(format);
    ::CloseClipboard();
    return formats;
}
