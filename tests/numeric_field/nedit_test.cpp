#include "numeric_field/nedit.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <optional>
#include <string>
#include <vector>

#include "base/errors.h"
#include "base/number_parse.h"
#include "forms/application.h"
#include "forms/backend.h"
#include "forms/form.h"

namespace numeric_field {
namespace {

// Windows that are never drawn; only the message boxes are remembered.
class NullBackend : public forms::Backend {
 public:
  void FormCreated(forms::Form&) override {}
  void FormChanged(forms::Form&) override {}
  void ShowForm(forms::Form&) override {}
  void HideForm(forms::Form&) override {}
  void RunModal(forms::Form&) override {}
  void EndModal(forms::Form&) override {}
  void ControlChanged(forms::Control&) override {}
  void MemoAppended(forms::Memo&, const std::string&) override {}
  void FocusChanged(forms::Form&) override {}
  void MessageBox(const std::string& caption, const std::string& text) override {
    message_boxes.push_back(caption + ": " + text);
  }
  bool ExecuteFileDialog(forms::FileDialog&) override { return false; }
  void InvalidatePaintBox(forms::PaintBox&) override {}
  forms::Canvas& CanvasOf(forms::PaintBox&) override { std::abort(); }  // no paint box here
  void Terminate() override {}

  std::vector<std::string> message_boxes;
};

// A dialog with a real field, an integer field and a text field.
class NEditTest : public testing::Test {
 protected:
  NEditTest() { app_.SetTitle("vessaw"); }

