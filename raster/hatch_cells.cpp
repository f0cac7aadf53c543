#include "hatch_cells.h"

namespace {

enum HatchStyle {
    kHorizontal,
    kVertical,
    kForwardDiagonal,
    kBackwardDiagonal,
    kCross,
    kDiagonalCross
};

}  // namespace

bool IsHatchLine(int style, int x, int y) {
    const bool horizontal = y == 3;
    const bool vertical = x == 4;
    const bool forward = x == y;
    const bool backward = x == 7 - y;
    switch (style) {
        case kHorizontal:
            return horizontal;
        case kVertical:
            return vertical;
        case kForwardDiagonal:
            return forward;
        case kBackwardDiagonal:
            return backward;
        case kCross:
            return horizontal || vertical;
        case kDiagonalCross:
            return forward || backward;
        default:
            return false;
    }
}
