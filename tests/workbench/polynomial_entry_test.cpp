#include "workbench/polynomial_entry.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include "frame/number_prompt_form.h"
#include "frame/selection_form.h"
#include "tests/base/extended_printer.h"
#include "tests/base/scratch_folder.h"
#include "tests/workbench/step_player.h"
#include "tests/workbench/vessaw_fixture.h"
#include "workbench/listings.h"

namespace workbench_test {
namespace {

namespace fs = std::filesystem;
using base::Extended;
using workbench::Registers;
using workbench::TPolynomialRecord;
using Lines = std::vector<std::string>;
using Reals = std::vector<Extended>;

// A started workbench whose user plays the steps, one per modal dialog, and
// notes every prompt as "label=shown default".
class PolynomialEntryTest : public VessawFixture {
 protected:
  void SetUp() override {
    ChooseMenu("Iniciar");
    user.on_modal = [this](forms::Form& form) { player_.Play(form); };
  }
  Registers& registers() { return vessaw.registers(); }
  TPolynomialRecord& X() { return registers().X; }

  // Runs the action with these steps; every step must be used.
  void Run(std::vector<Step> steps, const std::function<void()>& action) {
    player_.Load(steps);
    mark_ = Logged().size();
    app.Guard(action);
    player_.ExpectAllPlayed();
  }
  void Enter(std::vector<Step> steps) {
    Run(std::move(steps),
        [this] { workbench::EnterPolynomial(registers(), vessaw.parameters(), vessaw.console(), "X(s)"); });
  }

  // The operation "Ler/editar polinômio".
  void ReadEdit(std::vector<Step> steps) {
    Run(std::move(steps),
        [this] { workbench::ReadEditPolynomialOperation(registers(), vessaw.parameters(), vessaw.console()); });
  }

  Lines Entered() const { return LoggedSince(mark_); }

  static Reals Coefficients(const TPolynomialRecord& p) { return Reals(p.a.begin(), p.a.begin() + (p.degree + 1)); }
  Reals RootsRe() const {
    const Registers& r = vessaw.registers();
    return Reals(r.roots.re.begin() + 1, r.roots.re.begin() + 1 + r.X.degree);
  }
  Reals RootsIm() const {
    const Registers& r = vessaw.registers();
    return Reals(r.roots.im.begin() + 1, r.roots.im.begin() + 1 + r.X.degree);
  }

  test_support::ScratchFolder files{"workbench_tests"};
  StepPlayer player_;
  Lines& prompts = player_.prompts;  // "label=default" of every number prompt, in order

