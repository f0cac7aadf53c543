#include <gtest/gtest.h>

#include "main_window_in_process.h"
#include "message_box_watcher.h"

namespace {

constexpr UINT kMainWithoutPickers = 1990;

// Counts the About boxes made on this thread, answering each at once.
class AboutBoxCounter {
public:
    AboutBoxCounter()
        : m_hook(::SetWindowsHookExA(WH_CBT, OnCbt, nullptr, ::GetCurrentThreadId())) {
        s_count = 0;
    }
    ~AboutBoxCounter() { ::UnhookWindowsHookEx(m_hook); }
    AboutBoxCounter(const AboutBoxCounter&) = delete;
    AboutBoxCounter& operator=(const AboutBoxCounter&) = delete;
    static int Count() { return s_count; }

private:
    static LRESULT CALLBACK OnCbt(int code, WPARAM wParam, LPARAM lParam) {
        const auto* created = reinterpret_cast<const CBT_CREATEWNDA*>(lParam);
        if (code == HCBT_CREATEWND && created->lpcs->lpszName &&
            std::string(created->lpcs->lpszName).rfind("About", 0) == 0) {
            ::PostMessageA(reinterpret_cast<HWND>(wParam), WM_COMMAND, IDOK, 0);
            ++s_count;
        }
        return ::CallNextHookEx(nullptr, code, wParam, lParam);
    }
    HHOOK m_hook;
    static inline int s_count = 0;
};

// A dialog whose first load failed is ending: nothing more is set up on it, and no About box
// opens over it, though the version is new.
TEST(MainWindowStart, AFailedFirstLoadStopsTheSetUp) {
    theApp.m_settings.m_dwVersion = 2;
    theApp.m_settings.m_dwPrevVersion = 1;
    MessageBoxWatcher boxes;
    {
        const AboutBoxCounter about;
        const MainWindow failed(kMainWithoutPickers);
        EXPECT_EQ(AboutBoxCounter::Count(), 0);
        EXPECT_EQ(boxes.Count(), 1) << "the load's own report";
        EXPECT_EQ(::SendMessageA(failed.Handle(), WM_GETICON, ICON_BIG, 0), 0) << "no icons set";
    }
    {
        const AboutBoxCounter about;
        const MainWindow good;
        EXPECT_EQ(AboutBoxCounter::Count(), 1) << "the same start with a sound window";
    }
    theApp.m_settings.m_dwPrevVersion = theApp.m_settings.m_dwVersion;
}

}  // namespace
