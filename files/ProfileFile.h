// The settings file: a Windows-style INI text file of [sections] and key=value lines.
// Section and key names are matched without regard to case; a written key is updated in
// place (or added at the end of its section), and every other line of the file is kept.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace durak {

class TProfileFile {
 public:
  explicit TProfileFile(std::string path);

  // Reads the file; a missing or unreadable file reads as empty. Returns whether it was read.
  // A file that is there but cannot be read (or is far too big to be a settings file) is
  // never replaced: Save then fails.
  bool Load();

  // An integer in decimal, or in hexadecimal after "$", "0x" or "0X"; the default when the
  // key is missing or its value is anything else.
  int32_t ReadInteger(const std::string& section, const std::string& key, int32_t def) const;
  // At most 2047 characters of the value are used.
  std::string ReadString(const std::string& section, const std::string& key,
                         const std::string& def) const;

  // Integers are written in decimal, with "-" when negative.
  void WriteInteger(const std::string& section, const std::string& key, int32_t value);
  void WriteString(const std::string& section, const std::string& key, const std::string& value);

  // Writes the file through a temporary file in the same folder renamed over the old one,
  // so that a failed write never destroys the old file. On failure (also after a Load that
  // found the file unreadable) returns false and sets the message "Unable to write to <path>".
  bool Save(std::string* error);

  const std::string& Path() const { return path_; }
  const std::vector<std::string>& Lines() const { return lines_; }

 private:
  // Index of the line holding the key inside the section, or -1.
  int FindKey(const std::string& section, const std::string& key) const;
  int FindSection(const std::string& section) const;

  std::string path_;
  std::vector<std::string> lines_;
  bool unreadable_ = false;
};

// Parses an integer as the settings file stores it; false when it is not one.
bool ParseProfileInteger(const std::string& text, int32_t* value);

}  // namespace durak
