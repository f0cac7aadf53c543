#include <gtest/gtest.h>

#include "main_window_in_process.h"
#include "test_panel.h"

namespace {

SIZE ClientSize(HWND window) {
    RECT client{};
    ::GetClientRect(window, &client);
    return {client.right, client.bottom};
}

// What the system's layout at the new scale does to a button: a client area of this size.
void ResizeClient(HWND control, SIZE client) {
    RECT frame{};
    ::GetWindowRect(control, &frame);
    const SIZE now = ClientSize(control);
    ::SetWindowPos(control, nullptr, 0, 0, frame.right - frame.left + client.cx - now.cx,
                   frame.bottom - frame.top + client.cy - now.cy,
                   SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

Pixels DefaultPicture(int nPanel, SIZE size) {
    TestPanel panel;
    MakePanel(panel, nPanel, size, false);
    return ReadPanel(panel);
}

// The same GDI stretching the picture once, whole pixels only.
Pixels Stretched(const Pixels& picture, SIZE from, SIZE to) {
    DrawTarget source(from, kBlack), target(to, kBlack);
    WritePixels(source.bitmap, from, picture);
    ::SetStretchBltMode(target.dc, COLORONCOLOR);
    ::StretchBlt(target.dc, 0, 0, to.cx, to.cy, source.dc, 0, 0, from.cx, from.cy, SRCCOPY);
    return target.Read();
}

// What Windows does when the window moves to a monitor of another scale: it lays the picture
// buttons out at their new size, then tells the window. Wine has no such move, so the test does
// both as Windows would.
void MoveToScale(const MainWindow& window, UINT dpi, SIZE pictureSize) {
    for (const int id : {IDC_PICTURE1, IDC_PICTURE2, IDC_MASK_PICTURE})
        ResizeClient(window.Item(id), pictureSize);
    RECT suggested{};
    ::GetWindowRect(window.Handle(), &suggested);
    ::SendMessageA(window.Handle(), WM_DPICHANGED, MAKEWPARAM(dpi, dpi),
                   reinterpret_cast<LPARAM>(&suggested));
    PumpMessages();
}

int IconWidth(HWND window, WPARAM which) {
    const auto icon = reinterpret_cast<HICON>(::SendMessageA(window, WM_GETICON, which, 0));
    ICONINFO info{};
    if (!icon || !::GetIconInfo(icon, &info)) return 0;
    BITMAP mask{};
    ::GetObjectA(info.hbmMask, sizeof mask, &mask);
    if (info.hbmColor) ::DeleteObject(info.hbmColor);
    ::DeleteObject(info.hbmMask);
    return mask.bmWidth;
}

int ItemHeight(HWND combo, int item) {
    return static_cast<int>(::SendMessageA(combo, CB_GETITEMHEIGHT, static_cast<WPARAM>(item), 0));
}

// Windows lays the dialog out anew when it moves to a monitor of another scale, then the
// program keeps what it drew sharp. Wine has no such move: the test lays the picture buttons
// out as Windows would, then sends the message Windows sends.
TEST(ScaleChange, PicturesPickersAndIconsFollowANewScale) {
    MainWindow window;
    ASSERT_TRUE(window.Created());
    ASSERT_EQ(AfxGetWindowDpi(window.Handle()), 96u);
    HWND picker = window.Item(IDC_TEXT_COLOR2);
    // The selection field reports its frame too.
    EXPECT_EQ(ItemHeight(picker, 0), 16);
    EXPECT_GE(ItemHeight(picker, -1), 16);

    // Bitmap 2 gets a picture of the user's; Bitmap 1 keeps its default one.
    ClickButton(window.Handle(), IDC_BLT_1TO2);
    const SIZE before = ClientSize(window.Item(IDC_PICTURE2));
    const Pixels made = Shown(window.Item(IDC_PICTURE2));
    const SIZE after{before.cx * 3 / 2, before.cy * 3 / 2};
    MoveToScale(window, 144, after);
    ASSERT_EQ(ClientSize(window.Item(IDC_PICTURE1)).cx, after.cx);

    EXPECT_EQ(Shown(window.Item(IDC_PICTURE1)), DefaultPicture(0, after))
        << "a default picture is drawn anew at the new size";
    EXPECT_EQ(Shown(window.Item(IDC_PICTURE2)), Stretched(made, before, after))
        << "the user's picture is kept, stretched once";
    SampleMask mask;
    mask.Create(after);
    EXPECT_EQ(Shown(window.Item(IDC_MASK_PICTURE)), ReadPixels(mask.Bitmap(), after))
        << "the mask like the samples";
    for (const int id : {IDC_PATTERN_COLOR1, IDC_BK_COLOR2, IDC_TEXT_COLOR2}) {
        EXPECT_EQ(ItemHeight(window.Item(id), 0), 24) << id;
        EXPECT_GE(ItemHeight(window.Item(id), -1), 24) << id;
    }
    EXPECT_EQ(IconWidth(window.Handle(), ICON_BIG), AfxGetSystemMetricsForDpi(SM_CXICON, 144));
    EXPECT_EQ(IconWidth(window.Handle(), ICON_SMALL), AfxGetSystemMetricsForDpi(SM_CXSMICON, 144));

    // A blit after the change covers the whole new picture.
    ClickButton(window.Handle(), IDC_BLT_2TO1);
    EXPECT_EQ(Shown(window.Item(IDC_PICTURE1)), Shown(window.Item(IDC_PICTURE2)));
}

// Each new size is made from the picture as the user made it, never from the last stretch, so
// the 1-pixel outlines do not wear away with every move between monitors.
TEST(ScaleChange, MovesToAnotherScaleAndBackKeepAUserMadePictureExactly) {
    MainWindow window;
    ASSERT_TRUE(window.Created());
    ClickButton(window.Handle(), IDC_BLT_1TO2);
    ClickButton(window.Handle(), IDC_MASK_INVERT);
    const SIZE before = ClientSize(window.Item(IDC_PICTURE2));
    const Pixels sample = Shown(window.Item(IDC_PICTURE2));
    const Pixels mask = Shown(window.Item(IDC_MASK_PICTURE));
    for (int move = 0; move < 5; ++move) {
        MoveToScale(window, 144, {before.cx * 3 / 2, before.cy * 3 / 2});
        MoveToScale(window, 96, before);
    }
    EXPECT_EQ(Shown(window.Item(IDC_PICTURE2)), sample);
    EXPECT_EQ(Shown(window.Item(IDC_MASK_PICTURE)), mask);
}

}  // namespace
