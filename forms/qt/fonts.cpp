#include "forms/qt/fonts.h"

#include <QApplication>
#include <QFontDatabase>

namespace forms::qt {

namespace {

// The widgets' font: a pixel size of 11, whose lines are 13 pixels high, the
// line height the windows' fixed positions were laid out for, and condensed
// so that captions fit their widths.
constexpr int kDialogFontPixelSize = 11;
const char* const kDialogFontFamily = "DejaVu Sans Condensed";
const char* const kDialogFontFile = "/usr/share/fonts/truetype/dejavu/DejaVuSansCondensed.ttf";

// The same height as the dialog font, so that fields keep their layout; a
// log line of about 90 characters fits the default width of a log.
const char* const kFixedFontFamily = "DejaVu Sans Mono";
const char* const kFixedFontFile = "/usr/share/fonts/truetype/dejavu/DejaVuSansMono.ttf";

QFont FontOf(const char* family, const char* file) {
  if (!QFontDatabase::families().contains(family)) QFontDatabase::addApplicationFont(file);
  QFont font(family);
  font.setPixelSize(kDialogFontPixelSize);
  return font;
}

}  // namespace

void UseDialogFont() { QApplication::setFont(FontOf(kDialogFontFamily, kDialogFontFile)); }

QFont FixedPitchFont() {
  static const QFont fixed = [] {
    QFont font = FontOf(kFixedFontFamily, kFixedFontFile);
    // where the family is missing after all, any fixed-pitch face will do
    font.setStyleHint(QFont::Monospace);
    font.setFixedPitch(true);
    return font;
  }();
  return fixed;
}

}  // namespace forms::qt
