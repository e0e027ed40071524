// Time from the start of each program to its main window shown (its first
// paint done) on the desktop backend, two ways:
//  - FromProcessStart/PROGRAM: a fresh process per run, timed from just
//    before it is spawned until it reports its main window painted: loading
//    the libraries, the Qt application with its platform plugin and fonts,
//    the program's construction and the show.  The process is this binary
//    again, started through the programs' own start (RunDesktop), so it
//    loads what a program loads (and the benchmark library besides); it ends
//    itself after the report, and its ending is not timed.  Counter
//    slowest_ms: the slowest run.  FromProcessStart/bare_qt_window is the
//    floor that Qt and the machine set: the same process showing one empty
//    window of the size of the designer's main window, no program.
//  - FromConstruction/PROGRAM: in this process, its Qt application already
//    made and one program shown and closed before (untimed), so that Qt's
//    own costs of a first window (fonts, style) are left out: the program
//    object built, its main window shown and painted.
// The platform is the one QT_QPA_PLATFORM names, offscreen when it names
// none (the label says which): under an X server (xvfb-run) QT_QPA_PLATFORM=xcb
// times the real mapping and exposure of the window.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QTimer>
#include <QWidget>
#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <cstring>
#include <functional>
#include <map>
#include <string>

#include <poll.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include "elliptic/duzavuri.h"
#include "forms/application.h"
#include "forms/qt/desktop.h"
#include "forms/qt/form_window.h"
#include "forms/qt/qt_backend.h"
#include "ladder/tramow.h"
#include "workbench/vessaw.h"

extern char** environ;

namespace {

using Clock = std::chrono::steady_clock;

const std::map<std::string, forms::ProgramFactory> kPrograms = {
    {"vessaw", workbench::CreateVessaw}, {"tramow", ladder::CreateTramow}, {"Duzavuri", elliptic::CreateDuzavuri}};

// The option that makes this binary a program that reports its main window.
constexpr const char* kChildOption = "--main-window-of";
// A start slower than this is taken as hung.
constexpr int kTimeoutMs = 20000;

// Calls back once, after the main window's first paint has run to its end
// (the paint of a top-level window paints its controls in the same pass).
class FirstPaint : public QObject {
 public:
  // parent: the Qt application, for one that is to live as long as it
  FirstPaint(const forms::Application& app, std::function<void()> done, QObject* parent = nullptr)
      : QObject(parent), app_(app), done_(std::move(done)) {
    qApp->installEventFilter(this);
  }
  ~FirstPaint() override {
    if (qApp) qApp->removeEventFilter(this);
  }

  bool eventFilter(QObject* object, QEvent* event) override {
    if (!seen_ && event->type() == QEvent::Paint) {
      const auto* window = dynamic_cast<const forms::qt::FormWindow*>(object);
      if (window && &window->form() == &app_.main_form()) {
        seen_ = true;
        QTimer::singleShot(0, this, [this] { done_(); });
      }
    }
    return false;
  }

 private:
  const forms::Application& app_;
  std::function<void()> done_;
  bool seen_ = false;
};

std::string Platform() {
  const char* platform = std::getenv("QT_QPA_PLATFORM");
  return platform && *platform ? platform : "offscreen";
}

// Reports the first paint of a top-level widget that is not a form's.
class BareWindowPaint : public QObject {
 public:
  explicit BareWindowPaint(QWidget& window) : window_(window) { window.installEventFilter(this); }
  bool eventFilter(QObject* object, QEvent* event) override {
    if (object == &window_ && event->type() == QEvent::Paint && !seen_) {
      seen_ = true;
      QTimer::singleShot(0, this, [] {
        ::write(STDOUT_FILENO, "shown\n", 6);
        QCoreApplication::exit(0);
      });
    }
    return false;
  }

