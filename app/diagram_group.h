#pragma once

#include <cstdint>

#include "afxwin.h"
#include "rop_diagram.h"

// The code as a diagram beside the truth table: a Venn diagram of P, S and D, or with "Karnaugh
// map" ticked a Karnaugh map. A click on a region, or Space on the focused one, toggles that row
// exactly as ticking its result box does.
class CDiagramGroup : public CDialogGroup {
public:
    explicit CDiagramGroup(CWnd& window) : CDialogGroup(window) {}

    void AttachControls(CDataExchange* pDX) override;
    void ShowIndex(std::uint8_t index) { m_diagram.ShowIndex(index); }

protected:
    void OnToggle();
    void OnKarnaughMap();
    DECLARE_MESSAGE_MAP()

private:
    CRopDiagram m_diagram;
};
