#pragma once

#include <objbase.h>

// COM on this thread for as long as the object lives: set up once, at the start of the run, for
// the shell's launches and the extensions they load. A thread that has it already, in whatever
// form, keeps it as it is.
class ComApartment {
public:
    ComApartment()
        : m_result(::CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED | COINIT_DISABLE_OLE1DDE)) {}
    ~ComApartment() {
        if (SUCCEEDED(m_result)) ::CoUninitialize();
    }
    ComApartment(const ComApartment&) = delete;
    ComApartment& operator=(const ComApartment&) = delete;

private:
    HRESULT m_result;
};
