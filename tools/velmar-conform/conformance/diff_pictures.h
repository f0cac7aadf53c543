#pragma once

#include <string>

#include "case_check.h"

// For a case that was compared and differs: DIR/name.expected.bmp (the model's target),
// DIR/name.got.bmp (the GDI's) and DIR/name.difference.bmp (white where a pixel differs, black
// where it agrees). False, with the file named in `fault`, when one cannot be written.
bool WriteDiffPictures(const std::string& directory, const CaseResult& result, std::string& fault);
