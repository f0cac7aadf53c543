#pragma once

#include "afxwin.h"

// What the status line says of a picture that could not be opened, pasted or copied. A file is
// named by its name alone, in UTF-16: the code page may lack its characters.

constexpr const char* kClipboardHoldsNoPicture = "The clipboard holds no picture.";
constexpr const char* kClipboardBusy = "The clipboard is busy; try again.";
constexpr const char* kClipboardOwnerHung =
    "The program that copied the picture is not responding.";
constexpr const char* kNoMemoryForPicture = "Not enough memory for the picture.";
constexpr const char* kNoPictureToCopy = "There is no picture to copy.";
// Never shown: the reading of a picture that no one waits for any more.
constexpr const char* kReadingAbandoned = "The picture was not read to the end.";

// "Not a picture Velmar can read: sprite.txt"
CStringW NotAPictureText(LPCWSTR path);
// "The picture is damaged or incomplete: sprite.png"
CStringW DamagedPictureText(LPCWSTR path);
// "A folder, not a picture: sprites"
CStringW FolderText(LPCWSTR path);
// "Cannot open sprite.png: The system cannot find the file specified." (the system's text for
// an error number or an HRESULT, or its number where the system has none)
CStringW CannotOpenText(LPCWSTR path, HRESULT result);
// "The picture is too large to open: 30000 x 30000 pixels."
CStringW TooLargeText(unsigned width, unsigned height);
// "The picture is too large to open: 20000 x 20000 pixels, more than 100 megapixels."
CStringW TooManyPixelsText(unsigned width, unsigned height);
// "The picture's pixel format cannot be converted: scan.tif"
CStringW UnconvertiblePixelsText(LPCWSTR path);
// "Opened the first of 3 frames: anim.gif"
CStringW FirstOfFramesText(LPCWSTR path, unsigned frames);
// "Reading sprite.png..."
CStringW ReadingText(LPCWSTR path);
// "The clipboard's picture cannot be read: a block that ends before its last row."
CStringW UnreadableClipboardText(const std::string& reason);
// `what` and the system's text for the HRESULT: "Pictures cannot be opened: Class not registered."
CStringW SystemFaultText(LPCSTR what, HRESULT result);
