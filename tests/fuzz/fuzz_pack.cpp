// A resource pack: any file a user picks is either a pack that cannot be opened or a pack
// whose items are read or found missing, never a crash and never unbounded memory. The
// input is tried twice: as the archive itself, and as the contents of every item of a
// well-formed archive, so the picture, text and sound readers see it past the zip checks.
#include <zip.h>

#include <QByteArray>
#include <QImage>
#include <QString>
#include <cstdint>
#include <string>

#include "FuzzSupport.h"
#include "ResourcePack.h"
#include "WavData.h"

using namespace durak;

namespace {

const char* const kRanks[] = {"6", "7", "8", "9", "10", "J", "D", "K", "A"};
const char* const kSuits[] = {"S", "C", "D", "H"};

void ReadEverything(const QString& path) {
  ResourcePack pack;
  if (!pack.OpenFile(path)) return;
  for (const char* rank : kRanks) {
    for (const char* suit : kSuits) {
      const QString name = QString::fromLatin1(rank) + QString::fromLatin1(suit);
      const QImage face = pack.LoadImage(name);
      FUZZ_CHECK(face.isNull() || (face.width() <= ResourcePack::kMaxPictureSide &&
                                   face.height() <= ResourcePack::kMaxPictureSide));
      if (!face.isNull()) FUZZ_CHECK(pack.HasImage(name.toLower()));
    }
  }
  for (int n = 1; n <= 9; ++n) {
    for (const QString& name : {QStringLiteral("BK%1").arg(n), QStringLiteral("DT%1").arg(n)}) {
      const bool has = pack.HasImage(name);
      const QImage picture = pack.LoadImage(name);
      FUZZ_CHECK(picture.isNull() || has);
    }
  }
  for (int n = 1; n <= 206; ++n)
    FUZZ_CHECK(pack.LoadText(n).size() <= 2 * ResourcePack::kMaxTextChars);
  for (int n = 301; n <= 506; ++n)
    FUZZ_CHECK(pack.LoadText(n).size() <= 2 * ResourcePack::kMaxTextChars);
  const QByteArray sound = pack.LoadSoundData(QStringLiteral("SND1"));
  FUZZ_CHECK(sound.size() <= ResourcePack::kMaxEntryBytes);
  WavData wav;
  if (ParseWav(sound, &wav)) {
    FUZZ_CHECK(wav.channels == 1 || wav.channels == 2);
    FUZZ_CHECK(wav.bitsPerSample == 8 || wav.bitsPerSample == 16);
    FUZZ_CHECK(wav.samples.size() <= sound.size());
  }
}

// A well-formed archive whose items all hold the same bytes.
bool WriteItemsArchive(const std::string& path, const uint8_t* data, size_t size) {
  int error = 0;
  zip_t* archive = zip_open(path.c_str(), ZIP_CREATE | ZIP_TRUNCATE, &error);
  if (!archive) return false;
  for (const char* name : {"6S.png", "BK1.png", "DT1.png", "strings.tsv", "SND1.wav"}) {
    zip_source_t* source = zip_source_buffer(archive, data, size, 0);
    if (!source) {
      zip_discard(archive);
      return false;
    }
    const zip_int64_t index = zip_file_add(archive, name, source, ZIP_FL_OVERWRITE);
    if (index < 0) {
      zip_source_free(source);
      zip_discard(archive);
      return false;
    }
    zip_set_file_compression(archive, static_cast<zip_uint64_t>(index), ZIP_CM_STORE, 0);
  }
  return zip_close(archive) == 0;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string archivePath = fuzz::ScratchPath("pack.zip");
  fuzz::WriteBytes(archivePath, data, size);
  ReadEverything(QString::fromStdString(archivePath));

  const std::string itemsPath = fuzz::ScratchPath("items.zip");
  FUZZ_CHECK(WriteItemsArchive(itemsPath, data, size));
  ReadEverything(QString::fromStdString(itemsPath));

  // The sound reader on its own, as the sound player gets it.
  WavData wav;
  ParseWav(QByteArray(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size)), &wav);
  return 0;
}
