#include "sample_panel.h"

void ResetSampleColors(SamplePanel& panel) {
    panel.m_crPattern = kDefaultPatternColor;
    panel.m_crBk = kDefaultBkColor;
    panel.m_crText = kDefaultTextColor;
    panel.m_brush.m_style = BrushStyle::Solid;
    panel.m_brush.m_nOriginX = 0;
    panel.m_brush.m_nOriginY = 0;
}
