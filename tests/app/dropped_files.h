#pragma once

#include <shlobj.h>
#include <windows.h>

#include <cstring>
#include <string>

// A file as Explorer drops it or copies it to the clipboard: a DROPFILES block with one wide
// path, in movable global memory.
inline HGLOBAL DropOf(const std::wstring& path) {
    const size_t bytes = sizeof(DROPFILES) + (path.size() + 2) * sizeof(wchar_t);
    HGLOBAL memory = ::GlobalAlloc(GMEM_MOVEABLE | GMEM_ZEROINIT, bytes);
    if (!memory) return nullptr;
    auto* drop = static_cast<DROPFILES*>(::GlobalLock(memory));
    drop->pFiles = sizeof(DROPFILES);
    drop->fWide = TRUE;
    std::memcpy(drop + 1, path.c_str(), path.size() * sizeof(wchar_t));
    ::GlobalUnlock(memory);
    return memory;
}
