#include <gtest/gtest.h>

#include <string>

#include "main_window_steps.h"
#include "program_fixture.h"
#include "resource.h"

namespace {

struct Meaning {
    std::string rpn, name, c, uses;
};

bool operator==(const Meaning& a, const Meaning& b) {
    return a.rpn == b.rpn && a.name == b.name && a.c == b.c && a.uses == b.uses;
}

std::ostream& operator<<(std::ostream& out, const Meaning& m) {
    return out << "{" << m.rpn << " | " << m.name << " | " << m.c << " | " << m.uses << "}";
}

Meaning MeaningShown(const ProgramDriver& velmar) {
    return {velmar.Text(IDC_MEANING_RPN), velmar.Text(IDC_MEANING_NAME), velmar.Text(IDC_MEANING_C),
            velmar.Text(IDC_MEANING_USES)};
}

bool WaitForMeaning(const ProgramDriver& velmar, const Meaning& expected) {
    return velmar.WaitUntil([&] { return MeaningShown(velmar) == expected; });
}

struct Operation {
    const char* hex;
    const char* rows;  // the result column, row 1 first
    Meaning meaning;
};

const Operation kOperations[] = {
    {"0xE20746", "01000111", {"DSPDxax", "", "D ^ (S & (P ^ D))", "P S D"}},
    {"0xCC0020", "00110011", {"S", "SRCCOPY", "S", "S - no brush needed"}},
    {"0x5A0049",
     "01011010",
     {"DPx", "PATINVERT", "P ^ D", "P D - no source needed, PatBlt will do; as a pen: R2_XORPEN"}},
    {"0x42",
     "00000000",
     {"0", "BLACKNESS", "0",
      "none - no source or brush needed, PatBlt will do; as a pen: R2_BLACK"}},
    {"0xFF0062",
     "11111111",
     {"1", "WHITENESS", "1",
      "none - no source or brush needed, PatBlt will do; as a pen: R2_WHITE"}},
    {"0x220326", "01000100", {"DSna", "", "D & ~S", "S D - no brush needed"}},
};

TEST_F(ProgramTest, MeaningFollowsTheResultColumnWhateverChangesIt) {
    ProgramDriver& velmar = StartProgram();
    EXPECT_TRUE(WaitForMeaning(velmar, kOperations[1].meaning)) << MeaningShown(velmar);
    for (const Operation& operation : kOperations) {
        TickResults(velmar, operation.rows);
        EXPECT_TRUE(velmar.WaitForText(IDC_HEX, operation.hex)) << operation.hex;
        EXPECT_TRUE(WaitForMeaning(velmar, operation.meaning))
            << operation.hex << " by clicks: " << MeaningShown(velmar);
    }
    for (const Operation& operation : kOperations) {
        ReplaceHexText(velmar, operation.hex);
        EXPECT_TRUE(WaitForResultColumn(velmar, operation.rows)) << operation.hex;
        EXPECT_TRUE(WaitForMeaning(velmar, operation.meaning))
            << operation.hex << " typed: " << MeaningShown(velmar);
    }
    // A code out of range is described by its bits 16 to 23, as the column shows it.
    ReplaceHexText(velmar, "1E20746");
    EXPECT_EQ(velmar.DismissMessageBoxes(1).size(), 1u);
    EXPECT_TRUE(WaitForMeaning(velmar, kOperations[0].meaning)) << MeaningShown(velmar);
    velmar.ClickItem(IDC_SRCCOPY);
    EXPECT_EQ(velmar.DismissMessageBoxes(1).size(), 1u);
    EXPECT_TRUE(WaitForMeaning(velmar, kOperations[1].meaning)) << MeaningShown(velmar);
}

TEST_F(ProgramTest, SetTakesAnExpressionAnRpnOrANameAndABadEntryIsShownInTheWindow) {
    ProgramDriver& velmar = StartProgram();
    const struct {
        const char* typed;
        const Operation& becomes;
    } entries[] = {
        {"(P & S) | (D & ~S)", kOperations[0]},
        {"DSna", kOperations[5]},
        {"patinvert", kOperations[2]},
    };
    for (const auto& entry : entries) {
        ReplaceText(velmar, IDC_EXPRESSION, entry.typed);
        velmar.ClickItem(IDC_EXPRESSION_SET);
        EXPECT_TRUE(velmar.WaitForText(IDC_HEX, entry.becomes.hex)) << entry.typed;
        EXPECT_TRUE(WaitForResultColumn(velmar, entry.becomes.rows)) << entry.typed;
        EXPECT_TRUE(WaitForMeaning(velmar, entry.becomes.meaning)) << entry.typed;
        EXPECT_EQ(velmar.Text(IDC_MEANING_STATUS), "");
    }

    const struct {
        const char* typed;
        const char* says;
        DWORD selectionStart, selectionEnd;
    } faults[] = {
        {"(P & S", "expression: '(' at position 1 is never closed", 0, 1},
        {"P & Q", "expression: unknown operand 'Q' at position 5 (operands are P, S, D, 0, 1)", 4,
         5},
        {"P &", "expression: the expression ends at position 4 where an operand is expected", 2, 3},
        {"SRCCPY",
         "name: unknown name 'SRCCPY' at position 1 (GDI names such as SRCCOPY or R2_XORPEN, any "
         "letter case)",
         0, 6},
    };
    for (const auto& fault : faults) {
        ReplaceText(velmar, IDC_EXPRESSION, fault.typed);
        velmar.ClickItem(IDC_EXPRESSION_SET);
        EXPECT_TRUE(velmar.WaitForText(IDC_MEANING_STATUS, fault.says))
            << fault.typed << ": " << velmar.Text(IDC_MEANING_STATUS);
        DWORD start = 0, end = 0;
        ::SendMessageA(velmar.Item(IDC_EXPRESSION), EM_GETSEL, reinterpret_cast<WPARAM>(&start),
                       reinterpret_cast<LPARAM>(&end));
        EXPECT_EQ(start, fault.selectionStart) << fault.typed;
        EXPECT_EQ(end, fault.selectionEnd) << fault.typed;
        EXPECT_EQ(velmar.Text(IDC_HEX), kOperations[2].hex) << "the code stays";
        EXPECT_EQ(ResultColumn(velmar), kOperations[2].rows);
        EXPECT_FALSE(velmar.OpenMessageBox());
    }
}

TEST_F(ProgramTest, CopyPutsTheCodeOnTheClipboardAsC) {
    ProgramDriver& velmar = StartProgram();
    TickResults(velmar, kOperations[0].rows);
    ASSERT_TRUE(velmar.WaitForText(IDC_HEX, kOperations[0].hex));
    velmar.ClickItem(IDC_COPY);
    EXPECT_TRUE(velmar.WaitUntil([] {
        return ClipboardText() == "0x00E20746 /* DSPDxax: D ^ (S & (P ^ D)) */";
    })) << ClipboardText();
    velmar.ClickItem(IDC_SRCCOPY);
    ASSERT_TRUE(velmar.WaitForText(IDC_HEX, "0xCC0020"));
    velmar.ClickItem(IDC_COPY);
    EXPECT_TRUE(velmar.WaitUntil([] { return ClipboardText() == "0x00CC0020 /* SRCCOPY: S */"; }))
        << ClipboardText();
}

}  // namespace