 private:
  QWidget& window_;
  bool seen_ = false;
};

// The client size of the designer's main window, the largest of the three.
constexpr int kBareWidth = 1056;
constexpr int kBareHeight = 636;
constexpr const char* kBareWindow = "bare_qt_window";

int RunBareWindow(int argc, char** argv) {
  QApplication qt_app(argc, argv);
  QWidget window;
  window.resize(kBareWidth, kBareHeight);
  BareWindowPaint paint(window);
  window.show();
  return QApplication::exec();
}

// The program as its main runs it, writing one line to stdout once its main
// window is painted and then leaving the message loop.
int RunAsProgram(int argc, char** argv, const std::string& name) {
  if (name == kBareWindow) return RunBareWindow(argc, argv);
  const auto program = kPrograms.find(name);
  if (program == kPrograms.end()) return 2;
  const forms::ProgramFactory factory = [&](forms::Application& app) {
    auto made = program->second(app);
    new FirstPaint(
        app,
        [] {
          ::write(STDOUT_FILENO, "shown\n", 6);
          QCoreApplication::exit(0);
        },
        qApp);
    return made;
  };
  return forms::qt::RunDesktop(argc, argv, factory);
}

// Seconds from the spawn to the report; negative when none came.
double TimeOneStart(const std::string& name) {
  int out[2];
  if (::pipe(out) != 0) return -1;
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_adddup2(&actions, out[1], STDOUT_FILENO);
  posix_spawn_file_actions_addclose(&actions, out[0]);
  posix_spawn_file_actions_addclose(&actions, out[1]);
  std::string self = "/proc/self/exe", option = kChildOption, program = name;
  char* argv[] = {self.data(), option.data(), program.data(), nullptr};
  const Clock::time_point start = Clock::now();
  pid_t pid = 0;
  const int failed = posix_spawn(&pid, "/proc/self/exe", &actions, nullptr, argv, environ);
  posix_spawn_file_actions_destroy(&actions);
  ::close(out[1]);
  double seconds = -1;
  if (!failed) {
    pollfd ready{out[0], POLLIN, 0};
    char line[8] = {};
    if (::poll(&ready, 1, kTimeoutMs) == 1 && ::read(out[0], line, sizeof line - 1) > 0 &&
        std::strncmp(line, "shown", 5) == 0)
      seconds = std::chrono::duration<double>(Clock::now() - start).count();
    else
      ::kill(pid, SIGKILL);
    int status = 0;
    ::waitpid(pid, &status, 0);
  }
  ::close(out[0]);
  return seconds;
}

void BM_FromProcessStart(benchmark::State& state, const std::string& name) {
  double slowest = 0;
  for (auto _ : state) {
    const double seconds = TimeOneStart(name);
    if (seconds < 0) {
      state.SkipWithError("the program did not report its main window shown");
      break;
    }
    slowest = std::max(slowest, seconds);
    state.SetIterationTime(seconds);
  }
  state.counters["slowest_ms"] = slowest * 1e3;
  state.SetLabel(Platform());
}

void EnsureApplication() {
  static int argc = 1;
  static char name[] = "main_window_bench";
  static char* argv[] = {name, nullptr};
  if (!QApplication::instance()) new QApplication(argc, argv);
}

// Seconds from the program's construction to its main window painted, with
// everything torn down after; negative when it was not painted.
double ShowOnce(const forms::ProgramFactory& factory) {
  const Clock::time_point start = Clock::now();
  forms::qt::QtBackend backend;
  forms::Application app(backend);
  const auto program = factory(app);
  bool shown = false;
  FirstPaint first_paint(app, [&] { shown = true; });
  forms::Form& main = app.main_form();
  backend.Dispatch(main, [&] { main.Show(); });
  while (!shown && Clock::now() - start < std::chrono::milliseconds(kTimeoutMs))
    QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
  return shown ? std::chrono::duration<double>(Clock::now() - start).count() : -1;
}

void BM_FromConstruction(benchmark::State& state, const std::string& name) {
  EnsureApplication();
  const forms::ProgramFactory& factory = kPrograms.at(name);
  static const bool warmed_up = ShowOnce(factory) >= 0;
  for (auto _ : state) {
    const double seconds = warmed_up ? ShowOnce(factory) : -1;
    if (seconds < 0) {
      state.SkipWithError("the main window was not painted");
      break;
    }
    state.SetIterationTime(seconds);
  }
  state.SetLabel(Platform());
}

void RegisterFromProcessStart(const std::string& name) {
  // each run of a fresh process takes a large part of a second
  benchmark::RegisterBenchmark(("FromProcessStart/" + name).c_str(), BM_FromProcessStart, name)
      ->UseManualTime()
      ->Iterations(10)
      ->Unit(benchmark::kMillisecond);
}

void Register() {
  RegisterFromProcessStart(kBareWindow);
  for (const auto& [name, factory] : kPrograms) {
    RegisterFromProcessStart(name);
    benchmark::RegisterBenchmark(("FromConstruction/" + name).c_str(), BM_FromConstruction, name)
        ->UseManualTime()
        ->Unit(benchmark::kMillisecond);
  }
}

}  // namespace

int main(int argc, char** argv) {
  if (std::getenv("QT_QPA_PLATFORM") == nullptr) ::setenv("QT_QPA_PLATFORM", "offscreen", 1);
  if (argc == 3 && std::strcmp(argv[1], kChildOption) == 0) return RunAsProgram(argc, argv, argv[2]);
  Register();
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
