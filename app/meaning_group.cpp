#include "meaning_group.h"

#include <string>

#include "clipboard_text.h"
#include "code_messages.h"
#include "reading_fault.h"
#include "resource.h"
#include "rop_copy_form.h"
#include "rop_low_word.h"
#include "rop_names.h"
#include "rop_operand_use.h"
#include "rop_reader.h"
#include "rop_shortest.h"
#include "rop_truth_table.h"

BEGIN_MESSAGE_MAP(CMeaningGroup, CDialogGroup)
ON_BN_CLICKED(IDC_EXPRESSION_SET, &CMeaningGroup::OnSet)
ON_EN_CHANGE(IDC_EXPRESSION, &CMeaningGroup::OnExpressionEdited)
ON_EN_SETFOCUS(IDC_EXPRESSION, &CMeaningGroup::OnExpressionFocus)
ON_EN_KILLFOCUS(IDC_EXPRESSION, &CMeaningGroup::OnExpressionFocusLost)
ON_BN_CLICKED(IDC_COPY, &CMeaningGroup::OnCopy)
END_MESSAGE_MAP()

void CMeaningGroup::AttachControls(CDataExchange* pDX) {
    DDX_Control(pDX, IDC_MEANING_STATUS, m_status);
}

void CMeaningGroup::SetUp() {
    HWND forms = Item(IDC_COPY_FORM);
    for (const RopCopyForm form : kRopCopyForms)
        ::SendMessageA(forms, CB_ADDSTRING, 0,
                       reinterpret_cast<LPARAM>(std::string(RopCopyFormName(form)).c_str()));
    ::SendMessageA(forms, CB_SETCURSEL, 0, 0);
}

void CMeaningGroup::ShowIndex(std::uint8_t index) {
    if (index == m_nShownIndex) return;
    const auto show = [&](int id, const std::string& text) {
        ::SetDlgItemTextA(Window(), id, text.c_str());
    };
    show(IDC_MEANING_RPN, PublishedRopRpn(index));
    show(IDC_MEANING_NAME, std::string(GdiRopName(index)));
    show(IDC_MEANING_C, ShortestRopExpression(index).text);
    show(IDC_MEANING_USES, DescribeRopOperandUse(index));
    m_nShownIndex = index;
}

void CMeaningGroup::OnSet() {
    const CString text = CWnd::FromHandle(Item(IDC_EXPRESSION))->GetWindowText();
    const RopReading reading = ReadRopOperation(RopInputKind::Field, text.GetString());
    if (!reading.result.ok) {
        ShowReadingFault(m_status, Item(IDC_EXPRESSION), reading);
        return;
    }
    m_status.Clear();
    GiveWindowCode(Window(), RopTruthTable::CodeFromIndex(reading.result.index));
}

// A mended text has no fault yet.
void CMeaningGroup::OnExpressionEdited() { m_status.Clear(); }

// Set is the default button while the Expression field has the focus, so a screen reader says
// what Enter will do there; elsewhere no button is.
void CMeaningGroup::OnExpressionFocus() { Window().SendMessage(DM_SETDEFID, IDC_EXPRESSION_SET); }

void CMeaningGroup::OnExpressionFocusLost() { Window().SendMessage(DM_SETDEFID, IDOK); }

// A form with no answer for the code copies nothing and says why.
void CMeaningGroup::OnCopy() {
    const auto chosen = ::SendMessageA(Item(IDC_COPY_FORM), CB_GETCURSEL, 0, 0);
    const RopCopyForm form = chosen > 0 && static_cast<size_t>(chosen) < kRopCopyForms.size()
                                 ? kRopCopyForms[static_cast<size_t>(chosen)]
                                 : RopCopyForm::C;
    const RopCopyResult copy = RopCopyText(form, AskWindowCode(Window()));
    if (!copy.ok) {
        m_status.Show(copy.text.c_str());
        return;
    }
    m_status.Show(DescribeClipboardCopy(CopyTextToClipboard(&Window(), copy.text)));
}
