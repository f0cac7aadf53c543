#include <gtest/gtest.h>

#include <memory>

#include "clipboard_picture.h"
#include "gdi_quota.h"
#include "picture_copy.h"
#include "picture_fit.h"
#include "picture_history.h"
#include "picture_test_support.h"

namespace {

// Three pictures as the window has them: two samples and a black-and-white mask.
struct ThreePictures {
    ThreePictures()
        : all{{kSampleSize, false, 0}, {kSampleSize, true, 1}, {kSampleSize, true, 0}} {}
    TestPicture all[3];
};

// Change n: a new fill, and every fifth one a new kind (as the B&W box does).
void Change(SamplePicture& picture, int n) {
    if (n % 5 == 4) {
        picture.Create(picture.Size(), !picture.IsMono());
        return;
    }
    FitPicture(MakeSource(5, 4, [n](int x, int y) { return DistinctColor(x + n, y * n); }), picture,
               RGB(n * 6, 255 - n * 6, n));
}

TEST(PictureHistory, FortyChangesThenThirtyTwoUndosGiveEveryPictureBackExactly) {
    ThreePictures pictures;
    PictureHistory history;
    std::vector<std::pair<SamplePicture*, PictureState>> before;
    for (int n = 0; n < 40; ++n) {
        SamplePicture& picture = pictures.all[n % 3].picture;
        before.emplace_back(&picture, PictureState(picture));
        ASSERT_TRUE(history.Record(picture));
        Change(picture, n);
    }
    std::vector<PictureState> after;
    for (int n = 39; n >= 8; --n) {
        SCOPED_TRACE(::testing::Message() << "undo of change " << n);
        after.emplace_back(*before[n].first);
        ASSERT_EQ(history.Undo(), before[n].first) << "the picture that changed";
        EXPECT_TRUE(PictureState(*before[n].first) == before[n].second);
    }
    EXPECT_TRUE(history.CanUndo());
    EXPECT_EQ(history.UndoSteps(), 8u);

    for (int n = 8; n < 11; ++n) {
        ASSERT_EQ(history.Redo(), before[n].first);
        EXPECT_TRUE(PictureState(*before[n].first) == after[39 - n]) << "redo of change " << n;
    }
    ASSERT_TRUE(history.Record(pictures.all[0].picture));
    EXPECT_FALSE(history.CanRedo()) << "a new change ends what Redo had";
    EXPECT_EQ(history.Redo(), nullptr);
}

TEST(PictureHistory, OnlyTheNewestStepsAreKeptWithinTheLimits) {
    struct Case {
        SIZE size;
        int records;
        size_t kept;
    };
    const Case cases[] = {
        {kSampleSize, 70, PictureHistory::kStepLimit},
        {{1000, 1000}, 12, PictureHistory::kByteLimit / (1000 * 1000 * 4)},  // 8 of 4 MB
    };
    for (const Case& c : cases) {
        TestPicture picture(c.size, false);
        PictureHistory history;
        std::vector<PictureState> states;
        for (int n = 0; n < c.records; ++n) {
            states.emplace_back(picture.picture);
            ASSERT_TRUE(history.Record(picture.picture));
            Change(picture.picture, n * 5 % 19);
        }
        EXPECT_EQ(history.UndoSteps(), c.kept);
        EXPECT_LE(history.Bytes(), PictureHistory::kByteLimit);
        for (size_t n = 0; n < c.kept; ++n) ASSERT_TRUE(history.Undo());
        EXPECT_FALSE(history.Undo()) << "the oldest went first";
        EXPECT_TRUE(PictureState(picture.picture) == states[c.records - c.kept]);
    }
}

// A step kept at one scale comes back at the picture's present size, stretched from what was
// kept, and is the user's picture as made.
TEST(PictureHistory, UndoAfterAScaleChangeKeepsThePresentSize) {
    TestPicture picture(kSampleSize, false);
    Change(picture.picture, 1);
    PictureHistory history;
    ASSERT_TRUE(history.Record(picture.picture));
    const Pixels kept = picture.Read();
    Change(picture.picture, 2);
    ASSERT_TRUE(picture.picture.Rescale({200, 160}));
    ASSERT_EQ(history.Undo(), &picture.picture);
    EXPECT_EQ(picture.picture.Size().cx, 200);
    EXPECT_EQ(picture.Read()[2 * 200 * 7 + 2 * 9], kept[7 * 100 + 9]);
    ASSERT_TRUE(picture.picture.Rescale(kSampleSize));
    EXPECT_EQ(picture.Read(), kept) << "back at the size it was kept at";
}

TEST(PictureHistory, WithdrawForgetsARecordWhoseChangeFailed) {
    TestPicture picture(kSampleSize, false);
    PictureHistory history;
    ASSERT_TRUE(history.Record(picture.picture));
    history.Withdraw();
    EXPECT_FALSE(history.CanUndo());
    SamplePicture none(nullptr, 0);
    EXPECT_FALSE(history.Record(none)) << "no picture, nothing kept";
    EXPECT_FALSE(history.CanUndo());
    EXPECT_EQ(history.Undo(), nullptr);

    bool changed = false;
    EXPECT_FALSE(history.RecordChange(none, [&] { return changed = true; }));
    EXPECT_FALSE(changed) << "a change whose step cannot be kept is not made";
    EXPECT_TRUE(history.ChangeRefused());
    EXPECT_TRUE(history.RecordChange(picture.picture, [] { return TRUE; }));
    EXPECT_FALSE(history.ChangeRefused());
}

// Paste, copy, undo and redo, a hundred times each: no GDI handle is lost.
TEST(PictureLeaks, PasteCopyUndoAndRedoLeaveNoHandleBehind) {
    const ClipboardOwner owner;
    ThreePictures pictures;
    PictureHistory history;
    auto round = [&](int n) {
        SamplePicture& picture = pictures.all[n % 3].picture;
        ASSERT_EQ(CopyPictureToClipboard(owner.Get(), pictures.all[(n + 1) % 3].picture),
                  CStringW());
        const PictureReading pasted = ReadClipboardPicture(owner.Get());
        ASSERT_TRUE(pasted.Ok());
        ASSERT_TRUE(history.Record(picture));
        ASSERT_TRUE(FitPicture(pasted.picture, picture, kBackground));
        ASSERT_TRUE(history.Undo());
        ASSERT_TRUE(history.Redo());
    };
    for (int n = 0; n < 3; ++n) round(n);
    const size_t headroom = GdiHeadroom();
    for (int n = 0; n < 100; ++n) round(n);
    EXPECT_EQ(GdiHeadroom(), headroom);
}

}  // namespace
