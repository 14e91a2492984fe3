// Progressbar drawing, checked on the pixels of off-screen grabs, and the
// cutting of the skin strip.
#include "SkinStrip.h"

#include "ui/Errors.h"
#include <QCoreApplication>
#include <QEvent>

using slider::Progressbar;

namespace {

constexpr QRgb Blue = 0xFF0000FF;

}  // namespace

TEST_F(SliderTest, SetPictureCutsTheStripIntoFivePieces) {
    const auto& f = bar->fields();
    EXPECT_EQ(f.mLeftPic.pixelWidth(), 17);
    EXPECT_EQ(f.mRightPic.pixelWidth(), 17);
    EXPECT_EQ(f.mLeftMidPic.pixelWidth(), 1);
    EXPECT_EQ(f.mRightMidPic.pixelWidth(), 1);
    EXPECT_EQ(f.mCmdPic.pixelWidth(), 64);
    EXPECT_EQ(f.mCmdPic.pixelHeight(), 9);
    EXPECT_EQ(f.mLeftWidth, 255);
    EXPECT_EQ(f.mRightWidth, 255);
    EXPECT_EQ(f.mCmdWidth, 240);
    EXPECT_EQ(f.mCmdHeight, 9);
    EXPECT_EQ(f.mCmdTop, 0);
    // The thumb strip starts at x = 36: its first pixel is the first frame's corner.
    EXPECT_EQ(f.mCmdPic.image().pixel(0, 0) | 0xFF000000, skin::Magenta);
    EXPECT_EQ(f.mCmdPic.image().pixel(1, 1) | 0xFF000000, skin::Frames[0]);
    EXPECT_EQ(f.mRightPic.image().pixel(0, 0) | 0xFF000000, skin::RightCap);
}

TEST_F(SliderTest, SetPictureWithoutThumbOrWithoutPicture) {
    bar->setPicture(strip, 17, 17, 1, 1, 0, 5, 2);
    EXPECT_TRUE(bar->fields().mCmdPic.isNull());
    EXPECT_EQ(bar->fields().mCmdWidth, 0);
    EXPECT_EQ(bar->fields().mCmdHeight, 5);
    EXPECT_EQ(bar->fields().mCmdTop, 2);

    // No picture changes nothing.
    bar->setPicture(ui::Picture(), 1, 1, 1, 1, 1);
    EXPECT_EQ(bar->fields().mLeftWidth, 255);
    EXPECT_EQ(bar->fields().mCmdHeight, 5);
}

TEST_F(SliderTest, SetPictureOverflowsIn16Bits) {
    // 20000 + 20000 does not fit: the two caps are cut, then the sum fails.
    EXPECT_THROW(bar->setPicture(strip, 20000, 20000, 1, 1, 16), ui::OverflowError);
    EXPECT_EQ(bar->fields().mLeftPic.pixelWidth(), 20000);
    EXPECT_EQ(bar->fields().mRightPic.pixelWidth(), 20000);
    EXPECT_EQ(bar->fields().mLeftWidth, 255);  // the widths were not reached
    EXPECT_THROW(bar->setPicture(strip, 1, 1, 1, 1, 8192), ui::OverflowError);
}

TEST_F(SliderTest, WorkedExampleThumbAtTheCentre) {
    // 3600 twips, caps 255, thumb 240, bites 0, Max 100, Value 50.
    ASSERT_EQ(bar->ScaleWidth(), 3600.0f);
    bar->setValue(50);
    EXPECT_FLOAT_EQ(bar->fields().mCmdLeft + 120.0f, 1800.1f);

    const QImage image = grab();
    const auto at = [&](int x, int y) { return image.pixel(x, y) | 0xFF000000; };
    // The thumb frame is copied to x = 112 (16 pixels), in its normal look.
    for (int x = 113; x < 127; ++x) EXPECT_EQ(at(x, 0), skin::Frames[0]) << x;
    EXPECT_EQ(at(112, 4), skin::Frames[0]);
    EXPECT_EQ(at(127, 4), skin::Frames[0]);
    // Its magenta corners show the bar underneath: filled left of 120, empty right.
    EXPECT_EQ(at(112, 0), skin::Filled);
    EXPECT_EQ(at(127, 0), skin::Empty);
    // Style 2: caps at both ends, the one-pixel middle pieces stretched.
    EXPECT_EQ(at(0, 4), skin::LeftCap);
    EXPECT_EQ(at(16, 4), skin::LeftCap);
    EXPECT_EQ(at(17, 4), skin::Filled);
    EXPECT_EQ(at(111, 8), skin::Filled);
    EXPECT_EQ(at(128, 8), skin::Empty);
    EXPECT_EQ(at(222, 4), skin::Empty);
    EXPECT_EQ(at(223, 4), skin::RightCap);
    EXPECT_EQ(at(239, 8), skin::RightCap);
}

