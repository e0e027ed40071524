// Accuracy and time of the Feldtkeller factorisation: "Calcular E(s) tendo
// K(s)=F(s)/P(s)" run as the user runs it, on a workbench without windows,
// from exactly known K(s) = F(s)/P(s) of the Butterworth, Chebyshev and
// elliptic families of orders 5, 10, 20 and 40, and the orders between that
// show where the roots stop being good to 1E-15 (feldtkeller_reference.py
// tells them and writes their reference).  The time is that of the whole
// operation, log lines included.
//
// Counters, each the largest over the roots or coefficients, relative to the
// size of the reference value:
//   e_root_error      the roots of E that the operation leaves in the root
//                     list, against those of the exact K (40 digits): the
//                     figure a user gets;
//   input_floor       how far the exact roots move when K's coefficients are
//                     rounded to extended reals: what no method working from
//                     that K can undo;
//   method_error      the roots of E against those of the K it was given;
//   squaring_error    the coefficients of F(s)F(-s) + P(s)P(-s) in x = s^2 as
//                     the workbench forms them, against the exact ones;
//   x_bound           the error in x that one unit roundoff in the
//                     right-hand side's coefficients, or in evaluating it,
//                     may cause (first order): what any root finder in
//                     extended reals can promise on it;
//   e_bound           the same for the roots of E from E's own coefficients:
//                     what the answer itself can hold;
//   finder_error      the root finder on the correctly rounded right-hand
//                     side, against that polynomial's exact roots: the root
//                     finder alone;
//   x_root_error      the root finder on the right-hand side the workbench
//                     formed, against the exact roots in x: squaring and
//                     root finder together;
//   e_coefficient_error  E's coefficients against those of the K it was
//                     given.
// A root error in x halves in s = -sqrt(x).  rescues counts the dialogs
// "Parâmetros para raízes" per run; faults the runs that a floating-point
// fault ended.
//
// The user at the rescue dialog reads "Erro atual", the size of the last
// step.  Below 1E-6 the point sits on a root that rounding keeps from
// meeting the tolerance: the user sets the tolerance to ten times that step,
// and the root is taken.  Otherwise the search wanders: the user moves the
// point by a tenth of a radian about the origin and lets it go on (the
// default start -1.1 + 1.1j lies on a line of symmetry of 1 + x^n, the
// Butterworth right-hand side of even order n, which Newton's iteration
// never leaves; for n divisible by 8 no root lies on it).  Once the dialog
// has come 100 times in one run, each time raises the run's tolerance a
// thousandfold, so that no run goes on for ever (a root taken that way shows
// in the errors).
//
// Each case runs with the workbench's default coefficient spread of 1E15,
// with which the sum F(s)F(-s) + P(s)P(-s) is cleaned, and with a spread of
// 1E300 ("Dispersão máxima entre coeficientes de polinômio"), which keeps
// every coefficient: the difference is what the cleaning costs.
//
// Run by hand: build/bench/feldtkeller_bench --benchmark_counters_tabular=true
#include <benchmark/benchmark.h>

#include <algorithm>
#include <complex>
#include <cstddef>
#include <ostream>
#include <string>
#include <vector>

#include "forms/application.h"
#include "forms/script/script_backend.h"
#include "frame/console_main_form.h"
#include "poly/root_search.h"
#include "workbench/feldtkeller.h"
#include "workbench/root_rescue_form.h"
#include "workbench/stack_algebra.h"
#include "workbench/vessaw.h"

namespace {

using base::Extended;
using Complex = std::complex<long double>;

struct Root {
  long double re;
  long double im;
};

struct Reference {
  const char* family;
  int order;
  std::vector<long double> f;
  long double f_constant;
  std::vector<long double> p;
  long double p_constant;
  std::vector<long double> x_hi, x_lo;
  std::vector<Root> e_exact, e_given, x_rounded_roots;
  std::vector<long double> e_coefficients;
  long double x_bound, e_bound;
};

const std::vector<Reference>& References() {
  static const std::vector<Reference> references = {
#include "bench/feldtkeller_reference.inc"
  };
  return references;
}

// The user at "Parâmetros para raízes", as the header says.
class RescueUser {
 public:
  int rescues = 0;

