// The designer's three windows, in the order they are created; the
// application owns them, the program keeps these pointers.
#pragma once

namespace elliptic {

class MainForm;
class ResponsePlotForm;
class SelectionForm;

struct Windows {
  MainForm* form1 = nullptr;
  SelectionForm* form2 = nullptr;
  ResponsePlotForm* form3 = nullptr;
};

}  // namespace elliptic
