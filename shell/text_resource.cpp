#include "text_resource.h"

#include <cstring>
#include <new>

namespace {

constexpr char kDroppedEndMark = '\x02';

}  // namespace

bool LoadTextResource(LPCSTR lpszName, LPCSTR lpszType, CString& out) {
    out.Empty();
    const HMODULE module = AfxGetResourceHandle();
    const HRSRC found = ::FindResourceA(module, lpszName, lpszType);
    if (!found) return false;
    const HGLOBAL loaded = ::LoadResource(module, found);
    if (!loaded) return false;
    const auto* data = static_cast<const char*>(::LockResource(loaded));
    if (!data) return false;
    const DWORD size = ::SizeofResource(module, found);

    try {
        out = CString(data, static_cast<int>(::strnlen(data, size)));
    } catch (const std::bad_alloc&) {
        out.Empty();
        return false;
    } catch (const CMemoryException&) {
        out.Empty();
        return false;
    }
    const int length = out.GetLength();
    if (size > 0 && data[0] != '\0' && length > 0 && out.GetAt(length - 1) == kDroppedEndMark)
        out.Truncate(length - 1);
    return true;
}

void SetWindowTextFromResource(CWnd* pWnd, LPCSTR lpszName, LPCSTR lpszType) {
    CString text;
    if (!LoadTextResource(lpszName, lpszType, text)) AfxThrowMemoryException();
    pWnd->SetWindowText(text);
}
