#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

#include "main_window_steps.h"
#include "program_fixture.h"
#include "resource.h"

namespace {

// Enter as a keyboard types it (the system's input queue) or as automation tools send it
// (WM_KEYDOWN and WM_KEYUP posted to the control, the keyboard's state untouched).
void PressEnter(ProgramDriver& velmar, int id, bool posted) {
    ASSERT_TRUE(velmar.WaitForFocus(id)) << id;
    if (posted) {
        velmar.PostKey(velmar.Item(id), VK_RETURN);
    } else {
        ASSERT_TRUE(velmar.ActivateForKeys(velmar.Item(id)));
        velmar.PressKey(VK_RETURN);
    }
}

int DefaultButton(const ProgramDriver& velmar) {
    const auto answer = ::SendMessageA(velmar.MainWindow(), DM_GETDEFID, 0, 0);
    return HIWORD(answer) == DC_HASDEFID ? LOWORD(answer) : 0;
}

TEST_F(ProgramTest, EnterDoesWhatTheFocusOffersAndNeverClosesTheWindow) {
    for (const bool posted : {true, false}) {
        SCOPED_TRACE(posted ? "posted keys" : "typed keys");
        ProgramDriver& velmar = StartProgram();
        EXPECT_NE(DefaultButton(velmar), IDCANCEL) << "Close is no default button";

        ReplaceHexText(velmar, "0x660046");
        ASSERT_TRUE(WaitForResultColumn(velmar, "01100110"));
        PressEnter(velmar, IDC_HEX, posted);
        for (const int id : {IDC_RESULT_ROW1 + 1, IDC_PATTERN_COLOR1, IDC_MEANING_RPN, IDC_MONO1}) {
            ASSERT_TRUE(velmar.FocusItem(id)) << id;
            PressEnter(velmar, id, posted);
        }
        // Keys are handled in turn: Set coming through shows that every Enter before it was
        // handled, and that none of them closed the window or changed the code.
        ReplaceText(velmar, IDC_EXPRESSION, "S & D");
        EXPECT_EQ(DefaultButton(velmar), IDC_EXPRESSION_SET) << "a screen reader says Set";
        EXPECT_EQ(velmar.Text(IDC_HEX), "0x660046");
        PressEnter(velmar, IDC_EXPRESSION, posted);
        EXPECT_TRUE(velmar.WaitForText(IDC_HEX, "0x8800C6")) << "Enter is Set in Expression";
        EXPECT_FALSE(velmar.IsChecked(IDC_MONO1));

        ASSERT_TRUE(velmar.FocusItem(IDC_SRCCOPY));
        EXPECT_NE(DefaultButton(velmar), IDC_EXPRESSION_SET);
        PressEnter(velmar, IDC_SRCCOPY, posted);
        EXPECT_TRUE(velmar.WaitForText(IDC_HEX, "0xCC0020")) << "Enter presses a focused button";
        EXPECT_FALSE(velmar.HasExited());

        ASSERT_TRUE(velmar.FocusItem(IDC_HEX));
        if (posted)
            velmar.PostKey(velmar.Item(IDC_HEX), VK_ESCAPE);
        else
            velmar.PressKey(VK_ESCAPE);
        EXPECT_EQ(velmar.WaitForExit(), 0) << "Escape still closes, from anywhere";
    }
}

// The letter after a single '&', lower case; 0 for none.
char AccessKey(const std::string& text) {
    for (size_t i = 0; i + 1 < text.size(); ++i) {
        if (text[i] != '&') continue;
        if (text[i + 1] != '&') return static_cast<char>(::tolower(text[i + 1]));
        ++i;
    }
    return 0;
}

std::vector<HWND> Controls(HWND dialog) {
    std::vector<HWND> controls;
    for (HWND child = ::GetWindow(dialog, GW_CHILD); child; child = ::GetWindow(child, GW_HWNDNEXT))
        controls.push_back(child);
    return controls;
}

TEST_F(ProgramTest, EveryAccessKeyLeadsToOneControl) {
    ProgramDriver& velmar = StartProgram();
    std::map<char, std::string> owners;
    for (HWND control : Controls(velmar.MainWindow())) {
        const std::string text = ProgramDriver::TextOf(control);
        const char key = AccessKey(text);
        if (!key) continue;
        const auto [owner, isNew] = owners.emplace(key, text);
        EXPECT_TRUE(isNew) << "'" << key << "' of " << text << " and of " << owner->second;
    }
    for (const char key : {'o', 'p', 'x', 's', 'e', '1', '2', 'h', 'a'})
        EXPECT_EQ(owners.count(key), 1u) << key;

    // Alt and the key act on the control at once, as a user expects.
    ASSERT_TRUE(velmar.ActivateForKeys(velmar.MainWindow()));
    velmar.PressKeys({VK_MENU, 'X'});
    EXPECT_TRUE(velmar.WaitForFocus(IDC_EXPRESSION)) << "a label's key leads to its field";
    velmar.PressKeys({VK_MENU, 'P'});
    EXPECT_TRUE(velmar.WaitUntil([] { return ClipboardText() == "0x00CC0020 /* SRCCOPY: S */"; }))
        << "Alt+P copies: " << ClipboardText();
    velmar.PressKeys({VK_MENU, 'O'});
    EXPECT_EQ(velmar.WaitForExit(), 0) << "Alt+O closes";
}

// In UTF-16: a process that asks another's list for an 8-bit text gets the UTF-16 one under Wine.
std::string SelectedEntryText(HWND combo) {
    const auto index = ::SendMessageW(combo, CB_GETCURSEL, 0, 0);
    const auto length = ::SendMessageW(combo, CB_GETLBTEXTLEN, index, 0);
    if (index < 0 || length < 0) return "";
    std::wstring text(static_cast<size_t>(length) + 1, L'\0');
    ::SendMessageW(combo, CB_GETLBTEXT, index, reinterpret_cast<LPARAM>(text.data()));
    return std::string(text.begin(), text.begin() + length);  // the names are ASCII
}

// What a screen reader says of a control: its own text, or the label just before it.
TEST_F(ProgramTest, EveryControlHasANameThatSaysWhatItIs) {
    ProgramDriver& velmar = StartProgram();
    EXPECT_EQ(velmar.Text(IDC_RESULT_ROW1), "Result when P 0, S 0, D 0");
    EXPECT_EQ(velmar.Text(IDC_RESULT_ROW1 + 5), "Result when P 1, S 0, D 1");
    EXPECT_EQ(velmar.Text(IDC_RESULT_ROW8), "Result when P 1, S 1, D 1");
    EXPECT_EQ(ProgramDriver::TextOf(::GetWindow(velmar.Item(IDC_HEX), GW_HWNDPREV)), "H&ex");
    EXPECT_EQ(velmar.Text(IDC_PICTURE1), "Bitmap 1 picture");
    EXPECT_EQ(velmar.Text(IDC_PICTURE2), "Bitmap 2 picture");
    EXPECT_EQ(SelectedEntryText(velmar.Item(IDC_PATTERN_COLOR1)), "White");
    EXPECT_EQ(SelectedEntryText(velmar.Item(IDC_TEXT_COLOR2)), "Black");
    ::SendMessageA(velmar.Item(IDC_BK_COLOR1), CB_SETCURSEL, 4, 0);
    EXPECT_EQ(SelectedEntryText(velmar.Item(IDC_BK_COLOR1)), "Dark blue");
}

// Name changes of one window's client area, as a screen reader hears of them.
class NameChangeListener {
public:
    explicit NameChangeListener(HWND window) {
        s_window = window;
        s_heard = 0;
        DWORD process = 0;
        ::GetWindowThreadProcessId(window, &process);
        m_hook = ::SetWinEventHook(EVENT_OBJECT_NAMECHANGE, EVENT_OBJECT_NAMECHANGE, nullptr,
                                   &OnEvent, process, 0, WINEVENT_OUTOFCONTEXT);
    }
    ~NameChangeListener() {
        if (m_hook) ::UnhookWinEvent(m_hook);
    }
    NameChangeListener(const NameChangeListener&) = delete;
    NameChangeListener& operator=(const NameChangeListener&) = delete;

