// The element list: naming, its listing and the value list file.
#include "ladder/network.h"

#include <gtest/gtest.h>

#include "ladder/step_refused.h"
#include "tests/ladder/tramow_fixture.h"

namespace ladder_test {
namespace {

using Kind = ladder::TElementKind;

class NetworkTest : public TramowFixture {
 protected:
  NetworkTest() {
    model().width = 20;
    model().decimals = 15;
  }

  void Add(Kind kind, std::int32_t increment, long double value = 1) {
    ladder::AddElement(network(), tramow.console(), kind, increment, value);
  }

  std::vector<std::string> Names() {
    std::vector<std::string> names;
    for (std::int32_t i = 1; i <= network().count; ++i) names.push_back(network().elements[i].name);
    return names;
  }
};

TEST_F(NetworkTest, SectionsAreNumberedByTheIncrements) {
  // a first element joining no section still gets section 1
  Add(Kind::kSeriesR, 0);
  Add(Kind::kShuntC, 1);
  Add(Kind::kSeriesTankL, 1);
  Add(Kind::kLossRL, 0);
  Add(Kind::kSeriesTankC, 0);
  Add(Kind::kLossRC, 0);
  EXPECT_EQ(Names(), (std::vector<std::string>{"R1", "C2", "L3", "RL3", "C3", "RC3"}));
  EXPECT_EQ(Logged().front(), "R1:   1.000000000000000 em série");
  EXPECT_EQ(Logged().back(), "RC3:   1.000000000000000 em // com isto");
}

TEST_F(NetworkTest, NamesKeepFourCharacters) {
  network().name_counter = 9;
  Add(Kind::kShuntTankL, 1);
  Add(Kind::kLossRL, 0);
  network().name_counter = 99;
  Add(Kind::kShuntTankL, 1);
  Add(Kind::kLossRL, 0);
  Add(Kind::kShuntTankC, 0);
  Add(Kind::kLossRC, 0);
  EXPECT_EQ(Names(), (std::vector<std::string>{"L10", "RL10", "L100", "RL10", "C100", "RC10"}));
}

TEST_F(NetworkTest, EveryKindHasItsLettersAndPlace) {
  const std::pair<Kind, const char*> kinds[] = {
      {Kind::kSeriesL, "L1: série"},
      {Kind::kShuntL, "L1: //"},
      {Kind::kSeriesTankL, "L1: tanque // em série"},
      {Kind::kShuntTankL, "L1: tanque série em //"},
      {Kind::kSeriesC, "C1: série"},
      {Kind::kShuntC, "C1: //"},
      {Kind::kSeriesTankC, "C1: tanque // em série"},
      {Kind::kShuntTankC, "C1: tanque série em //"},
      {Kind::kSeriesR, "R1: série"},
      {Kind::kShuntR, "R1: //"},
      {Kind::kLossRL, "RL1: série com isto"},
      {Kind::kLossRC, "RC1: // com isto"},
  };
  for (const auto& [kind, expected] : kinds) {
    network().Clear();
    Add(kind, 1);
    EXPECT_EQ(network().elements[1].name + ":" + ladder::ConnectionText(kind).substr(3), expected);
  }
}

TEST_F(NetworkTest, FullListRefusesBeforeChangingAnything) {
  for (int k = 0; k < ladder::kMaxElements; ++k) Add(Kind::kShuntC, 1);
  const std::size_t logged = Logged().size();
  EXPECT_THROW(Add(Kind::kSeriesL, 1), ladder::StepRefused);
  EXPECT_EQ(network().count, ladder::kMaxElements);
  EXPECT_EQ(network().name_counter, 200);
  EXPECT_EQ(Logged().size(), logged);
}

TEST_F(NetworkTest, ListingPutsTwoBlanksBeforeTheConnection) {
  ladder::ListNetwork(network(), tramow.console());
  Add(Kind::kSeriesL, 1, 2.5L);
  const std::size_t mark = Logged().size();
  ladder::ListNetwork(network(), tramow.console());
  EXPECT_EQ(Logged().front(), "Rede obtida:");
  EXPECT_EQ(LoggedSince(mark), (std::vector<std::string>{"Rede obtida:", "L1:    2.500000000000000  em série"}));
}

TEST_F(NetworkTest, ValueListFileTakesTheWholeFormat) {
  struct Case {
    std::int32_t width, decimals;
    std::string line;  // the file's line of a 1 H series inductor
  };
  const Case cases[] = {
      {20, 15, "L1    1.000000000000000 em série\r\n"},
      {20, -1, "L1  1.00000000000E+0000 em série\r\n"},
      {200, 2, "L1 " + std::string(196, ' ') + "1.00 em série\r\n"},
  };
  for (const Case& c : cases) {
    network().Clear();
    model().width = c.width;
    model().decimals = c.decimals;
    Add(Kind::kSeriesL, 1);
    files.push_back(folder.PathOf("net.val"));
    app.Guard([&] { ladder::SaveNetwork(network(), tramow.console(), c.width, c.decimals); });
    EXPECT_EQ(test_support::ScratchFolder::ReadBytes(folder.PathOf("net.val")), c.line);
    EXPECT_EQ(console_windows().main->save_dialog.filter_index(), 2);
  }
  // the log reads a width of 200 as -56: no leading blanks there
  EXPECT_EQ(Logged()[Logged().size() - 4], "L1:1.00 em série");
  EXPECT_EQ(LoggedSince(Logged().size() - 3),
            (std::vector<std::string>{"Rede salva no arquivo " + folder.PathOf("net.val"),
                                      "Edite o arquivo para colocar numeração de nós, terminações, etc.,",
                                      "ou use-o como lista de valores no programa Quinfe."}));
}

TEST_F(NetworkTest, CancelledSaveWritesAndLogsNothing) {
  Add(Kind::kSeriesL, 1);
  const std::size_t mark = Logged().size();
  files.push_back("cancel");
  ladder::SaveNetwork(network(), tramow.console(), 20, 15);
  EXPECT_TRUE(LoggedSince(mark).empty());
}

}  // namespace
}  // namespace ladder_test
