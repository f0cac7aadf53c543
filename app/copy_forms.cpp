// Copy and the list beside it: the current code as C, as a BitBlt call, as a shader expression
// or as the logic op of a graphics API. The list keeps its choice for the run.
#include "clipboard_text.h"
#include "resource.h"
#include "rop_copy_form.h"
#include "status_line.h"
#include "velmar_dlg.h"

void CVelmarDlg::SetUpCopyForms() {
    HWND forms = ::GetDlgItem(m_hWnd, IDC_COPY_FORM);
    for (const RopCopyForm form : kRopCopyForms)
        ::SendMessageA(forms, CB_ADDSTRING, 0,
                       reinterpret_cast<LPARAM>(std::string(RopCopyFormName(form)).c_str()));
    ::SendMessageA(forms, CB_SETCURSEL, 0, 0);
}

// A form with no answer for the code copies nothing and says why.
void CVelmarDlg::OnCopyAsC() {
    const auto chosen = ::SendDlgItemMessageA(m_hWnd, IDC_COPY_FORM, CB_GETCURSEL, 0, 0);
    const RopCopyForm form = chosen > 0 && static_cast<size_t>(chosen) < kRopCopyForms.size()
                                 ? kRopCopyForms[static_cast<size_t>(chosen)]
                                 : RopCopyForm::C;
    const RopCopyResult copy = RopCopyText(form, CurrentCode());
    if (!copy.ok) {
        ShowStatus(*this, copy.text);
        return;
    }
    ShowStatus(*this, DescribeClipboardCopy(CopyTextToClipboard(this, copy.text)));
}
