// The "C" locale for the number conversions of the C library.
//
// A Qt program calls setlocale(LC_ALL, "") at start-up, and the user's locale
// may have "," as its decimal point.  The suite's number texts always use ".",
// so every snprintf or strtold on a number runs under this locale instead.
#pragma once

#include <locale.h>
#include <clocale>

namespace base {

// The process-wide "C" locale object, created on first use.
locale_t CLocale();

// Makes the "C" locale the calling thread's locale for its lifetime and then
// restores the locale that was in use before.
class CLocaleScope {
 public:
  CLocaleScope();
  ~CLocaleScope();
  CLocaleScope(const CLocaleScope&) = delete;
  CLocaleScope& operator=(const CLocaleScope&) = delete;

 private:
  locale_t previous_;
};

}  // namespace base
