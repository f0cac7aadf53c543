#pragma once

#include "afxwin.h"
#include "source_picture.h"

// A picture read from a file or the clipboard, or why none was: a sentence for the status line.
struct PictureReading {
    SourcePicture picture;
    CString fault;
    bool Ok() const { return fault.IsEmpty(); }
};
