#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
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

std::string ClassOf(HWND window) {
    char name[64] = "";
    ::GetClassNameA(window, name, sizeof name);
    return name;
}

std::string WithoutAccessKeys(std::string text) {
    text.erase(std::remove(text.begin(), text.end(), '&'), text.end());
    return text;
}

// A screen reader lists every control by a name: the program's string of the control's id where
// it gives one, else a field's or list's label (the static before it), else the control's text.
// No two may share one: "Clear", "Clear", "Clear" says nothing of which picture it clears.
TEST_F(ProgramTest, EveryControlHasANameOfItsOwn) {
    ProgramDriver& velmar = StartProgram();
    const HMODULE program = ::LoadLibraryExA(VELMAR_EXE, nullptr, LOAD_LIBRARY_AS_DATAFILE);
    ASSERT_NE(program, nullptr);
    std::map<std::string, int> named;
    for (HWND child = ::GetWindow(velmar.MainWindow(), GW_CHILD); child;
         child = ::GetWindow(child, GW_HWNDNEXT)) {
        const std::string kind = ClassOf(child);
        const auto style = ::GetWindowLongA(child, GWL_STYLE);
        if (!lstrcmpiA(kind.c_str(), "Static") ||
            (!lstrcmpiA(kind.c_str(), "Button") && (style & BS_TYPEMASK) == BS_GROUPBOX))
            continue;
        const int id = ::GetDlgCtrlID(child);
        char text[256] = "";
        std::string name;
        if (::LoadStringA(program, static_cast<UINT>(id), text, sizeof text) > 0)
            name = text;
        else if (!lstrcmpiA(kind.c_str(), "Edit") || !lstrcmpiA(kind.c_str(), "ComboBox"))
            name = ProgramDriver::TextOf(::GetWindow(child, GW_HWNDPREV));
        else
            name = ProgramDriver::TextOf(child);
        name = WithoutAccessKeys(name);
        const auto [first, isNew] = named.emplace(name, id);
        EXPECT_TRUE(isNew) << '"' << name << "\" names " << id << " and " << first->second;
    }
    ::FreeLibrary(program);
}

// What a screen reader hears of one window's client area: name changes and live-region changes.
class ReaderEvents {
public:
    explicit ReaderEvents(HWND window) {
        s_window = window;
        s_names = s_liveRegions = 0;
        DWORD process = 0;
        ::GetWindowThreadProcessId(window, &process);
        m_hook = ::SetWinEventHook(EVENT_OBJECT_NAMECHANGE, EVENT_OBJECT_LIVEREGIONCHANGED, nullptr,
                                   &OnEvent, process, 0, WINEVENT_OUTOFCONTEXT);
    }
    ~ReaderEvents() {
        if (m_hook) ::UnhookWinEvent(m_hook);
    }
    ReaderEvents(const ReaderEvents&) = delete;
    ReaderEvents& operator=(const ReaderEvents&) = delete;

    bool Listening() const { return m_hook != nullptr; }
    static int Names() { return s_names; }
    static int LiveRegions() { return s_liveRegions; }

private:
    static void CALLBACK OnEvent(HWINEVENTHOOK, DWORD event, HWND window, LONG object, LONG child,
                                 DWORD, DWORD) {
        if (window != s_window || object != OBJID_CLIENT || child != CHILDID_SELF) return;
        if (event == EVENT_OBJECT_NAMECHANGE) ++s_names;
        if (event == EVENT_OBJECT_LIVEREGIONCHANGED) ++s_liveRegions;
    }
    HWINEVENTHOOK m_hook = nullptr;
    static inline HWND s_window = nullptr;
    static inline int s_names = 0;
    static inline int s_liveRegions = 0;
};

// Narrator and NVDA speak a status line that changes away from the focus only as a live region.
TEST_F(ProgramTest, AFaultInAStatusLineIsAnnounced) {
    ProgramDriver& velmar = StartProgram();
    const struct {
        int status, field, button;
    } lines[] = {{IDC_MEANING_STATUS, IDC_EXPRESSION, IDC_EXPRESSION_SET},
                 {IDC_MASK_STATUS, IDC_MASK_BACKGROUND, IDC_MASKBLT_1TO2}};
    for (const auto& line : lines) {
        SCOPED_TRACE(line.status);
        const ReaderEvents listener(velmar.Item(line.status));
        ASSERT_TRUE(listener.Listening());
        ReplaceText(velmar, line.field, "P &");
        velmar.ClickItem(line.button);
        ASSERT_TRUE(velmar.WaitUntil([&] { return !velmar.Text(line.status).empty(); }));
        EXPECT_TRUE(velmar.WaitUntil([] { return ReaderEvents::LiveRegions() > 0; }));
        EXPECT_TRUE(velmar.WaitUntil([] { return ReaderEvents::Names() > 0; }));
    }
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

namespace {

// Ctrl+Z and Ctrl+Y act on the pictures wherever the focus is, but in an edit field, which keeps
// its own undo. The characters are posted as automation tools post them: the window decides by
// the messages and the focus, and the X server's keyboard state has no say.
TEST_F(ProgramTest, CtrlZAndCtrlYUndoPictureChangesOutsideEditFields) {
    ProgramDriver& velmar = StartProgram();
    // Painted: the default picture has more than one colour; a picture not yet painted has one.
    const auto painted = [](const Picture& shown) {
        return std::adjacent_find(shown.pixels.begin(), shown.pixels.end(),
                                  std::not_equal_to<>()) != shown.pixels.end();
    };
    const Picture before = velmar.WaitForPicture(IDC_PICTURE2, painted);
    ASSERT_TRUE(painted(before));
    ReplaceHexText(velmar, "0x660046");
    velmar.ClickItem(IDC_BLT_1TO2);
    const auto changed = [&](const Picture& shown) { return shown.pixels != before.pixels; };
    const Picture blitted = velmar.WaitForPicture(IDC_PICTURE2, changed);
    ASSERT_TRUE(changed(blitted));

    ASSERT_TRUE(velmar.FocusItem(IDC_SRCCOPY));
    velmar.PostChar(velmar.Item(IDC_SRCCOPY), 0x1A);  // Ctrl+Z
    const auto undone = [&](const Picture& shown) { return shown.pixels == before.pixels; };
    EXPECT_TRUE(undone(velmar.WaitForPicture(IDC_PICTURE2, undone)));
    velmar.PostChar(velmar.Item(IDC_SRCCOPY), 0x19);  // Ctrl+Y
    const auto redone = [&](const Picture& shown) { return shown.pixels == blitted.pixels; };
    EXPECT_TRUE(redone(velmar.WaitForPicture(IDC_PICTURE2, redone)));

    ReplaceText(velmar, IDC_EXPRESSION, "S");
    velmar.PostChar(velmar.Item(IDC_EXPRESSION), 0x1A);
    EXPECT_TRUE(velmar.WaitForText(IDC_EXPRESSION, "")) << "the field's own undo";
    EXPECT_TRUE(redone(velmar.WaitForPicture(IDC_PICTURE2, redone))) << "the picture untouched";
}

}  // namespace
