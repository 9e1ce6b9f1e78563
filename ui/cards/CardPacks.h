// The card pictures straight from a card library file, found by its bare name beside the
// program. The window does the rest of a failure: the message, closing, and the layout.
#pragma once

#include <QString>
#include <vector>

namespace durak {

class TCardWidget;
struct TCardLibrary;
class ResourcePack;

// The smallest face or back a card library may have; anything smaller cannot be played with.
constexpr int kMinCardPictureSide = 16;

// Whether the open card library can be played with: all 36 faces and the back "BK1", each
// at least kMinCardPictureSide on both sides. A library that fails this is treated as one
// that cannot be opened.
bool CardPackPlayable(ResourcePack& pack);

// Opens the card library `colodaPath`, loads the 36 faces and back `rubaha` into the cards
// and sets cardWidth and cardHeight to the back's size; the library is closed again before
// returning. A back the library lacks is replaced by its first back. Returns false, changing
// nothing, when the library cannot be opened or is not playable (CardPackPlayable); the caller
// then shows CardLibraryMissingMessage and closes the main window. Either way the caller
// lays the table out again afterwards. With `library`, every face and the back are also kept
// there with their larger renditions, for drawing the cards at other sizes.
bool LoadCardFaces(const std::vector<TCardWidget*>& cards, const QString& colodaPath, int rubaha,
                   int& cardWidth, int& cardHeight, TCardLibrary* library = nullptr);

// Opens the card library and gives every card back n. Returns false, changing nothing, when
// the library cannot be opened (the caller shows CardLibraryMissingForBackMessage and closes
// the main window). Nothing is opened when there are no cards yet.
bool SetBgAll(const std::vector<TCardWidget*>& cards, const QString& colodaPath, int n,
              TCardLibrary* library = nullptr);

}  // namespace durak
