// The eleven windows of the workbench, in the order they are created; the
// application owns them, the program keeps these pointers.
#pragma once

namespace workbench {

class IntegerPromptForm;
class MainForm;
class OperationsForm;
class ParametersForm;
class QuestionForm;
class RealPromptForm;
class ResponsePlotForm;
class RootPlotForm;
class RootRescueForm;
class ScalesForm;
class SelectionForm;

struct Windows {
  MainForm* form1 = nullptr;
  QuestionForm* form2 = nullptr;
  RealPromptForm* form3 = nullptr;
  IntegerPromptForm* form4 = nullptr;
  RootPlotForm* form5 = nullptr;
  OperationsForm* form6 = nullptr;
  ResponsePlotForm* form7 = nullptr;
  ScalesForm* form8 = nullptr;
  SelectionForm* form9 = nullptr;
  ParametersForm* form10 = nullptr;
  RootRescueForm* form11 = nullptr;
};

}  // namespace workbench
