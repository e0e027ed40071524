#include "base/c_locale.h"

#include <cstdlib>

namespace base {

locale_t CLocale() {
  static const locale_t c_locale = [] {
    const locale_t created = newlocale(LC_ALL_MASK, "C", static_cast<locale_t>(nullptr));
    // Without it every number text could silently take the user's decimal
    // comma; "C" always exists, so only an exhausted memory gets here.
    if (created == static_cast<locale_t>(nullptr)) std::abort();
    return created;
  }();
  return c_locale;
}

CLocaleScope::CLocaleScope() : previous_(uselocale(CLocale())) {}

CLocaleScope::~CLocaleScope() { uselocale(previous_); }

}  // namespace base
