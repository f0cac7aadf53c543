#include "window_caption.h"

#include <string>

void FillCaptionPlaceholder(CWnd& wnd, LPCSTR text) {
    std::string caption = wnd.GetWindowText().GetString();
    const size_t placeholder = caption.find("%s");
    if (placeholder == std::string::npos) return;
    caption.replace(placeholder, 2, text ? text : "");
    wnd.SetWindowText(caption.c_str());
}
