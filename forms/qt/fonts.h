// The fonts of the desktop windows.
#pragma once

#include <QFont>

namespace forms::qt {

// Make the dialog font the application's font.
void UseDialogFont();

// The fixed-pitch font of logs and number fields, in which right-justified
// numbers line up.
QFont FixedPitchFont();

}  // namespace forms::qt
