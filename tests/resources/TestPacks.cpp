#include "TestPacks.h"

#include <gtest/gtest.h>
#include <zip.h>

#include <QBuffer>
#include <QCoreApplication>
#include <QFile>

namespace durak::test {

void WriteZip(const QString& path, const Entries& entries) {
  int error = 0;
  zip* archive = zip_open(QFile::encodeName(path).constData(), ZIP_CREATE | ZIP_TRUNCATE, &error);
  ASSERT_NE(archive, nullptr) << qPrintable(path);
  for (const auto& [name, data] : entries) {
    zip_source_t* source = zip_source_buffer(archive, data.constData(), data.size(), 0);
    ASSERT_NE(source, nullptr);
    ASSERT_GE(zip_file_add(archive, name.toUtf8().constData(), source, ZIP_FL_ENC_UTF_8), 0);
  }
  ASSERT_EQ(zip_close(archive), 0);
}

QByteArray PngOf(QSize size, QColor colour) {
  QImage image(size, QImage::Format_RGB32);
  image.fill(colour);
  QByteArray png;
  QBuffer buffer(&png);
  buffer.open(QIODevice::WriteOnly);
  image.save(&buffer, "PNG");
  return png;
}

QByteArray ReadAll(const QString& path) {
  QFile file(path);
  return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void WriteAll(const QString& path, const QByteArray& bytes) {
  QFile file(path);
  ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
  file.write(bytes);
}

QString BuiltPackDir() {
  return QCoreApplication::applicationDirPath();
}

}  // namespace durak::test
