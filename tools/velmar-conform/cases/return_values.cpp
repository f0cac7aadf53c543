#include "return_values.h"

// PatBlt with a code that reads the source fails; one off the surface or of no width succeeds.
// BitBlt needs a source only for a code that reads one. MaskBlt without a mask is the
// foreground's BitBlt. Hatch styles 6 to 11 are solid brushes, others past 5 are refused.
const ReturnValueScene& ReturnValues() {
    static const ReturnValueScene scene = {
        R"j({"scene": 1, "target": "dst",
   "bitmaps": {"dst": {"dib": {"bpp": 32, "width": 16, "height": 16, "fill": "0x5A"}},
               "src": {"dib": {"bpp": 32, "width": 16, "height": 16, "fill": "0xC3"}}},
   "steps": [{"patblt": "dst", "x": 0, "y": 0, "w": 8, "h": 8, "rop": "SRCCOPY"},
             {"patblt": "dst", "x": 100, "y": 100, "w": 8, "h": 8, "rop": "PATCOPY"},
             {"patblt": "dst", "x": 4, "y": 4, "w": 0, "h": 3, "rop": "PATINVERT"},
             {"bitblt": "dst", "x": 0, "y": 0, "w": 8, "h": 8, "src": null, "rop": "SRCCOPY"},
             {"bitblt": "dst", "x": 1, "y": 1, "w": 8, "h": 8, "src": null, "rop": "PATINVERT"},
             {"bitblt": "dst", "x": 0, "y": 0, "w": 0, "h": 8, "src": "src", "rop": "SRCCOPY"},
             {"bitblt": "dst", "x": 2, "y": 2, "w": 8, "h": 8, "src": "src", "sx": 30, "sy": 30, "rop": "SRCCOPY"},
             {"maskblt": "dst", "x": 0, "y": 0, "w": 8, "h": 8, "src": "src", "mask": null, "rop4": "0xAACC0020"},
             {"set": "dst", "brush": {"hatch": 12, "color": "#FF0000"}},
             {"set": "dst", "brush": {"hatch": 6, "color": "#FF0000"}},
             {"patblt": "dst", "x": 0, "y": 8, "w": 16, "h": 8, "rop": "PATCOPY"},
             {"set": "dst", "brush": {"hatch": -1, "color": "#00FF00"}},
             {"set": "dst", "brush": {"hatch": 11, "color": "#0000FF"}},
             {"patblt": "dst", "x": 8, "y": 0, "w": 8, "h": 8, "rop": "PATINVERT"}]})j",
        {false, true, true, false, true, true, true, true, false, true, true, false, true, true}};
    return scene;
}
