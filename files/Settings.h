// The user's choices carried from one run to the next in durak.ini.
#pragma once

#include <cstdint>
#include <functional>
#include <string>

#include "ProfileFile.h"

namespace durak {

// Window states as the settings file stores them.
enum TWindowState : uint8_t { wsNormal = 0, wsMinimized = 1, wsMaximized = 2 };

// The computer player at the table, as the settings file stores the choice.
enum TOpponentLevel : int32_t { kOpponentUsual = 0, kOpponentStrong = 1, kOpponentEasy = 2 };

// The language of the texts, as the settings file stores it.
enum TLanguage : int32_t { lnRussian = 1, lnEnglish = 2 };

struct TSettings {
  int32_t SpeechColour = 0;  // font colour of the speech line
  uint8_t DeskPicture = 0;
  uint8_t CardBack = 1;
  int32_t HandOrder = 1;
  int32_t GlideSpeed = 40;
  std::string DeskLibraryPath = "dtop.dll";
  std::string CardLibraryPath = "c36.dll";
  int32_t RBright = 0;
  int32_t FColor = 0;
  int32_t SColor = 32768;
  int32_t Color = 32768;
  uint16_t Options = 0;  // the option bits 0..15
  int32_t HotColor = 65535;
  TLanguage Language = lnRussian;
  TOpponentLevel Opponent = kOpponentUsual;
  // How many play at the table: 2 (the person and one computer player), 3 or 4. A new
  // number takes effect with a new game.
  int32_t Players = 2;
  // Cards grow with the table (off: always the card library's size).
  bool ScaleToWindow = true;
  int32_t Left = 100, Top = 50, Width = 600, Height = 450;
  TWindowState State = wsNormal;
};

// The option set from the stored integer: bits 0..15, the rest ignored.
uint16_t IntToSet(int32_t value);
int32_t SetToInt(uint16_t set);

// Reads every key in the order of the file's layout; without a wave-output device the
// sound option is removed whatever the file says.
TSettings ReadSettings(const TProfileFile& file, bool haveWaveOut);
// The same, asking whether there is a wave-output device only when the file turns the sound
// on (finding out may take the audio system a moment).
TSettings ReadSettings(const TProfileFile& file, const std::function<bool()>& haveWaveOut);
// Writes the "Settings" keys and State, and the placement only when the window is normal.
void WriteSettings(TProfileFile& file, const TSettings& s);

}  // namespace durak
