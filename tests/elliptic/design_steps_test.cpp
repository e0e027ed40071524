// The order rule on the main window: the forced order, its limit, and the
// refusal of a negative order.
#include "elliptic/design_steps.h"

#include <gtest/gtest.h>

#include <optional>
#include <sstream>
#include <string>
#include <vector>

#include "elliptic/main_form.h"
#include "forms/application.h"
#include "forms/script/script_backend.h"

namespace {

class OrderSteps : public ::testing::Test {
 protected:
  std::optional<std::int32_t> Order(std::int32_t forced, std::optional<std::int32_t> limit) {
    form.CBforcar.SetChecked(true);
    form.NEordem.set_panel_int(forced);
    return steps.Order(3.3178L, limit);
  }
  std::vector<std::string> Logged() const {
    const std::vector<std::string>& lines = form.log.lines();
    return {lines.begin() + preset, lines.end()};
  }

  forms::script::Script script = forms::script::Script::FromText("");
  std::ostringstream transcript;
  forms::script::ScriptBackend backend{script, transcript, false};
  forms::Application app{backend};
  elliptic::MainForm& form = app.CreateForm<elliptic::MainForm>();
  const std::ptrdiff_t preset = form.log.Count();
  elliptic::DesignerState state;
  elliptic::DesignerLog log{form.log, state};
  elliptic::DesignSteps steps{form, state, log};
};

TEST_F(OrderSteps, ALimitedForcedOrderIsWrittenBackToTheField) {
  EXPECT_EQ(Order(1500, 1000), 1000);
  EXPECT_EQ(form.NEordem.panel_int(), 1000);
  EXPECT_EQ(form.NEordem.text(), "1000");
  EXPECT_EQ(Logged().back(), "Ordem forçada para 1000");
  EXPECT_EQ(state.order, 1000);
}

TEST_F(OrderSteps, WithoutALimitAForcedOrderStaysAsTyped) {
  EXPECT_EQ(Order(1500, std::nullopt), 1500);
  EXPECT_EQ(form.NEordem.panel_int(), 1500);
  EXPECT_EQ(Order(1000, 1000), 1000);
  EXPECT_EQ(Order(0, 1000), 0);
}

TEST_F(OrderSteps, ANegativeOrderIsRefusedAfterTheOrderLines) {
  EXPECT_EQ(Order(-3, 1000), std::nullopt);
  const std::vector<std::string> lines = Logged();
  ASSERT_EQ(lines.size(), 3u);
  EXPECT_EQ(lines[0].rfind("Ordem calculada n=", 0), 0u);
  EXPECT_EQ(lines[1], "Ordem forçada para -3");
  EXPECT_EQ(lines[2], "Ordem negativa não é aceita; nenhum arquivo foi gerado.");
}

}  // namespace
