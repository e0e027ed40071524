// Time of one repaint of the workbench's frequency-response plot at the
// widest plot area, 3000 pixel columns (75 .. 3000, 2926 curve points), for
// |T(jw)| = |1/E(jw)| with E(s) the Butterworth polynomial of degree 20:
// every column evaluates E(jw) by Horner, and the repaint draws the grid,
// frame, labels and the curve on the headless canvas.  Counter: columns.
#include <benchmark/benchmark.h>

#include <QGuiApplication>
#include <cmath>
#include <memory>
#include <sstream>

#include "forms/application.h"
#include "forms/script/script_backend.h"
#include "frame/plot/plot_window.h"
#include "workbench/vessaw.h"

namespace {

using base::Extended;

constexpr int kDegree = 20;
// Wider than the plot area's limit, so that the repaint samples all of it.
constexpr int kClientWidth = 3200;
constexpr int kClientHeight = 419;

// a(k) = a(k-1) cos((k-1)g) / sin(kg), g = pi / 2n: the Butterworth
// polynomial, all of whose roots lie on the left half of the unit circle.
workbench::TPolynomialRecord Butterworth(int n) {
  workbench::TPolynomialRecord p;
  p.degree = n;
  p.constant = 1;
  p.defined = true;
  const long double g = std::acos(-1.0L) / (2 * n);
  p.a[0] = 1;
  for (int k = 1; k <= n; ++k) p.a[k] = p.a[k - 1] * Extended(std::cos((k - 1) * g) / std::sin(k * g));
  return p;
}

void EnsureGuiApplication() {
  static int argc = 1;
  static char name[] = "response_repaint_bench";
  static char* argv[] = {name, nullptr};
  if (!QGuiApplication::instance()) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    new QGuiApplication(argc, argv);
  }
}

void BM_ResponseRepaint(benchmark::State& state) {
  EnsureGuiApplication();
  forms::script::Script script = forms::script::Script::FromText("");
  std::ostringstream transcript;
  forms::script::ScriptBackend backend(script, transcript, false);
  forms::Application app(backend);
  backend.Attach(app);
  workbench::Vessaw vessaw(app);
  vessaw.StartSession();
  workbench::TPolynomialRecord one;
  one.degree = 0;
  one.a[0] = 1;
  one.defined = true;
  vessaw.response_plot().Show(one, Butterworth(kDegree), workbench::ResponseKind::MagnitudeT, 0.1L, 10, -70, 10);
  frame::plot::PlotWindow& form = *vessaw.windows().response_plot;
  form.UserResized(kClientWidth, kClientHeight);
  for (auto _ : state) {
    form.paint_box.Paint();
    benchmark::DoNotOptimize(vessaw.response_plot().curve_values().At(3000));
  }
  const double at_ten = static_cast<double>(vessaw.response_plot().curve_values().At(3000).raw());
  // 1 / |E(j10)|^2 = 1 / (1 + 10^40): -400 dB
  if (std::fabs(at_ten + 400) > 1e-6) state.SkipWithError("wrong value at 10 rad/s");
  state.counters["columns"] = 3000 - 75 + 1;
}
BENCHMARK(BM_ResponseRepaint)->Unit(benchmark::kMillisecond);

}  // namespace
