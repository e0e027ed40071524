#include "workbench/listings.h"

#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>
#include <initializer_list>
#include <string>
#include <vector>

#include "frame/selection_form.h"
#include "tests/base/extended_printer.h"
#include "tests/base/scratch_folder.h"
#include "tests/workbench/vessaw_fixture.h"

namespace workbench_test {
namespace {

namespace fs = std::filesystem;
using base::Extended;
using workbench::Registers;
using workbench::TPolynomialRecord;
using Lines = std::vector<std::string>;

// A started workbench with a folder of its own for the files it saves.
class ListingsTest : public VessawFixture {
 protected:
  void SetUp() override { ChooseMenu("Iniciar"); }
  Registers& registers() { return vessaw.registers(); }

  void SetX(const test_support::TestPolynomial& p, long double constant) { registers().X = Record(p, constant); }

  void ListPolynomial(bool offer) {
    workbench::ListPolynomial(registers().X, vessaw.parameters(), vessaw.console(), offer, "Polinômio X(s)");
  }
  void ListRoots() { workbench::ListRoots(registers(), vessaw.parameters(), vessaw.console(), "Raízes"); }

  struct Root {
    long double re, im;
  };
  void SetRoots(std::initializer_list<Root> roots, long double constant) {
    Registers& r = registers();
    r.X.degree = static_cast<int>(roots.size());
    r.X.constant = constant;
    int i = 1;
    for (const Root& root : roots) {
      r.roots.re[static_cast<std::size_t>(i)] = root.re;
      r.roots.im[static_cast<std::size_t>(i)] = root.im;
      ++i;
    }
    r.roots_defined = true;
  }

