#pragma once

#include "afxwin.h"
#include "source_picture.h"

// A picture read from a file or the clipboard, or why none was: a sentence for the status line.
struct PictureReading {
    SourcePicture picture;
    CStringW fault;  // a file's name in it in any script
    bool Ok() const { return fault.IsEmpty(); }
};
