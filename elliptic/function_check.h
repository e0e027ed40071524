// "Testar funções": the special functions at the k and x of the main window,
// each pair of results computed by two routes so that the user can compare
// them.
#pragma once

#include "elliptic/designer_log.h"
#include "elliptic/designer_state.h"

namespace elliptic {

class MainForm;

void CheckFunctions(const MainForm& form, DesignerState& state, DesignerLog& log);

}  // namespace elliptic
