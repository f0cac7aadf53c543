#pragma once

#include "sample_picture.h"

// The picture in the other kind. A default picture is drawn anew in it, at `size` (the size its
// control has now). The user's own becomes
// black and white by the light rule a pasted picture follows, and the colour picture is kept; back
// in colour it is that picture again while nothing has changed it since, else the black-and-white
// one in colour. FALSE, the picture as it was, when memory runs out or GDI refuses; raises
// CResourceException when the default cannot be drawn or there is no screen DC.
BOOL ChangePictureKind(SamplePicture& picture, bool mono, SIZE size);