 private:
  std::size_t mark_ = 0;
};

const std::string kOne = "      1.000000000000000000";

TEST_F(PolynomialEntryTest, TypedCoefficientsOfUndefinedXStartFromPresetAndNormalise) {
  X().defined = false;
  Enter({{"Coeficientes"}, {"2"}, {"1"}, {"3"}, {"2"}, {"1.5"}});
  EXPECT_EQ(prompts, (Lines{"Grau=0", "a(0)=1", "a(1)=1", "a(2)=1", "Cte.=1"}));
  EXPECT_EQ(Coefficients(X()), (Reals{0.5L, 1.5L, 1}));
  EXPECT_EQ(X().constant, 3);
  EXPECT_TRUE(X().defined);
  EXPECT_EQ(Entered(), (Lines{
                           "-> Coeficientes.",
                           "(Polinômio armazenado normalizado para a(2)=1)",
                           "Polinômio lido:",
                           "- a(0):       0.500000000000000000",
                           "- a(1):       1.500000000000000000",
                           "- a(2): " + kOne,
                           "- Cte:         3.000000000000000000",
                       }));
}

TEST_F(PolynomialEntryTest, NormalisesOnlyWhenTypedLeadingCoefficientIsNotExactlyOne) {
  struct Case {
    const char* name;
    std::vector<Step> steps;
    Reals a;
    Extended constant;
    const char* normalised;  // the line, or none
  };
  const Case cases[] = {
      {"monic as typed", {{"Coeficientes"}, {"1"}, {"-2"}, {"1"}, {"4"}}, {-2, 1}, 4, nullptr},
      // one unit in the last place above 1 is not 1
      {"almost one",
       {{"Coeficientes"}, {"0"}, {"1.0000000000000000001"}, {"1"}},
       {1},
       Extended(1.0000000000000000001L),
       "(Polinômio armazenado normalizado para a(0)=1)"},
      // the vanished leading coefficient is cleaned away first
      {"leading zero",
       {{"Coeficientes"}, {"2"}, {"1"}, {"4"}, {"0"}, {"1"}},
       {0.25L, 1},
       4,
       "(Polinômio armazenado normalizado para a(1)=1)"},
  };
  for (const Case& c : cases) {
    X().defined = true;
    Enter(c.steps);
    EXPECT_EQ(Coefficients(X()), c.a) << c.name;
    EXPECT_EQ(X().constant, c.constant) << c.name;
    const Lines logged = Entered();
    const bool has_line = logged.size() > 1 && logged[1].starts_with("(Polinômio armazenado");
    EXPECT_EQ(has_line, c.normalised != nullptr) << c.name;
    if (c.normalised && has_line) {
      EXPECT_EQ(logged[1], c.normalised) << c.name;
    }
  }
}

TEST_F(PolynomialEntryTest, TypedDegreeOutsideCapacityIsAskedAgain) {
  X().defined = true;
  X().degree = 1;
  X().a[0] = 5;
  X().a[1] = 1;
  Enter({{"Coeficientes"}, {"-1"}, {"201"}, {"1"}, {""}, {""}, {""}});
  // the prompt comes back with the nearest allowed degree
  EXPECT_EQ(prompts, (Lines{"Grau=1", "Grau=0", "Grau=200", "a(0)=5", "a(1)=1", "Cte.=1"}));
  EXPECT_EQ(Entered()[1], "* Grau negativo *");
  EXPECT_EQ(Entered()[2], "* Grau maior que 200 *");
  EXPECT_EQ(Entered()[3], "Polinômio lido:");
  EXPECT_EQ(Coefficients(X()), (Reals{5, 1}));
}

TEST_F(PolynomialEntryTest, TypedRootsAssumeConjugateOfComplexRootExceptTheLast) {
  Enter({{"Raizes"}, {"3"}, {"-1"}, {"1"}, {"-2"}, {""}, {"1"}});
  EXPECT_EQ(prompts, (Lines{"Grau=0", "Re(1)=0", "Im(1)=0", "Re(3)=0", "Im(3)=0", "Cte.=1"}));
  EXPECT_EQ(RootsRe(), (Reals{-1, -1, -2}));
  EXPECT_EQ(RootsIm(), (Reals{1, -1, 0}));
  EXPECT_TRUE(registers().roots_defined);
  // (s^2 + 2s + 2)(s + 2)
  EXPECT_EQ(Coefficients(X()), (Reals{4, 6, 4, 1}));
  EXPECT_EQ(Entered(), (Lines{
                           "-> Raizes.",
                           "Obs: Se Im<>0 o conjugado é assumido.",
                           "Raizes lidas:",
                           "- x(1):     -1.000000000000000000" + kOne + "j",
                           "- x(2):     -1.000000000000000000     -1.000000000000000000j",
                           "- x(3):     -2.000000000000000000      0.000000000000000000j",
                           "w,Q(1):      1.414213562373095049      0.707106781186547524",
                           "- Cte:  " + kOne,
                           "Polinômio lido:",
                           "- a(0):       4.000000000000000000",
                           "- a(1):       6.000000000000000000",
                           "- a(2):       4.000000000000000000",
                           "- a(3): " + kOne,
                           "- Cte:   " + kOne,
                       }));

  // the last root gets no conjugate, and the product then warns
  prompts.clear();
  Enter({{"Raizes"}, {"1"}, {"-1"}, {"1"}, {""}});
  EXPECT_EQ(prompts, (Lines{"Grau=3", "Re(1)=-1", "Im(1)=1", "Cte.=1"}));
  EXPECT_EQ(RootsIm(), (Reals{1}));
  const Lines logged = Entered();
  EXPECT_NE(std::find(logged.begin(), logged.end(), "* Montagem inexata de polinômio: examine resto imaginário em Y *"),
            logged.end());
}

TEST_F(PolynomialEntryTest, TypedRootWithinToleranceGetsNoConjugate) {
  Enter({{"Raizes"}, {"2"}, {"-1"}, {"1E-9"}, {"-3"}, {"0"}, {""}});
  EXPECT_EQ(prompts, (Lines{"Grau=0", "Re(1)=0", "Im(1)=0", "Re(2)=0", "Im(2)=0", "Cte.=1"}));
  EXPECT_EQ(RootsRe(), (Reals{-1, -3}));
}

TEST_F(PolynomialEntryTest, FrequencyAndQualityPairsGiveRealRootOrConjugatePair) {
  Enter({{"w e Q"}, {"3"}, {"2"}, {"0.5"}, {"1"}, {"1"}, {"2"}});
  // w and Q keep the last typed values as the next defaults
  EXPECT_EQ(prompts, (Lines{"Grau=0", "w(1)=1", "Q(1)=1", "w(2)=2", "Q(2)=0.5", "Cte.=1"}));
  const Extended half_sqrt3 = base::Sqrt(3) / 2;
  EXPECT_EQ(RootsRe(), (Reals{-2, -0.5L, -0.5L}));
  EXPECT_EQ(RootsIm(), (Reals{0, half_sqrt3, -half_sqrt3}));
  EXPECT_EQ(Entered()[1], "Obs: Q=0.5 para raiz real.");
  EXPECT_EQ(Entered()[6], "w,Q(2):" + kOne + kOne);
  // 2 (s + 2)(s^2 + s + 1)
  EXPECT_EQ(X().constant, 2);
  EXPECT_EQ(X().degree, 3);
  EXPECT_EQ(X().a[3], 1);
  EXPECT_NEAR(static_cast<double>(X().a[0].raw()), 2, 1E-15);
  EXPECT_NEAR(static_cast<double>(X().a[1].raw()), 3, 1E-15);
  EXPECT_NEAR(static_cast<double>(X().a[2].raw()), 3, 1E-15);
}

TEST_F(PolynomialEntryTest, QualityBelowHalfIsAskedAgainAndLastRootStaysSingle) {
  Enter({{"w e Q"}, {"1"}, {"4"}, {"0.3"}, {"-1"}, {"2"}, {""}});
  EXPECT_EQ(prompts, (Lines{"Grau=0", "w(1)=1", "Q(1)=1", "Q(1)=0.5", "Q(1)=0.5", "Cte.=1"}));
  EXPECT_EQ(Entered()[2], "* Q menor que 0.5 *");
  EXPECT_EQ(Entered()[3], "* Q menor que 0.5 *");
  EXPECT_EQ(RootsRe(), (Reals{-1}));
  EXPECT_EQ(RootsIm(), (Reals{base::Sqrt(64 - 4) / 2}));
}

TEST_F(PolynomialEntryTest, PolynomialFileIsTakenAsReadWithoutSaveOffer) {
  struct Case {
    const char* name;
    std::string bytes;
    int degree;
    Reals a;
    Extended constant;
  };
  const Case cases[] = {
      {"not normalised", "1\r\n4\r\n2\r\n0.5\r\n", 1, {4, 2}, 0.5L},
      {"without constant line, LF only", "2\n1\n0\n3\n", 2, {1, 0, 3}, 1},
      {"blank lines after the last coefficient", "0\r\n7\r\n\r\n\r\n", 0, {7}, 1},
      {"vanished", "-1\r\n3\r\n", -1, {}, 3},
  };
  for (const Case& c : cases) {
    const std::string path = files.WriteBytes("p.n", c.bytes);
    user.file_answer = path;
    X().defined = false;
    Enter({{"Coeficientes"}});
    EXPECT_EQ(X().degree, c.degree) << c.name;
    EXPECT_EQ(Coefficients(X()), c.a) << c.name;
    EXPECT_EQ(X().constant, c.constant) << c.name;
    EXPECT_TRUE(X().defined) << c.name;
    const Lines logged = Entered();
    EXPECT_EQ(logged[1], "Polinômio lido do arquivo: " + path) << c.name;
    EXPECT_EQ(logged[2], "Polinômio lido:") << c.name;
    EXPECT_EQ(logged.size(), static_cast<std::size_t>(c.degree + 5)) << c.name << ": no save line";
    EXPECT_EQ(files.ReadBytes(path), c.bytes) << c.name;
  }
}

TEST_F(PolynomialEntryTest, FileThatCannotBeUsedLeavesXAndAsksFormAgain) {
  struct Case {
    const char* name;
    const char* form;
    const char* bytes;  // none: the file does not exist
    const char* refusal;
  };
  const Case cases[] = {
      {"missing polynomial file", "Coeficientes", nullptr, "* Arquivo inexistente *"},
      {"missing roots file", "Raizes", nullptr, "* Arquivo inexistente *"},
      {"degree beyond 200", "Coeficientes", "201\r\n1\r\n", "* Grau maior que 200 *"},
      {"degree below -1", "Coeficientes", "-2\r\n1\r\n", "* Grau negativo *"},
      {"count beyond 200", "Raizes", "201\r\n1 1\r\n", "* Grau maior que 200 *"},
      {"negative count", "Raizes", "-1\r\n1\r\n", "* Grau negativo *"},
  };
  for (const Case& c : cases) {
    const std::string path = c.bytes ? files.WriteBytes("bad", c.bytes) : files.PathOf("absent");
    X() = TPolynomialRecord{};
    X().degree = 1;
    X().a[0] = 3;
    X().a[1] = 1;
    X().constant = 2;
    X().defined = true;
    const TPolynomialRecord before = X();
    registers().roots_defined = false;
    user.file_answer = path;
    bool unchanged = false;
    // The second choice sees X as it was, and then types a degree-0 polynomial.
    Enter({{c.form},
           {"Coeficientes",
            [&] {
              unchanged = X().a == before.a && X().degree == before.degree && X().constant == before.constant &&
                          !registers().roots_defined;
              user.file_answer.reset();
            }},
           {"0"},
           {"1"},
           {"1"}});
    EXPECT_TRUE(unchanged) << c.name;
    const Lines logged = Entered();
    ASSERT_GE(logged.size(), 3u) << c.name;
    EXPECT_EQ(logged[1], c.refusal) << c.name;
    EXPECT_EQ(logged[2], "-> Coeficientes.") << c.name;
    if (c.bytes) fs::remove(path);
  }
}

bool SameRecord(const TPolynomialRecord& a, const TPolynomialRecord& b) {
  return a.a == b.a && a.degree == b.degree && a.constant == b.constant && a.defined == b.defined;
}

// An overflow on the way from the entered roots to X leaves X, the root
// list, its flag and Y as they were before the entry.
TEST_F(PolynomialEntryTest, OverflowWhileFormingXLeavesEverythingAsBefore) {
  std::string many_roots = "200\r\n";
  for (int i = 0; i < 200; ++i) many_roots += "1E30 0\r\n";
  struct Case {
    const char* name;
    std::string bytes;  // the roots file, none: typed
    std::vector<Step> steps;
  };
  const Case cases[] = {
      {"two roots near the top of the range", "2\r\n1E4932 0\r\n1E4932 0\r\n1\r\n", {{"Raizes"}}},
      {"200 roots of 1E30", many_roots, {{"Raizes"}}},
      {"typed w whose square overflows", "", {{"w e Q"}, {"1"}, {"1E3000"}, {"1"}}},
  };
  // open dialogs get the file, the offers to save are declined
  std::string path;
  backend.file_dialog_hook = [&path](forms::FileDialog& dialog) {
    if (dialog.kind() == forms::FileDialogKind::Save) return false;
    dialog.SetFileName(path);
    return true;
  };
  for (const Case& c : cases) {
    path = files.WriteBytes("big.r", c.bytes);
    X() = Record(test_support::TestPolynomial({3, 1}), 2);
    registers().Y = Record(test_support::TestPolynomial({5}), 1);
    registers().roots.re[1] = -3;
    registers().roots.im[1] = 0;
    registers().roots_defined = true;
    const Registers before = registers();
    user.messages.clear();
    Enter(c.steps);
    EXPECT_EQ(user.messages, Lines{"Vessaw: Floating point overflow."}) << c.name;
    EXPECT_TRUE(SameRecord(X(), before.X)) << c.name;
    EXPECT_TRUE(SameRecord(registers().Y, before.Y)) << c.name;
    EXPECT_EQ(registers().roots.re, before.roots.re) << c.name;
    EXPECT_EQ(registers().roots.im, before.roots.im) << c.name;
    EXPECT_TRUE(registers().roots_defined) << c.name;
  }
}

TEST_F(PolynomialEntryTest, KeepsAndRestoresCallersChoiceLetter) {
  vessaw.console().SetChoiceLetter('F');
  Enter({{"w e Q"}, {"0"}, {""}});
  EXPECT_EQ(vessaw.console().choice_letter(), 'F');
}

TEST_F(PolynomialEntryTest, ReadEditOperationStoresEntryIntoSelectedSlot) {
  registers().E = TPolynomialRecord{};
  registers().E.degree = 2;
  registers().E.defined = false;
  ReadEdit({{"E(s)"}, {"Coeficientes"}, {"1"}, {"2"}, {"1"}, {"3"}});
  // the undefined E came into X first, so the entry starts from the preset
  EXPECT_EQ(prompts, (Lines{"Grau=0", "a(0)=1", "a(1)=1", "Cte.=1"}));
  EXPECT_TRUE(registers().E.defined);
  EXPECT_EQ(Coefficients(registers().E), (Reals{2, 1}));
  EXPECT_EQ(registers().E.constant, 3);
  EXPECT_EQ(vessaw.console().choice_letter(), 'E');
  EXPECT_EQ(Entered().front(), "-> E(s).");
}

// Each file dialog of the entry is named by what it reads or offers to
// save, the polynomial chosen included, so that the user knows which offer
// is open.
TEST_F(PolynomialEntryTest, EachFileDialogIsNamedByWhatItHolds) {
  const std::string roots = files.WriteBytes("f.r", "1\r\n-1 0\r\n1\r\n");
  backend.file_dialog_hook = [&](forms::FileDialog& dialog) {
    const bool open = dialog.kind() == forms::FileDialogKind::Open;
    user.dialogs.push_back((open ? "open: " : "save: ") + dialog.subject());
    if (open) dialog.SetFileName(roots);
    return open;
  };
  ReadEdit({{"F(s)"}, {"Raizes"}});
  EXPECT_EQ(user.dialogs, (Lines{"open: Raízes de F(s)", "save: Raízes de F(s)", "save: Polinômio F(s)"}));
  // a cancelled file, then typed coefficients
  user.dialogs.clear();
  backend.file_dialog_hook = [&](forms::FileDialog& dialog) {
    user.dialogs.push_back((dialog.kind() == forms::FileDialogKind::Open ? "open: " : "save: ") + dialog.subject());
    return false;
  };
  ReadEdit({{"(X(s))"}, {"Coeficientes"}, {"0"}, {"1"}, {"1"}});
  EXPECT_EQ(user.dialogs, (Lines{"open: Polinômio X(s)", "save: Polinômio X(s)"}));
}

// A polynomial saved by the listing and read back through the entry keeps
// every bit when the file format carries enough digits, and the printed
// digits otherwise.
TEST_F(PolynomialEntryTest, SavedPolynomialReadsBackExactlyWithEnoughDigits) {
  struct Case {
    int width, decimals;
    bool every_bit;
  };
  for (const Case& c : {Case{32, 21, true}, Case{26, 18, false}}) {
    vessaw.parameters().width = c.width;
    vessaw.parameters().decimals = c.decimals;
    TPolynomialRecord& x = X();
    x.degree = 30;
    Extended a = 1;
    for (int i = 0; i <= x.degree; ++i) {
      a = a * Extended(1.7320508075688772935L) + Extended(1) / Extended(7 + i);
      while (a >= 10) a = a / 3;
      x.a[static_cast<std::size_t>(i)] = a;
    }
    x.constant = Extended(1) / Extended(3);
    x.defined = true;
    const TPolynomialRecord written = x;
    user.file_answer = files.PathOf("round.n");
    app.Guard(
        [this] { workbench::ListPolynomial(X(), vessaw.parameters(), vessaw.console(), true, "Polinômio X(s)"); });
    x.degree = 0;
    x.a.fill(0);
    Enter({{"Coeficientes"}});
    ASSERT_EQ(x.degree, written.degree);
    int differing = 0;
    for (int i = 0; i <= x.degree; ++i) {
      const std::size_t k = static_cast<std::size_t>(i);
      if (c.every_bit) {
        EXPECT_EQ(x.a[k], written.a[k]) << i;
      }
      EXPECT_EQ(vessaw.console().RealToText(x.a[k]), vessaw.console().RealToText(written.a[k])) << i;
      if (x.a[k] != written.a[k]) ++differing;
    }
    if (c.every_bit) {
      EXPECT_EQ(x.constant, written.constant);
    } else {
      EXPECT_GT(differing, 0) << "18 decimals cannot carry 64 bits";
    }
  }
}

}  // namespace
}  // namespace workbench_test
