#include "Settings.h"

namespace durak {

namespace {
const char kSettings[] = "Settings";
const char kPosition[] = "Position";
constexpr uint16_t kSoundBit = 8;
}  // namespace

uint16_t IntToSet(int32_t value) {
  return static_cast<uint16_t>(value & 0xFFFF);
}
int32_t SetToInt(uint16_t set) {
  return static_cast<int32_t>(set);
}

TSettings ReadSettings(const TProfileFile& f, const std::function<bool()>& haveWaveOut) {
  const bool soundOn = IntToSet(f.ReadInteger(kSettings, "Arul", 0)) & kSoundBit;
  return ReadSettings(f, !soundOn || !haveWaveOut || haveWaveOut());
}

TSettings ReadSettings(const TProfileFile& f, bool haveWaveOut) {
  TSettings s;
  s.SpeechColour = f.ReadInteger(kSettings, "MyWords", 0);
  s.DeskPicture = static_cast<uint8_t>(f.ReadInteger(kSettings, "DeskTop", 0));
  s.CardBack = static_cast<uint8_t>(f.ReadInteger(kSettings, "Rubaha", 1));
  s.HandOrder = f.ReadInteger(kSettings, "VidSort", 1);
  s.GlideSpeed = f.ReadInteger(kSettings, "ASpeed", 40);
  s.DeskLibraryPath = f.ReadString(kSettings, "DTPath", "dtop.dll");
  s.CardLibraryPath = f.ReadString(kSettings, "ColodaPath", "c36.dll");
  s.RBright = f.ReadInteger(kSettings, "RBright", 0);
  s.FColor = f.ReadInteger(kSettings, "FColor", 0);
  s.SColor = f.ReadInteger(kSettings, "SColor", 32768);
  s.Color = f.ReadInteger(kSettings, "Color", 32768);
  s.Options = IntToSet(f.ReadInteger(kSettings, "Arul", 0));
  if (!haveWaveOut) s.Options = static_cast<uint16_t>(s.Options & ~kSoundBit);
  s.HotColor = f.ReadInteger(kSettings, "HotColor", 65535);
  const int language = f.ReadInteger(kSettings, "Language", lnRussian);
  s.Language = language == lnEnglish ? lnEnglish : lnRussian;
  const int opponent = f.ReadInteger(kSettings, "Opponent", kOpponentUsual);
  s.Opponent = opponent == kOpponentStrong || opponent == kOpponentEasy
                   ? static_cast<TOpponentLevel>(opponent)
                   : kOpponentUsual;
  const int players = f.ReadInteger(kSettings, "Players", 2);
  s.Players = players == 3 || players == 4 ? players : 2;
  s.ScaleToWindow = f.ReadInteger(kSettings, "ScaleToWindow", 1) != 0;
  s.Left = f.ReadInteger(kPosition, "Left", 100);
  s.Top = f.ReadInteger(kPosition, "Top", 50);
  s.Width = f.ReadInteger(kPosition, "Width", 600);
  s.Height = f.ReadInteger(kPosition, "Height", 450);
  // Any stored number is kept as read (only "normal" and "maximised" change the window).
  s.State = static_cast<TWindowState>(static_cast<uint8_t>(f.ReadInteger(kPosition, "State", 0)));
  return s;
}

void WriteSettings(TProfileFile& f, const TSettings& s) {
  f.WriteInteger(kSettings, "Rubaha", s.CardBack);
  f.WriteInteger(kSettings, "ASpeed", s.GlideSpeed);
  f.WriteInteger(kSettings, "VidSort", s.HandOrder);
  f.WriteInteger(kSettings, "MyWords", s.SpeechColour);
  f.WriteInteger(kSettings, "DeskTop", s.DeskPicture);
  f.WriteString(kSettings, "DTPath", s.DeskLibraryPath);
  f.WriteString(kSettings, "ColodaPath", s.CardLibraryPath);
  f.WriteInteger(kSettings, "RBright", s.RBright);
  f.WriteInteger(kSettings, "FColor", s.FColor);
  f.WriteInteger(kSettings, "SColor", s.SColor);
  f.WriteInteger(kSettings, "Color", s.Color);
  f.WriteInteger(kSettings, "Arul", SetToInt(s.Options));
  f.WriteInteger(kSettings, "HotColor", s.HotColor);
  f.WriteInteger(kSettings, "Language", s.Language);
  // The opponent key is written once another level has been chosen; a file of the usual
  // player stays as it always was.
  if (s.Opponent != 0 || f.ReadInteger(kSettings, "Opponent", -1) != -1)
    f.WriteInteger(kSettings, "Opponent", s.Opponent);
  // Written once a table of three or four has been chosen (or the file already has it).
  if (s.Players != 2 || f.ReadInteger(kSettings, "Players", -1) != -1)
    f.WriteInteger(kSettings, "Players", s.Players);
  // Written once the player has turned it off (or the file already has it), so a file that
  // never changed it keeps the keys it always had.
  if (!s.ScaleToWindow || !f.ReadString(kSettings, "ScaleToWindow", "").empty())
    f.WriteInteger(kSettings, "ScaleToWindow", s.ScaleToWindow ? 1 : 0);
  if (s.State == wsNormal) {
    f.WriteInteger(kPosition, "Left", s.Left);
    f.WriteInteger(kPosition, "Top", s.Top);
    f.WriteInteger(kPosition, "Width", s.Width);
    f.WriteInteger(kPosition, "Height", s.Height);
  }
  f.WriteInteger(kPosition, "State", s.State);
}

}  // namespace durak
