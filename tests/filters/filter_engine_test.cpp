// The engine: refusal while busy, the hand-over of configurable effects to
// the strength dialog, undo snapshots and repaints, flips and mirrors.

#include <gtest/gtest.h>

#include "fake_effect_host.h"
#include "filtered.h"
#include "filters/effect_menu.h"
#include "filters/flips_mirrors.h"
#include "filters/throttled_progress.h"
#include "test_support.h"

namespace glifora {
namespace {

using test::Filtered;
using test::YieldingProgress;

class FilterEngineTest : public ::testing::Test {
  protected:
    FilterEngineTest() { host.displayed = original; }
    const Raster original = test::RandomRaster(6, 5, 1);
    test::FakeEffectHost host;
    FilterEngine engine{host};
    YieldingProgress progress;
    NullProgress none;
};

TEST_F(FilterEngineTest, RefusesASecondRunWhileOneIsGoing) {
    std::vector<EffectOutcome> inner;
    progress.onRow = [&] {
        EXPECT_TRUE(engine.FilterBusy());
        inner.push_back(engine.ApplyEffect(12, host.displayed, 0, progress));
    };
    EXPECT_EQ(engine.ApplyEffect(2, host.displayed, 0, progress), EffectOutcome::Filtered);
    EXPECT_FALSE(engine.FilterBusy());
    ASSERT_FALSE(inner.empty());
    for (EffectOutcome o : inner) EXPECT_EQ(o, EffectOutcome::Refused);
    EXPECT_TRUE(host.displayed == Filtered(2, original, 0));  // only the first filter
    EXPECT_EQ(host.saveUndoCalls, 1);                         // none for the refused ones
    EXPECT_TRUE(host.undo == original);
    EXPECT_EQ(host.repaints, 1);
}

TEST_F(FilterEngineTest, APictureReplacedDuringTheRunIsNotWrittenInto) {
    const Raster loaded = test::RandomRaster(6, 5, 2);
    progress.once = [&] { host.displayed = loaded; };  // a picture loaded meanwhile
    engine.ApplyEffect(2, host.displayed, 0, progress);
    EXPECT_TRUE(host.displayed == loaded);
}

TEST_F(FilterEngineTest, CodesWithoutFilterAndEmptyPictures) {
    engine.ApplyEffect(28, host.displayed, 0, none);
    EXPECT_TRUE(host.displayed == original);
    host.displayed = Raster();
    for (int code : {28, 0, 33, -4, 17, 19, 21, 15}) {
        EXPECT_EQ(engine.ApplyEffect(code, host.displayed, 0, none), EffectOutcome::Filtered);
        EXPECT_TRUE(host.displayed.Empty());
    }
}

TEST(ThrottledProgress, SetsEveryValueButYieldsSparingly) {
    std::vector<int> values;
    int yields = 0;
    ThrottledProgress progress([&](int v) { values.push_back(v); }, [&] { ++yields; }, {},
                               std::chrono::hours(1));
    for (int v : {1, 1, 2, 50, 99}) progress.SetValue(v);
    EXPECT_EQ(values, (std::vector<int>{1, 2, 50, 99}));
    EXPECT_EQ(yields, 0);
    progress.SetValue(100);  // the end always yields
    EXPECT_EQ(yields, 1);
    ThrottledProgress eager(
        {}, [&] { ++yields; }, {}, std::chrono::nanoseconds(0));
    eager.SetValue(3);
    eager.SetValue(3);
    EXPECT_EQ(yields, 3);
}

TEST(Geometric, CommandsSnapshotAndRepaint) {
    test::FakeEffectHost host;
    host.displayed = test::RandomRaster(5, 7, 9);
    const Raster original = host.displayed;
    ApplyGeometric(GeometricOp::MirrorTopOntoBottom, host);
    EXPECT_TRUE(host.undo == original);
    EXPECT_EQ(host.repaints, 3 + 1);  // rows 0 to 2, then once more
    ApplyGeometric(GeometricOp::FlipHorizontal, host);
    EXPECT_EQ(host.repaints, 5);
    EXPECT_EQ(host.saveUndoCalls, 2);
}

TEST(EffectMenu, BuiltFromTheCatalogue) {
    const std::vector<ImageMenuItem> menu = ImageMenuModel();
    std::vector<std::string> names;
    for (const ImageMenuItem& m : menu)
        names.push_back(m.caption + " " + std::to_string(m.children.size()));
    EXPECT_EQ(names, (std::vector<std::string>{"Girar 2", "Colores 5", "Intensidad 6", "Bordes 8",
                                               "Efectos 12", "Espejos 4"}));
    EXPECT_EQ(menu[3].children.back().caption, "Marcar contornos unidos");
    EXPECT_EQ(menu[4].children.front().caption, "Acuarela");
    const ImageMenuItem& rgb = menu[1].children[3];  // a submenu of its own
    ASSERT_EQ(rgb.children.size(), 5u);
    EXPECT_EQ(rgb.children[3].caption, "RGB -> BGR");
    EXPECT_EQ(rgb.children[3].parameter, 4);
}

TEST(EffectCatalogue, ParametersTheMenuAndTheCommandLineAccept) {
    EXPECT_EQ(EffectSettingOf(99).Configurable, false);
    EXPECT_EQ(FindEffect("Grises"), FindEffect(12));
    EXPECT_EQ(FindEffect(""), nullptr);
    EXPECT_TRUE(ParameterProblem(*FindEffect(31), 0).empty());  // gamma takes 0 as 1
    for (auto [code, zeroDivisor] : {std::pair{1, -8}, {6, -1}, {21, 0}, {22, 0}, {23, 0}})
        EXPECT_FALSE(ParameterProblem(*FindEffect(code), zeroDivisor).empty()) << code;
    for (const Effect& e : EffectCatalogue()) {
        // Every parameter a menu entry passes is one the command line accepts.
        for (const EffectMenuEntry& m : e.entries)
            EXPECT_TRUE(ParameterProblem(e, m.parameter).empty()) << m.caption;
        EXPECT_EQ(EffectSettingOf(e.code).Configurable, e.configurable) << e.name;
    }
    const SplitParts s = SplitColor(MakeColor(1, 2, 3));
    EXPECT_EQ(s.red + 10 * s.green + 100 * s.blue, 321);
}

}  // namespace
}  // namespace glifora
