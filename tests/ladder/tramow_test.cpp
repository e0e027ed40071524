// The program as a whole: its windows, its preset text, the start of a
// synthesis and the bookkeeping of its completion.
#include "ladder/tramow.h"

#include <gtest/gtest.h>

#include "tests/ladder/tramow_fixture.h"

namespace ladder_test {
namespace {

using base::Extended;

class TramowTest : public TramowFixture {};

TEST_F(TramowTest, CreatesTenWindowsInOrderWithTheirCaptions) {
  const std::vector<std::pair<std::string, std::string>> expected = {
      {"Form1", "Zuzevi"},        {"Form2", "Número"},    {"Form3", "Questão"}, {"Form4", "Número"},
      {"Form5", "Inicialização"}, {"Form6", "Operações"}, {"Form7", "Texto"},   {"Form8", "Transformações"},
      {"Form9", "Gráfico"},       {"Form10", "Escalas"}};
  ASSERT_EQ(app.forms().size(), expected.size());
  for (std::size_t i = 0; i < expected.size(); ++i) {
    EXPECT_EQ(app.forms()[i]->name(), expected[i].first);
    EXPECT_EQ(app.forms()[i]->caption(), expected[i].second);
    EXPECT_FALSE(app.forms()[i]->visible()) << expected[i].first;
  }
  EXPECT_EQ(app.title(), "Tramow");
  EXPECT_NE(app.FindForm("Form2")->Find("NEreal"), nullptr);
  EXPECT_NE(app.FindForm("Form4")->Find("NEint"), nullptr);
  EXPECT_EQ(console_windows().text_prompt->field.text(), "Edit1");
  EXPECT_EQ(windows().initialization->entry_form.item_index(), 0);
  EXPECT_EQ(console_windows().operations->group.item_index(), -1);
  EXPECT_EQ(console_windows().operations->group.items().size(), 16u);
  EXPECT_EQ(windows().transformation->choice.item_index(), -1);
}

TEST_F(TramowTest, PresetTextKeepsItsTwentyLines) {
  const forms::Memo& log = console_windows().main->log;
  ASSERT_EQ(log.Count(), kPresetLines);
  EXPECT_EQ(log.Line(0), "Expansão de redes Zuzevi");
  EXPECT_EQ(log.Line(3), "Versão 2.0c de 22/7/2014");
  EXPECT_EQ(log.Line(4), "Conversão para Windows do programa para DOS de 1994.");
  EXPECT_EQ(log.Line(17), "No gráfico, as setas, A,R,+ e - movem as curvas, < e > movem o cursor  (shift");
  EXPECT_EQ(log.Line(19), "G e L controlam a grade e o tipo de escala log/linear.");
  EXPECT_TRUE(log.read_only());
}

TEST_F(TramowTest, IniciarRestoresTheParametersAndAsksTheKind) {
  StartWith(false, {1, 1}, {1});
  answers.insert(answers.end(), {"1e-3", "30", "4"});
  RunOperation(kChangeParameters);
  EXPECT_EQ(model().tolerance, Extended(1E-3L));
  EXPECT_EQ(model().width, 30);
  answers.push_back("Não");
  files.insert(files.end(), {"cancel", "cancel"});
  ChooseMenu("Iniciar");
  EXPECT_EQ(model().tolerance, Extended(1E-8L));
  EXPECT_EQ(model().width, 20);
  EXPECT_EQ(model().decimals, 15);
  EXPECT_EQ(model().current.N.degree, 0);
  EXPECT_EQ(model().current.D.degree, 0);
  EXPECT_TRUE(model().current.admittance);
  EXPECT_EQ(windows().initialization->kind_label.caption(), "Especificação de Y:");
  EXPECT_TRUE(windows().initialization->visible());
}

TEST_F(TramowTest, EachFileDialogOfTheEntryIsNamedByTheLineThatAsksForIt) {
  StartWith(false, {1, 1}, {1});
  answers.push_back("Não");
  files.insert(files.end(), {"cancel", "cancel"});
  ChooseMenu("Iniciar");
  const std::string zeros = "Zeros de transmissão a realizar (opcional)";
  const std::string poles = "polos da f. de t. a realizar (opcional)";
  EXPECT_EQ(dialogs, (std::vector<std::string>{zeros, poles, "Numerador", "Denominador", zeros, poles}));
}

TEST_F(TramowTest, CompletionIsAnnouncedOnceWithTheNetworkBackedUp) {
  StartWith(false, {2, 0, 1}, {0, 1});
  for (const Operation operation : {kExtractPoleAtInfinity, kInvertImmittance, kExtractPoleAtInfinity})
    RunOperation(operation);
  EXPECT_TRUE(tramow.completion_announced());
  EXPECT_EQ(tramow.backup().count, 2);
  EXPECT_EQ(tramow.backup().elements[2].name, "C2");
  for (const Operation operation : {kListNetwork, kExtractPoleAtInfinity, kListImmittance}) RunOperation(operation);
  const std::vector<std::string> logged = Logged();
  EXPECT_EQ(std::count(logged.begin(), logged.end(), "Síntese completa."), 1);

  // a restart announces its own completion and backs up its own network
  RunOperation(kRestartSameImmittance);
  EXPECT_FALSE(tramow.completion_announced());
  EXPECT_EQ(network().count, 0);
  EXPECT_EQ(network().name_counter, 0);
  // this time the whole admittance s/(s² + 2) as one series tank across the line
  RunOperation(kInvertImmittance);
  EXPECT_FALSE(tramow.completion_announced());
  answers.push_back("0 1.41421356237309504880");
  RunOperation(kExtractPolePair);
  EXPECT_TRUE(tramow.completion_announced());
  EXPECT_EQ(NamesAndValues(), (std::vector<std::string>{"L1=1", "C1=0.5"}));
  EXPECT_EQ(tramow.backup().count, 2);
  EXPECT_EQ(tramow.backup().elements[2].name, "C1");
}

TEST_F(TramowTest, EntryCleaningNamesEveryCoefficientItZeroes) {
  const auto warnings = [this] {
    std::vector<std::string> lines;
    for (const std::string& line : Logged())
      if (line.rfind("* ", 0) == 0) lines.push_back(line);
    return lines;
  };
  // the exact zero a(1) of N is not named; D loses its constant
  StartWith(false, {1E-9L, 0, 1}, {2E-12L, 1});
  EXPECT_EQ(warnings(),
            (std::vector<std::string>{
                "* Limpeza zerou a(0) do numerador:   0.000000001000000 (tolerância   0.000000010000000).",
                "* Limpeza zerou a(0) do denominador:   0.000000000002000 (tolerância   0.000000010000000)."}));
  EXPECT_EQ(model().current.N.degree, 2);
  EXPECT_EQ(model().current.D.degree, 1);

  // a step's rounding residue goes without a word: s² + (1 + 1e-12)s + 1
  // less s(s + 1) leaves 1e-12·s + 1
  StartWith(false, {1, 1 + 1E-12L, 1}, {1, 1});
  const std::size_t mark = Logged().size();
  RunOperation(kExtractPoleAtInfinity);
  EXPECT_EQ(LoggedSince(mark), std::vector<std::string>{"L1:   1.000000000000000 em série"});
  EXPECT_EQ(model().current.N.degree, 0);
}

TEST_F(TramowTest, DenominatorConstantOfZeroEndsTheEntry) {
  answers.push_back("Sim");
  files.insert(files.end(), {"cancel", "cancel"});
  ChooseMenu("Iniciar");
  files.push_back(WritePolynomial("n.n", {1, 1}));
  files.push_back(WritePolynomial("d.d", {1}, 0));
  app.Guard([&] { windows().initialization->apply.UserClick(); });
  EXPECT_EQ(messages, std::vector<std::string>{"Tramow: Floating point division by zero."});
  EXPECT_FALSE(console_windows().operations->visible());
  EXPECT_FALSE(windows().initialization->visible());
}

}  // namespace
}  // namespace ladder_test
