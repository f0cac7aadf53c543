#pragma once

#include <string>

#include "afxwin.h"
#include "color_combo.h"
#include "panel_brush.h"
#include "picture_history.h"
#include "sample_panel.h"

// One sample panel of the main window, "Bitmap 1" or "Bitmap 2": its three colour pickers, its
// brush, B&W, Clear and Defaults. It owns the panel (flag, colours, brush, picture); the window's
// blits and the picture's own group reach the panel through Panel(). Both panels share one
// message map, each taking only its own controls. A change to the picture is a step of the
// window's undo history; what goes wrong is said in the samples' status line.
class CSamplePanelGroup : public CDialogGroup {
public:
    CSamplePanelGroup(CWnd& window, int nPanel, CStatusLine& status, PictureHistory& history);

    void AttachControls(CDataExchange* pDX) override;
    // The B&W box: before the code in the window's exchange, so a failed code leaves it read.
    void ExchangeMode(CDataExchange* pDX);
    // The pickers' colours: after the code, so a failed code leaves the colours as they were.
    void ExchangeColors(CDataExchange* pDX);
    // The brush: last of all, so an origin out of range stops only itself.
    void ExchangeBrush(CDataExchange* pDX) { m_brush.Exchange(pDX); }
    // The pickers' colours and the picture at the button's size, with the default picture.
    void SetUp() override;
    // The picture follows its kind after Undo or Redo: the B&W flag is the picture's.
    void FollowPictureKind() { m_panel.m_bMono = m_panel.m_picture.IsMono(); }
    // The pickers' heights, and the picture remade at the button's new size.
    void OnScaleChanged(UINT dpi) override;

    SamplePanel& Panel() { return m_panel; }
    // A command on the picture that failed says so; one that worked clears the line.
    void Report(BOOL done, const std::string& fault);
    // "Bitmap 1" or "Bitmap 2", as the window names it.
    std::string Name() const { return m_nPanel == 0 ? "Bitmap 1" : "Bitmap 2"; }

protected:
    AfxMsgHandler FindHandler(UINT nMessage, UINT nCode, UINT nID) override;
    void OnMono(UINT);
    void OnDefaultPicture(UINT);
    void OnDefaultColors(UINT);
    void OnBrushListed(UINT) { m_brush.ShowListedStyle(); }
    void OnEditPattern(UINT) { m_brush.EditPattern(); }
    DECLARE_MESSAGE_MAP()

private:
    // Its controls' ids, in the order of the tables of the window's template.
    struct Controls {
        int picture, pattern, background, text, mono, defaultPicture, defaultColors;
    };
    static const Controls kControls[2];
    bool IsOwnControl(UINT nID) const;
    SIZE PictureButtonSize() const;
    CColorCombo* Picker(int n);
    COLORREF& PickerColor(int n);

    const int m_nPanel;
    const Controls& m_ids;
    CStatusLine& m_status;
    PictureHistory& m_history;
    SamplePanel m_panel;
    CColorCombo m_comboPattern;
    CColorCombo m_comboBk;
    CColorCombo m_comboText;
    CPanelBrush m_brush;
};
