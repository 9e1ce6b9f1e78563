#include "PackWriter.h"

#include <zip.h>

#include <QFile>
#include <QSaveFile>

#include "CompactPng.h"

namespace packbuilder {

void PackWriter::AddFile(const QString& name, const QByteArray& data) {
  const bool alreadyPacked = name.endsWith(QLatin1String(".png"), Qt::CaseInsensitive);
  entries_.push_back({name, data, !alreadyPacked});
}

void PackWriter::AddPicture(const QString& name, const QImage& image) {
  AddFile(name + QStringLiteral(".png"), CompactPng(image));
}

QStringList PackWriter::Names() const {
  QStringList names;
  for (const Entry& e : entries_) names << e.name;
  return names;
}

bool PackWriter::Write(const QString& path, QString* error) const {
  const QString temp = path + QStringLiteral(".part");
  QFile::remove(temp);
  int code = 0;
  zip* archive = zip_open(QFile::encodeName(temp).constData(), ZIP_CREATE | ZIP_TRUNCATE, &code);
  if (!archive) {
    *error = QStringLiteral("cannot create %1").arg(temp);
    return false;
  }
  for (const Entry& e : entries_) {
    zip_source_t* source = zip_source_buffer(archive, e.data.constData(), e.data.size(), 0);
    const zip_int64_t index =
        source ? zip_file_add(archive, e.name.toUtf8().constData(), source, ZIP_FL_ENC_UTF_8) : -1;
    if (index < 0) {
      if (source) zip_source_free(source);
      *error = QStringLiteral("cannot add %1: %2").arg(e.name, zip_strerror(archive));
      zip_discard(archive);
      return false;
    }
    zip_set_file_compression(archive, index, e.compress ? ZIP_CM_DEFLATE : ZIP_CM_STORE, 9);
    // A fixed date keeps the packs identical from one build to the next.
    zip_file_set_dostime(archive, index, 0, (40 << 9) | (1 << 5) | 1, 0);
  }
  if (zip_close(archive) != 0) {
    *error = QStringLiteral("cannot write %1: %2").arg(temp, zip_strerror(archive));
    zip_discard(archive);
    return false;
  }
  QFile::remove(path);
  if (!QFile::rename(temp, path)) {
    *error = QStringLiteral("cannot move %1 to %2").arg(temp, path);
    return false;
  }
  return true;
}

bool ReadPack(const QString& path, QStringList* names, std::vector<QByteArray>* data,
              QString* error) {
  int code = 0;
  zip* archive = zip_open(QFile::encodeName(path).constData(), ZIP_RDONLY, &code);
  if (!archive) {
    *error = QStringLiteral("cannot open %1").arg(path);
    return false;
  }
  const zip_int64_t count = zip_get_num_entries(archive, 0);
  for (zip_int64_t i = 0; i < count; ++i) {
    zip_stat_t st;
    if (zip_stat_index(archive, i, 0, &st) != 0 || st.size > uint64_t{64} * 1024 * 1024) continue;
    zip_file_t* file = zip_fopen_index(archive, i, 0);
    if (!file) continue;
    QByteArray bytes(static_cast<qsizetype>(st.size), Qt::Uninitialized);
    const zip_int64_t got = zip_fread(file, bytes.data(), bytes.size());
    zip_fclose(file);
    if (got != bytes.size()) continue;
    *names << QString::fromUtf8(st.name);
    data->push_back(bytes);
  }
  zip_discard(archive);
  return true;
}

}  // namespace packbuilder