TEST_F(SliderTest, ValueOutsideTheRangeDrawsClampedAndStays) {
    struct Case {
        int32_t value;
        float cmdLeft;  // twips
    };
    // v = 0: left edge at 255 + 0.1; v = Max: right edge at 3600 - 255 + 0.1.
    for (const Case c : {Case{-5, 255.1f}, Case{0, 255.1f}, Case{150, 3105.1f}, Case{100, 3105.1f}}) {
        bar->setValue(c.value);
        EXPECT_EQ(bar->Value(), c.value);
        EXPECT_FLOAT_EQ(bar->fields().mCmdLeft, c.cmdLeft) << c.value;
    }
    // With bites the thumb runs over the caps and the middle pieces mirror.
    bar->setBite_LP(17);
    bar->setValue(0);
    EXPECT_NEAR(bar->fields().mCmdLeft, 0.1f, 1e-4);
    EXPECT_EQ(pixel(15, 4), skin::Frames[0]);  // the thumb over the left cap

    bar->setBite_LP(0);
    bar->setBite_RP(16);
    bar->setValue(100);
    // p = 3465.1: the empty piece's width 3600 - 3465.1 - 255 is negative, so
    // it is drawn mirrored from pixel 231 back to 223, over the right cap. The
    // thumb (pixels 223 to 238) shows it in its magenta corner.
    EXPECT_EQ(pixel(223, 0), skin::Empty);
    EXPECT_EQ(pixel(238, 0), skin::RightCap);
    EXPECT_EQ(pixel(230, 4), skin::Frames[0]);
}

TEST_F(SliderTest, HiddenThumbLeavesItsWidthOutAndDrawsNoThumb) {
    int outs = 0;
    bar->setCanMove(true);
    bar->MouseOutCmd = [&] { ++outs; };
    bar->setIsShowCmd(false);
    bar->setValue(50);
    EXPECT_EQ(outs, 0);
    // p = (3600 - 510) x 50 / 100 + 0.1 + 255 = 1800.1, filled piece up to px 120.
    EXPECT_FLOAT_EQ(bar->fields().mCmdLeft + 120.0f, 1800.1f);
    const QImage image = grab();
    for (int x = 17; x < 120; ++x) ASSERT_EQ(image.pixel(x, 0) | 0xFF000000, skin::Filled) << x;
    for (int x = 120; x < 223; ++x) ASSERT_EQ(image.pixel(x, 0) | 0xFF000000, skin::Empty) << x;
}

TEST_F(SliderTest, ThumbFrameFollowsTheState) {
    bar->setCanMove(true);
    bar->setEnabled(false);
    EXPECT_EQ(bar->GetMouseState(), slider::ThumbDisabled);
    bar->setValue(50);
    EXPECT_EQ(pixel(120, 4), skin::Frames[3]);
}

TEST_F(SliderTest, Style3ShowsTwoFullViewsCroppedAtTheThumb) {
    // Two 240-pixel views: filled (blue) and empty (yellow); no caps, no thumb.
    QImage views(480, 9, QImage::Format_RGB32);
    views.fill(skin::Filled);
    for (int y = 0; y < 9; ++y)
        for (int x = 240; x < 480; ++x) views.setPixel(x, y, skin::Empty);
    const ui::Picture picture = skin::WriteBmp(disc, "image\\views.bmp", views);
    bar->setStyle(3);
    bar->setPicture(picture, 0, 0, 240, 240, 0);
    bar->setValue(25);
    // p = 3600 x 25 / 100 + 0.1 = 900.1 twips = pixel 60.
    const QImage image = grab();
    EXPECT_EQ(image.pixel(0, 4) | 0xFF000000, skin::Filled);
    EXPECT_EQ(image.pixel(59, 4) | 0xFF000000, skin::Filled);
    EXPECT_EQ(image.pixel(60, 4) | 0xFF000000, skin::Empty);
    EXPECT_EQ(image.pixel(239, 4) | 0xFF000000, skin::Empty);
}

