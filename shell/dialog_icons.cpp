#include "dialog_icons.h"

#include <map>
#include <new>
#include <utility>

namespace {

// An icon that this program loaded as its own copy and so must destroy.
class OwnedIcon {
public:
    explicit OwnedIcon(HICON hIcon) : m_hIcon(hIcon) {}
    OwnedIcon(OwnedIcon&& other) noexcept : m_hIcon(std::exchange(other.m_hIcon, nullptr)) {}
    OwnedIcon& operator=(OwnedIcon&&) = delete;
    ~OwnedIcon() {
        if (m_hIcon) ::DestroyIcon(m_hIcon);
    }
    HICON Get() const { return m_hIcon; }

private:
    HICON m_hIcon;
};

// Each id and size loaded once and destroyed at the end of the run, rather than once per window
// or scale change and never: a window keeps using the icons it was given.
std::map<std::pair<WORD, int>, OwnedIcon>& IconCache() {
    static std::map<std::pair<WORD, int>, OwnedIcon> cache;
    return cache;
}

}  // namespace

HICON LoadCachedIcon(UINT nIconId, int size) {
    const std::pair<WORD, int> key{LOWORD(nIconId), size};
    auto& cache = IconCache();
    if (const auto found = cache.find(key); found != cache.end()) return found->second.Get();
    OwnedIcon icon(
        static_cast<HICON>(::LoadImageA(AfxGetResourceHandle(), MAKEINTRESOURCEA(key.first),
                                        IMAGE_ICON, size, size, LR_DEFAULTCOLOR)));
    const HICON handle = icon.Get();
    if (!handle) return nullptr;
    try {
        cache.emplace(key, std::move(icon));
    } catch (const std::bad_alloc&) {
        // Without room to keep it the icon cannot outlive this call; the window goes without.
        return nullptr;
    }
    return handle;
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
