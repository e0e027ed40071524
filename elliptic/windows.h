// The designer's three windows, in the order they are created; the
// application owns them, the program keeps these pointers.
#pragma once

namespace elliptic {

class MainForm;
class ResponsePlotForm;
class SelectionForm;

struct Windows {
  MainForm* main_form = nullptr;
  SelectionForm* selection_form = nullptr;
  ResponsePlotForm* plot_form = nullptr;
};

}  // namespace elliptic
