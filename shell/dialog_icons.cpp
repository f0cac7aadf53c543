#include "dialog_icons.h"

#include <new>
#include <vector>

namespace {

// An icon that this program loaded as its own copy and so must destroy.
struct CachedIcon {
    WORD id;
    int size;
    HICON icon;
};

// Each id and size loaded once and destroyed at the end of the run, rather than once per window
// or scale change and never: a window keeps using the icons it was given.
class IconCache {
public:
    IconCache() = default;
    IconCache(const IconCache&) = delete;
    IconCache& operator=(const IconCache&) = delete;
    ~IconCache() {
        for (const CachedIcon& cached : m_icons) ::DestroyIcon(cached.icon);
    }

    HICON Find(WORD id, int size) const {
        for (const CachedIcon& cached : m_icons)
            if (cached.id == id && cached.size == size) return cached.icon;
        return nullptr;
    }
    // Without room to keep it the icon cannot outlive this call: it is destroyed, and the window
    // goes without.
    HICON Keep(WORD id, int size, HICON icon) {
        try {
            m_icons.push_back({id, size, icon});
        } catch (const std::bad_alloc&) {
            ::DestroyIcon(icon);
            return nullptr;
        }
        return icon;
    }

private:
    std::vector<CachedIcon> m_icons;
};

}  // namespace

HICON LoadCachedIcon(UINT nIconId, int size) {
    static IconCache cache;
    const WORD id = LOWORD(nIconId);
    if (const HICON cached = cache.Find(id, size)) return cached;
    const HICON icon = static_cast<HICON>(::LoadImageA(AfxGetResourceHandle(), MAKEINTRESOURCEA(id),
                                                       IMAGE_ICON, size, size, LR_DEFAULTCOLOR));
    return icon ? cache.Keep(id, size, icon) : nullptr;
}

int LargeIconSize(UINT dpi) { return AfxGetSystemMetricsForDpi(SM_CXICON, dpi); }

LRESULT SetDialogIcons(CWnd* pWnd, UINT nIconId, UINT dpi) {
    if (nIconId == 0) nIconId = kProgramIconId;
    if (dpi == 0) dpi = AfxGetWindowDpi(pWnd->m_hWnd);
    const HICON large = LoadCachedIcon(nIconId, LargeIconSize(dpi));
    const HICON smallIcon = LoadCachedIcon(nIconId, AfxGetSystemMetricsForDpi(SM_CXSMICON, dpi));
    pWnd->SendMessage(WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(large));
    return pWnd->SendMessage(WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(smallIcon));
}
