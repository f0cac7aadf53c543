#include "rop_diagram_layout.h"

#include <algorithm>

namespace {

constexpr double kSqrt3 = 1.7320508075688772;

struct Offset {
    double x;
    double y;
};

// Three equal circles whose centres lie one radius apart on an equilateral triangle: P top left,
// S top right, D below. Offsets are in radii from the triangle's centre, y growing downwards.
constexpr Offset kCircleCentres[3] = {
    {-0.5, -0.5 / kSqrt3}, {0.5, -0.5 / kSqrt3}, {0.0, 1.0 / kSqrt3}};
// The circles together span 3 radii across and 1 + 1.5 / sqrt(3) + 1 radii down.
constexpr double kVennWidth = 3.0;
constexpr double kVennHeight = 2.0 + 1.5 / kSqrt3;
constexpr double kVennTop = 1.0 + 0.5 / kSqrt3;  // from the top of the circles to the centre

// Each row's number, in radii from the centre. A region of one circle alone spans 0.577 to 1.577
// radii along the line from the centre through its circle's centre, a region of two circles
// 0.423 to 1.155 radii along the line away from the third circle: the numbers sit half way.
// Row 1 lies outside every circle and is placed apart.
constexpr Offset kVennLabels[8] = {{0.0, 0.0},     {0.0, 1.077},     {0.933, -0.539},
                                   {0.683, 0.394}, {-0.933, -0.539}, {-0.683, 0.394},
                                   {0.0, -0.789},  {0.0, 0.0}};

// A Karnaugh map's columns: S and D in Gray order, so neighbours differ in one operand.
constexpr int kGrayColumns[4] = {0b00, 0b01, 0b11, 0b10};
constexpr const char* kColumnHeadings[4] = {"00", "01", "11", "10"};
constexpr const char* kRowHeadings[2] = {"P 0", "P 1"};

// Half away from zero, as lround, without the C library's rounding code in the program.
int Round(double value) {
    return value < 0 ? -static_cast<int>(-value + 0.5) : static_cast<int>(value + 0.5);
}

// A cell's diagonal by Newton's method: exact enough in a few steps for a few dozen pixels, and
// the C library's square root stays out of the program.
double Diagonal(SIZE cell) {
    const double square =
        static_cast<double>(cell.cx) * cell.cx + static_cast<double>(cell.cy) * cell.cy;
    double root = std::max(1.0, square);
    for (int step = 0; step < 32 && root * root - square > 1e-6 * square; ++step)
        root = (root + square / root) / 2;
    return square > 0 ? root : 0;
}

POINT Centre(const RECT& rect) {
    return {(rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2};
}

RECT KeptInside(RECT rect, SIZE client) {
    const int dx = std::max(0L, -rect.left) - std::max(0L, rect.right - client.cx);
    const int dy = std::max(0L, -rect.top) - std::max(0L, rect.bottom - client.cy);
    ::OffsetRect(&rect, dx, dy);
    return rect;
}

HRGN Checked(HRGN region) {
    if (!region) AfxThrowResourceException();
    return region;
}

// True when the point and the square of `clearance` around it are all inside the region.
bool InsideWithClearance(HRGN region, POINT point, int clearance) {
    for (const int dx : {-clearance, 0, clearance})
        for (const int dy : {-clearance, 0, clearance})
            if (!::PtInRegion(region, point.x + dx, point.y + dy)) return false;
    return true;
}

}  // namespace

RopDiagramLayout::RopDiagramLayout(View view, SIZE client, SIZE digit)
    : m_view(view),
      m_client(client),
      m_digit(digit),
      m_lineWidth(std::max(1, static_cast<int>(digit.cy / 12))) {
    if (view == View::kVenn)
        LayOutVenn();
    else
        LayOutKarnaugh();
    FindProbes();
}

bool RopDiagramLayout::Fits(View view, SIZE client, SIZE digit) const {
    return view == m_view && client.cx == m_client.cx && client.cy == m_client.cy &&
           digit.cx == m_digit.cx && digit.cy == m_digit.cy;
}

HRGN RopDiagramLayout::Region(int row) const {
    return static_cast<HRGN>(m_regions[Slot(row)].GetSafeHandle());
}

RECT RopDiagramLayout::FocusRect(int row) const {
    RECT rect = LabelRect(row);
    ::InflateRect(&rect, m_lineWidth + 1, m_lineWidth + 1);
    return rect;
}

int RopDiagramLayout::RowAt(POINT point) const {
    for (int row = 1; row <= 8; ++row)
        if (::PtInRegion(Region(row), point.x, point.y)) return row;
    return 0;
}

void RopDiagramLayout::AddCaption(RECT rect, const char* text, int row) {
    m_captions[static_cast<size_t>(m_captionCount++)] = {rect, text, row};
}

void RopDiagramLayout::SetRegion(int row, HRGN region) {
    m_regions[Slot(row)].Attach(Checked(region));
}

RECT RopDiagramLayout::LabelAt(POINT centre) const {
    return {centre.x - m_digit.cx / 2, centre.y - m_digit.cy / 2,
            centre.x - m_digit.cx / 2 + m_digit.cx, centre.y - m_digit.cy / 2 + m_digit.cy};
}

RECT RopDiagramLayout::CornerRect(bool right, bool bottom) const {
    const int inset = m_lineWidth + 2;
    const int left = right ? m_client.cx - inset - m_digit.cx : inset;
    const int top = bottom ? m_client.cy - inset - m_digit.cy : inset;
    return {left, top, left + m_digit.cx, top + m_digit.cy};
}

void RopDiagramLayout::LayOutVenn() {
    const int margin = m_lineWidth + 1;
    const double radius = std::max(1.0, std::min((m_client.cx - 2.0 * margin) / kVennWidth,
                                                 (m_client.cy - 2.0 * margin) / kVennHeight));
    const double centreX = m_client.cx / 2.0;
    const double centreY = (m_client.cy - kVennHeight * radius) / 2.0 + kVennTop * radius;
    const auto at = [&](Offset offset) {
        return POINT{Round(centreX + offset.x * radius), Round(centreY + offset.y * radius)};
    };

    const int r = Round(radius);
    CGdiObject circles[3];
    for (int i = 0; i < 3; ++i) {
        const POINT c = at(kCircleCentres[i]);
        circles[i].Attach(Checked(::CreateEllipticRgn(c.x - r, c.y - r, c.x + r, c.y + r)));
    }
    for (int row = 1; row <= 8; ++row) {
        SetRegion(row, ::CreateRectRgn(0, 0, m_client.cx, m_client.cy));
        for (int i = 0; i < 3; ++i) {
            const bool inside = ((row - 1) >> (2 - i)) & 1;
            ::CombineRgn(Region(row), Region(row), static_cast<HRGN>(circles[i].GetSafeHandle()),
                         inside ? RGN_AND : RGN_DIFF);
        }
        m_labels[Slot(row)] = LabelAt(at(kVennLabels[row - 1]));
    }

    // D's name beside its circle, low on the right; row 1's number as its mirror image.
    const POINT d = at(kCircleCentres[2]);
    const double beside = r + Diagonal(m_digit) / 2 + m_lineWidth + 1;
    const auto besideD = [&](double sign) {
        return KeptInside(
            LabelAt({Round(d.x + sign * beside * kSqrt3 / 2), Round(d.y + beside / 2)}), m_client);
    };
    m_labels[Slot(1)] = besideD(-1);
    AddCaption(CornerRect(false, false), "P", 1);
    AddCaption(CornerRect(true, false), "S", 1);
    AddCaption(besideD(1), "D", 1);
}

void RopDiagramLayout::LayOutKarnaugh() {
    const int pad = std::max(2, static_cast<int>(m_digit.cy / 4));
    const int headingWidth = 3 * m_digit.cx + 2 * pad;
    const int headingHeight = m_digit.cy + 2 * pad;
    const int cellWidth = std::max(1, static_cast<int>((m_client.cx - headingWidth - pad) / 4));
    const int cellHeight = std::max(1, static_cast<int>((m_client.cy - headingHeight - pad) / 2));

    AddCaption({0, 0, headingWidth, headingHeight}, "SD", 0);
    for (int column = 0; column < 4; ++column) {
        const int left = headingWidth + column * cellWidth;
        AddCaption({left, 0, left + cellWidth, headingHeight}, kColumnHeadings[column], 0);
    }
    for (int pattern = 0; pattern < 2; ++pattern) {
        const int top = headingHeight + pattern * cellHeight;
        AddCaption({0, top, headingWidth, top + cellHeight}, kRowHeadings[pattern], 0);
        for (int column = 0; column < 4; ++column) {
            const int left = headingWidth + column * cellWidth;
            const RECT cell{left, top, left + cellWidth, top + cellHeight};
            const int row = (pattern << 2 | kGrayColumns[column]) + 1;
            SetRegion(row, ::CreateRectRgnIndirect(&cell));
            m_labels[Slot(row)] = LabelAt(Centre(cell));
        }
    }
}

// Beside the number, past its focus mark, the first point around it with room inside the area;
// the number's own centre where there is none (a control too small to show the diagram).
void RopDiagramLayout::FindProbes() {
    const int clearance = m_lineWidth + 2;
    for (int row = 1; row <= 8; ++row) {
        const RECT focus = FocusRect(row);
        const POINT centre = Centre(focus);
        const int dx = (focus.right - focus.left) / 2 + clearance + 1;
        const int dy = (focus.bottom - focus.top) / 2 + clearance + 1;
        const POINT candidates[] = {{centre.x + dx, centre.y},      {centre.x - dx, centre.y},
                                    {centre.x, centre.y + dy},      {centre.x, centre.y - dy},
                                    {centre.x + dx, centre.y + dy}, {centre.x - dx, centre.y - dy},
                                    {centre.x + dx, centre.y - dy}, {centre.x - dx, centre.y + dy}};
        m_probes[Slot(row)] = Centre(LabelRect(row));
        for (const POINT& candidate : candidates) {
            if (InsideWithClearance(Region(row), candidate, clearance)) {
                m_probes[Slot(row)] = candidate;
                break;
            }
        }
    }
}