  test_support::ScratchFolder files{"workbench_tests"};
};

TEST_F(ListingsTest, ListsCoefficientsAndConstantAndSavesFile) {
  SetX({2, -0.5L, 1}, 3);
  user.file_answer = files.PathOf("x.n");
  const std::size_t mark = Logged().size();
  ListPolynomial(true);
  EXPECT_EQ(LoggedSince(mark), (Lines{
                                   "- a(0):       2.000000000000000000",
                                   "- a(1):      -0.500000000000000000",
                                   "- a(2):       1.000000000000000000",
                                   "- Cte:         3.000000000000000000",
                                   "Polinômio salvo no arquivo " + files.PathOf("x.n"),
                               }));
  EXPECT_EQ(files.ReadBytes(files.PathOf("x.n")),
            "2\r\n"
            "      2.000000000000000000\r\n"
            "     -0.500000000000000000\r\n"
            "      1.000000000000000000\r\n"
            "      3.000000000000000000\r\n");
}

TEST_F(ListingsTest, FileTakesWholeFormatWhileConsoleCutsIt) {
  // 130 decimals act as -126 on the console, which then writes exponent form
  vessaw.parameters().width = 10;
  vessaw.parameters().decimals = 130;
  SetX({1}, 1);
  user.file_answer = files.PathOf("wide.n");
  const std::size_t mark = Logged().size();
  ListPolynomial(true);
  EXPECT_EQ(LoggedSince(mark).front(), "- a(0):  1.0E+0000");
  const std::string one = "1." + std::string(130, '0');
  EXPECT_EQ(files.ReadBytes(files.PathOf("wide.n")), "0\r\n" + one + "\r\n" + one + "\r\n");
}

TEST_F(ListingsTest, VanishedPolynomialListsOnlyConstant) {
  SetX({}, 2);
  user.file_answer = files.PathOf("zero.n");
  const std::size_t mark = Logged().size();
  ListPolynomial(true);
  EXPECT_EQ(LoggedSince(mark),
            (Lines{"- Cte:         2.000000000000000000", "Polinômio salvo no arquivo " + files.PathOf("zero.n")}));
  EXPECT_EQ(files.ReadBytes(files.PathOf("zero.n")), "-1\r\n      2.000000000000000000\r\n");
}

TEST_F(ListingsTest, NoOfferOrCancelledSaveWritesAndLogsNothing) {
  SetX({1, 1}, 1);
  for (bool offer : {false, true}) {
    if (offer) {
      user.file_answer.reset();
    } else {
      user.file_answer = files.PathOf("never.n");
    }
    const std::size_t mark = Logged().size();
    ListPolynomial(offer);
    EXPECT_EQ(LoggedSince(mark).size(), 3u) << offer;
    EXPECT_EQ(Logged().back(), "- Cte:         1.000000000000000000") << offer;
  }
  EXPECT_FALSE(fs::exists(files.PathOf("never.n")));
}

TEST_F(ListingsTest, UndefinedPolynomialIsRefusedWithoutSaveOffer) {
  SetX({1}, 1);
  registers().X.defined = false;
  user.file_answer = files.PathOf("never.n");
  const std::size_t mark = Logged().size();
  ListPolynomial(true);
  EXPECT_EQ(LoggedSince(mark), (Lines{"* Polinômio ainda indefinido *"}));
  EXPECT_FALSE(fs::exists(files.PathOf("never.n")));
}

TEST_F(ListingsTest, ListsRootsWithFrequencyAndQualityOfUpperComplexMembersOnly) {
  vessaw.parameters().width = 12;
  vessaw.parameters().decimals = 6;
  SetRoots({{-1, 1},   // upper member of a pair: w = sqrt 2, Q = 1/sqrt 2
            {-1, -1},  // lower member
            {0, 2},    // imaginary axis
            {0, -2},
            {-3, 0},      // real
            {1E-9L, 1},   // real part within the tolerance
            {-1, 1E-9L},  // imaginary part within the tolerance
            {-0.5L, 3}},
           2);
  user.file_answer = files.PathOf("x.r");
  const std::size_t mark = Logged().size();
  ListRoots();
  EXPECT_EQ(LoggedSince(mark), (Lines{
                                   "- x(1):   -1.000000    1.000000j",
                                   "- x(2):   -1.000000   -1.000000j",
                                   "- x(3):    0.000000    2.000000j",
                                   "- x(4):    0.000000   -2.000000j",
                                   "- x(5):   -3.000000    0.000000j",
                                   "- x(6):    0.000000    1.000000j",
                                   "- x(7):   -1.000000    0.000000j",
                                   "- x(8):   -0.500000    3.000000j",
                                   "w,Q(1):    1.414214    0.707107",
                                   "w,Q(8):    3.041381    3.041381",
                                   "- Cte:      2.000000",
                               }));
  EXPECT_EQ(files.ReadBytes(files.PathOf("x.r")),
            "8\r\n"
            "   -1.000000     1.000000\r\n"
            "   -1.000000    -1.000000\r\n"
            "    0.000000     2.000000\r\n"
            "    0.000000    -2.000000\r\n"
            "   -3.000000     0.000000\r\n"
            "    0.000000     1.000000\r\n"
            "   -1.000000     0.000000\r\n"
            "   -0.500000     3.000000\r\n"
            "    2.000000\r\n");
}

// A part equal to the magnitude tolerance counts as zero: the root is taken
// as real, or as lying on the imaginary axis.
TEST_F(ListingsTest, FrequencyAndQualityNeedBothPartsAboveTheTolerance) {
  const long double tolm = vessaw.parameters().tolm.raw();
  const long double above = std::nextafter(tolm, 1.0L);
  SetRoots({{-1, tolm}, {-tolm, 1}, {-1, above}, {-above, 1}}, 1);
  user.file_answer.reset();
  const std::size_t mark = Logged().size();
  ListRoots();
  Lines quality;
  for (const std::string& line : LoggedSince(mark))
    if (line.starts_with("w,Q(")) quality.push_back(line.substr(0, line.find(':')));
  EXPECT_EQ(quality, (Lines{"w,Q(3)", "w,Q(4)"}));
}

TEST_F(ListingsTest, RootsListingWithoutRootsOrSaveName) {
  SetRoots({}, 5);
  user.file_answer.reset();
  std::size_t mark = Logged().size();
  ListRoots();
  EXPECT_EQ(LoggedSince(mark), (Lines{"- Cte:        5.000000000000000000"}));

  registers().roots_defined = false;
  user.file_answer = files.PathOf("never.r");
  mark = Logged().size();
  ListRoots();
  EXPECT_EQ(LoggedSince(mark), (Lines{"* Não há raízes calculadas *"}));
  EXPECT_FALSE(fs::exists(files.PathOf("never.r")));
}

TEST_F(ListingsTest, SortRootsIsStableExchangeSortOverCountOfX) {
  struct Case {
    const char* name;
    std::vector<Root> roots;
    int count;  // the degree of X: roots beyond it stay where they are
    std::vector<Root> sorted;
  };
  const Case cases[] = {
      {"equal real parts keep their order",
       {{0, 1}, {-1, 2}, {-1, 3}, {-2, 4}},
       4,
       {{-2, 4}, {-1, 2}, {-1, 3}, {0, 1}}},
      {"conjugates travel together", {{3, 0}, {-1, 1}, {-1, -1}}, 3, {{-1, 1}, {-1, -1}, {3, 0}}},
      {"only the first count roots", {{2, 0}, {1, 0}, {0, 0}, {-5, 0}}, 3, {{0, 0}, {1, 0}, {2, 0}, {-5, 0}}},
      {"one root", {{2, 0}, {1, 0}}, 1, {{2, 0}, {1, 0}}},
      {"vanished X", {{2, 0}, {1, 0}}, -1, {{2, 0}, {1, 0}}},
  };
  for (const Case& c : cases) {
    Registers& r = registers();
    for (std::size_t i = 0; i < c.roots.size(); ++i) {
      r.roots.re[i + 1] = c.roots[i].re;
      r.roots.im[i + 1] = c.roots[i].im;
    }
    r.X.degree = c.count;
    workbench::SortRoots(r);
    for (std::size_t i = 0; i < c.sorted.size(); ++i) {
      EXPECT_EQ(r.roots.re[i + 1], Extended(c.sorted[i].re)) << c.name << " root " << i + 1;
      EXPECT_EQ(r.roots.im[i + 1], Extended(c.sorted[i].im)) << c.name << " root " << i + 1;
    }
  }
}

TEST_F(ListingsTest, ListOperationSelectsSlotThenListsAndOffersSave) {
  registers().F = TPolynomialRecord{};
  registers().F.a[0] = 7;
  registers().F.constant = 1;
  registers().F.defined = true;
  user.on_modal = [](forms::Form& form) {
    dynamic_cast<frame::SelectionForm&>(form).list.UserClickItem(1);  // F(s)
  };
  user.file_answer.reset();
  const std::size_t mark = Logged().size();
  app.Guard([this] { workbench::ListPolynomialOperation(registers(), vessaw.parameters(), vessaw.console()); });
  EXPECT_EQ(LoggedSince(mark), (Lines{"Listar:", "-> F(s).", "- a(0):       7.000000000000000000",
                                      "- Cte:         1.000000000000000000"}));
  EXPECT_EQ(user.modal_forms, Lines{"Form9"});
}

TEST_F(ListingsTest, RootsOperationListsRootsAfterItsTitle) {
  SetRoots({{-2, 0}}, 1);
  user.file_answer.reset();
  const std::size_t mark = Logged().size();
  app.Guard([this] { workbench::ListRootsOperation(registers(), vessaw.parameters(), vessaw.console()); });
  EXPECT_EQ(LoggedSince(mark), (Lines{"Raízes:", "- x(1):     -2.000000000000000000      0.000000000000000000j",
                                      "- Cte:        1.000000000000000000"}));
}

}  // namespace
}  // namespace workbench_test
