#include "meaning_view.h"

#include <string>

#include "resource.h"
#include "rop_low_word.h"
#include "rop_names.h"
#include "rop_operand_use.h"
#include "rop_shortest.h"

void ShowRopMeaning(CWnd& dialog, std::uint8_t index) {
    const auto show = [&](int id, const std::string& text) {
        dialog.SetDlgItemText(id, text.c_str());
    };
    show(IDC_MEANING_RPN, PublishedRopRpn(index));
    show(IDC_MEANING_NAME, std::string(GdiRopName(index)));
    show(IDC_MEANING_C, ShortestRopExpression(index).text);
    show(IDC_MEANING_USES, DescribeRopOperandUse(index));
}
