// A resource pack: a zip archive of pictures (PNG), texts (strings.tsv) and
// sounds (WAV), found by its bare file name and opened for one operation.
#pragma once

#include <QByteArray>
#include <QHash>
#include <QImage>
#include <QString>

struct zip;

namespace durak {

class ResourcePack {
 public:
  // Largest entry read from a pack; anything bigger counts as missing.
  static constexpr qint64 kMaxEntryBytes = qint64{8} * 1024 * 1024;
  // Pictures are kept at most this large: a bigger one is scaled down as it is read.
  static constexpr int kMaxPictureSide = 1024;
  // The largest picture decoded at all; a bigger one counts as missing.
  static constexpr int kMaxDecodedSide = 4096;
  // What the pictures read from one opening of a pack may take together; pictures beyond
  // it count as missing, so a hostile pack cannot take unbounded memory.
  static constexpr qint64 kPictureBudgetBytes = qint64{192} * 1024 * 1024;
  // Texts are cut to this many characters.
  static constexpr int kMaxTextChars = 49;
  // The longer texts of the game's own windows (the rules) are cut to this many.
  static constexpr int kMaxLongTextChars = 3000;

  ResourcePack() = default;
  ~ResourcePack();
  ResourcePack(const ResourcePack&) = delete;
  ResourcePack& operator=(const ResourcePack&) = delete;

  // Finds the pack by its bare file name (see FindPack) and opens it.
  // Returns false when it is not found or is not a readable archive.
  bool Open(const QString& bareName);
  // Opens the archive at an exact path.
  bool OpenFile(const QString& path);
  void Close();
  bool IsOpen() const { return archive_ != nullptr; }
  // The full path of the open pack, empty when closed.
  QString Path() const { return path_; }

  // The picture "name" (without ".png", any letter case); a null image when
  // the pack is closed, the picture is missing or it cannot be decoded.
  QImage LoadImage(const QString& name);
  // Whether a picture of that name is present (without decoding it).
  bool HasImage(const QString& name);
  // Text number n, at most kMaxTextChars characters; empty when missing.
  QString LoadText(int number);
  // Text number n at up to kMaxLongTextChars characters; empty when missing.
  QString LoadLongText(int number);
  // The raw bytes of the sound "name" (a WAV file); empty when missing.
  QByteArray LoadSoundData(const QString& name);
  // Starts the sound "name" and returns at once; nothing happens when it is
  // missing or there is no audio output. The sound keeps playing after Close.
  void PlaySound(const QString& name);

  // The size a picture's bytes (PNG) decode to, read from its header only, scaled down as
  // LoadImage does; invalid when the bytes are no picture or it is too large to decode.
  static QSize PictureSize(const QByteArray& png);
  // Decodes a picture's bytes as LoadImage does (without the pack's budget).
  static QImage DecodePicture(const QByteArray& png);

  // The raw bytes of an entry by file name (any letter case, any folder),
  // or empty when it is missing, too big or damaged.
  QByteArray ReadEntry(const QString& fileName, qint64 maxBytes = kMaxEntryBytes);

 private:
  qint64 Locate(const QString& fileName) const;
  void LoadTexts();

  zip* archive_ = nullptr;
  QString path_;
  bool textsLoaded_ = false;
  qint64 pictureBytes_ = 0;  // taken from the picture budget since the pack was opened
  QHash<int, QString> texts_;
};

}  // namespace durak
