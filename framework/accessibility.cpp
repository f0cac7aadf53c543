#include "accessibility.h"

#include <oleacc.h>

#include "win_app.h"

namespace {

// The GUIDs by value: MinGW's headers lack the live setting, and the others would bring in an
// import library for four constants.
constexpr CLSID kAccPropServicesClass = {
    0xb5f8350b, 0x0548, 0x48b1, {0xa6, 0xee, 0x88, 0xbd, 0x00, 0xb4, 0xa5, 0xe7}};
constexpr IID kAccPropServicesInterface = {
    0x6e26e776, 0x04f0, 0x495d, {0x80, 0xe4, 0x33, 0x30, 0x35, 0x2e, 0x31, 0x69}};
constexpr GUID kNameProperty = {
    0x608d3df8, 0x8128, 0x4aa7, {0xa4, 0x28, 0xf5, 0x5e, 0x49, 0x26, 0x72, 0x91}};
constexpr GUID kRoleProperty = {
    0xcb905ff2, 0x7bd1, 0x4c05, {0xb3, 0xc8, 0xe6, 0xc2, 0x41, 0x36, 0x4d, 0x70}};
constexpr GUID kLiveSettingProperty = {
    0xc12bcd8e, 0x2a8e, 0x4950, {0x8a, 0xe7, 0x36, 0x25, 0x11, 0x1d, 0x58, 0xeb}};
constexpr LONG kPoliteLiveSetting = 1;

class AnnotationService {
public:
    AnnotationService() {
        ::CoCreateInstance(kAccPropServicesClass, nullptr, CLSCTX_INPROC_SERVER,
                           kAccPropServicesInterface, reinterpret_cast<void**>(&m_service));
    }
    ~AnnotationService() {
        if (m_service) m_service->Release();
    }
    AnnotationService(const AnnotationService&) = delete;
    AnnotationService& operator=(const AnnotationService&) = delete;

    void SetNumber(HWND control, const GUID& property, LONG value) {
        if (!m_service) return;
        // Zeroed as VariantInit would, which lives in a DLL the program has no other use for.
        VARIANT number{};
        number.vt = VT_I4;
        number.lVal = value;
        m_service->SetHwndProp(control, static_cast<DWORD>(OBJID_CLIENT), CHILDID_SELF, property,
                               number);
    }
    void SetText(HWND control, const GUID& property, LPCWSTR text) {
        if (m_service)
            m_service->SetHwndPropStr(control, static_cast<DWORD>(OBJID_CLIENT), CHILDID_SELF,
                                      property, const_cast<LPWSTR>(text));
    }

private:
    IAccPropServices* m_service = nullptr;
};

BOOL CALLBACK NameFromStringTable(HWND control, LPARAM service) {
    const int id = ::GetDlgCtrlID(control);
    // LoadStringW with no buffer gives a pointer into the resource itself: no length limit.
    const wchar_t* text = nullptr;
    const int length = id > 0 ? ::LoadStringW(AfxGetResourceHandle(), static_cast<UINT>(id),
                                              reinterpret_cast<LPWSTR>(&text), 0)
                              : 0;
    if (length > 0 && text) {
        const CStringW name(text, length);
        reinterpret_cast<AnnotationService*>(service)->SetText(control, kNameProperty, name);
    }
    return TRUE;
}

}  // namespace

void AfxNameControlsFromStringTable(HWND window) {
    AnnotationService service;
    ::EnumChildWindows(window, NameFromStringTable, reinterpret_cast<LPARAM>(&service));
}

// The role only: an annotated state would replace the control's whole live state, and a reader
// would hear neither that it can take the focus nor that it has it.
void AfxPresentAsGraphic(HWND control) {
    AnnotationService().SetNumber(control, kRoleProperty, ROLE_SYSTEM_GRAPHIC);
}

void AfxMakePoliteLiveRegion(HWND control) {
    AnnotationService().SetNumber(control, kLiveSettingProperty, kPoliteLiveSetting);
}

void AfxAnnounceLiveRegion(HWND control) {
    ::NotifyWinEvent(EVENT_OBJECT_LIVEREGIONCHANGED, control, OBJID_CLIENT, CHILDID_SELF);
}
