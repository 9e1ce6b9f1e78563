// durak.ini as the game reads and writes it: defaults, the option bits, the placement.
#include "Settings.h"
#include "TempDir.h"

namespace durak::testing {
namespace {

class SettingsTest : public TempDirTest {
 protected:
  TSettings Read(const std::string& text, bool wave = true) {
    WriteFile("durak.ini", text);
    TProfileFile f(PathOf("durak.ini"));
    f.Load();
    return ReadSettings(f, wave);
  }
};

TEST_F(SettingsTest, FirstCloseWritesEveryKeyInOrder) {
  TProfileFile f(PathOf("durak.ini"));
  f.Load();
  TSettings s = ReadSettings(f, true);
  WriteSettings(f, s);
  std::string error;
  ASSERT_TRUE(f.Save(&error));
  EXPECT_EQ(ReadFile("durak.ini"),
            "[Settings]\nRubaha=1\nASpeed=40\nVidSort=1\nMyWords=0\nDeskTop=0\n"
            "DTPath=dtop.dll\nColodaPath=c36.dll\nRBright=0\nFColor=0\nSColor=32768\n"
            "Color=32768\nArul=0\nHotColor=65535\nLanguage=1\n\n"
            "[Position]\nLeft=100\nTop=50\nWidth=600\nHeight=450\nState=0\n");
}

TEST_F(SettingsTest, MaximisedWindowWritesOnlyItsState) {
  TSettings s = Read("[Position]\nLeft=7\nTop=8\nWidth=900\nHeight=700\n");
  s.State = wsMaximized;
  s.Left = 0;
  TProfileFile f(PathOf("durak.ini"));
  f.Load();
  WriteSettings(f, s);
  EXPECT_EQ(f.ReadInteger("Position", "Left", -1), 7);
  EXPECT_EQ(f.ReadInteger("Position", "State", -1), 2);
}

TEST_F(SettingsTest, OptionBits) {
  EXPECT_EQ(Read("[Settings]\nArul=13\n").Options, 13);
  EXPECT_EQ(Read("[Settings]\nArul=13\n", false).Options, 5);
  EXPECT_EQ(Read("[Settings]\nArul=65552\n").Options, 16);
  EXPECT_EQ(SetToInt(Read("[Settings]\nArul=-1\n").Options), 65535);
}

TEST_F(SettingsTest, LanguageOtherThanOneOrTwoIsRussian) {
  for (const char* v : {"3", "0", "abc"})
    EXPECT_EQ(Read(std::string("[Settings]\nLanguage=") + v + "\n").Language, 1) << v;
  EXPECT_EQ(Read("[Settings]\nLanguage=2\n").Language, 2);
}

TEST_F(SettingsTest, OpponentIsTheUsualOneUnlessAnotherLevelWasChosen) {
  EXPECT_EQ(Read("").Opponent, kOpponentUsual);
  for (const char* v : {"3", "-1", "abc", "0"})
    EXPECT_EQ(Read(std::string("[Settings]\nOpponent=") + v + "\n").Opponent, kOpponentUsual) << v;
  EXPECT_EQ(Read("[Settings]\nOpponent=1\n").Opponent, kOpponentStrong);
  EXPECT_EQ(Read("[Settings]\nOpponent=2\n").Opponent, kOpponentEasy);

  // Chosen once, the key is kept, also when the usual player is chosen again.
  TProfileFile f(PathOf("durak.ini"));
  f.Load();
  TSettings s = ReadSettings(f, true);
  s.Opponent = kOpponentStrong;
  WriteSettings(f, s);
  EXPECT_EQ(f.ReadInteger("Settings", "Opponent", -1), 1);
  s.Opponent = kOpponentUsual;
  WriteSettings(f, s);
  EXPECT_EQ(f.ReadInteger("Settings", "Opponent", -1), 0);
}

TEST_F(SettingsTest, PlayersAreTwoUnlessATableOfThreeOrFourWasChosen) {
  EXPECT_EQ(Read("").Players, 2);
  for (const char* v : {"1", "5", "-3", "abc", "2"})
    EXPECT_EQ(Read(std::string("[Settings]\nPlayers=") + v + "\n").Players, 2) << v;
  EXPECT_EQ(Read("[Settings]\nPlayers=3\n").Players, 3);
  EXPECT_EQ(Read("[Settings]\nPlayers=4\n").Players, 4);

  // A file of the two-player game gets no new key; once chosen, the key is kept.
  Read("[Settings]\nOpponent=1\n");
  TProfileFile f(PathOf("durak.ini"));
  f.Load();
  TSettings s = ReadSettings(f, true);
  WriteSettings(f, s);
  EXPECT_EQ(f.ReadInteger("Settings", "Players", -1), -1);
  s.Players = 4;
  WriteSettings(f, s);
  EXPECT_EQ(f.ReadInteger("Settings", "Players", -1), 4);
  s.Players = 2;
  WriteSettings(f, s);
  EXPECT_EQ(f.ReadInteger("Settings", "Players", -1), 2);
}

TEST_F(SettingsTest, HexColourIsWrittenBackInDecimal) {
  TSettings s = Read("[Settings]\nHotColor=0xFF0000\nDeskTop=268\n");
  EXPECT_EQ(s.HotColor, 16711680);
  EXPECT_EQ(s.DeskPicture, 12);  // low 8 bits
  TProfileFile f(PathOf("durak.ini"));
  f.Load();
  WriteSettings(f, s);
  std::string error;
  ASSERT_TRUE(f.Save(&error));
  EXPECT_NE(ReadFile("durak.ini").find("HotColor=16711680\n"), std::string::npos);
}

// Whether there is a wave-output device is asked only when the file turns the sound on; the
// answer decides as before.
TEST_F(SettingsTest, AudioDeviceAskedOnlyWhenTheSoundIsOn) {
  int asked = 0;
  auto read = [&](const std::string& text, bool wave) {
    WriteFile("durak.ini", text);
    TProfileFile f(PathOf("durak.ini"));
    f.Load();
    return ReadSettings(f, std::function<bool()>([&] {
                          ++asked;
                          return wave;
                        }));
  };
  EXPECT_EQ(read("[Settings]\nArul=1\n", false).Options, 1);
  EXPECT_EQ(read("", false).Options, 0);
  EXPECT_EQ(asked, 0);
  EXPECT_EQ(read("[Settings]\nArul=9\n", true).Options, 9);
  EXPECT_EQ(read("[Settings]\nArul=9\n", false).Options, 1);
  EXPECT_EQ(asked, 2);
}

}  // namespace
}  // namespace durak::testing
