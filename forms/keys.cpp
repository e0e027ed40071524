#include "forms/keys.h"

namespace forms {

int VirtualKeyOfChar(char c) {
  if (c >= 'a' && c <= 'z') return c - 'a' + 'A';
  if ((c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9')) return c;
  switch (c) {
    case ' ': return kKeySpace;
    case '\r': return kKeyReturn;
    case '\b': return kKeyBack;
    case '\x1b': return kKeyEscape;
    case '+':
    case '=': return kKeyOemPlus;
    case ',':
    case '<': return kKeyOemComma;
    case '-':
    case '_': return kKeyOemMinus;
    case '.':
    case '>': return kKeyOemPeriod;
    default: return kKeyOemOther;
  }
}

}  // namespace forms
