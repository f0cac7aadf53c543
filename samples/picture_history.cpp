#include "picture_history.h"

#include <new>

bool PictureHistory::Record(SamplePicture& picture) {
    try {
        Step step{&picture, {}};
        if (!TakeSnapshot(picture, step.snapshot)) return false;
        while (!m_redo.empty()) Pop(m_redo, false);
        Push(m_undo, std::move(step));
    } catch (const std::bad_alloc&) {
        return false;
    }
    Trim();
    return true;
}

void PictureHistory::Withdraw() {
    if (!m_undo.empty()) Pop(m_undo, false);
}

SamplePicture* PictureHistory::Undo() { return Swap(m_undo, m_redo); }

SamplePicture* PictureHistory::Redo() { return Swap(m_redo, m_undo); }

void PictureHistory::Clear() {
    m_undo.clear();
    m_redo.clear();
    m_bytes = 0;
}

SamplePicture* PictureHistory::Swap(std::vector<Step>& from, std::vector<Step>& to) {
    if (from.empty()) return nullptr;
    SamplePicture& picture = *from.back().picture;
    const SIZE size = picture.Size();
    try {
        Step present{&picture, {}};
        if (!TakeSnapshot(picture, present.snapshot) || !picture.Adopt(from.back().snapshot))
            return nullptr;
        // Kept at another scale: stretched from the kept picture as it was made. A picture that
        // cannot be had at this scale is no step taken: the present comes back.
        const bool rescaled =
            (size.cx == picture.Size().cx && size.cy == picture.Size().cy) || picture.Rescale(size);
        if (!rescaled) {
            picture.Adopt(present.snapshot);
            return nullptr;
        }
        Pop(from, false);
        Push(to, std::move(present));
    } catch (const std::bad_alloc&) {
        return nullptr;
    } catch (const CResourceException&) {
        return nullptr;
    }
    Trim();
    return &picture;
}

void PictureHistory::Push(std::vector<Step>& steps, Step step) {
    m_bytes += step.snapshot.Bytes();
    steps.push_back(std::move(step));
}

void PictureHistory::Pop(std::vector<Step>& steps, bool oldest) {
    Step& step = oldest ? steps.front() : steps.back();
    m_bytes -= step.snapshot.Bytes();
    if (oldest)
        steps.erase(steps.begin());
    else
        steps.pop_back();
}

// The oldest undo steps go first, then the redo steps farthest from now; the step nearest
// now is always kept.
void PictureHistory::Trim() {
    auto over = [this] {
        return m_undo.size() + m_redo.size() > kStepLimit || m_bytes > kByteLimit;
    };
    while (over() && m_undo.size() + m_redo.size() > 1) Pop(m_undo.empty() ? m_redo : m_undo, true);
}
