// The settings file: whatever durak.ini holds, it is read without harm, every key reads
// as a value or its default, and what the game writes back reads back the same.
#include <cstdint>
#include <string>

#include "FuzzSupport.h"
#include "ProfileFile.h"
#include "Settings.h"

using namespace durak;

namespace {

// A text value survives a write and a read only when the file's own syntax does not
// touch it: no surrounding blanks or quotes, no line breaks.
bool PlainValue(const std::string& v) {
  if (v.empty()) return true;
  for (char c : v)
    if (c == '\n' || c == '\r') return false;
  auto special = [](char c) {
    return c == ' ' || c == '\t' || c == '\v' || c == '\f' || c == '"' || c == '\'';
  };
  return !special(v.front()) && !special(v.back());
}

std::string WithoutCr(std::string line) {
  while (!line.empty() && line.back() == '\r') line.pop_back();
  return line;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string path = fuzz::ScratchPath("durak.ini");
  fuzz::WriteBytes(path, data, size);

  TProfileFile file(path);
  file.Load();
  const TSettings first = ReadSettings(file, true);
  const TSettings silent = ReadSettings(file, false);
  FUZZ_CHECK((silent.Options & 8) == 0);
  FUZZ_CHECK(first.Language == 1 || first.Language == 2);
  FUZZ_CHECK(first.DeskLibraryPath.size() <= 2047 && first.CardLibraryPath.size() <= 2047);

  WriteSettings(file, first);
  std::string error;
  FUZZ_CHECK(file.Save(&error));  // the scratch folder is writable

  TProfileFile again(path);
  FUZZ_CHECK(again.Load());
  const TSettings second = ReadSettings(again, true);
  FUZZ_CHECK(second.SpeechColour == first.SpeechColour);
  FUZZ_CHECK(second.DeskPicture == first.DeskPicture);
  FUZZ_CHECK(second.CardBack == first.CardBack);
  FUZZ_CHECK(second.HandOrder == first.HandOrder);
  FUZZ_CHECK(second.GlideSpeed == first.GlideSpeed);
  FUZZ_CHECK(second.RBright == first.RBright);
  FUZZ_CHECK(second.FColor == first.FColor);
  FUZZ_CHECK(second.SColor == first.SColor);
  FUZZ_CHECK(second.Color == first.Color);
  FUZZ_CHECK(second.Options == first.Options);
  FUZZ_CHECK(second.HotColor == first.HotColor);
  FUZZ_CHECK(second.Language == first.Language);
  FUZZ_CHECK(second.State == first.State);
  FUZZ_CHECK(second.Left == first.Left && second.Top == first.Top);
  FUZZ_CHECK(second.Width == first.Width && second.Height == first.Height);
  if (PlainValue(first.DeskLibraryPath))
    FUZZ_CHECK(second.DeskLibraryPath == first.DeskLibraryPath);
  if (PlainValue(first.CardLibraryPath))
    FUZZ_CHECK(second.CardLibraryPath == first.CardLibraryPath);

  // Writing the same settings again changes no line of the file (a stray carriage return
  // at a line's end may go: lines end in a bare line feed once written).
  WriteSettings(again, second);
  FUZZ_CHECK(again.Save(&error));
  TProfileFile third(path);
  FUZZ_CHECK(third.Load());
  FUZZ_CHECK(third.Lines().size() == again.Lines().size());
  for (size_t i = 0; i < third.Lines().size(); ++i)
    FUZZ_CHECK(WithoutCr(third.Lines()[i]) == WithoutCr(again.Lines()[i]));
  return 0;
}
