// The ten windows of tramow, in the order they are created; the application
// owns them, the program keeps these pointers.
#pragma once

namespace frame {
class ConsoleMainForm;
class NumberPromptForm;
class OperationsForm;
class QuestionForm;
class TextPromptForm;
namespace plot {
class PlotWindow;
class ScalesForm;
}  // namespace plot
}  // namespace frame

namespace ladder {

class InitializationForm;
class TransformationForm;

struct Windows {
  frame::ConsoleMainForm* form1 = nullptr;
  frame::NumberPromptForm* form2 = nullptr;  // a real
  frame::QuestionForm* form3 = nullptr;
  frame::NumberPromptForm* form4 = nullptr;  // an integer
  InitializationForm* form5 = nullptr;
  frame::OperationsForm* form6 = nullptr;
  frame::TextPromptForm* form7 = nullptr;
  TransformationForm* form8 = nullptr;
  frame::plot::PlotWindow* form9 = nullptr;
  frame::plot::ScalesForm* form10 = nullptr;
};

}  // namespace ladder