  void StartRun() { in_run_ = 0; }
  // error: "Erro atual", the size of the last step.
  void Answer(Extended error, Extended& tolr, Extended& re, Extended& im) {
    ++rescues;
    if (++in_run_ > kPatience) {
      tolr = tolr * kRaise;
    } else if (error < kSmallStep) {
      tolr = error * 10;
    } else {
      const Complex turned = Complex(re.raw(), im.raw()) * kTurn;
      re = turned.real();
      im = turned.imag();
    }
  }

 private:
  static constexpr int kPatience = 100;
  static constexpr long double kRaise = 1000;
  // Steps this small come from rounding next to the root, not from a search
  // that wanders.
  static constexpr long double kSmallStep = 1E-6L;
  // a tenth of a radian: off any line of symmetry the iteration may keep to
  static inline const Complex kTurn = std::polar(1.0L, 0.1L);
  int in_run_ = 0;
};

// The workbench on the headless backend, started, its log kept short.
class Workbench {
 public:
  Workbench() : transcript_(nullptr) {
    backend_.Attach(app_);
    backend_.modal_hook = [this](forms::Form& form) {
      auto* rescue = dynamic_cast<workbench::RootRescueForm*>(&form);
      if (!rescue) return;
      Extended tolr = rescue->root_tolerance.panel_real(), re = rescue->real_part.panel_real(),
               im = rescue->imaginary_part.panel_real();
      user.Answer(LoggedError(), tolr, re, im);
      rescue->root_tolerance.set_panel_real(tolr);
      rescue->real_part.set_panel_real(re);
      rescue->imaginary_part.set_panel_real(im);
    };
    backend_.message_box_hook = [this](const std::string&, const std::string&) { ++faults; };
    vessaw_.StartSession();
  }

  // ComputeE on this K, as one user action.
  void ComputeE(const Reference& ref) {
    workbench::Registers& r = vessaw_.registers();
    Set(r.F, ref.f, ref.f_constant);
    Set(r.P, ref.p, ref.p_constant);
    forms::Memo& log = vessaw_.console_windows().main->log;
    if (log.Count() > kLogLines) log.Clear();
    user.StartRun();
    app_.Guard([this] {
      workbench::ComputeE(vessaw_.registers(), vessaw_.parameters(), vessaw_.console(),
                          [this](poly::RootRescue& state) { vessaw_.windows().root_rescue->Ask(state); });
    });
  }

  workbench::Vessaw& vessaw() { return vessaw_; }

  // "Erro atual" as the log shows it above the dialog.
  Extended LoggedError() const {
    const std::vector<std::string>& lines = vessaw_.console_windows().main->log.lines();
    const std::string label = "Erro atual:";
    const auto line =
        std::find_if(lines.rbegin(), lines.rend(), [&](const std::string& l) { return l.starts_with(label); });
    return line == lines.rend() ? Extended(0) : Extended(std::stold(line->substr(label.size())));
  }

  RescueUser user;
  int faults = 0;

 private:
  static constexpr int kLogLines = 10000;

  static void Set(workbench::TPolynomialRecord& slot, const std::vector<long double>& a, long double constant) {
    slot.degree = static_cast<int>(a.size()) - 1;
    std::copy(a.begin(), a.end(), slot.a.begin());
    slot.constant = constant;
    slot.defined = true;
  }

