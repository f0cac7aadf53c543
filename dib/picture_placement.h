#pragma once

// Where a picture lands in a sample: pixel for pixel when it has the sample's size; enlarged by
// the largest whole factor that fits both ways (each pixel a factor x factor square, so pixel
// art stays crisp) when it is smaller; shrunk to fit with its proportions kept when it is larger
// either way. Centred: the left edge (sample width - placed width) / 2, the top edge likewise,
// both rounded down.

struct PicturePlacement {
    int left = 0;
    int top = 0;
    int width = 0;  // the picture's size in the sample, 1 pixel or more
    int height = 0;
    int factor = 0;  // the whole enlargement (1 for the sample's size), 0 when shrunk
};

// Both sizes must be 1 pixel or more each way.
PicturePlacement PlacePicture(int pictureWidth, int pictureHeight, int sampleWidth,
                              int sampleHeight);
