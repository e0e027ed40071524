// The skeleton of a prompt-driven program: the windows in the order of the
// description, the console's windows found by their role, the menu of the
// main window, and the descriptions it refuses.
#include "frame/console_program.h"

#include <gtest/gtest.h>

#include <sstream>
#include <stdexcept>
#include <string>
#include <vector>

#include "forms/main_menu.h"
#include "forms/script/script_backend.h"
#include "tests/base/extended_printer.h"
#include "tests/frame/frame_program.h"

namespace frame {
namespace {

using numeric_field::tipo_campo;

// A program's own window, the smallest there is.
class OwnForm : public forms::Form {
 public:
  OwnForm(forms::Application& app, const std::string& name) : forms::Form(app, name, "Própria") {}
};

class ConsoleProgramTest : public ::testing::Test {
 protected:
  ConsoleProgramTest() { backend.Attach(app); }

  std::vector<std::string> FormNames() const {
    std::vector<std::string> names;
    for (const auto& form : app.forms()) names.push_back(form->name());
    return names;
  }

  forms::script::Script script = forms::script::Script::FromText("");
  std::ostringstream transcript;
  forms::script::ScriptBackend backend{script, transcript, false};
  forms::Application app{backend};
  std::int32_t width = 20;
  std::int32_t decimals = 15;
};

TEST_F(ConsoleProgramTest, WindowsStandInTheDescribedOrderAndTheConsoleFindsEachByItsRole) {
  OwnForm* own = nullptr;
  ConsoleProgram program(
      app, ConsoleProgramSetup{
               .title = "Vessaw",
               .main = {.caption = "Vessa", .preset = {"Aproximações por Função Característica"}},
               .windows = {Own(own, std::string("Form2")),
                           NumberPromptSetup{.form_name = "Form3",
                                             .caption = "Inteiro",
                                             .field_name = "NEdit1",
                                             .kind = tipo_campo::int_field,
                                             .button_caption = "Aplicar"},
                           QuestionSetup{
                               .form_name = "Form4", .caption = "Pergunta", .yes_caption = "sim", .no_caption = "não"},
                           NumberPromptSetup{.form_name = "Form5",
                                             .caption = "Real",
                                             .field_name = "NEdit1",
                                             .kind = tipo_campo::real_field,
                                             .button_caption = "Aplicar"},
                           OperationsSetup{.form_name = "Form6",
                                           .caption = "Operações",
                                           .group_name = "RGmenu",
                                           .group_caption = "Operação",
                                           .button_caption = "Aplicar"},
                           SelectionSetup{.form_name = "Form7", .caption = "Seleção"}},
               .operations = {{"Editar parâmetros", {}, {}}},
               .width = &width,
               .decimals = &decimals,
               .question_suffix = "?"});

  EXPECT_EQ(app.title(), "Vessaw");
  EXPECT_EQ(FormNames(), (std::vector<std::string>{"Form1", "Form2", "Form3", "Form4", "Form5", "Form6", "Form7"}));
  EXPECT_EQ(&app.main_form(), program.windows().main);
  ASSERT_NE(own, nullptr);
  EXPECT_EQ(own, app.FindForm("Form2"));
  EXPECT_EQ(program.windows().operations->group.items(), std::vector<std::string>{"Editar parâmetros"});
  EXPECT_EQ(program.windows().text_prompt, nullptr);

  std::vector<std::string> asked;
  backend.modal_hook = [&](forms::Form& form) {
    asked.push_back(form.name());
    if (auto* question = dynamic_cast<QuestionForm*>(&form)) question->yes.UserClick();
    if (auto* selection = dynamic_cast<SelectionForm*>(&form)) selection->list.UserClickItem(1);
  };
  base::Extended real = 1.5L;
  std::int32_t integer = 3;
  program.console().AskReal("Real:", real);
  program.console().AskInteger("Inteiro:", integer);
  EXPECT_TRUE(program.console().AskYesNo("Escalar para wp=1"));
  EXPECT_EQ(program.windows().question->label.caption(), "Escalar para wp=1?");
  EXPECT_EQ(program.console().AskChoice("Tipo:", "[A],[B]"), 'B');
  EXPECT_EQ(asked, (std::vector<std::string>{"Form5", "Form3", "Form4", "Form7"}));
  EXPECT_EQ(program.console().RealToText(1), "   1.000000000000000");
}

TEST(ConsoleProgramMenuTest, IniciarRunsTheDescribedStartAndTerminarEndsTheProgram) {
  FrameProgram program;
  const forms::MenuItem* start = program.main.menu.FindItem("Iniciar");
  const forms::MenuItem* end = program.main.menu.FindItem("Terminar");
  ASSERT_NE(start, nullptr);
  ASSERT_NE(end, nullptr);
  program.app.Guard(start->on_click);
  program.app.Guard(start->on_click);
  EXPECT_EQ(program.starts, 2);
  EXPECT_FALSE(program.app.terminated());
  program.app.Guard(end->on_click);
  EXPECT_TRUE(program.app.terminated());
}

// A second window of one role would leave the first one out of the console;
// a number prompt takes reals or integers only.
TEST_F(ConsoleProgramTest, ADescriptionWithASecondWindowOfARoleOrATextNumberPromptIsRefused) {
  const NumberPromptSetup real{.form_name = "Form2", .kind = tipo_campo::real_field};
  const NumberPromptSetup integer{.form_name = "Form3", .kind = tipo_campo::int_field};
  const NumberPromptSetup text{.form_name = "Form4", .kind = tipo_campo::text_field};
  const QuestionSetup question{.form_name = "Form5"};
  const OperationsSetup operations{.form_name = "Form6"};
  struct Case {
    const char* what;
    std::vector<WindowSetup> windows;
  };
  const Case refused[] = {{"two real prompts", {real, integer, real}},
                          {"two questions", {question, question}},
                          {"two operations windows", {operations, operations}},
                          {"a number prompt of text", {integer, text}}};
  for (const Case& c : refused) {
    forms::Application other{backend};
    EXPECT_THROW(ConsoleProgram(other, ConsoleProgramSetup{.windows = c.windows}), std::logic_error) << c.what;
  }
  forms::Application accepted{backend};
  EXPECT_NO_THROW(ConsoleProgram(accepted, ConsoleProgramSetup{.windows = {real, integer, question, operations}}));
}

}  // namespace
}  // namespace frame
