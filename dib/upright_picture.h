#pragma once

#include "source_picture.h"

// The picture as it stands, from pixels as a camera's sensor saw them and the EXIF orientation it
// wrote (1 to 8; 1 and anything else leave it as it is): 2 mirrored, 3 turned half round, 4
// upside down, 5 mirrored along the diagonal, 6 to be turned a quarter clockwise, 7 mirrored along
// the other diagonal, 8 to be turned a quarter anticlockwise. 5 to 8 swap the sides. Raises
// std::bad_alloc.
void TurnUpright(SourcePicture& picture, int orientation);
