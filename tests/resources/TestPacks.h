// Helpers for the pack tests: writing small zip archives and pictures.
#pragma once

#include <QByteArray>
#include <QImage>
#include <QString>
#include <utility>
#include <vector>

namespace durak::test {

using Entries = std::vector<std::pair<QString, QByteArray>>;

// Writes a zip archive with the given entries (deflated) to "path".
void WriteZip(const QString& path, const Entries& entries);

// A PNG file of a picture filled with one colour.
QByteArray PngOf(QSize size, QColor colour);

// The bytes of a whole file, or empty.
QByteArray ReadAll(const QString& path);
void WriteAll(const QString& path, const QByteArray& bytes);

// The folder the built packs and the test executables are in.
QString BuiltPackDir();

}  // namespace durak::test
