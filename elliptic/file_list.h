// The buttons of Form2 around its file list: "Procurar polos (*e.r*)" adds a
// file of poles with its partner file of zeros, "Limpar" empties the list,
// and "Plotar" reads the listed pairs into the function list and shows the
// plot window.  Every message goes to the main window's log.
#pragma once

#include <optional>
#include <string>

#include "elliptic/designer_log.h"
#include "elliptic/designer_state.h"
#include "elliptic/function_list.h"
#include "elliptic/windows.h"

namespace elliptic {

// The file of zeros that belongs to a file of poles: the character just
// before the first "." of the file's own name becomes "p" (elipe.r2 gives
// elipp.r2), or "p" goes before a name that begins with the ".".  The
// folders of a path are left as they are.  No "." in the name: none.
std::optional<std::string> ZerosPartner(const std::string& poles_name);

class FileList {
 public:
  FileList(const Windows& windows, DesignerState& state, DesignerLog& log, FunctionList& functions, HomeView& home)
      : windows_(windows), state_(state), log_(log), functions_(functions), home_(home) {}

  void BrowseClick();  // "Procurar polos (*e.r*)"
  void ClearClick();   // "Limpar"
  void PlotClick();    // "Plotar"

  // The roots read, in the log, when "Listar funções" is ticked.
  void ListRoots(const TRootFileRecord& record);

 private:
  const Windows& windows_;
  DesignerState& state_;
  DesignerLog& log_;
  FunctionList& functions_;
  HomeView& home_;
};

}  // namespace elliptic
