#include "workbench/vessaw.h"

#include <gtest/gtest.h>

#include <iterator>
#include <string>
#include <vector>

#include "tests/workbench/vessaw_fixture.h"
#include "workbench/operations.h"
#include "workbench/parameters_dialog.h"
#include "workbench/parameters_form.h"

namespace workbench_test {
namespace {

using workbench::ParametersForm;

class VessawTest : public VessawFixture {};

TEST_F(VessawTest, CreatesElevenWindowsInOrderWithTheirCaptions) {
  const std::vector<std::pair<std::string, std::string>> expected = {{"Form1", "Vessa"},
                                                                     {"Form2", "Pergunta"},
                                                                     {"Form3", "Real"},
                                                                     {"Form4", "Inteiro"},
                                                                     {"Form5", "Raízes"},
                                                                     {"Form6", "Operações"},
                                                                     {"Form7", "Resposta em frequência"},
                                                                     {"Form8", "Escalas"},
                                                                     {"Form9", "Seleção"},
                                                                     {"Form10", "Parâmetros"},
                                                                     {"Form11", "Parâmetros para raízes"}};
  ASSERT_EQ(app.forms().size(), expected.size());
  for (std::size_t i = 0; i < expected.size(); ++i) {
    EXPECT_EQ(app.forms()[i]->name(), expected[i].first);
    EXPECT_EQ(app.forms()[i]->caption(), expected[i].second);
    EXPECT_FALSE(app.forms()[i]->visible()) << expected[i].first;
  }
  EXPECT_EQ(app.title(), "Vessaw");
}

TEST_F(VessawTest, ConsoleStartsWithAboutTextAndIsReadOnly) {
  const forms::Memo& memo = console_windows().main->log;
  ASSERT_EQ(memo.Count(), kAboutLines);
  EXPECT_EQ(memo.Line(0), "Aproximações por Função Característica");
  EXPECT_EQ(memo.Line(2), "");
  EXPECT_EQ(memo.Line(12), "O programa plota gráficos de várias funções e de raízes dos vários polinômios.");
  EXPECT_TRUE(memo.read_only());
}

TEST_F(VessawTest, OperationsWindowListsEighteenOperationsFirstSelected) {
  const forms::RadioGroup& menu = console_windows().operations->group;
  ASSERT_EQ(menu.items().size(), 18u);
  EXPECT_EQ(menu.caption(), "Operação");
  EXPECT_EQ(menu.item_index(), 0);
}

// Each operation's item has its caption and runs that operation: after
// "Iniciar", with every dialog closed by its close box, the first line it
// logs is its own.
TEST_F(VessawTest, EachNamedOperationHasItsCaptionAndRunsItsOwnAction) {
  using enum workbench::Operation;
  struct Case {
    workbench::Operation operation;
    const char* caption;
    const char* first_line;
  };
  const Case cases[] = {
      {kGenerateCharacteristicPolynomial, "Gerar polinômio característico Q(w)",
       "Polinômio característico da aproximação:"},
      {kPolynomialApproximation, "K(s) para K(jw) polinomial", "Aproximação polinomial:"},
      {kInversePolynomialApproximation, "K(s) para K(jw) polinomial inversa", "Aproximação polinomial inversa:"},
      {kSymmetricRationalApproximation, "K(s) para K(jw) racional simétrica",
       "Aproximação racional simétrica (Q(w) gerado externamente):"},
      {kModifiedSymmetricRationalApproximation, "K(s) para K(jw) racional simétrica modificada",
       "Aproximação Racional Simétrica modificada (Q(w) gerado externamente):"},
      {kBesselApproximation, "H(s) para aproximação de Bessel", "E(s) e P(s) calculados."},
      {kComputeE, "Calcular E(s) tendo K(s)=F(s)/P(s)", "Cálculo de E(s) pela equação de FeldtKeller:"},
      {kComputeF, "Calcular F(s) tendo H(s)=E(s)/P(s)", "[Cálculo de F(s) pela equação de FeldtKeller]:"},
      {kImmittances, "Gerar imitâncias para síntese de rede passiva", "Imitâncias para síntese:"},
      {kFrequencyTransformations, "Transformações de frequência",
       "* Transformações exigem a aproximação passa-baixas completa *"},
      {kListPolynomial, "Listar/salvar polinômio", "Listar:"},
      {kListRoots, "Listar/salvar últimas raizes calculadas", "Raízes:"},
      {kRootPlot, "Gráfico das últimas raízes calculadas no plano complexo",
       "* Não h\u00e1\u00a0ra\u00edzes calculadas *"},
      {kReadEditPolynomial, "Ler/editar polinômio", "-> Q(w)."},
      {kSquarePolynomial, "Elevar polinômio ao quadrado", "Elevar ao quadrado:"},
      {kPolynomialRoots, "Raízes de polinômio", "Raízes de:"},
      {kFrequencyResponse, "Gráficos de resposta em frequência", "Gráfico de resposta em frequência:"},
      {kEditParameters, "Editar parâmetros", "Parâmetros editados."},
  };
  ASSERT_EQ(std::size(cases), workbench::kOperationCount);
  for (const Case& c : cases) {
    EXPECT_EQ(console_windows().operations->group.items()[static_cast<std::size_t>(c.operation)], c.caption);
    ChooseMenu("Iniciar");
    const std::size_t mark = Logged().size();
    RunOperation(c.operation);
    const std::vector<std::string> lines = LoggedSince(mark);
    ASSERT_FALSE(lines.empty()) << c.caption;
    EXPECT_EQ(lines.front(), c.first_line) << c.caption;
  }
}

TEST_F(VessawTest, IniciarSetsDefaultsLogsVersionAndShowsOperations) {
  ChooseMenu("Iniciar");
  const workbench::Parameters& p = vessaw.parameters();
  EXPECT_EQ(p.tolr, base::Extended(1E-12L));
  EXPECT_EQ(p.xr0, base::Extended(-1.1L));
  EXPECT_EQ(p.xi0, base::Extended(1.1L));
  EXPECT_FALSE(p.same_initial);
  EXPECT_EQ(p.toln, base::Extended(1E15L));
  EXPECT_EQ(p.tolm, base::Extended(1E-8L));
  EXPECT_EQ(p.told, base::Extended(1E-10L));
  EXPECT_EQ(p.width, 26);
  EXPECT_EQ(p.decimals, 18);
  EXPECT_EQ(p.order, 1);
  EXPECT_EQ(p.amin, base::Extended(40));
  // 10 log10 2, not 3
  EXPECT_NEAR(static_cast<double>(p.amax.raw()), 3.0102999566398119521, 1e-15);
  EXPECT_EQ(vessaw.plot_colours().yellow, (forms::Color{255, 255, 0}));
  EXPECT_EQ(vessaw.plot_colours().grey, (forms::Color{128, 128, 128}));
  EXPECT_EQ(vessaw.plot_colours().white, (forms::Color{255, 255, 255}));
  EXPECT_EQ(Logged(), std::vector<std::string>{"Versão 2.7a de 26/4/2019"});
  EXPECT_TRUE(console_windows().operations->visible());
}

TEST_F(VessawTest, SecondIniciarRestoresEditedParameters) {
  ChooseMenu("Iniciar");
  vessaw.parameters().tolr = 1E-3L;
  vessaw.parameters().width = 200;
  vessaw.parameters().same_initial = true;
  ChooseMenu("Iniciar");
  EXPECT_EQ(vessaw.parameters().tolr, base::Extended(1E-12L));
  EXPECT_EQ(vessaw.parameters().width, 26);
  EXPECT_FALSE(vessaw.parameters().same_initial);
  EXPECT_EQ(Logged(), (std::vector<std::string>{"Versão 2.7a de 26/4/2019", "Versão 2.7a de 26/4/2019"}));
}

TEST_F(VessawTest, OperationsWindowRefusesToClose) {
  ChooseMenu("Iniciar");
  console_windows().operations->Close();
  EXPECT_TRUE(console_windows().operations->visible());
}

TEST_F(VessawTest, TerminarEndsProgram) {
  ChooseMenu("Terminar");
  EXPECT_TRUE(app.terminated());
}

TEST_F(VessawTest, NoOperationForIndexOutsideTable) {
  ChooseMenu("Iniciar");
  console_windows().operations->group.SetItemIndex(-1);
  app.Guard([&] { console_windows().operations->button.UserClick(); });
  EXPECT_TRUE(user.modal_forms.empty());
  EXPECT_EQ(Logged().size(), 1u);
}

class EditParametersTest : public VessawTest {
 protected:
  void SetUp() override { ChooseMenu("Iniciar"); }

