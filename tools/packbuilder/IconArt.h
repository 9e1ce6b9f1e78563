// The program's icon: two aces of the Atlas deck fanned out over each other. One drawing
// serves the built-in window icon and the desktop's icon theme.
#pragma once

#include <QImage>
#include <QList>
#include <QPainter>
#include <QString>

#include "CardArt.h"

namespace packbuilder {

// The icon's own size; PaintIcon draws into a box of this many units from (0, 0).
constexpr int kIconUnits = 64;

// Draws the icon with the deck's cards as shapes, so a vector painter keeps them scalable.
void PaintIcon(QPainter& painter, const SvgDeck& deck);

// The icon as a picture of kIconUnits pixels square.
QImage IconPicture(const SvgDeck& deck);

// Writes the icon into "outDir" laid out as the hicolor theme expects:
// scalable/apps/durak.svg, and NxN/apps/durak.png for each of "sizes", the pictures drawn
// from that SVG file.
bool WriteIconTheme(const QString& outDir, const QString& svgDir, const QList<int>& sizes,
                    QString* error);

}  // namespace packbuilder
