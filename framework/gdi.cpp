#include "dc.h"
#include "exceptions.h"
#include "gdi_object.h"
#include "wnd.h"

BOOL CBitmap::CreateCompatibleBitmap(const CDC& dc, int nWidth, int nHeight) {
    return Attach(::CreateCompatibleBitmap(dc.GetSafeHdc(), nWidth, nHeight));
}

CBrush::CBrush(COLORREF color) {
    if (!CreateSolidBrush(color)) AfxThrowResourceException();
}

CDC CDC::FromHandle(HDC hDC) {
    CDC dc;
    dc.m_hDC = hDC;
    dc.m_bOwned = false;
    return dc;
}

BOOL CDC::Attach(HDC hDC) {
    DeleteDC();
    m_hDC = hDC;
    m_bOwned = true;
    return hDC != nullptr;
}

BOOL CDC::CreateCompatibleDC(const CDC* pDC) {
    return Attach(::CreateCompatibleDC(pDC ? pDC->m_hDC : nullptr));
}

BOOL CDC::DeleteDC() {
    HDC hDC = Detach();
    return hDC && m_bOwned ? ::DeleteDC(hDC) : FALSE;
}

CClientDC::CClientDC(CWnd* pWnd) : m_hWnd(pWnd ? pWnd->m_hWnd : nullptr) {
    m_hDC = ::GetDC(m_hWnd);
    m_bOwned = false;
    if (!m_hDC) AfxThrowResourceException();
}

CClientDC::~CClientDC() {
    if (m_hDC) ::ReleaseDC(m_hWnd, Detach());
}

CPaintDC::CPaintDC(CWnd* pWnd) : m_hWnd(pWnd->m_hWnd) {
    m_hDC = ::BeginPaint(m_hWnd, &m_ps);
    m_bOwned = false;
    if (!m_hDC) AfxThrowResourceException();
}

CPaintDC::~CPaintDC() {
    Detach();
    ::EndPaint(m_hWnd, &m_ps);
}
