#pragma once

#include <memory>

#include "afxwin.h"

struct BlitRecord;
struct PictureSnapshot;

// One picture of the window (a sample or the mask): a bitmap in a memory DC of its own, its size,
// its kind (colour, in the screen's format, or black and white) and whether it still shows its
// default picture, which it knows how to draw. It also keeps the picture as the user last made
// it: a change of scale stretches that, never an earlier stretch, so moving between monitors and
// back gives the picture back pixel for pixel.
class SamplePicture {
public:
    // Draws a default picture over all of a bitmap of this size and kind; `variant` tells which
    // of a family (the two samples differ). Raises CResourceException, having drawn nothing, when
    // it cannot draw.
    using DefaultDrawing = void (*)(CDC& dc, SIZE size, bool mono, int variant);

    SamplePicture(DefaultDrawing drawing, int variant);
    SamplePicture(SamplePicture&&) noexcept;
    SamplePicture& operator=(SamplePicture&&) noexcept;
    ~SamplePicture();

    // A new bitmap and DC of this size and kind with the default picture. A bitmap or DC that
    // cannot be made leaves no picture at all (Ready() is false) and gives FALSE. Raises
    // CResourceException when there is no screen DC or the default cannot be drawn.
    BOOL Create(SIZE size, bool mono);
    // The default picture again, over the whole bitmap.
    void DrawDefault();
    // What is in the bitmap now is the user's: kept at a change of scale, not redrawn.
    void MarkChanged();
    // At a new size: the default drawn anew, any other picture stretched to it from the picture
    // as it was last made. FALSE, the picture unchanged, when the new bitmap cannot be made.
    BOOL Rescale(SIZE size);

    // Takes the snapshot's size, kind, default flag and pixels, the picture as made dropped (see
    // PictureHistory). FALSE, the picture unchanged, when the bitmap cannot be made or filled.
    // Raises CResourceException when there is no screen DC.
    BOOL Adopt(const PictureSnapshot& snapshot);

    // Into a picture button, pixel for pixel, never stretched, a black-and-white picture as white
    // 1 bits and black 0 bits; what the bitmap does not cover shows the button face.
    void Draw(const DRAWITEMSTRUCT& item) const;

    bool Ready() const { return m_dc.GetSafeHdc() != nullptr; }
    CDC& DC() { return m_dc; }
    const CDC& DC() const { return m_dc; }
    HBITMAP Bitmap() const { return m_bitmap; }
    SIZE Size() const { return m_size; }
    bool IsMono() const { return m_bMono; }
    // Which of its family the picture is (for the samples: the panel's index).
    int Variant() const { return m_variant; }
    bool ShowsDefault() const { return m_bDefault; }
    // What went into the last blit onto the picture, while the picture is as that blit left it
    // (any other change, a new size included, forgets it); null otherwise.
    const BlitRecord* LastBlit() const { return m_lastBlit.get(); }
    void RememberBlit(std::unique_ptr<const BlitRecord> record);
    // The colour picture it was before it became black and white, while nothing has changed it
    // since (any change forgets it; a change of scale does not); null otherwise.
    std::unique_ptr<const PictureSnapshot> TakeColourBeforeMono();
    void KeepColourBeforeMono(std::unique_ptr<const PictureSnapshot> colour);

    // The bitmap out of the picture's DC for as long as this lives, for a call that selects it
    // into a DC of its own (MaskBlt's mask).
    class Lent {
    public:
        explicit Lent(SamplePicture& picture);
        ~Lent();
        Lent(const Lent&) = delete;
        Lent& operator=(const Lent&) = delete;
        HBITMAP Bitmap() const { return m_picture.Ready() ? m_picture.Bitmap() : nullptr; }

    private:
        SamplePicture& m_picture;
    };

private:
    // A bitmap of this size and kind selected into a new DC, drawing nothing; `empty` is what the
    // DC held before.
    BOOL MakeBitmap(SIZE size, bool mono, CBitmap& bitmap, CDC& dc, HGDIOBJ& empty) const;

    DefaultDrawing m_drawDefault;
    int m_variant;
    CBitmap m_bitmap;
    CDC m_dc;                         // after the bitmap: deleted first
    HGDIOBJ m_emptyBitmap = nullptr;  // what the DC held before the bitmap: lent in its place
    SIZE m_size{};
    bool m_bMono = false;
    bool m_bDefault = true;
    // While the bitmap is a stretch of the user's picture: that picture, at the size it was made.
    CBitmap m_made;
    SIZE m_madeSize{};
    std::unique_ptr<const BlitRecord> m_lastBlit;
    std::unique_ptr<const PictureSnapshot> m_colourBeforeMono;
};