class GradientTest : public ::testing::Test {
protected:
    void SetUp() override {
        bar.resize(100, 110);  // 1650 twips high: bands of 165 twips, 11 pixels
        bar.setBackColor(0xFFFFFF);
        bar.setIsShowCmd(false);
        bar.setStyle(0);
    }
    QRgb pixel(int x, int y) { return bar.grab().toImage().pixel(x, y) | 0xFF000000; }

    sim::SimPlatform platform;
    Progressbar bar;
};

TEST_F(GradientTest, EqualColoursPaintOneSolidBox) {
    bar.setGotTopColor(0xFF0000);
    bar.setGotBottomColor(0xFF0000);
    bar.setValue(50);  // no caps, no thumb: p = 1500 x 50 / 100 + 0.1 = 750.1 twips, pixel 50
    const QImage image = bar.grab().toImage();
    for (int y = 0; y < 110; y += 7) {
        EXPECT_EQ(image.pixel(0, y) | 0xFF000000, Blue) << y;
        EXPECT_EQ(image.pixel(49, y) | 0xFF000000, Blue) << y;
        EXPECT_EQ(image.pixel(50, y) | 0xFF000000, 0xFF000000u) << y;  // TopColor = BottomColor = black
    }
}

TEST_F(GradientTest, ElevenBandsStepFromTopToBottom) {
    bar.setGotTopColor(0x000000);
    bar.setGotBottomColor(0x0A0A0A);
    bar.setValue(100);
    const QImage image = bar.grab().toImage();
    for (int i = 0; i < 10; ++i) {
        for (int y : {11 * i, 11 * i + 10}) {
            EXPECT_EQ(image.pixel(10, y) | 0xFF000000, qRgb(i, i, i)) << "band " << i << " row " << y;
        }
    }
}

TEST_F(GradientTest, SystemColourStopsItsGradient) {
    bar.setTopColor(0x8000000F);
    bar.setBottomColor(0x00FF00);
    bar.setGotTopColor(0xFF0000);
    bar.setGotBottomColor(0xFF0000);
    bar.setValue(50);
    // Left of the thumb blue; right of it only the white background.
    EXPECT_EQ(pixel(10, 50), Blue);
    EXPECT_EQ(pixel(80, 0), 0xFFFFFFFFu);
    EXPECT_EQ(pixel(80, 100), 0xFFFFFFFFu);
}

// Two equal system colours paint one box in the colour they stand for (the
// palette's, as the background does), not the black of their low bits.
TEST_F(GradientTest, EqualSystemColoursPaintThePaletteColour) {
    QPalette palette = bar.palette();
    palette.setColor(QPalette::Button, QColor(0x12, 0x9C, 0x56));
    palette.setColor(QPalette::Base, QColor(0xE0, 0x30, 0x70));
    bar.setPalette(palette);
    bar.setGotTopColor(0x8000000F);  // button face
    bar.setGotBottomColor(0x8000000F);
    bar.setTopColor(0x80000005);  // window
    bar.setBottomColor(0x80000005);
    bar.setValue(50);
    for (int y : {0, 50, 109}) {
        EXPECT_EQ(pixel(10, y), qRgb(0x12, 0x9C, 0x56)) << y;
        EXPECT_EQ(pixel(80, y), qRgb(0xE0, 0x30, 0x70)) << y;
    }
}

TEST_F(SliderTest, CaptionShowsAtTheNextRedrawOnly) {
    bar->setValue(50);
    const QImage before = grab();
    bar->setCaption(QStringLiteral("WWWWWWWWWW"));
    EXPECT_EQ(grab(), before);
    bar->setValue(50);
    EXPECT_NE(grab(), before);
}

