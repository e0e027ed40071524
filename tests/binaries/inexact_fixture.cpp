// A library that breaks the rule on purpose, linked into nothing: the check
// must find and name both of its faults, or it would pass whatever it reads.
#include <cmath>

long double SineFromTheLibrary(long double x) { return sinl(x); }

long double SineFromTheUnit(long double x) {
  long double r;
  asm("fsin" : "=t"(r) : "0"(x));
  return r;
}
