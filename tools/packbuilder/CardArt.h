// Drawing card faces and backs from an SVG deck whose cards are elements
// named like "spade_queen", "heart_10", "club_1" and "back".
#pragma once

#include <QImage>
#include <QPainter>
#include <QString>
#include <QSvgRenderer>

namespace packbuilder {

// The pack name of a card: rank "6".."10", "J", "D" (queen), "K", "A" and
// suit "S", "C", "D", "H"; rank 6..14, suit 1..4 (spades, clubs, diamonds, hearts).
QString FaceName(int rank, int suit);

// The element id of that card in the SVG decks.
QString SvgCardId(int rank, int suit);

class SvgDeck {
 public:
  explicit SvgDeck(const QString& path);
  bool IsValid() const { return renderer_.isValid(); }
  bool HasCard(const QString& id) const { return renderer_.elementExists(id); }
  // The size of a card in the deck's own units.
  QSizeF CardSize(const QString& id) const;
  // Draws one card into a picture of exactly "size" pixels, the card filling it.
  QImage Render(const QString& id, QSize size) const;
  // Draws one card as shapes into "bounds" of a painter.
  void Paint(QPainter& painter, const QString& id, const QRectF& bounds) const;

 private:
  mutable QSvgRenderer renderer_;
};

// The picture size for cards "width" pixels wide with the proportions of "card".
QSize ScaledCardSize(QSizeF card, int width);

}  // namespace packbuilder
