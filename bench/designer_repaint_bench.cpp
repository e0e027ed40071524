// Time of one repaint of the designer's response plot (the whole of it: the
// evaluation of gain, phase and delay of every function at every segment
// point, and the grid, frame, labels and curves on the image canvas of the
// desktop program's window, offscreen), at the default 1000 segments in the
// default 902 x 637 window:
//  - Presets: the four preset functions, from the roots files that the four
//    designs write with the default requirement (some 30 roots in all);
//  - Widest: the most the window admits, 20 functions of 1000 poles and
//    1000 zeros each (40 million root terms).
// Counter: root terms, the roots of all functions times the points.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <cmath>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include <unistd.h>

#include "base/text_file.h"
#include "elliptic/duzavuri.h"
#include "elliptic/main_form.h"
#include "elliptic/response_plot_form.h"
#include "elliptic/selection_form.h"
#include "forms/application.h"
#include "forms/qt/qt_backend.h"

namespace {

constexpr int kPoints = 1001;

void EnsureApplication() {
  static int argc = 1;
  static char name[] = "designer_repaint_bench";
  static char* argv[] = {name, nullptr};
  if (!QApplication::instance()) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    new QApplication(argc, argv);
  }
}

// A folder of this run's own, the current one while it lives, so that the
// designs write their files there.
class Folder {
 public:
  Folder() : path_(std::filesystem::temp_directory_path() / ("designer_repaint_bench_" + std::to_string(::getpid()))) {
    std::filesystem::create_directories(path_);
    previous_ = std::filesystem::current_path();
    std::filesystem::current_path(path_);
  }
  ~Folder() {
    std::filesystem::current_path(previous_);
    std::error_code ignored;
    std::filesystem::remove_all(path_, ignored);
  }

 private:
  std::filesystem::path path_, previous_;
};

// The designer on the desktop backend, its plot shown after "Plotar".
struct Designer {
  Designer() {
    backend.message_box_hook = [this](const std::string&, const std::string& text) { messages += text + "; "; };
  }
  void Plot(const std::vector<std::string>& list) {
    elliptic::SelectionForm& selection = *duzavuri.windows().selection_form;
    selection.files.SetLines(list);
    app.Guard([&] { selection.plot_button.UserClick(); });
  }
  // the paint handler, as the backend runs it
  void Repaint() { duzavuri.windows().plot_form->cresposta.Paint(); }
  long long RootTerms() const {
    long long roots = 0;
    for (int n = 1; n <= duzavuri.functions().count; ++n)
      roots += duzavuri.functions()[n].poles.Roots() + duzavuri.functions()[n].zeros.Roots();
    return roots * kPoints;
  }

  bool ready = (EnsureApplication(), true);
  forms::qt::QtBackend backend;
  forms::Application app{backend};
  elliptic::Duzavuri duzavuri{app};
  std::string messages;
};

void Run(benchmark::State& state, Designer& designer) {
  if (!designer.messages.empty()) state.SkipWithError(designer.messages.c_str());
  for (auto _ : state) designer.Repaint();
  state.counters["root_terms"] = static_cast<double>(designer.RootTerms());
}

void BM_Presets(benchmark::State& state) {
  Folder folder;
  Designer designer;
  elliptic::MainForm& form = *designer.duzavuri.windows().main_form;
  for (forms::Button* design :
       {&form.elliptic_button, &form.butterworth_button, &form.chebyshev_button, &form.inverse_chebyshev_button})
    designer.app.Guard([design] { design->UserClick(); });
  designer.Plot(designer.duzavuri.windows().selection_form->files.lines());
  if (designer.duzavuri.functions().count != 4) state.SkipWithError("the four preset functions were not read");
  Run(state, designer);
}
BENCHMARK(BM_Presets)->Unit(benchmark::kMillisecond);

// n roots as a roots file: conjugate pairs on the half circle of the given
// radius left of the imaginary axis (radius > 0) or right of it (radius < 0),
// so that every root takes the full pass, with a delay term.
void WriteRoots(const std::string& path, int n, long double radius) {
  base::TextWriter out(path);
  out.WriteInteger(n);
  out.WriteLine();
  for (int k = 0; k < n / 2; ++k) {
    const long double theta = std::acos(-1.0L) * (2 * k + 1 + n) / (2 * n);
    for (const long double sign : {1.0L, -1.0L}) {
      out.WriteReal(radius * std::cos(theta));
      out.Write(" ");
      out.WriteReal(sign * std::fabs(radius) * std::sin(theta));
      out.WriteLine();
    }
  }
  out.WriteReal(1);
  out.WriteLine();
  out.Close();
}

void BM_Widest(benchmark::State& state) {
  Folder folder;
  WriteRoots("poles.r", elliptic::kMaxRoots, 1);
  WriteRoots("zeros.r", elliptic::kMaxRoots, -2);
  Designer designer;
  std::vector<std::string> list;
  for (int n = 0; n < elliptic::kMaxFunctions; ++n) list.insert(list.end(), {"poles.r", "zeros.r"});
  designer.Plot(list);
  if (designer.duzavuri.functions().count != elliptic::kMaxFunctions) state.SkipWithError("not 20 functions");
  Run(state, designer);
}
BENCHMARK(BM_Widest)->Unit(benchmark::kMillisecond);

}  // namespace
