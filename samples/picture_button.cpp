#include "picture_button.h"

SIZE CPictureButton::ClientSize() const {
    RECT client{};
    GetClientRect(&client);
    return {client.right - client.left, client.bottom - client.top};
}

BOOL CPictureButton::OnChildNotify(UINT message, WPARAM, LPARAM lParam, LRESULT* pResult) {
    if (message != WM_DRAWITEM) return FALSE;
    const auto& item = *reinterpret_cast<const DRAWITEMSTRUCT*>(lParam);
    if (item.itemAction & ODA_DRAWENTIRE) m_picture.Draw(item);
    *pResult = TRUE;
    return TRUE;
}
