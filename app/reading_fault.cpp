#include "reading_fault.h"

void ShowReadingFault(CStatusLine& status, HWND field, const RopReading& reading) {
    status.Show(DescribeRopReadingFault(reading.kind, reading.result).c_str());
    AfxGotoDlgCtrl(field);
    const auto start = static_cast<WPARAM>(reading.result.errorOffset);
    ::SendMessageA(field, EM_SETSEL, start,
                   static_cast<LPARAM>(start + reading.result.errorLength));
}
