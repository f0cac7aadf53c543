#include "sample_panel.h"

void ResetSampleColors(SamplePanel& panel) {
    panel.m_crPattern = kDefaultPatternColor;
    panel.m_crBk = kDefaultBkColor;
    panel.m_crText = kDefaultTextColor;
}