  std::ostream transcript_;
  forms::script::Script script_ = forms::script::Script::FromText("");
  forms::script::ScriptBackend backend_{script_, transcript_, false};
  forms::Application app_{backend_};
  workbench::Vessaw vessaw_{app_};
};

long double Size(Root r) { return std::abs(Complex(r.re, r.im)); }
long double Gap(Root a, Root b) { return std::abs(Complex(a.re - b.re, a.im - b.im)); }

// Each reference root against the nearest found root not yet taken,
// relative to the reference root's size.
long double WorstRootError(const std::vector<Root>& want, std::vector<Root> found) {
  long double worst = 0;
  for (const Root& w : want) {
    const auto nearest =
        std::min_element(found.begin(), found.end(), [&](Root a, Root b) { return Gap(a, w) < Gap(b, w); });
    worst = std::max(worst, Gap(*nearest, w) / Size(w));
    found.erase(nearest);
  }
  return worst;
}

std::vector<Root> Squares(const std::vector<Root>& s) {
  std::vector<Root> x;
  for (const Root& r : s) {
    const Complex z = Complex(r.re, r.im) * Complex(r.re, r.im);
    x.push_back({z.real(), z.imag()});
  }
  return x;
}

// The roots of a(0) .. a(n) by the workbench's root search with its default
// settings and the same user at the rescue.
std::vector<Root> SearchRoots(const std::vector<Extended>& a, RescueUser& user) {
  const poly::RootSearchSettings settings{1E-12L, 1E-8L, 1E-10L, {-1.1L, 1.1L}, false};
  poly::RootSearchHooks hooks;
  hooks.rescue = [&user](poly::RootRescue& state) {
    user.Answer(state.error, state.tolr, state.point.re, state.point.im);
  };
  std::vector<Extended> re(a.size() - 1), im(a.size() - 1);
  user.StartRun();
  poly::SearchRoots(a, settings, re, im, hooks);
  std::vector<Root> roots;
  for (std::size_t k = 0; k < re.size(); ++k) roots.push_back({re[k].raw(), im[k].raw()});
  return roots;
}

// F(s)F(-s) + P(s)P(-s) in x as SpectralFactor forms it.
std::vector<Extended> RightHandSide(workbench::Registers r, const workbench::Parameters& parameters) {
  workbench::ParaconjugateSquare(r.X, r.F);
  r.Y = r.X;
  workbench::ParaconjugateSquare(r.X, r.P);
  workbench::AddPop(r, parameters.toln);
  return std::vector<Extended>(r.X.a.begin(), r.X.a.begin() + r.X.degree + 1);
}

long double SquaringError(const std::vector<Extended>& x, const Reference& ref) {
  long double worst = 0;
  for (std::size_t i = 0; i < ref.x_hi.size(); ++i) {
    const long double formed = i < x.size() ? x[i].raw() : 0;
    // formed - (hi + lo), the first difference exact next to hi
    worst = std::max(worst, std::abs((formed - ref.x_hi[i]) - ref.x_lo[i]) / std::abs(ref.x_hi[i]));
  }
  return worst;
}

void BM_ComputeE(benchmark::State& state, const Reference& ref, long double spread) {
  Workbench bench;
  bench.vessaw().parameters().toln = spread;
  for (auto _ : state) {
    bench.ComputeE(ref);
    benchmark::ClobberMemory();
  }
  const workbench::Registers& r = bench.vessaw().registers();
  std::vector<Root> e_roots;
  for (int k = 1; k <= r.E.degree; ++k) e_roots.push_back({r.roots.re[k].raw(), r.roots.im[k].raw()});
  state.counters["e_root_error"] = static_cast<double>(WorstRootError(ref.e_exact, e_roots));
  state.counters["input_floor"] = static_cast<double>(WorstRootError(ref.e_exact, ref.e_given));
  state.counters["method_error"] = static_cast<double>(WorstRootError(ref.e_given, e_roots));

  const std::vector<Extended> x = RightHandSide(bench.vessaw().registers(), bench.vessaw().parameters());
  const std::vector<Root> exact_x_roots = Squares(ref.e_given);
  state.counters["squaring_error"] = static_cast<double>(SquaringError(x, ref));
  state.counters["x_bound"] = static_cast<double>(ref.x_bound);
  state.counters["e_bound"] = static_cast<double>(ref.e_bound);
  RescueUser unused;
  const std::vector<Extended> rounded(ref.x_hi.begin(), ref.x_hi.end());
  state.counters["finder_error"] =
      static_cast<double>(WorstRootError(ref.x_rounded_roots, SearchRoots(rounded, unused)));
  state.counters["x_root_error"] = static_cast<double>(WorstRootError(exact_x_roots, SearchRoots(x, unused)));

  long double worst = 0;
  for (std::size_t i = 0; i < ref.e_coefficients.size(); ++i)
    worst = std::max(worst, std::abs(r.E.a[i].raw() - ref.e_coefficients[i]) / std::abs(ref.e_coefficients[i]));
  state.counters["e_coefficient_error"] = static_cast<double>(worst);
  state.counters["rescues"] = benchmark::Counter(bench.user.rescues, benchmark::Counter::kAvgIterations);
  state.counters["faults"] = benchmark::Counter(bench.faults, benchmark::Counter::kAvgIterations);
}

const bool kRegistered = [] {
  for (const long double spread : {1E15L, 1E300L})
    for (const Reference& ref : References()) {
      const std::string name = std::string("ComputeE/") + ref.family + "/" + std::to_string(ref.order) +
                               (spread > 1E15L ? "/spread:1E300" : "/spread:1E15");
      benchmark::RegisterBenchmark(name.c_str(), BM_ComputeE, ref, spread)->Unit(benchmark::kMicrosecond);
    }
  return true;
}();

}  // namespace
