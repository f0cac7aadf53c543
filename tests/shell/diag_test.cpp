#include <gtest/gtest.h>
#include <cstdio>
#include "about_dlg.h"
#include "modal_test.h"
#include "ui_test.h"
TEST(Diag, Timing) {
  for (int round = 0; round < 4; ++round) {
    CAboutDlg dlg(nullptr);
    DWORD t0 = GetTickCount();
    WhenWindowShows("About Velmar", [&](HWND about) {
      HWND f = GetFocus();
      printf("action t=%lu focus=%d\n", GetTickCount()-t0, f ? GetDlgCtrlID(f) : -99);
      if (round == 1) PressKey(VK_ESCAPE); else if (round == 2) PressKey(VK_RETURN); else ClickButton(about, IDOK);
      printf("closed t=%lu\n", GetTickCount()-t0);
    });
    INT_PTR r = dlg.DoModal();
    printf("returned %d t=%lu\n", (int)r, GetTickCount()-t0);
  }
}