  void EditParameters() {
    app.Guard(
        [this] { workbench::EditParameters(*windows().parameters, vessaw.parameters(), vessaw.console().log()); });
  }
};

TEST_F(EditParametersTest, ShowsCurrentValuesAndTakesEditedOnes) {
  std::vector<std::string> shown;
  bool ticked = true;
  user.on_modal = [&](forms::Form& form) {
    auto& dialog = dynamic_cast<ParametersForm&>(form);
    for (const numeric_field::TNEdit* field :
         {&dialog.root_tolerance, &dialog.initial_real, &dialog.initial_imaginary, &dialog.coefficient_spread,
          &dialog.magnitude_tolerance, &dialog.derivative_tolerance, &dialog.width, &dialog.decimals})
      shown.push_back(field->text());
    ticked = dialog.same_initial.checked();
    dialog.root_tolerance.UserType("1e-9");
    dialog.same_initial.UserSetChecked(true);
    dialog.width.UserType("200");
    dialog.decimals.UserType("-3");
    dialog.apply.UserClick();
  };
  EditParameters();
  EXPECT_EQ(user.modal_forms, std::vector<std::string>{"Form10"});
  EXPECT_EQ(shown, (std::vector<std::string>{"1E-12", "-1.1", "1.1", "1E15", "1E-8", "1E-10", "26", "18"}));
  EXPECT_FALSE(ticked);
  const workbench::Parameters& p = vessaw.parameters();
  EXPECT_EQ(p.tolr, base::Extended(1E-9L));
  EXPECT_TRUE(p.same_initial);
  // no range check: the console reduces the width itself
  EXPECT_EQ(p.width, 200);
  EXPECT_EQ(p.decimals, -3);
  EXPECT_EQ(p.xr0, base::Extended(-1.1L));
  EXPECT_EQ(Logged().back(), "Parâmetros editados.");
}

TEST_F(EditParametersTest, CloseBoxTakesCommittedValuesOnly) {
  user.on_modal = [&](forms::Form& form) {
    auto& dialog = dynamic_cast<ParametersForm&>(form);
    dialog.magnitude_tolerance.UserType("1e-6");
    dialog.derivative_tolerance.UserType("xyz");      // leaving magnitude_tolerance commits it
    app.Guard([&] { dialog.width.UserType("30"); });  // refused: the focus stays
    dialog.Close();
  };
  EditParameters();
  const workbench::Parameters& p = vessaw.parameters();
  EXPECT_EQ(p.tolm, base::Extended(1E-6L));
  EXPECT_EQ(p.told, base::Extended(1E-10L));
  EXPECT_EQ(p.width, 26);
  EXPECT_EQ(user.messages, std::vector<std::string>{"Vessaw: xyz is not a valid number."});
  EXPECT_EQ(Logged().back(), "Parâmetros editados.");
}

}  // namespace
}  // namespace workbench_test
