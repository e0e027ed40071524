// The eleven windows of the workbench, in the order they are created; the
// application owns them, the program keeps these pointers.
#pragma once

namespace frame {
class ConsoleMainForm;
class NumberPromptForm;
class OperationsForm;
class QuestionForm;
class SelectionForm;
namespace plot {
class PlotWindow;
class ScalesForm;
}  // namespace plot
}  // namespace frame

namespace workbench {

class ParametersForm;
class RootRescueForm;

struct Windows {
  frame::ConsoleMainForm* form1 = nullptr;
  frame::QuestionForm* form2 = nullptr;
  frame::NumberPromptForm* form3 = nullptr;  // a real
  frame::NumberPromptForm* form4 = nullptr;  // an integer
  frame::plot::PlotWindow* form5 = nullptr;
  frame::OperationsForm* form6 = nullptr;
  frame::plot::PlotWindow* form7 = nullptr;
  frame::plot::ScalesForm* form8 = nullptr;
  frame::SelectionForm* form9 = nullptr;
  ParametersForm* form10 = nullptr;
  RootRescueForm* form11 = nullptr;
};

}  // namespace workbench