    bool Listening() const { return m_hook != nullptr; }
    static int Heard() { return s_heard; }

private:
    static void CALLBACK OnEvent(HWINEVENTHOOK, DWORD, HWND window, LONG object, LONG child, DWORD,
                                 DWORD) {
        if (window == s_window && object == OBJID_CLIENT && child == CHILDID_SELF) ++s_heard;
    }
    HWINEVENTHOOK m_hook = nullptr;
    static inline HWND s_window = nullptr;
    static inline int s_heard = 0;
};

TEST_F(ProgramTest, AFaultInTheStatusLineIsAnnounced) {
    ProgramDriver& velmar = StartProgram();
    const NameChangeListener listener(velmar.Item(IDC_MEANING_STATUS));
    ASSERT_TRUE(listener.Listening());
    ReplaceText(velmar, IDC_EXPRESSION, "P &");
    velmar.ClickItem(IDC_EXPRESSION_SET);
    ASSERT_TRUE(velmar.WaitUntil([&] { return !velmar.Text(IDC_MEANING_STATUS).empty(); }));
    EXPECT_TRUE(velmar.WaitUntil([] { return NameChangeListener::Heard() > 0; }));
}

// Clipboard managers and remote sessions hold the clipboard for a moment; a copy that cannot
// wait them out says so.
TEST_F(ProgramTest, CopyOnABusyClipboardSaysSoAndCopiesOnceItIsFree) {
    ProgramDriver& velmar = StartProgram();
    ASSERT_TRUE(::OpenClipboard(nullptr));
    ::EmptyClipboard();
    velmar.ClickItem(IDC_COPY);
    const bool told = velmar.WaitUntil(
        [&] { return velmar.Text(IDC_MEANING_STATUS).find("clipboard") != std::string::npos; });
    ::CloseClipboard();
    EXPECT_TRUE(told) << velmar.Text(IDC_MEANING_STATUS);

    velmar.ClickItem(IDC_COPY);
    EXPECT_TRUE(velmar.WaitUntil([] { return ClipboardText() == "0x00CC0020 /* SRCCOPY: S */"; }));
    EXPECT_EQ(velmar.Text(IDC_MEANING_STATUS), "");
}

}  // namespace
