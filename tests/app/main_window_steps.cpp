#include "main_window_steps.h"

#include <gtest/gtest.h>

#include "resource.h"

std::string ResultColumn(const ProgramDriver& velmar) {
    std::string rows;
    for (int row = 1; row <= 8; ++row)
        rows += velmar.IsChecked(IDC_RESULT_ROW1 + row - 1) ? '1' : '0';
    return rows;
}

bool WaitForResultColumn(const ProgramDriver& velmar, const std::string& rows) {
    return velmar.WaitUntil([&] { return ResultColumn(velmar) == rows; });
}

void TickResults(ProgramDriver& velmar, const std::string& rows) {
    for (int row = 1; row <= 8; ++row) {
        const int id = IDC_RESULT_ROW1 + row - 1;
        const bool wanted = rows[row - 1] == '1';
        if (velmar.IsChecked(id) == wanted) continue;
        velmar.ClickItem(id);
        EXPECT_TRUE(velmar.WaitForCheck(id, wanted)) << "row " << row;
    }
}

void ReplaceText(ProgramDriver& velmar, int id, const std::string& text) {
    velmar.ClickItem(id);
    ASSERT_TRUE(velmar.WaitForFocus(id));
    velmar.PressKey(VK_END);
    velmar.PressKeys({VK_SHIFT, VK_HOME});
    velmar.PressKey(VK_DELETE);
    EXPECT_TRUE(velmar.WaitForText(id, ""));
    velmar.TypeText(text);
    EXPECT_TRUE(velmar.WaitForText(id, text)) << velmar.Text(id);
}

void ReplaceHexText(ProgramDriver& velmar, const std::string& text) {
    ReplaceText(velmar, IDC_HEX, text);
}

std::string ClipboardText() {
    std::string text;
    if (!::OpenClipboard(nullptr)) return text;
    if (HANDLE data = ::GetClipboardData(CF_TEXT)) {
        if (const auto* chars = static_cast<const char*>(::GlobalLock(data))) {
            text = chars;
            ::GlobalUnlock(data);
        }
    }
    ::CloseClipboard();
    return text;
}
