// The network transformations on small lists, and the double-tank
// conversion checked against the band-pass image of the tank it came from.
#include "ladder/transformations.h"

#include <gtest/gtest.h>

#include "ladder/step_refused.h"
#include "tests/ladder/network_evaluator.h"
#include "tests/ladder/tramow_fixture.h"

namespace ladder_test {
namespace {

using base::Extended;
using Kind = ladder::TElementKind;

struct Element {
  Kind kind;
  std::string name;
  long double value;
  friend bool operator==(const Element&, const Element&) = default;
};

std::ostream& operator<<(std::ostream& out, const Element& e) {
  return out << e.name << '(' << static_cast<int>(e.kind) << ")=" << e.value;
}

class TransformationsTest : public TramowFixture {
 protected:
  TransformationsTest() {
    model().width = 20;
    model().decimals = 15;
  }

  // The list as if a synthesis had left it.
  void SetNetwork(const std::vector<Element>& elements) {
    network().Clear();
    for (const Element& e : elements) {
      network().count += 1;
      network().elements[static_cast<std::size_t>(network().count)] = {e.kind, e.name, e.value};
    }
    network().name_counter = network().count;
  }

  std::vector<Element> Elements() {
    std::vector<Element> out;
    for (std::int32_t i = 1; i <= network().count; ++i) {
      const ladder::TNetworkElement& e = network().elements[static_cast<std::size_t>(i)];
      out.push_back({e.kind, e.name, e.value.raw()});
    }
    return out;
  }