  NullBackend backend_;
  forms::Application app_{backend_};
  forms::Form& form_ = app_.CreateForm<forms::Form>("Form3", "Entrada");
  TNEdit& real_ = form_.Add<TNEdit>("NEreal", tipo_campo::real_field);
  TNEdit& int_ = form_.Add<TNEdit>("NEint", tipo_campo::int_field);
  TNEdit& text_ = form_.Add<TNEdit>("NEtexto", tipo_campo::text_field);
};

TEST_F(NEditTest, StartsAtZeroShowingItsKind) {
  EXPECT_EQ(real_.panel_real(), base::Extended(0));
  EXPECT_EQ(real_.panel_int(), 0);
  EXPECT_EQ(real_.text(), "0");
  EXPECT_EQ(int_.text(), "0");
  EXPECT_EQ(text_.text(), "");
}

TEST_F(NEditTest, RealValueShowsInTheGeneralForm) {
  const struct {
    long double x;
    const char* text;
  } cases[] = {
      {1.0L / 3.0L, "0.333333333333333"}, {0.00001L, "1E-5"}, {0.0001L, "0.0001"}, {1e15L, "1E15"},
      {1e15L - 1, "999999999999999"},     {1.1L, "1.1"},      {-40, "-40"},
  };
  for (const auto& c : cases) {
    real_.set_panel_real(c.x);
    EXPECT_EQ(real_.text(), c.text);
    EXPECT_EQ(real_.panel_real().raw(), c.x);
  }
}

struct TypedCase {
  const char* text;
  std::optional<long double> committed;  // nothing: refused
};

// The field first holds 7 (real) or 7 (integer); the text is typed, then the
// focus moves on.
const TypedCase kRealTyped[] = {
    {"1e3", 1000.0L},   {" 2", 2.0L},        {"2 ", std::nullopt},  {"1,5", std::nullopt}, {".", 0.0L},
    {"", std::nullopt}, {"-", std::nullopt}, {"abc", std::nullopt}, {"-2.5E-3", -2.5E-3L},
};

const TypedCase kIntTyped[] = {
    {"2147483648", std::nullopt},
    {"-2147483648", -2147483648.0L},
    {"$10", 16.0L},
    {"1.0", std::nullopt},
    {"", std::nullopt},
    {" 12", 12.0L},
};

long double StoredValue(const TNEdit& field) {
  return field.field_type() == tipo_campo::int_field ? field.panel_int() : field.panel_real().raw();
}

void CheckTyped(forms::Form& form, TNEdit& field, forms::Control& next, const TypedCase& c) {
  SCOPED_TRACE(testing::Message() << field.name() << " typed \"" << c.text << "\"");
  field.UserType(c.text);
  EXPECT_EQ(StoredValue(field), 7.0L) << "typed text is not a value before the exit check";
  if (c.committed) {
    EXPECT_NO_THROW(form.FocusControl(next));
    EXPECT_EQ(StoredValue(field), *c.committed);
    EXPECT_EQ(form.active_control(), &next);
  } else {
    try {
      form.FocusControl(next);
      ADD_FAILURE() << "not refused";
    } catch (const base::InvalidNumberError& error) {
      EXPECT_EQ(std::string(error.what()), std::string(c.text) + " is not a valid number");
    }
    EXPECT_EQ(StoredValue(field), 7.0L);
    EXPECT_EQ(form.active_control(), &field) << "the focus stays on the refused field";
  }
  EXPECT_EQ(field.text(), c.text) << "the text stays as typed";
}

TEST_F(NEditTest, TypedRealIsCommittedOrRefusedWhenTheFocusLeaves) {
  for (const TypedCase& c : kRealTyped) {
    real_.set_panel_real(7);
    real_.set_panel_int(3);
    CheckTyped(form_, real_, text_, c);
    EXPECT_EQ(real_.panel_int(), 3) << "the other value is not touched";
  }
}

TEST_F(NEditTest, TypedIntegerIsCommittedOrRefusedWhenTheFocusLeaves) {
  for (const TypedCase& c : kIntTyped) {
    int_.set_panel_int(7);
    int_.set_panel_real(0.25L);
    CheckTyped(form_, int_, text_, c);
    EXPECT_EQ(int_.panel_real().raw(), 0.25L) << "the other value is not touched";
  }
}

TEST_F(NEditTest, RefusalReachesTheDefaultErrorReport) {
  real_.set_panel_real(1.5L);
  real_.UserType("");
  EXPECT_FALSE(app_.Guard([&] { form_.FocusControl(int_); }));
  real_.UserType("1,5");
  EXPECT_FALSE(app_.Guard([&] { real_.ExitCheck(); }));
  EXPECT_EQ(backend_.message_boxes,
            (std::vector<std::string>{"vessaw:  is not a valid number.", "vessaw: 1,5 is not a valid number."}));
  EXPECT_EQ(real_.panel_real().raw(), 1.5L);
}

TEST_F(NEditTest, ShownValueIsCommittedRoundedToFifteenDigits) {
  real_.set_panel_real(1.0L / 3.0L);
  real_.ExitCheck();
  EXPECT_NE(real_.panel_real().raw(), 1.0L / 3.0L);
  EXPECT_EQ(real_.panel_real(), *base::ParseReal("0.333333333333333"));
  EXPECT_EQ(real_.text(), "0.333333333333333");
}

TEST_F(NEditTest, ValueOfTheOtherKindLeavesTheText) {
  real_.set_panel_real(0.5L);
  real_.set_panel_int(42);
  EXPECT_EQ(real_.text(), "0.5");
  EXPECT_EQ(real_.panel_int(), 42);

  int_.set_panel_int(-7);
  int_.set_panel_real(2.5L);
  EXPECT_EQ(int_.text(), "-7");
  EXPECT_EQ(int_.panel_real().raw(), 2.5L);

  text_.UserType("livre");
  text_.set_panel_real(1);
  text_.set_panel_int(1);
  EXPECT_EQ(text_.text(), "livre");
}

TEST_F(NEditTest, ChangingTheKindShowsTheStoredValueOfThatKind) {
  real_.set_panel_real(0.5L);
  real_.set_field_type(tipo_campo::int_field);
  EXPECT_EQ(real_.text(), "0");  // the stored integer
  real_.set_panel_int(12);
  real_.set_field_type(tipo_campo::real_field);
  EXPECT_EQ(real_.text(), "0.5");
  real_.set_field_type(tipo_campo::text_field);
  EXPECT_EQ(real_.text(), "0.5");
}

TEST_F(NEditTest, TextFieldRefusesNothingAndCommitsNothing) {
  text_.set_panel_real(3);
  text_.UserType("1,5");
  EXPECT_NO_THROW(form_.FocusControl(real_));
  EXPECT_EQ(text_.text(), "1,5");
  EXPECT_EQ(text_.panel_real().raw(), 3.0L);
}

TEST_F(NEditTest, DescriptionShowsTheStoredRealWithoutLeadingBlanks) {
  const struct {
    long double x;
    const char* line;
  } cases[] = {
      {1e-12L, "panel_real: 1.00000000000000000E-0012"},
      {-2.5L, "panel_real: -2.50000000000000000E+0000"},
      {__builtin_nanl(""), "panel_real: Nan"},
  };
  for (const auto& c : cases) {
    real_.set_panel_real(c.x);
    real_.set_panel_int(-3);
    std::vector<std::string> lines;
    real_.Describe(lines);
    EXPECT_EQ(lines, (std::vector<std::string>{"text: " + real_.text(), c.line, "panel_int: -3"}));
  }
}

}  // namespace
}  // namespace numeric_field
