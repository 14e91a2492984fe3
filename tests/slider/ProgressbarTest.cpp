// Progressbar properties, change notices, Changed, and the stored property set.
#include "SkinStrip.h"

#include "ui/Errors.h"

#include <QStringList>
#include <variant>

using slider::Progressbar;
using slider::PropertyBag;

namespace {

struct Recorder {
    QStringList notices;
    std::vector<std::pair<int32_t, int32_t>> changes;
    void attach(Progressbar& bar) {
        bar.PropertyChanged = [this](const QString& name) { notices << name; };
        bar.Changed = [this](int32_t& tValue, int32_t& tMax) { changes.emplace_back(tValue, tMax); };
    }
};

}  // namespace

TEST(ProgressbarProperties, NewControlHasItsInitialValues) {
    sim::SimPlatform platform;
    Progressbar bar;
    EXPECT_EQ(bar.Max(), 100);
    EXPECT_EQ(bar.Value(), 50);
    EXPECT_EQ(bar.Style(), 2);
    EXPECT_TRUE(bar.IsShowCmd());
    EXPECT_FALSE(bar.CanMove());
    EXPECT_EQ(bar.TopColor(), 0u);
    EXPECT_EQ(bar.BottomColor(), 0u);
    EXPECT_EQ(bar.GotTopColor(), 0u);
    EXPECT_EQ(bar.GotBottomColor(), 0u);
    EXPECT_EQ(bar.Bite_LP(), 0);
    EXPECT_EQ(bar.Bite_RP(), 0);
    EXPECT_EQ(bar.Caption(), QString());
    EXPECT_EQ(bar.cMousePointer(), 0);
    EXPECT_EQ(bar.Appearance(), 0);
    EXPECT_EQ(bar.BorderStyle(), 0);
    EXPECT_TRUE(bar.BkPicture().isNull());
    EXPECT_TRUE(bar.fields().mCmdPic.isNull());
    EXPECT_EQ(bar.fields().mCmdWidth, 0);
    EXPECT_FALSE(bar.Timer1().Enabled());
    EXPECT_EQ(bar.Timer1().Interval(), 10);
}

TEST(ProgressbarProperties, EverySetterNotifiesWithItsOwnName) {
    sim::SimPlatform platform;
    Progressbar bar;
    Recorder rec;
    rec.attach(bar);
    bar.setCaption("x");
    bar.setStyle(0);
    bar.setCanMove(true);
    bar.setTopColor(1);
    bar.setBottomColor(2);
    bar.setGotTopColor(3);
    bar.setGotBottomColor(4);
    bar.setMax(7);
    bar.setBite_LP(1);
    bar.setBite_RP(2);
    bar.setValue(3);
    bar.setIsShowCmd(false);
    bar.setcMousePointer(99);
    EXPECT_EQ(rec.notices, QStringList({"Caption", "Style", "CanMove", "TopColor", "BottomColor", "GotTopColor",
                                        "GotBottomColor", "Max", "Bite_LP", "Bite_RP", "Value", "IsShowCmd",
                                        "cMousePointer"}));
    // Each colour reads back what was set for it.
    EXPECT_EQ(bar.TopColor(), 1u);
    EXPECT_EQ(bar.BottomColor(), 2u);
    EXPECT_EQ(bar.GotTopColor(), 3u);
    EXPECT_EQ(bar.GotBottomColor(), 4u);
}

TEST(ProgressbarProperties, BitesAreStoredInTwipsAndOverflowBeyond2184) {
    sim::SimPlatform platform;
    Progressbar bar;
    Recorder rec;
    rec.attach(bar);
    bar.setBite_LP(17);
    EXPECT_EQ(bar.fields().mBiteLP, 255);
    EXPECT_EQ(bar.Bite_LP(), 17);
    bar.setBite_RP(-2184);
    EXPECT_EQ(bar.fields().mBiteRP, -32760);

    rec.notices.clear();
    EXPECT_THROW(bar.setBite_LP(2185), ui::OverflowError);
    EXPECT_THROW(bar.setBite_RP(-2185), ui::OverflowError);
    EXPECT_EQ(bar.fields().mBiteLP, 255);
    EXPECT_EQ(bar.fields().mBiteRP, -32760);
    EXPECT_TRUE(rec.notices.isEmpty());
}