  // Runs "Transformações na rede" as the operations window does.
  void Transform(const std::string& item, std::initializer_list<std::string> values = {}) {
    answers.push_back(item);
    answers.insert(answers.end(), values);
    app.Guard([&] {
      const ladder::Synthesis s = tramow.synthesis();
      ladder::RunRefusable(s, [&] { ladder::TransformNetwork(s, *windows().transformation, tramow.backup()); });
    });
  }
};

TEST_F(TransformationsTest, HighpassTurnsEveryLIntoACAndBack) {
  SetNetwork({{Kind::kSeriesL, "L1", 1}, {Kind::kShuntC, "C1", 2}, {Kind::kLossRL, "RL1", 3}});
  Transform("Passa-Baixas - Passa-Altas", {"1"});
  EXPECT_EQ(Elements(),
            (std::vector<Element>{{Kind::kSeriesC, "C1", 1}, {Kind::kShuntL, "L1", 0.5L}, {Kind::kLossRL, "RL1", 3}}));
  EXPECT_EQ(Logged(), std::vector<std::string>{"Transformação PB-PA."});
}

TEST_F(TransformationsTest, BandpassMakesResonatorsAndRenumbers) {
  SetNetwork({{Kind::kSeriesR, "R1", 1}, {Kind::kSeriesL, "L1", 1}, {Kind::kShuntC, "C2", 2}});
  Transform("Passa-Baixas - Passa-Faixa", {"1", "0.1", "Não"});
  EXPECT_EQ(Elements(), (std::vector<Element>{{Kind::kSeriesR, "R1", 1},
                                              {Kind::kSeriesL, "L2", 10},
                                              {Kind::kSeriesC, "C2", 0.1L},
                                              {Kind::kShuntC, "C3", 20},
                                              {Kind::kShuntL, "L3", 0.05L}}));
  EXPECT_EQ(Logged(), (std::vector<std::string>{"Transformação PB-PF.", "R1:   1.000000000000000 em série",
                                                "L2:  10.000000000000000 em série", "C2:   0.100000000000000 em série",
                                                "C3:  20.000000000000000 em //", "L3:   0.050000000000000 em //"}));
}

TEST_F(TransformationsTest, BandstopIsHighpassThenBandpass) {
  SetNetwork({{Kind::kSeriesL, "L1", 2}});
  Transform("Passa-Baixas - Rejeita-Faixa", {"2", "0.5", "Não"});
  // 2 H becomes a series 0.5 F, then a parallel tank of 1 F and 0.25 H
  EXPECT_EQ(Elements(), (std::vector<Element>{{Kind::kSeriesTankC, "C1", 1}, {Kind::kSeriesTankL, "L1", 0.25L}}));
}

TEST_F(TransformationsTest, ScalingsLeaveWhatTheyDoNotScale) {
  const std::vector<Element> lossy_tank{{Kind::kSeriesTankL, "L1", 2},
                                        {Kind::kLossRL, "RL1", 0.5L},
                                        {Kind::kSeriesTankC, "C1", 4},
                                        {Kind::kLossRC, "RC1", 8}};
  SetNetwork(lossy_tank);
  Transform("Escalar em frequência", {"2"});
  EXPECT_EQ(Elements(), (std::vector<Element>{{Kind::kSeriesTankL, "L1", 1},
                                              {Kind::kLossRL, "RL1", 0.5L},
                                              {Kind::kSeriesTankC, "C1", 2},
                                              {Kind::kLossRC, "RC1", 8}}));
  SetNetwork(lossy_tank);
  Transform("Escalar em impedância", {"2"});
  EXPECT_EQ(Elements(), (std::vector<Element>{{Kind::kSeriesTankL, "L1", 4},
                                              {Kind::kLossRL, "RL1", 1},
                                              {Kind::kSeriesTankC, "C1", 2},
                                              {Kind::kLossRC, "RC1", 16}}));
  EXPECT_EQ(Logged(), (std::vector<std::string>{"Escalamento em frequência.", "Escalamento em impedância."}));
}

TEST_F(TransformationsTest, SpreadMakesTheSmallestLAndCEqual) {
  SetNetwork({{Kind::kShuntC, "C1", 8}, {Kind::kSeriesL, "L2", 2}, {Kind::kShuntC, "C3", 4}});
  Transform("Otimizar dispersão de valores LC");
  // k = sqrt(4/2): both smallest become sqrt(8)
  const long double k = std::sqrt(2.0L);
  const std::vector<Element> elements = Elements();
  ASSERT_EQ(elements.size(), 4u);
  EXPECT_NEAR(elements[1].value, elements[2].value, 1E-18L);
  EXPECT_EQ(elements[3].name, "R3");
  EXPECT_EQ(elements[3].kind, Kind::kShuntR);
  EXPECT_NEAR(elements[3].value, k, 1E-18L);

  // without capacitors the smallest C stays at 1e30
  SetNetwork({{Kind::kSeriesL, "L1", 4}});
  Transform("Otimizar dispersão de valores LC");
  EXPECT_NEAR(network().elements[1].value.raw(), 2E15L, 1);
}

TEST_F(TransformationsTest, RestoreGivesBackTheNetworkOfTheCompletion) {
  StartWith(false, {2, 0, 1}, {0, 1});
  for (const Operation operation : {kExtractPoleAtInfinity, kInvertImmittance, kExtractPoleAtInfinity})
    RunOperation(operation);
  ASSERT_TRUE(tramow.completion_announced());
  const std::vector<Element> completed = Elements();
  Transform("Passa-Baixas - Passa-Faixa", {"3", "0.5", "Não"});
  Transform("Escalar em impedância", {"50"});
  ASSERT_NE(Elements(), completed);
  const std::int32_t counter = network().name_counter;
  Transform("Recuperar rede original");
  EXPECT_EQ(Elements(), completed);
  EXPECT_EQ(network().name_counter, counter);
  EXPECT_EQ(Logged().back(), "Rede recuperada.");
}

TEST_F(TransformationsTest, NoChoiceOrNotTransformingDoesNothing) {
  SetNetwork({{Kind::kSeriesL, "L1", 1}});
  Transform("");
  Transform("Não transformar");
  EXPECT_EQ(Elements(), (std::vector<Element>{{Kind::kSeriesL, "L1", 1}}));
  EXPECT_TRUE(Logged().empty());
}

TEST_F(TransformationsTest, BandpassBeyondTwoHundredElementsIsRefused) {
  std::vector<Element> elements;
  for (int k = 1; k <= 101; ++k) elements.push_back({Kind::kShuntC, "C" + std::to_string(k), 1});
  SetNetwork(elements);
  Transform("Passa-Baixas - Passa-Faixa");
  Transform("Passa-Baixas - Rejeita-Faixa");
  EXPECT_EQ(Elements(), elements);
  EXPECT_EQ(Logged(), std::vector<std::string>(2,
                                               "* A rede transformada teria mais de 200 elementos; nada foi "
                                               "alterado."));
}

// The impedance at s of the low-pass tank L ∥ C after s -> (s² + w0²)/(B s).
Complex BandpassTankImpedance(long double l, long double c, long double b, long double w0, Complex s) {
  const Complex p = (s * s + w0 * w0) / (b * s);
  return 1.0L / (1.0L / (p * l) + p * c);
}

TEST_F(TransformationsTest, DoubleTankBecomesTwoParallelTanksInSeries) {
  struct Case {
    std::vector<Element> tank;
    const char* line;
  };
  const Case cases[] = {
      {{{Kind::kSeriesTankL, "L2", 1.5L}, {Kind::kSeriesTankC, "C2", 0.4L}}, "Transformado tanque série LCCL L1-C2"},
      {{{Kind::kSeriesTankC, "C2", 0.4L}, {Kind::kSeriesTankL, "L2", 1.5L}}, "Transformado tanque série CLLC L1-C2"},
  };
  const long double b = 0.3L, w0 = 2;
  for (const Case& c : cases) {
    SetNetwork(c.tank);
    const std::size_t mark = Logged().size();
    Transform("Passa-Baixas - Passa-Faixa", {"2", "0.3", "Sim"});
    const std::vector<LadderElement> ladder = Ladder();
    ASSERT_EQ(ladder.size(), 4u);
    for (std::size_t k = 0; k < 4; ++k) {
      EXPECT_EQ(ladder[k].name.substr(0, 1), k % 2 == 0 ? "L" : "C") << c.line;
      EXPECT_EQ(ladder[k].connection, "tanque // em série") << c.line;
    }
    EXPECT_EQ(LoggedSince(mark).back(), c.line);
    for (const Complex s : {Complex(0, 0.5L), Complex(0, 1.9L), Complex(0.1L, 2.3L), Complex(0, 7)}) {
      const Complex expected = BandpassTankImpedance(1.5L, 0.4L, b, w0, s);
      const Complex network = EvaluateLadder(ladder, FarEnd::kShort, s).Impedance();
      EXPECT_LE(std::abs(network - expected), 1E-15L * std::abs(expected)) << c.line << " at " << s;
    }
  }
}

TEST_F(TransformationsTest, DoubleTankWithNegativeValuesIsLeftUnconverted) {
  // Cp/Cs = Ls/Lp = -1: the square roots' arguments are -1/3
  EXPECT_FALSE(ladder::ConvertDoubleTank(1, -1, -1, 1).has_value());
  EXPECT_TRUE(ladder::ConvertDoubleTank(1, 1, 1, 1).has_value());
  // a tank with a negative inductor, as a synthesis may leave when its
  // warnings are overruled
  SetNetwork({{Kind::kSeriesTankL, "L1", -1}, {Kind::kSeriesTankC, "C1", 1}});
  Transform("Passa-Baixas - Passa-Faixa", {"1", "1", "Sim"});
  EXPECT_EQ(Elements(), (std::vector<Element>{{Kind::kSeriesTankL, "L1", -1},
                                              {Kind::kSeriesTankC, "C1", -1},
                                              {Kind::kSeriesTankC, "C2", 1},
                                              {Kind::kSeriesTankL, "L2", 1}}));
  EXPECT_EQ(Logged().back(), "* Tanque série L1-L2 não transformado: raiz de número negativo.");
  EXPECT_TRUE(messages.empty());
}

}  // namespace
}  // namespace ladder_test
