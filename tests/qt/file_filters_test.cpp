#include "forms/qt/file_filters.h"

#include <gtest/gtest.h>

namespace forms::qt {
namespace {

TEST(FileFilters, BecomeQtNameFilters) {
  struct Case {
    FileFilter filter;
    const char* expected;
  };
  const Case cases[] = {
      {{"Zeros (*.z)", "*.z"}, "Zeros (*.z)"},
      {{"Polinômios (*.n11;*.d11;*.n22;*.d22;*.n;*.d)", "*.n11;*.d11;*.n22;*.d22;*.n;*.d"},
       "Polinômios (*.n11 *.d11 *.n22 *.d22 *.n *.d)"},
      {{"Polinômios (*.n; *.d)", "*.n; *.d"}, "Polinômios (*.n *.d)"},
      {{"Todos os arquivos", "*.*"}, "Todos os arquivos (*)"},
      {{"Listas de valores (*.val)", ""}, "Listas de valores (*.val)"},
      {{"", "*.tab"}, "*.tab (*.tab)"},
  };
  for (const Case& c : cases) EXPECT_EQ(QtFilterOf(c.filter).toStdString(), c.expected) << c.filter.description;
}

}  // namespace
}  // namespace forms::qt
