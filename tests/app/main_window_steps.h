#pragma once

#include <string>

#include "program_driver.h"

// What a person does in the main window, each step waiting until the window shows it.

// The result column, row 1 first, as '0' and '1'.
std::string ResultColumn(const ProgramDriver& velmar);
// The posted sync has run once the column shows what the code says.
bool WaitForResultColumn(const ProgramDriver& velmar, const std::string& rows);
// Ticks exactly the rows marked '1', clicking only the boxes that must change.
void TickResults(ProgramDriver& velmar, const std::string& rows);
// Clicks into an edit field, deletes its text and types this one.
void ReplaceText(ProgramDriver& velmar, int id, const std::string& text);
void ReplaceHexText(ProgramDriver& velmar, const std::string& text);

// The clipboard's 8-bit text, empty when there is none or the clipboard is busy.
std::string ClipboardText();