TEST(ProgressbarProperties, ValueIsKeptUnclampedAndRaisesChanged) {
    sim::SimPlatform platform;
    Progressbar bar;
    Recorder rec;
    rec.attach(bar);
    bar.setValue(500);
    EXPECT_EQ(bar.Value(), 500);
    ASSERT_EQ(rec.changes.size(), 1u);
    EXPECT_EQ(rec.changes[0], std::make_pair(500, 100));

    // Max is not validated on assignment.
    bar.setMax(-7);
    EXPECT_EQ(bar.Max(), 1);  // the redraw of the setter itself replaced it
}

TEST(ProgressbarProperties, ChangedHandlerWritesTheFields) {
    sim::SimPlatform platform;
    Progressbar bar;
    bar.Changed = [](int32_t& tValue, int32_t& tMax) {
        tValue = 0;
        tMax = 400;
    };
    bar.setValue(70);
    EXPECT_EQ(bar.Value(), 0);
    EXPECT_EQ(bar.Max(), 400);
}

TEST(ProgressbarPersistence, FreshControlStoresOnlyWhatDiffersFromTheSaveDefaults) {
    sim::SimPlatform platform;
    Progressbar bar;  // background: the button face system colour, not black
    PropertyBag bag;
    bar.WriteProperties(bag);

    QStringList keys;
    for (const auto& entry : bag.entries()) keys << entry.name;
    EXPECT_EQ(keys, QStringList({"Value", "TopColor", "BottomColor", "GotTopColor", "GotBottomColor", "CanMove"}));
    EXPECT_EQ(std::get<int32_t>(*bag.find("Value")), 50);
    EXPECT_EQ(std::get<int32_t>(*bag.find("TopColor")), 0);
    EXPECT_EQ(std::get<int32_t>(*bag.find("GotBottomColor")), 0);
    EXPECT_EQ(std::get<bool>(*bag.find("CanMove")), false);
}

TEST(ProgressbarPersistence, SavesChangedValuesInKeyOrderAndBackColourDefault) {
    sim::SimPlatform platform;
    Progressbar bar;
    bar.setBackColor(0);  // black background: black colours equal their default
    bar.setStyle(3);
    bar.setValue(30);
    bar.setMax(10000);
    bar.setBite_LP(17);
    bar.setCaption("t");
    bar.setCanMove(true);
    bar.setGotTopColor(0xFF0000);
    PropertyBag bag;
    bar.WriteProperties(bag);
    QStringList keys;
    for (const auto& entry : bag.entries()) keys << entry.name;
    EXPECT_EQ(keys, QStringList({"Style", "Max", "Bite_LP", "GotBottomColor", "Caption"}));
    EXPECT_EQ(std::get<int16_t>(*bag.find("Bite_LP")), 255);
}

TEST(ProgressbarPersistence, LoadingTakesNoStoredValueOver) {
    sim::SimPlatform platform;
    Progressbar bar;
    PropertyBag bag;
    bag.WriteProperty("Max", int32_t(500), int32_t(100));
    bag.WriteProperty("Style", int32_t(3), int32_t(2));
    bag.WriteProperty("CanMove", true, false);
    bar.ReadProperties(bag);
    EXPECT_EQ(bar.Max(), 100);
    EXPECT_EQ(bar.Style(), 2);
    EXPECT_FALSE(bar.CanMove());
}

TEST_F(SliderTest, PictureSizeComesFromHimetric) {
    const ui::Picture square = skin::WriteBmp(disc, "sq.bmp", QImage(24, 24, QImage::Format_RGB32));
    EXPECT_EQ(bar->GetPictureWidth(square), 24);
    EXPECT_EQ(bar->GetPictureHeight(square), 24);
    EXPECT_EQ(bar->GetPictureWidth(ui::Picture()), 0);
    EXPECT_EQ(bar->GetPictureHeight(ui::Picture()), 0);
}

TEST_F(SliderTest, MousePointerShowsTheCustomIconOnlyAt99) {
    QImage icon(16, 16, QImage::Format_ARGB32);
    icon.fill(Qt::red);
    bar->setcMouseIcon(ui::Picture(icon));
    EXPECT_EQ(bar->cursor().shape(), Qt::ArrowCursor);
    bar->setcMousePointer(99);
    EXPECT_EQ(bar->cursor().shape(), Qt::BitmapCursor);
    bar->setcMousePointer(0);
    EXPECT_EQ(bar->cursor().shape(), Qt::ArrowCursor);
}
