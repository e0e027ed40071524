// The ladder synthesis program: its windows, the immittance model, the
// network and its backup, the console and the operations.  A new object is
// a freshly started program.
#pragma once

#include <memory>
#include <vector>

#include "forms/application.h"
#include "forms/program.h"
#include "frame/console.h"
#include "frame/console_program.h"
#include "frame/operations_form.h"
#include "frame/plot/plot_window.h"
#include "frame/plot/scales_form.h"
#include "ladder/immittance_model.h"
#include "ladder/immittance_plot.h"
#include "ladder/network.h"
#include "ladder/operations.h"
#include "ladder/synthesis.h"

namespace ladder {

class InitializationForm;
class TransformationForm;

class Tramow : public forms::Program {
 public:
  // Tramow's windows beside those of the console; the application owns them.
  struct Windows {
    InitializationForm* initialization = nullptr;
    TransformationForm* transformation = nullptr;
    frame::plot::PlotWindow* plot = nullptr;
    frame::plot::ScalesForm* scales = nullptr;  // of the plot
  };

  // Sets the application's title and creates the ten windows; nothing is
  // computed until "Iniciar".
  explicit Tramow(forms::Application& app);

  // "Iniciar" and "Recomeçar com outra imitância": the parameters reset, the
  // kind asked, the optional root tables read, the initialisation window
  // shown.
  void StartSynthesis();
  // "Aplicar" of the initialisation window.
  void EnterImmittance();
  // "Recomeçar com a mesma imitância".
  void RestartSameImmittance();

  const frame::ConsoleWindows& console_windows() const { return console_program_.windows(); }
  const Windows& windows() const { return windows_; }
  frame::Console& console() { return console_; }
  ImmittanceModel& model() { return model_; }
  Network& network() { return network_; }
  const NetworkBackup& backup() const { return backup_; }
  bool completion_announced() const { return completion_announced_; }
  Synthesis synthesis() { return Synthesis{model_, network_, console_, journal_}; }
  const SynthesisJournal& journal() const { return journal_; }
  ImmittancePlot& plot() { return plot_; }

 private:
  frame::ConsoleProgramSetup Description();
  // The operations window's table, each operation at the item of its Operation.
  std::vector<frame::Operation> Operations();
  // After every operation but the parameters: the first time the synthesis
  // is found complete, say so, back the network up and, when the network
  // comes from the entry by its recorded steps, tell how far its element
  // values can be trusted.
  void CheckCompletion(Operation operation);
  void ChangeParameters();
  // The two plot operations.
  void OpenPlot(PlotMode mode);

  ImmittanceModel model_;
  Network network_;
  NetworkBackup backup_;
  SynthesisJournal journal_;
  // "Síntese completa." was logged for the current synthesis.
  bool completion_announced_ = false;
  Windows windows_;
  frame::ConsoleProgram console_program_;
  frame::Console& console_;
  ImmittancePlot plot_;
};

std::unique_ptr<forms::Program> CreateTramow(forms::Application& app);

}  // namespace ladder
