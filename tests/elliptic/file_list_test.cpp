// The file list of Form2: the partner file of zeros, the reading of roots
// files into the function list with its capacities, the clamp of the
// segments, and what a read error leaves as it was.
#include "elliptic/file_list.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/base/extended_printer.h"
#include "tests/elliptic/designer_fixture.h"

namespace elliptic_test {
namespace {

using base::Extended;

TEST(ZerosPartner, TheCharacterBeforeTheFirstDotOfTheFileNameBecomesP) {
  const struct {
    const char* poles;
    const char* zeros;  // null: none
  } cases[] = {
      {"elipe.r", "elipp.r"},
      {"butte.r", "buttp.r"},
      {"chebie.r", "chebip.r"},
      {"elipe.r2", "elipp.r2"},
      {"elipe.r.old", "elipp.r.old"},
      {"C:\\dados\\chebe.r3", "C:\\dados\\chebp.r3"},
      {"/home/ana/v1.2/butte.r", "/home/ana/v1.2/buttp.r"},
      {".r", "p.r"},
      {"dados/.r", "dados/p.r"},
      {"semponto", nullptr},
      {"pasta.v2/semponto", nullptr},
      {"", nullptr},
  };
  for (const auto& c : cases) {
    const std::optional<std::string> partner = elliptic::ZerosPartner(c.poles);
    if (c.zeros)
      EXPECT_EQ(partner, std::optional<std::string>(c.zeros)) << c.poles;
    else
      EXPECT_FALSE(partner) << c.poles;
  }
}

using FileListTest = DesignerFixture;

TEST_F(FileListTest, ClampIntKeepsTheSegmentsWithinOneToAThousand) {
  const struct {
    std::int32_t typed, kept;
  } cases[] = {{0, 1}, {-7, 1}, {1, 1}, {500, 500}, {1000, 1000}, {1001, 1000}, {5000, 1000}};
  for (const auto& c : cases) {
    selection_form().tsegmentos.set_panel_int(c.typed);
    elliptic::ClampInt(selection_form().tsegmentos, 1, 1000);
    EXPECT_EQ(selection_form().tsegmentos.panel_int(), c.kept) << c.typed;
    EXPECT_EQ(selection_form().tsegmentos.text(), std::to_string(c.kept)) << "the field shows it";
  }
}

TEST_F(FileListTest, AThousandAndOneRootsKeepTheFirstThousandAndTheClosingConstant) {
  std::string text = "1001\r\n";
  for (int k = 1; k <= 1001; ++k) text += "-1 " + std::to_string(k) + "\r\n";
  text += "0.5\r\n";
  const std::string big = File("big.r", text);
  const std::string nocte = File("nocte.r", "1\r\n-2 0\r\n");
  Plot({big, nocte});
  ASSERT_EQ(functions().count, 1);
  const elliptic::TRootFileRecord& poles = functions()[1].poles;
  EXPECT_EQ(poles.count, 1000);
  EXPECT_EQ(poles.re[1000], Extended(-1));
  EXPECT_EQ(poles.im[1000], Extended(1000));
  EXPECT_EQ(poles.constant, Extended(0.5L)) << "not the real part of root 1001";
  EXPECT_EQ(functions()[1].zeros.constant, Extended(0)) << "a file without its constant line";
  EXPECT_TRUE(messages.empty());
}

TEST_F(FileListTest, TwentyTwoPairsLeaveTheLastInFunctionTwenty) {
  const std::string p1 = File("p1.r", "1\r\n-1 0\r\n1\r\n");
  const std::string p2 = File("p2.r", "1\r\n-3 0\r\n2\r\n");
  const std::string z = File("z.r", "0\r\n1\r\n");
  std::vector<std::string> list;
  for (int n = 1; n <= 21; ++n) list.insert(list.end(), {p1, z});
  list.insert(list.end(), {p2, z});
  Plot(list);
  EXPECT_EQ(functions().count, 20);
  EXPECT_EQ(functions()[19].poles.re[1], Extended(-1));
  EXPECT_EQ(functions()[20].poles.re[1], Extended(-3));
  EXPECT_EQ(functions()[20].poles.constant, Extended(2));
}

// A token that is not a number ends "Plotar" with the message: the functions
// read up to there stay counted, and what the steps after the reading set
// (the selected function, the home view, the clamp of the segments) and the
// plot window stay as they were.
TEST_F(FileListTest, AReadErrorEndsPlotarWhereItStands) {
  const std::string p = File("p.r", "1\r\n-1 0\r\n1\r\n");
  const std::string z = File("z.r", "0\r\n1\r\n");
  const std::string bad = File("bad.r", "1\r\n-1 x\r\n1\r\n");
  Plot({p, z, p, z});
  app.Guard([&] { plot_form().UserKeyPress('\r'); });
  ASSERT_EQ(functions().selected_function, 2);
  plot_form().Close();
  Type(selection_form().twmax, "7");
  Type(selection_form().tsegmentos, "5000");
  Plot({p, z, bad, z});
  ASSERT_EQ(messages.size(), 1u);
  EXPECT_NE(messages[0].find("'x'"), std::string::npos) << messages[0];
  EXPECT_EQ(functions().count, 2) << "function 2 was counted when its poles file began";
  EXPECT_EQ(functions().selected_function, 2);
  EXPECT_EQ(duzavuri.home_view().twmax, 5);
  EXPECT_EQ(selection_form().tsegmentos.panel_int(), 5000);
  EXPECT_FALSE(plot_form().visible());
  EXPECT_EQ(Logged().back(), "Encontrado o arquivo \"" + bad + "\"");
}

TEST_F(FileListTest, ProcurarPolosAddsThePairAndACancelAddsNothing) {
  selection_form().files.SetLines({});
  file_answer = "/dados/v1.0/elipe.r2";
  Click(selection_form().browse_button);
  file_answer.reset();
  Click(selection_form().browse_button);
  EXPECT_EQ(selection_form().files.lines(), (std::vector<std::string>{"/dados/v1.0/elipe.r2", "/dados/v1.0/elipp.r2"}));
  EXPECT_TRUE(Logged().empty());
}

}  // namespace
}  // namespace elliptic_test
