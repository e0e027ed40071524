// The filter lists of the file dialogs in Qt's notation: "Desc (*.a *.b)".
#pragma once

#include <QStringList>
#include <vector>

#include "forms/file_dialog.h"

namespace forms::qt {

// The description keeps its text before any "(...)"; the patterns (separated
// by ";" with optional blanks) follow in parentheses, "*.*" becoming "*".
// Without patterns those in the description's parentheses are used.
QString QtFilterOf(const FileFilter& filter);
QStringList QtFiltersOf(const std::vector<FileFilter>& filters);

}  // namespace forms::qt
