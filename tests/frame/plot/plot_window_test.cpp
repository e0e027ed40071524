// The plot window: the paint box over the client area, the status line under
// it only where the setup asks for one.
#include "frame/plot/plot_window.h"

#include <gtest/gtest.h>

#include <sstream>
#include <stdexcept>
#include <string>
#include <vector>

#include "forms/script/script_backend.h"

namespace frame::plot {
namespace {

std::vector<std::string> ControlNames(const forms::Form& form) {
  std::vector<std::string> names;
  for (const auto& control : form.controls()) names.push_back(control->name());
  return names;
}

TEST(PlotWindowTest, TheStatusLineTakesTheFootOfThePaintBoxOnlyWhereTheSetupAsksForIt) {
  forms::script::Script script = forms::script::Script::FromText("");
  std::ostringstream transcript;
  forms::script::ScriptBackend backend{script, transcript, false};
  forms::Application app{backend};
  backend.Attach(app);
  auto& with = app.CreateForm<PlotWindow>(
      PlotWindowSetup{.form_name = "Form7", .caption = "Resposta em frequência", .status_line = true});
  auto& without = app.CreateForm<PlotWindow>(PlotWindowSetup{.form_name = "Form9", .caption = "Gráfico"});

  EXPECT_EQ(ControlNames(with), (std::vector<std::string>{"PaintBox1", "StatusBar1"}));
  EXPECT_EQ(with.ClientRectOf(with.paint_box), (forms::Rect{0, 0, 640, 400 - forms::kStatusBarHeight}));
  with.status_line().SetText("w: 1");
  EXPECT_EQ(with.status_line().text(), "w: 1");

  EXPECT_EQ(ControlNames(without), std::vector<std::string>{"PaintBox1"});
  EXPECT_EQ(without.ClientRectOf(without.paint_box), (forms::Rect{0, 0, 640, 400}));
  EXPECT_THROW(without.status_line(), std::logic_error);
}

}  // namespace
}  // namespace frame::plot
