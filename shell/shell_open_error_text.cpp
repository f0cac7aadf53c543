#include "shell_open_error_text.h"

#include <shellapi.h>
#include <string.h>

#include "system_error_text.h"

namespace {

bool IsWebAddress(LPCSTR file) {
    return file && (::_strnicmp(file, "http:", 5) == 0 || ::_strnicmp(file, "https:", 6) == 0);
}

LPCSTR ShellOwnText(INT_PTR result, LPCSTR file) {
    switch (result) {
        case 0:
            return "The system is out of memory or resources.";
        case SE_ERR_SHARE:
            return "A sharing violation occurred.";
        case SE_ERR_ASSOCINCOMPLETE:
            return "The file name association is incomplete or invalid.";
        case SE_ERR_DDETIMEOUT:
        case SE_ERR_DDEFAIL:
        case SE_ERR_DDEBUSY:
            return "The program that opens it did not answer.";
        case SE_ERR_NOASSOC:
            return IsWebAddress(file) ? "No web browser is set up on this computer."
                                      : "No program is set up to open this kind of file.";
        case SE_ERR_DLLNOTFOUND:
            return "A library that the program needs was not found.";
        default:
            return nullptr;
    }
}

}  // namespace

CString GetShellOpenErrorText(INT_PTR result, LPCSTR file) {
    if (LPCSTR own = ShellOwnText(result, file)) return own;
    CString text;
    GetSystemErrorText(static_cast<DWORD>(result), text);
    return text;
}
