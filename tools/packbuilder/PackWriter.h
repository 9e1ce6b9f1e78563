// Writing a resource pack: a zip archive of named entries.
#pragma once

#include <QByteArray>
#include <QImage>
#include <QString>
#include <QStringList>
#include <vector>

namespace packbuilder {

class PackWriter {
 public:
  void AddFile(const QString& name, const QByteArray& data);
  void AddPicture(const QString& name, const QImage& image);  // stored as name.png
  QStringList Names() const;
  // Writes the archive, replacing "path"; entries keep the order they were added in.
  bool Write(const QString& path, QString* error) const;

 private:
  struct Entry {
    QString name;
    QByteArray data;
    bool compress;
  };
  std::vector<Entry> entries_;
};

// Reads every entry of a zip archive, in archive order (for contact sheets).
bool ReadPack(const QString& path, QStringList* names, std::vector<QByteArray>* data,
              QString* error);

}  // namespace packbuilder
