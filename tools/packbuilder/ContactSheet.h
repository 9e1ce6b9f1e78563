// A contact sheet: every picture of a pack on one page, for looking them over.
#pragma once

#include <QImage>
#include <QString>

namespace packbuilder {

// Lays out the pictures of the pack at "packPath" in rows on a table-green
// ground, in archive order; a null image when the pack cannot be read.
QImage MakeContactSheet(const QString& packPath, QString* error);

}  // namespace packbuilder
