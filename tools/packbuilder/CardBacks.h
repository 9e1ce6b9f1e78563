// Card backs drawn by the builder: a white-rimmed card with a pattern.
#pragma once

#include <QColor>
#include <QImage>
#include <QString>

namespace packbuilder {

// Styles: "lattice" (diagonal trellis), "rosette" (turned guilloche rings),
// "diamonds" (harlequin check). A null image for an unknown style. With factor 2 or 3 the
// same back is drawn that many times as large (a rendition for big or dense screens).
QImage DrawBack(const QString& style, QColor ground, QColor ink, QSize size, int factor = 1);

}  // namespace packbuilder
