// Loading the card pictures into the 36 cards: every face and the chosen back from a card
// library, or only a new back. The card size of the whole table is the back's size.
#pragma once

#include <QImage>
#include <QSize>
#include <QString>
#include <functional>
#include <vector>

namespace durak {

class TCardWidget;

// A picture of the open card library by resource name ("BK1", "6S"...); a null image when
// the library lacks it.
using TPictureLookup = std::function<QImage(const QString& name)>;

// The face resource name of a card number ("6S", "10H", "DS", "AH"; "JJ" for 53 and above).
QString FaceNameOf(int cardNo);

// Gives card i (Tag i + 1) the face of card number i + 17 and back "BK<rubaha>", and shows
// each card's current side. Returns the back's size: the new card size (0 x 0 when the back
// is missing). A missing face leaves that card with an empty picture and no size.
QSize LoadFacesAll(const std::vector<TCardWidget*>& cards, const TPictureLookup& picture,
                   int rubaha);

// Gives every card back "bk<n>" and shows each card's current side; faces, sizes and
// positions stay.
void LoadBgAll(const std::vector<TCardWidget*>& cards, const TPictureLookup& picture, int n);

// The two lines shown when the card library cannot be opened at start-up or after choosing
// another one: "<library> not found !" and "Program terminated".
QString CardLibraryMissingMessage(const QString& colodaPath);
// The message when it cannot be opened for a change of back: the texts 203 and 197 of the
// language library around the library's name.
QString CardLibraryMissingForBackMessage(const QString& text203, const QString& colodaPath,
                                         const QString& text197);

}  // namespace durak
