#pragma once

#include "afxwin.h"
#include "picture_button.h"
#include "picture_file_reader.h"
#include "picture_history.h"
#include "picture_reading.h"

// One picture of the main window as a workbench (a sample's or the mask's): the control that
// shows it, and what the user does with the picture itself: open a file into it, paste into it,
// drop a file on it, copy it out. Each change is a step of the window's undo history. What goes
// wrong is said in the status line of the picture's group, which clears when a change works.
// The pixel the user points at is told in the inspector's line under the samples. Pictures share
// one message map, each taking only its own commands.
class CPictureGroup : public CDialogGroup {
public:
    // nPicture: 0 and 1 the samples, 2 the mask. `background` is what a picture that does not
    // fill it is put on: the panel's Bk Color, or null for the mask, whose is black (0 bits).
    CPictureGroup(CWnd& window, int nPicture, SamplePicture& picture, const COLORREF* background,
                  CStatusLine& status, PictureHistory& history);

    void AttachControls(CDataExchange* pDX) override;
    void Invalidate() const { m_button.Invalidate(); }
    SIZE ButtonSize() const { return m_button.ClientSize(); }
    CPictureButton& Button() { return m_button; }

protected:
    AfxMsgHandler FindHandler(UINT nMessage, UINT nCode, UINT nID) override;
    void OnOpen(UINT);
    void OnPaste(UINT);
    void OnCopy(UINT);
    void OnDropped(UINT);
    void OnFileRead(UINT);
    void OnInspected(UINT);
    DECLARE_MESSAGE_MAP()

private:
    struct Place {
        int control;  // the picture button
        PictureCommands commands;
        const char* name;  // "Bitmap 1", "the mask"
    };
    static const Place kPlaces[3];

    void TakeIn(const PictureReading& reading);
    // Read on a thread of its own; the status line says so meanwhile.
    void StartReading(const CStringW& path);
    void Say(const CStringW& fault);

    const int m_nPicture;
    const Place& m_place;
    SamplePicture& m_picture;
    const COLORREF* m_background;
    CStatusLine& m_status;
    PictureHistory& m_history;
    CPictureButton m_button;
    PictureFileReader m_reader;  // last: its threads end before anything they post to goes
};
