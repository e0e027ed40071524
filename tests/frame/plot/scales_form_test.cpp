// The scales dialog: what it shows of the plot's range, what it gives back
// however it is closed, and the file name row of the ladder program's dialog.
#include "frame/plot/scales_form.h"

#include <gtest/gtest.h>

#include <functional>
#include <sstream>

#include "forms/application.h"
#include "forms/script/script_backend.h"
#include "tests/base/extended_printer.h"

namespace frame::plot {
namespace {

using base::Extended;

class ScalesFormTest : public ::testing::Test {
 protected:
  ScalesFormTest() {
    backend.Attach(app);
    backend.modal_hook = [this](forms::Form& form) {
      ASSERT_EQ(&form, &scales);
      if (user) user();
    };
  }

  PlotRange Range() const {
    PlotRange r;
    r.xmin = 0.1L;
    r.xmax = 10;
    r.ymin = -70;
    r.ymax = 10;
    return r;
  }

  forms::script::Script script = forms::script::Script::FromText("");
  std::ostringstream transcript;
  forms::script::ScriptBackend backend{script, transcript, false};
  forms::Application app{backend};
  ScalesForm& scales = app.CreateForm<ScalesForm>(ScalesSetup{.form_name = "Form8"});
  std::function<void()> user;
};

TEST_F(ScalesFormTest, ShowsTheRangeAndTakesBackWhatTheUserLeft) {
  PlotRange range = Range();
  range.log_scale = false;
  user = [&] {
    EXPECT_EQ(scales.xmin.text(), "0.1");
    EXPECT_EQ(scales.ymin.text(), "-70");
    EXPECT_FALSE(scales.log_scale.checked());
    scales.xmin.UserType("0");
    scales.ymax.UserType("25");
    scales.log_scale.UserSetChecked(true);
    scales.save_curve.UserSetChecked(true);
    scales.apply.UserClick();
  };
  EXPECT_TRUE(scales.Exchange(range));
  EXPECT_EQ(range.xmin, Extended(0));
  EXPECT_EQ(range.xmax, Extended(10));
  EXPECT_EQ(range.ymin, Extended(-70));
  EXPECT_EQ(range.ymax, Extended(25));
  EXPECT_TRUE(range.log_scale);
  EXPECT_TRUE(range.grid_on) << "the grid is not the dialog's";
}

TEST_F(ScalesFormTest, ClosedByItsCloseBoxTheValuesAreTakenBackAndSalvarKeepsItsState) {
  scales.save_curve.SetChecked(true);
  PlotRange range = Range();
  user = [&] { scales.log_scale.UserSetChecked(false); };
  EXPECT_TRUE(scales.Exchange(range)) << "the box stays as the user left it last time";
  EXPECT_FALSE(range.log_scale);
  EXPECT_EQ(range.xmin, Extended(0.1L)) << "shown with 15 digits and read back the same";

  scales.save_curve.SetChecked(false);
  user = nullptr;
  EXPECT_FALSE(scales.Exchange(range));
}

TEST_F(ScalesFormTest, TheLadderProgramsDialogHasTheFileNameRow) {
  EXPECT_EQ(scales.file_name, nullptr);
  EXPECT_EQ(scales.choose_file, nullptr);
  auto& with_file = app.CreateForm<ScalesForm>(
      ScalesSetup{.form_name = "Form10", .file_name_row = true, .initial_file_name = "ladder.tab"});
  ASSERT_NE(with_file.file_name, nullptr);
  EXPECT_EQ(with_file.file_name->text(), "ladder.tab");
  ASSERT_NE(with_file.choose_file, nullptr);
  EXPECT_EQ(with_file.choose_file->caption(), "Escolher");
  EXPECT_EQ(with_file.caption(), "Escalas");
}

}  // namespace
}  // namespace frame::plot
