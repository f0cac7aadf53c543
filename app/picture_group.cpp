#include "picture_group.h"

#include "clipboard_picture.h"
#include "open_picture_dialog.h"
#include "picture_copy.h"
#include "picture_fault_text.h"
#include "picture_fit.h"
#include "pixel_story.h"
#include "resource.h"

BEGIN_MESSAGE_MAP(CPictureGroup, CDialogGroup)
ON_COMMAND_RANGE(ID_OPEN_PICTURE1, ID_OPEN_MASK, &CPictureGroup::OnOpen)
ON_COMMAND_RANGE(ID_PASTE_PICTURE1, ID_PASTE_MASK, &CPictureGroup::OnPaste)
ON_COMMAND_RANGE(ID_COPY_PICTURE1, ID_COPY_MASK, &CPictureGroup::OnCopy)
ON_CONTROL_RANGE(kPictureDropped, IDC_PICTURE1, IDC_PICTURE2, &CPictureGroup::OnDropped)
ON_CONTROL_RANGE(kPictureDropped, IDC_MASK_PICTURE, IDC_MASK_PICTURE, &CPictureGroup::OnDropped)
ON_CONTROL_RANGE(kPictureFileRead, IDC_PICTURE1, IDC_PICTURE2, &CPictureGroup::OnFileRead)
ON_CONTROL_RANGE(kPictureFileRead, IDC_MASK_PICTURE, IDC_MASK_PICTURE, &CPictureGroup::OnFileRead)
ON_CONTROL_RANGE(kPictureInspected, IDC_PICTURE1, IDC_PICTURE2, &CPictureGroup::OnInspected)
ON_CONTROL_RANGE(kPictureInspected, IDC_MASK_PICTURE, IDC_MASK_PICTURE, &CPictureGroup::OnInspected)
END_MESSAGE_MAP()

const CPictureGroup::Place CPictureGroup::kPlaces[3] = {
    {IDC_PICTURE1,
     {ID_OPEN_PICTURE1, ID_PASTE_PICTURE1, ID_COPY_PICTURE1, ID_UNDO_PICTURE, ID_REDO_PICTURE},
     "Bitmap 1"},
    {IDC_PICTURE2,
     {ID_OPEN_PICTURE2, ID_PASTE_PICTURE2, ID_COPY_PICTURE2, ID_UNDO_PICTURE, ID_REDO_PICTURE},
     "Bitmap 2"},
    {IDC_MASK_PICTURE,
     {ID_OPEN_MASK, ID_PASTE_MASK, ID_COPY_MASK, ID_UNDO_PICTURE, ID_REDO_PICTURE},
     "the mask"},
};

CPictureGroup::CPictureGroup(CWnd& window, int nPicture, SamplePicture& picture,
                             const COLORREF* background, CStatusLine& status,
                             PictureHistory& history)
    : CDialogGroup(window),
      m_nPicture(nPicture),
      m_place(kPlaces[nPicture]),
      m_picture(picture),
      m_background(background),
      m_status(status),
      m_history(history),
      m_button(picture, m_place.commands) {}

AfxMsgHandler CPictureGroup::FindHandler(UINT nMessage, UINT nCode, UINT nID) {
    const PictureCommands& own = m_place.commands;
    if (nMessage == WM_COMMAND && nID != own.open && nID != own.paste && nID != own.copy &&
        nID != static_cast<UINT>(m_place.control))
        return {};
    return CDialogGroup::FindHandler(nMessage, nCode, nID);
}

void CPictureGroup::AttachControls(CDataExchange*) {
    if (!m_button.m_hWnd && !m_button.Attach(Window(), m_place.control))
        AfxThrowResourceException();
}

void CPictureGroup::Say(const CStringW& fault) {
    if (fault.IsEmpty())
        m_status.Clear();
    else
        m_status.Show(fault);
}

// A picture that cannot be taken in changes nothing and adds no step.
void CPictureGroup::TakeIn(const PictureReading& reading) {
    if (reading.Pending()) {
        StartReading(reading.fileToRead);
        return;
    }
    if (!reading.Ok()) {
        Say(reading.fault);
        return;
    }
    RunCommittedCommand([&] {
        const COLORREF background = m_background ? *m_background : RGB(0, 0, 0);
        const BOOL fitted = m_history.RecordChange(
            m_picture, [&] { return FitPicture(reading.picture, m_picture, background); });
        if (fitted)
            Say(reading.note);
        else if (m_history.ChangeRefused())
            Say(CStringW(PictureHistory::kRefusalText));
        else
            Say(CStringW(AfxJoinText({"The picture does not fit into ", m_place.name,
                                      ": the system is low on resources."})));
    });
}

void CPictureGroup::OnOpen(UINT) {
    CString fault;
    const std::optional<CStringW> path = AskForPictureFile(Window(), fault);
    if (path)
        StartReading(*path);
    else if (!fault.IsEmpty())
        Say(CStringW(fault));
}

void CPictureGroup::StartReading(const CStringW& path) {
    const HWND button = m_button.m_hWnd;
    const WPARAM notification = MAKEWPARAM(static_cast<WORD>(m_place.control), kPictureFileRead);
    if (!m_reader.Start(path,
                        {Window(), WM_COMMAND, notification, reinterpret_cast<LPARAM>(button)}))
        Say(CStringW(kNoMemoryForPicture));
    else
        Say(ReadingText(path));
}

void CPictureGroup::OnFileRead(UINT) {
    if (std::optional<PictureReading> reading = m_reader.TakeFinished()) TakeIn(*reading);
}

void CPictureGroup::OnPaste(UINT) { TakeIn(ReadClipboardPicture(Window())); }

void CPictureGroup::OnDropped(UINT) { StartReading(m_button.DroppedFile()); }

void CPictureGroup::OnCopy(UINT) { Say(CopyPictureToClipboard(Window(), m_picture)); }

void CPictureGroup::OnInspected(UINT) {
    const std::optional<POINT> pixel = m_button.InspectedPixel();
    ::SetDlgItemTextA(Window(), IDC_PIXEL_INSPECTOR,
                      pixel ? DescribePixel(m_nPicture, m_picture, *pixel).c_str() : "");
}