TEST_F(SliderTest, MaxZeroPutsTheThumbAtTheLeftWithoutFailing) {
    bar->setMax(0);
    EXPECT_FLOAT_EQ(bar->fields().mCmdLeft, -120.0f);
    bar->setMax(-7);
    EXPECT_EQ(bar->Max(), 1);

    // A positive value with a hugely negative Max draws like Max, putting the
    // thumb billions of pixels to the left: those drawing steps fail and are
    // skipped, the caps still show.
    bar->setValue(50);
    bar->setMax(-2000000000);
    EXPECT_EQ(bar->Max(), 1);
    EXPECT_LT(bar->fields().mCmdLeft, -1e12f);
    EXPECT_EQ(pixel(0, 4), skin::LeftCap);
    EXPECT_EQ(pixel(239, 4), skin::RightCap);
}

// The host assigns Value every 10 ms while the thumb moves a pixel only every
// few assignments: an assignment that leaves the picture as it is asks for no
// repaint, and one that moves the thumb still repaints it where it went.
TEST_F(SliderTest, RepaintsOnlyWhenThePictureChanges) {
    struct PaintCounter : QObject {
        int paints = 0;
        bool eventFilter(QObject*, QEvent* event) override {
            if (event->type() == QEvent::Paint) ++paints;
            return false;
        }
    } counter;
    bar->setMax(10000);
    bar->setValue(5000);
    bar->show();
    QCoreApplication::processEvents();
    const QImage before = grab();
    bar->installEventFilter(&counter);

    // 190 pixels of track for 10000 steps: 5000 and 5010 put the thumb on the same pixel.
    bar->setValue(5010);
    QCoreApplication::processEvents();
    EXPECT_EQ(counter.paints, 0);

    bar->setValue(9000);
    QCoreApplication::processEvents();
    EXPECT_EQ(counter.paints, 1);
    bar->removeEventFilter(&counter);
    EXPECT_NE(grab(), before);
}

// A new Value whose thumb stays on the same pixels keeps the surface composed
// before. Swept over the whole range (and past both ends) in every style,
// with bites, with the thumb shown and hidden, each surface equals what a full
// redraw of a second bar at that value composes; the thumb's state events still
// run on every assignment.
TEST_F(SliderTest, ValueAssignmentsDrawWhatAFullRedrawDraws) {
    struct Case {
        int32_t style;
        bool thumb;
    };
    for (const Case c : {Case{2, true}, Case{3, true}, Case{0, true}, Case{2, false}, Case{0, false}}) {
        SCOPED_TRACE(testing::Message() << "style " << c.style << (c.thumb ? " with" : " without") << " thumb");
        auto configure = [&](Progressbar& b) {
            b.resize(240, 9);
            b.setPicture(strip, 17, 17, 1, 1, 16);
            b.setStyle(c.style);
            b.setGotTopColor(0x102030);
            b.setGotBottomColor(0xA0B0C0);
            b.setTopColor(0x00FF00);
            b.setBottomColor(0x0000FF);
            b.setBite_LP(3);
            b.setBite_RP(2);
            b.setIsShowCmd(c.thumb);
            b.setCanMove(true);
            b.setMax(1000);
            b.grab();
        };
        configure(*bar);
        Progressbar fresh;
        configure(fresh);
        int outs = 0;
        bar->MouseOutCmd = [&] { ++outs; };
        int assignments = 0;
        for (int32_t v = -20; v <= 1020; v += 3, ++assignments) {
            bar->setValue(v);
            fresh.setValue(v);
            fresh.Redraw();
            ASSERT_EQ(bar->surface(), fresh.surface()) << "value " << v;
        }
        EXPECT_EQ(outs, c.thumb ? assignments : 0);
        bar->MouseOutCmd = nullptr;
    }
}

// What changes the picture without composing it shows at the next Value, even
// one that leaves the thumb where it was.
TEST_F(SliderTest, CaptionAndPaletteShowAtTheNextValueOfTheSamePlace) {
    bar->setStyle(0);
    bar->setTopColor(0x80000005);  // window: the palette's base colour
    bar->setBottomColor(0x80000005);
    bar->setValue(10);
    QPalette palette = bar->palette();
    palette.setColor(QPalette::Base, QColor(0xE0, 0x30, 0x70));
    bar->setPalette(palette);
    bar->setValue(10);
    EXPECT_EQ(pixel(200, 4), qRgb(0xE0, 0x30, 0x70));

    const QImage before = grab();
    bar->setCaption(QStringLiteral("WWWWWWWWWW"));
    bar->setValue(11);  // the same pixels as 10
    EXPECT_NE(grab(), before);
}
