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
// Whether a file name (without its folder) is of the filter's kind; any
// name is when the filter has no patterns at all.
bool FitsFilter(const FileFilter& filter, const QString& name);

}  // namespace forms::qt
