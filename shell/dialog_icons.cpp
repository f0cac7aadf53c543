#include "dialog_icons.h"

#include <new>
#include <unordered_map>
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

// Large icons are the resource module's shared ones (LoadIcon); nothing destroys them.
std::unordered_map<WORD, HICON>& LargeIconCache() {
    static std::unordered_map<WORD, HICON> cache(10);
    return cache;
}

// Small icons are copies of their own size; kept here, so each id is loaded once and destroyed
// at the end of the run rather than once per window and never.
std::unordered_map<WORD, OwnedIcon>& SmallIconCache() {
    static std::unordered_map<WORD, OwnedIcon> cache(10);
    return cache;
}

HICON LoadSmallIcon(WORD id) {
    auto& cache = SmallIconCache();
    if (const auto found = cache.find(id); found != cache.end()) return found->second.Get();
    // The small-icon size of the system's scale: 16 pixels at 100 %, 24 at 150 %.
    OwnedIcon icon(static_cast<HICON>(::LoadImageA(
        AfxGetResourceHandle(), MAKEINTRESOURCEA(id), IMAGE_ICON, ::GetSystemMetrics(SM_CXSMICON),
        ::GetSystemMetrics(SM_CYSMICON), LR_DEFAULTCOLOR)));
    const HICON handle = icon.Get();
    if (!handle) return nullptr;
    try {
        cache.emplace(id, std::move(icon));
    } catch (const std::bad_alloc&) {
        // Without room to keep it the icon cannot outlive this call; the window goes without.
        return nullptr;
    }
    return handle;
}

}  // namespace

HICON LoadCachedIcon(UINT nIconId) {
    const WORD id = LOWORD(nIconId);
    auto& cache = LargeIconCache();
    if (const auto found = cache.find(id); found != cache.end()) return found->second;
    const HICON icon = ::LoadIconA(AfxGetResourceHandle(), MAKEINTRESOURCEA(id));
    if (icon) {
        try {
            cache.emplace(id, icon);
        } catch (const std::bad_alloc&) {
            // A shared icon: handing it out uncached is harmless.
        }
    }
    return icon;
}

LRESULT SetDialogIcons(CWnd* pWnd, UINT nIconId) {
    if (nIconId == 0) nIconId = kProgramIconId;
    pWnd->SendMessage(WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(LoadCachedIcon(nIconId)));
    const HICON smallIcon = LoadSmallIcon(LOWORD(nIconId));
    return pWnd->SendMessage(WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(smallIcon));
}
