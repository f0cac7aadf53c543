#pragma once

#include <ole2.h>

#include "com_apartment.h"

// OLE on the user-interface thread for as long as the object lives: the open dialog hosts the
// shell's file view on this thread, and its drag and drop and its clipboard are OLE's, which fail
// silently without it. COM comes first, with OLE1's DDE off as the shell's launches ask.
class OleApartment {
public:
    OleApartment() : m_result(::OleInitialize(nullptr)) {}
    ~OleApartment() {
        if (SUCCEEDED(m_result)) ::OleUninitialize();
    }
    OleApartment(const OleApartment&) = delete;
    OleApartment& operator=(const OleApartment&) = delete;

private:
    ComApartment m_com;  // before OLE, which then finds it set up
    HRESULT m_result;
};
