// The strength dialog with a stand-in main window on the offscreen platform.

#include "filters/frm_efect_config.h"

#include <gtest/gtest.h>

#include <QLabel>
#include <QPushButton>
#include <QSlider>

#include "fake_effect_host.h"
#include "filtered.h"
#include "test_support.h"

namespace glifora {
namespace {

using test::Filtered;

class DialogTest : public ::testing::Test {
  protected:
    DialogTest() : engine(host), dialog(host, engine) {
        engine.SetStrengthDialog(&dialog);
        host.displayed = test::RandomRaster(40, 30, 6);
        original = host.displayed;
    }
    EffectOutcome Menu(int code, int p) {
        return engine.ApplyEffect(code, host.displayed, p, none);
    }
    test::FakeEffectHost host;
    FilterEngine engine;
    frmEfectConfig dialog;
    NullProgress none;
    Raster original;
};

TEST_F(DialogTest, OpensWithoutFilteringThenFiltersAtOnceFromTheMenu) {
    EXPECT_EQ(Menu(14, 10), EffectOutcome::DialogLoaded);
    EXPECT_TRUE(dialog.isVisible());
    EXPECT_FALSE(dialog.isModal());
    EXPECT_EQ(dialog.CurrentEffect(), 14);
    EXPECT_EQ(dialog.lblRango->text(), "Rango del filtro: -100 , 100");
    EXPECT_EQ(dialog.sldEfecto->value(), 0);
    EXPECT_TRUE(host.displayed == original);
    EXPECT_EQ(host.saveUndoCalls, 0);
    EXPECT_TRUE(dialog.Picture1Raster() == original);
    // The same command again filters at once with the menu's value.
    EXPECT_EQ(Menu(14, -10), EffectOutcome::Filtered);
    EXPECT_TRUE(host.displayed == Filtered(14, original, -10));

    // Aplicar without moving the slider gives the picture back.
    dialog.cmdApply->click();
    EXPECT_TRUE(host.displayed == original);
    EXPECT_EQ(host.assignments, 1);
}

TEST_F(DialogTest, ReloadsForAnotherEffectKeepingTheSliderInRange) {
    Menu(14, 10);
    dialog.sldEfecto->setValue(-50);
    const int undoBefore = host.saveUndoCalls;
    Menu(15, 3);  // pixelate, range 1 to 20
    EXPECT_EQ(dialog.CurrentEffect(), 15);
    EXPECT_EQ(dialog.lblRango->text(), "Rango del filtro: 1 , 20");
    EXPECT_EQ(dialog.sldEfecto->value(), 1);
    EXPECT_EQ(host.saveUndoCalls, undoBefore);  // reloading filters nothing
    EXPECT_TRUE(dialog.Picture1Raster() == host.displayed);
    // Opened afresh, gamma starts at 1, its identity, without filtering;
    // the menu's 0 is taken as 1.
    dialog.cmdCancel->click();
    Menu(31, 0);
    EXPECT_EQ(dialog.sldEfecto->value(), 1);
    EXPECT_EQ(Menu(31, 0), EffectOutcome::Filtered);
    EXPECT_TRUE(host.displayed == original);
}

TEST_F(DialogTest, StrengthsDoNotAccumulateAndUndoFollowsAplicar) {
    Menu(17, 10);
    dialog.sldEfecto->setValue(20);
    dialog.sldEfecto->setValue(40);
    EXPECT_TRUE(dialog.Picture1Raster() == Filtered(17, original, 40));
    EXPECT_TRUE(host.displayed == original);  // only the copy was filtered
    EXPECT_EQ(host.saveUndoCalls, 2);         // retaken of the unchanged picture
    EXPECT_TRUE(host.undo == original);
    EXPECT_GE(host.repaints, 2);
    dialog.cmdApply->click();
    EXPECT_TRUE(host.displayed == Filtered(17, original, 40));
    EXPECT_EQ(dialog.CurrentEffect(), 0);
    EXPECT_FALSE(dialog.isVisible());
}

TEST_F(DialogTest, CancelarLeavesThePictureAndUnloads) {
    Menu(30, 15);
    dialog.sldEfecto->setValue(60);
    dialog.cmdCancel->click();
    EXPECT_TRUE(host.displayed == original);
    EXPECT_EQ(dialog.CurrentEffect(), 0);
    EXPECT_FALSE(dialog.isVisible());
    // The next configurable command opens the dialog again, from its designed state.
    EXPECT_EQ(Menu(30, 15), EffectOutcome::DialogLoaded);
    EXPECT_EQ(dialog.sldEfecto->value(), 0);
    dialog.close();
    EXPECT_EQ(dialog.CurrentEffect(), 0);
}

TEST_F(DialogTest, OtherFiltersMeanwhileAreReplacedByAplicar) {
    Menu(17, 10);
    dialog.sldEfecto->setValue(30);
    Menu(2, 0);  // "Negativo" changes the working picture at once
    EXPECT_TRUE(host.displayed == Filtered(2, original, 0));
    dialog.cmdApply->click();
    EXPECT_TRUE(host.displayed == Filtered(17, original, 30));
}

TEST_F(DialogTest, PreviewFitsTheBox) {
    Menu(14, 10);
    EXPECT_FALSE(dialog.PreviewStretched());  // 40 x 30 is shown at its own size
    EXPECT_EQ(dialog.PreviewWidth(), 155);
    dialog.close();
    host.displayed = test::RandomRaster(400, 200, 1);
    Menu(14, 10);
    EXPECT_TRUE(dialog.PreviewStretched());
    EXPECT_DOUBLE_EQ(dialog.PreviewWidth(), 155);
    EXPECT_DOUBLE_EQ(dialog.PreviewHeight(), 77.5);
    EXPECT_EQ(dialog.Image1->width(), 155);
}

// The engine filters the dialog's copy in place, so what happens during a
// preview (its yields let slider moves and clicks through) must wait for it.
class DuringPreview : public DialogTest {
  protected:
    DuringPreview() {
        dialog.SetProgressForTest(&yielding);
        Menu(14, 10);
    }
    test::YieldingProgress yielding;
};

TEST_F(DuringPreview, SliderMovesArePreviewedAfterTheRunTheLastOneWins) {
    yielding.once = [&] {
        dialog.sldEfecto->setValue(30);
        dialog.sldEfecto->setValue(-40);
        EXPECT_TRUE(host.displayed == original);
    };
    dialog.sldEfecto->setValue(20);
    EXPECT_TRUE(dialog.Picture1Raster() == Filtered(14, original, -40));
    EXPECT_EQ(host.saveUndoCalls, 2);  // 20, then -40; 30 was never run
    EXPECT_TRUE(host.displayed == original);
}

TEST_F(DuringPreview, AplicarAppliesTheFinishedPreview) {
    yielding.once = [&] {
        dialog.cmdApply->click();
        EXPECT_EQ(host.assignments, 0);
    };
    dialog.sldEfecto->setValue(50);
    EXPECT_EQ(host.assignments, 1);
    EXPECT_TRUE(host.displayed == Filtered(14, original, 50));
    EXPECT_FALSE(dialog.Loaded());
}

TEST_F(DuringPreview, CancelarDropsTheCopyWhenTheRunEnds) {
    yielding.once = [&] { dialog.cmdCancel->click(); };
    dialog.sldEfecto->setValue(50);
    EXPECT_TRUE(dialog.Picture1Raster().Empty());
    EXPECT_TRUE(host.displayed == original);
    EXPECT_EQ(host.assignments, 0);
}

}  // namespace
}  // namespace glifora
