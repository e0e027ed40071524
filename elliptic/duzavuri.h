// The filter designer: its three windows, its shared state and log, and the
// actions of the main window's buttons.  A new object is a freshly started
// program.
#pragma once

#include <memory>

#include "elliptic/designer_log.h"
#include "elliptic/designer_state.h"
#include "elliptic/windows.h"
#include "forms/application.h"
#include "forms/program.h"

namespace elliptic {

class Duzavuri : public forms::Program {
 public:
  // Sets the application's title and creates the main window, then the file
  // selection and plot windows, hidden.
  explicit Duzavuri(forms::Application& app);

  // The buttons of the main window.
  void CalcularClick();  // "Filtro elíptico"
  void Button2Click();   // "Filtro de Butterworth"
  void Button3Click();   // "Filtro de Chebyshev"
  void Button4Click();   // "Filtro de Chebyshev inverso"
  void Button1Click();   // "Testar funções"
  void Button5Click();   // "Gráficos"

  const Windows& windows() const { return windows_; }
  const DesignerState& state() const { return state_; }

 private:
  static Windows CreateWindows(forms::Application& app);
  void ConnectButtons();

  Windows windows_;
  DesignerState state_;
  DesignerLog log_;
};

std::unique_ptr<forms::Program> CreateDuzavuri(forms::Application& app);

}  // namespace elliptic
