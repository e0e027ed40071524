// The extraction steps one at a time: what each appends and leaves, its
// refusals, and the refusals found half-way, which must leave the
// immittance and the network as they were.
#include "ladder/extractions.h"

#include <gtest/gtest.h>

#include "ladder/step_refused.h"
#include "tests/ladder/tramow_fixture.h"

namespace ladder_test {
namespace {

using base::Extended;

// The immittance as plain numbers, to compare before and after a step.
struct State {
  Coefficients n;
  Coefficients d;
  long double k = 0;
  bool admittance = false;
  std::int32_t elements = 0;
  friend bool operator==(const State&, const State&) = default;
};

class ExtractionsTest : public TramowFixture {
 protected:
  State Now() {
    const ladder::Immittance& f = model().current;
    State state;
    for (const Extended c : f.N.coefficients()) state.n.push_back(c.raw());
    for (const Extended c : f.D.coefficients()) state.d.push_back(c.raw());
    state.k = f.K.raw();
    state.admittance = f.admittance;
    state.elements = network().count;
    return state;
  }

  // Starts K·N/D, K the ratio of the leading coefficients given.
  void Start(bool admittance, const Coefficients& n, const Coefficients& d) {
    StartWith(admittance, n, d);
    mark = Logged().size();
  }

  std::size_t mark = 0;
};

TEST_F(ExtractionsTest, PoleAtInfinityLeavesTheRemainder) {
  Start(false, {2, 0, 1}, {0, 1});
  RunOperation(kExtractPoleAtInfinity);
  EXPECT_EQ(LoggedSince(mark), std::vector<std::string>{"L1:   1.000000000000000 em série"});
  EXPECT_EQ(Now(), (State{{1}, {0, 1}, 2, false, 1}));
}

TEST_F(ExtractionsTest, ConstantAtInfinityOfAnImpedanceAndOfAnAdmittance) {
  Start(false, {3, 1}, {1, 1});
  RunOperation(kExtractConstantAtInfinity);
  EXPECT_EQ(LoggedSince(mark), std::vector<std::string>{"R1:   1.000000000000000 em série"});
  EXPECT_EQ(Now(), (State{{1}, {1, 1}, 2, false, 1}));

  // the same polynomials, doubled, as an admittance: a conductance of K
  Start(true, {6, 2}, {1, 1});
  RunOperation(kExtractConstantAtInfinity);
  EXPECT_EQ(LoggedSince(mark), std::vector<std::string>{"R1:   0.500000000000000 em //"});
}

TEST_F(ExtractionsTest, GivenConstantOffersKAndKeepsTheLeadingConstant) {
  Start(false, {3, 1}, {1, 1});
  answers.push_back(kKeep);
  RunOperation(kExtractGivenConstant);
  EXPECT_EQ(LoggedSince(mark), std::vector<std::string>{"R1:   1.000000000000000 em série"});
  EXPECT_EQ(Now(), (State{{1}, {1, 1}, 2, false, 1}));

  // 3(s² + 2s + 2)/(s + 1) less 1: 3N - D is 3s² + 5s + 5, still of leading constant 3
  Start(false, {6, 6, 3}, {1, 1});
  answers.push_back("1");
  RunOperation(kExtractGivenConstant);
  EXPECT_EQ(Now(), (State{{5.0L / 3, 5.0L / 3, 1}, {1, 1}, 3, false, 1}));
}

TEST_F(ExtractionsTest, GivenConstantAboveKIsAskedAbout) {
  Start(false, {3, 1}, {1, 1});
  const State before = Now();
  answers.insert(answers.end(), {"1.5", "Não"});
  RunOperation(kExtractGivenConstant);
  EXPECT_EQ(LoggedSince(mark), std::vector<std::string>{"* A cte. pedida é maior que a cte. no infinito."});
  EXPECT_EQ(Now(), before);
  answers.insert(answers.end(), {"1.5", "Sim"});
  RunOperation(kExtractGivenConstant);
  EXPECT_EQ(network().count, 1);
  EXPECT_EQ(network().elements[1].value, Extended(1.5L));
}

TEST_F(ExtractionsTest, NegativeElementAtInfinityIsAskedAbout) {
  struct Case {
    bool admittance;
    Coefficients n, d;
    Operation operation;
    std::string warning;
    std::string element;  // appended after "Sim"
  };
  const Case cases[] = {
      {false,
       {-2, 0, -1},
       {0, 1},
       kExtractPoleAtInfinity,
       "* O elemento reativo a extrair é negativo.",
       "L1:  -1.000000000000000 em série"},
      {true,
       {-2, 0, -1},
       {0, 1},
       kExtractPoleAtInfinity,
       "* O elemento reativo a extrair é negativo.",
       "C1:  -1.000000000000000 em //"},
      {false,
       {-3, -1},
       {1, 1},
       kExtractConstantAtInfinity,
       "* O elemento resistivo a extrair é negativo.",
       "R1:  -1.000000000000000 em série"},
      {true,
       {-3, -2},
       {1, 1},
       kExtractConstantAtInfinity,
       "* O elemento resistivo a extrair é negativo.",
       "R1:  -0.500000000000000 em //"},
  };
  for (const Case& c : cases) {
    Start(c.admittance, c.n, c.d);
    const State before = Now();
    answers.push_back("Não");
    RunOperation(c.operation);
    EXPECT_EQ(LoggedSince(mark), std::vector<std::string>{c.warning});
    EXPECT_EQ(Now(), before) << c.element;
    EXPECT_TRUE(tramow.journal().steps.empty()) << c.element;
    mark = Logged().size();
    answers.push_back("Sim");
    RunOperation(c.operation);
    EXPECT_EQ(LoggedSince(mark), (std::vector<std::string>{c.warning, c.element})) << c.element;
  }
}

TEST_F(ExtractionsTest, PartialPoleTakesPartOfTheResidue) {
  // 2(s² + 1)/s at j√2: F/s0 = 1/2, so the inductor is K/2 = 1 and the
  // remainder s + 2/s keeps half the residue; its inverse's pole pair at
  // j√2 is the series tank across the line that ends the synthesis
  Start(false, {2, 0, 2}, {0, 1});
  answers.push_back("0 1.41421356237309504880");
  RunOperation(kExtractPartialPole);
  EXPECT_EQ(NamesAndValues(), (std::vector<std::string>{"L1=1", "L2=1", "C2=0.5"}));
  EXPECT_EQ(LoggedSince(mark),
            (std::vector<std::string>{
                "Zero escolhido =    0.000000000000000    1.414213562373095j", "L1:   1.000000000000000 em série",
                "Admitância: ", "L2:   1.000000000000000 em tanque série em //",
                "C2:   0.500000000000000 em tanque série em //", "Impedância: ", "Síntese completa.",
                "Erro relativo estimado dos valores dos elementos:    0.000000000000000"}));
}

TEST_F(ExtractionsTest, PartialConstantWarnsWithTheValuesTimesK) {
  Start(false, {6, 2}, {1, 1});
  const State before = Now();
  answers.insert(answers.end(), {"0 1", "Não"});
  RunOperation(kExtractPartialConstant);
  EXPECT_EQ(LoggedSince(mark), (std::vector<std::string>{
                                   "Zero escolhido =    0.000000000000000    1.000000000000000j",
                                   "* O elemento a extrair não seria real (   4.000000000000000  -2.000000000000000j).",
                                   "* O elemento resistivo a extrair é maior que a constante no infinito."}));
  EXPECT_EQ(Now(), before);
}

TEST_F(ExtractionsTest, RefusalsChangeNothing) {
  struct Case {
    bool admittance;
    Coefficients n, d;
    Operation operation;
    std::vector<std::string> answers;
    std::string line;  // the last line logged
  };
  const std::string nbsp = "\u00A0";
  const Case cases[] = {
      {false, {3, 1}, {1, 1}, kExtractPoleAtInfinity, {}, "* Não há" + nbsp + "polo simples no infinito."},
      {false, {2, 0, 1}, {0, 1}, kExtractConstantAtInfinity, {}, "* Não há" + nbsp + "cte. no infinito."},
      {false, {1}, {1, 1}, kExtractGivenConstant, {}, "* Não há" + nbsp + "cte. para extrair."},
      {false, {1, 1}, {1}, kExtractPartialPole, {}, "* Ordem insuficiente."},
      {false, {1, 1}, {1}, kExtractPartialConstant, {}, "* Ordem insuficiente."},
      {false, {1}, {1, 1}, kExtractPartialPole, {"Não"}, "* Não há" + nbsp + "polo no infinito."},
      {false, {1}, {2, 0, 1}, kExtractPartialConstant, {"Não"}, "* Não há" + nbsp + "constante no infinito."},
      {false, {2, 0, 1}, {1, 1}, kExtractPolePair, {"2 0"}, "* Não implementada extração de polo real."},
      // found only once the step has begun: the same, undone
      {false,
       {2, 1},
       {1, 1},
       kExtractPolePair,
       {"0 1"},
       "* Denominador de grau menor que 2: sem par de polos a remover; nada foi alterado."},
      {false,
       {1},
       {1, 0, 1},
       kExtractPolePair,
       {"0 1"},
       "* O resíduo do par de polos não forma um tanque; nada foi alterado."},
      {true,
       {3, 1},
       {1, 1},
       kExtractGivenConstant,
       {"0"},
       "* Cte. nula não é realizável em admitância; nada foi alterado."},
      {false,
       {2, 0, 1},
       {0, 1},
       kExtractPartialPole,
       {"0 0"},
       "* Ponto na origem: não há elemento a extrair; nada foi alterado."},
  };
  for (const Case& c : cases) {
    Start(c.admittance, c.n, c.d);
    const State before = Now();
    answers.insert(answers.end(), c.answers.begin(), c.answers.end());
    RunOperation(c.operation);
    const std::vector<std::string> logged = LoggedSince(mark);
    ASSERT_FALSE(logged.empty()) << c.line;
    EXPECT_EQ(logged.back(), c.line);
    EXPECT_EQ(Now(), before) << c.line;
    EXPECT_FALSE(model().complete) << c.line;
  }
}

TEST_F(ExtractionsTest, PartialStepRefusedInItsPolePairIsUndoneWhole) {
  // 2(s + 3)/(s + 1) at j: the resistance 4 is taken, the remainder's inverse
  // has only a first-degree denominator, so there is no pair to remove
  Start(false, {6, 2}, {1, 1});
  const State before = Now();
  answers.insert(answers.end(), {"0 1", "Sim"});
  RunOperation(kExtractPartialConstant);
  const std::vector<std::string> logged = LoggedSince(mark);
  ASSERT_GE(logged.size(), 3u);
  EXPECT_EQ(std::vector<std::string>(logged.end() - 3, logged.end()),
            (std::vector<std::string>{"R1:   4.000000000000000 em série", "Admitância: ",
                                      "* Denominador de grau menor que 2: sem par de polos a remover; nada foi "
                                      "alterado."}));
  EXPECT_EQ(Now(), before);
  EXPECT_EQ(network().name_counter, 0);
}

TEST_F(ExtractionsTest, TheTwoHundredAndFirstElementIsRefused) {
  Start(false, {2, 0, 1}, {0, 1});
  for (int k = 0; k < ladder::kMaxElements; ++k)
    ladder::AddElement(network(), tramow.console(), ladder::TElementKind::kSeriesR, 1, 1);
  mark = Logged().size();
  const State before = Now();
  RunOperation(kExtractPoleAtInfinity);
  EXPECT_EQ(LoggedSince(mark), std::vector<std::string>{"* A rede já tem 200 elementos; nada foi alterado."});
  EXPECT_EQ(Now(), before);
  EXPECT_EQ(network().name_counter, 200);
}

TEST_F(ExtractionsTest, DivisionByTheQuadraticFactor) {
  model().tolerance = 1E-8L;
  const ladder::PolePair q{1, 1, 0, 0};
  ladder::TPolynomial p;
  p.degree = 3;
  for (const std::size_t i : {0u, 1u, 2u, 3u}) p.a[i] = Coefficients{1, 2, 2, 1}[i];
  ladder::DivideByQuadratic(tramow.synthesis(), p, q);
  EXPECT_EQ(p.degree, 1);
  EXPECT_EQ(p.a[0], Extended(1));
  EXPECT_EQ(p.a[1], Extended(1));
  EXPECT_TRUE(Logged().empty());

  // s³ + 1 leaves a remainder
  p.degree = 3;
  for (const std::size_t i : {0u, 1u, 2u, 3u}) p.a[i] = Coefficients{1, 0, 0, 1}[i];
  ladder::DivideByQuadratic(tramow.synthesis(), p, q);
  EXPECT_EQ(p.degree, 1);
  EXPECT_EQ(Logged(), std::vector<std::string>{"* Possível remoção incorreta."});

  // a constant has no quotient at all
  p.degree = 0;
  EXPECT_THROW(ladder::DivideByQuadratic(tramow.synthesis(), p, q), ladder::StepRefused);
  EXPECT_EQ(p.degree, 0);
}

}  // namespace
}  // namespace ladder_test
