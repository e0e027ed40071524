// The table of plotted values and the curve file written beside it.
#include "frame/plot/curve_table.h"

#include <gtest/gtest.h>

#include "base/errors.h"
#include "tests/base/extended_printer.h"
#include "tests/base/scratch_folder.h"

namespace frame::plot {
namespace {

using base::Extended;

TEST(CurveTable, EachPutColumnIsALineOfRealsWithoutWidth) {
  test_support::ScratchFolder folder("frame_plot_tests");
  const std::string path = folder.PathOf("curve.txt");
  CurveTable table(75, 3000, 2);
  {
    base::TextWriter file(path);
    table.Begin(75, &file);
    table.Put(75, 1, {-3, 0.5L});
    table.Put(76, 2, {-1e-30L, 1e40L});
    file.Close();
  }
  EXPECT_EQ(test_support::ScratchFolder::ReadBytes(path),
            " 1.00000000000000E+0000 -3.00000000000000E+0000  5.00000000000000E-0001\r\n"
            " 2.00000000000000E+0000 -1.00000000000000E-0030  1.00000000000000E+0040\r\n");
  EXPECT_EQ(table.At(76, 1), Extended(1e40L));
}

TEST(CurveTable, ItHoldsOnlyTheColumnsOfTheRepaintSoFar) {
  CurveTable table(75, 3000, 1);
  EXPECT_FALSE(table.Holds(75)) << "before any repaint";
  table.Begin(75, nullptr);
  table.Put(75, 1, {-3});
  table.Put(76, 1, {-4});
  EXPECT_TRUE(table.Holds(75));
  EXPECT_TRUE(table.Holds(76));
  EXPECT_FALSE(table.Holds(77));
  EXPECT_EQ(table.At(75), Extended(-3));
  table.Begin(75, nullptr);
  EXPECT_FALSE(table.Holds(75)) << "a new repaint that ended early";
}

TEST(CurveTable, ColumnsAndCountsOutsideTheTableAreRangeErrors) {
  CurveTable table(75, 3000, 1);
  table.Begin(75, nullptr);
  EXPECT_THROW(table.Put(3001, 1, {0}), base::RangeCheckError);
  EXPECT_THROW(table.Put(74, 1, {0}), base::RangeCheckError);
  EXPECT_THROW(table.Put(80, 1, {0, 1}), base::RangeCheckError);
  EXPECT_THROW(table.At(3001), base::RangeCheckError);
  EXPECT_NO_THROW(table.Put(3000, 1, {0}));
}

}  // namespace
}  // namespace frame::plot
