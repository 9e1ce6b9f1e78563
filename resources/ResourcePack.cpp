#include "ResourcePack.h"

#include <zip.h>

#include <QFile>

#include "PackLocator.h"
#include "PictureFormat.h"
#include "SoundPlayer.h"

namespace durak {

namespace {

constexpr qint64 kMaxTextFileBytes = qint64{1024} * 1024;
const char kTextFile[] = "strings.tsv";

// Undoes the escapes of the text file: \n, \r, \t and \\.
QString Unescape(const QString& raw) {
  if (!raw.contains(QLatin1Char('\\'))) return raw;
  QString out;
  out.reserve(raw.size());
  for (int i = 0; i < raw.size(); ++i) {
    const QChar c = raw.at(i);
    if (c != QLatin1Char('\\') || i + 1 == raw.size()) {
      out += c;
      continue;
    }
    const QChar next = raw.at(++i);
    if (next == QLatin1Char('n')) {
      out += QLatin1Char('\n');
    } else if (next == QLatin1Char('r')) {
      out += QLatin1Char('\r');
    } else if (next == QLatin1Char('t')) {
      out += QLatin1Char('\t');
    } else if (next == QLatin1Char('\\')) {
      out += QLatin1Char('\\');
    } else {
      out += c;
      out += next;
    }
  }
  return out;
}

// The first "limit" characters of a text, never splitting a character.
QString CutToChars(const QString& text, int limit) {
  // No text has more characters than UTF-16 units, so a short one needs no counting.
  if (text.size() <= limit) return text;
  const QList<uint> chars = text.toUcs4();
  if (chars.size() <= limit) return text;
  return QString::fromUcs4(reinterpret_cast<const char32_t*>(chars.constData()), limit);
}

}  // namespace

ResourcePack::~ResourcePack() {
  Close();
}

bool ResourcePack::Open(const QString& bareName) {
  const QString path = FindPack(bareName);
  return !path.isEmpty() && OpenFile(path);
}

bool ResourcePack::OpenFile(const QString& path) {
  Close();
  int error = 0;
  zip* archive = zip_open(QFile::encodeName(path).constData(), ZIP_RDONLY, &error);
  if (!archive) return false;
  archive_ = archive;
  path_ = path;
  return true;
}

void ResourcePack::Close() {
  if (archive_) zip_discard(archive_);
  archive_ = nullptr;
  path_.clear();
  textsLoaded_ = false;
  texts_.clear();
  pictureBytes_ = 0;
}

qint64 ResourcePack::Locate(const QString& fileName) const {
  if (!archive_ || fileName.isEmpty()) return -1;
  return zip_name_locate(archive_, fileName.toUtf8().constData(), ZIP_FL_NOCASE | ZIP_FL_NODIR);
}

QByteArray ResourcePack::ReadEntry(const QString& fileName, qint64 maxBytes) {
  const qint64 index = Locate(fileName);
  if (index < 0) return {};
  zip_stat_t st;
  zip_stat_init(&st);
  if (zip_stat_index(archive_, index, 0, &st) != 0 || !(st.valid & ZIP_STAT_SIZE)) return {};
  // The size comes from the archive and may lie; never trust it beyond the cap.
  if (st.size > static_cast<zip_uint64_t>(maxBytes)) return {};
  zip_file_t* file = zip_fopen_index(archive_, index, 0);
  if (!file) return {};
  QByteArray data(static_cast<qsizetype>(st.size), Qt::Uninitialized);
  qint64 got = 0;
  bool damaged = false;
  while (got < data.size()) {
    const zip_int64_t n = zip_fread(file, data.data() + got, data.size() - got);
    if (n <= 0) {
      damaged = true;
      break;
    }
    got += n;
  }
  // An entry that holds more than it claims is as damaged as one that holds less.
  char extra = 0;
  if (!damaged && zip_fread(file, &extra, 1) != 0) damaged = true;
  zip_fclose(file);
  return damaged ? QByteArray() : data;
}

QSize ResourcePack::PictureSize(const QByteArray& png) {
  return KeptPictureSize(PictureHeaderSize(png), kMaxDecodedSide, kMaxPictureSide);
}

QImage ResourcePack::DecodePicture(const QByteArray& png) {
  return DecodePictureBytes(png, kMaxDecodedSide, kMaxPictureSide);
}

QImage ResourcePack::LoadImage(const QString& name) {
  const QByteArray bytes = ReadEntry(name + QStringLiteral(".png"));
  // The size from the header alone decides whether the picture fits the pack's budget.
  const QSize kept = PictureSize(bytes);
  if (!kept.isValid()) return {};
  const qint64 needed = qint64{kept.width()} * kept.height() * 4;
  if (pictureBytes_ + needed > kPictureBudgetBytes) return {};
  QImage image = DecodePicture(bytes);
  if (image.isNull()) return {};
  pictureBytes_ += image.sizeInBytes();
  return image;
}

bool ResourcePack::HasImage(const QString& name) {
  return Locate(name + QStringLiteral(".png")) >= 0;
}

void ResourcePack::LoadTexts() {
  textsLoaded_ = true;
  const QByteArray bytes = ReadEntry(QLatin1String(kTextFile), kMaxTextFileBytes);
  QString all = QString::fromUtf8(bytes);
  if (all.startsWith(QChar(0xfeff))) all.remove(0, 1);  // a byte-order mark from an editor
  const QStringList lines = all.split(QLatin1Char('\n'));
  for (QString line : lines) {
    if (line.endsWith(QLatin1Char('\r'))) line.chop(1);
    const qsizetype tab = line.indexOf(QLatin1Char('\t'));
    if (tab <= 0) continue;  // blank lines, comments and damaged lines
    bool ok = false;
    const int number = line.left(tab).trimmed().toInt(&ok);
    if (!ok) continue;
    texts_.insert(number, CutToChars(Unescape(line.mid(tab + 1)), kMaxLongTextChars));
  }
}

QString ResourcePack::LoadText(int number) {
  if (!archive_) return {};
  if (!textsLoaded_) LoadTexts();
  return CutToChars(texts_.value(number), kMaxTextChars);
}

QString ResourcePack::LoadLongText(int number) {
  if (!archive_) return {};
  if (!textsLoaded_) LoadTexts();
  return texts_.value(number);
}

QByteArray ResourcePack::LoadSoundData(const QString& name) {
  return ReadEntry(name + QStringLiteral(".wav"));
}

void ResourcePack::PlaySound(const QString& name) {
  const QByteArray wav = LoadSoundData(name);
  if (!wav.isEmpty()) SoundPlayer::Instance().Play(wav);
}

}  // namespace durak
