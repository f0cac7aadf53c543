#pragma once

#include <vector>

#include "afxwin.h"
#include "picture_snapshot.h"
#include "sample_picture.h"

// Undo and redo of whole pictures, one history for all of a window's pictures, so Undo undoes the
// last change wherever it was. Each step is a picture and a snapshot of it (its pixels, kind and
// default flag) outside GDI. At most kStepLimit steps and kByteLimit bytes are kept, the oldest
// going first; kByteLimit holds kStepLimit steps of a colour picture up to 360 x 360 pixels.
// The pictures must outlive the history, or be forgotten with Clear().
class PictureHistory {
public:
    static constexpr size_t kStepLimit = 64;
    static constexpr size_t kByteLimit = 32u << 20;

    // Before a change to the picture: keeps it as it is now and forgets what Redo had. FALSE,
    // nothing kept and nothing forgotten, when the picture cannot be read or memory runs out.
    bool Record(SamplePicture& picture);
    // Forgets the step just recorded, when the change it preceded did not happen.
    void Withdraw();
    // Record, the change, and Withdraw when the change says it did not happen (FALSE). A change
    // that cannot be recorded is not made (FALSE, and ChangeRefused() says so until the next).
    template <typename Change>
    BOOL RecordChange(SamplePicture& picture, Change change) {
        m_bRefused = !Record(picture);
        if (m_bRefused) return FALSE;
        const BOOL changed = change();
        if (!changed) Withdraw();
        return changed;
    }
    bool ChangeRefused() const { return m_bRefused; }
    // What the window says of a refused change.
    static constexpr const char* kRefusalText =
        "Nothing was changed: the system is too low on memory to keep the change for Undo.";

    // The newest change undone (or redone): its picture takes the kept one back, at the size it
    // has now, kind and default flag included, and what it showed is kept for Redo (or Undo).
    // Returns that picture, for its panel to follow its kind and repaint; nullptr when there is
    // nothing to undo (redo) or GDI refuses, and then nothing changed.
    SamplePicture* Undo();
    SamplePicture* Redo();

    bool CanUndo() const { return !m_undo.empty(); }
    bool CanRedo() const { return !m_redo.empty(); }
    size_t UndoSteps() const { return m_undo.size(); }
    // What the kept steps hold, both ways.
    size_t Bytes() const { return m_bytes; }
    void Clear();

private:
    struct Step {
        SamplePicture* picture;
        PictureSnapshot snapshot;
    };

    // Moves the newest step of `from` onto `to`, its picture swapped with the kept one.
    SamplePicture* Swap(std::vector<Step>& from, std::vector<Step>& to);
    void Push(std::vector<Step>& steps, Step step);
    void Pop(std::vector<Step>& steps, bool oldest);
    void Trim();

    // A vector rather than a deque though the oldest step leaves from the front: a few dozen
    // steps move in no time, and the deque's code costs the program more than its use saves.
    std::vector<Step> m_undo;  // oldest first
    std::vector<Step> m_redo;  // farthest from now first
    size_t m_bytes = 0;
    bool m_bRefused = false;
};
