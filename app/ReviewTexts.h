// The deal review's words: a card, a move of the player's, what the computer did in answer,
// in the current language.
#pragma once

#include <QString>
#include <nlohmann/json.hpp>

#include "SearchModel.h"
#include "TableView.h"
#include "TextTable.h"

namespace durak {

// A card by its tag, as the speeches name it ("семёрку пик", "the seven of spades").
QString ReviewCardText(const TTextTable& t, int tag);

// A move of the player's in the position `before` (a state as the harness writes it); a
// move that ends the player's part names the button that makes it.
QString ReviewMoveText(const TTextTable& t, const nlohmann::json& before, const TMove& move,
                       TButton button);

// What the computer did between the two states: the cards it put down, and whether it took.
// Empty when it did nothing.
QString ReviewComputerText(const TTextTable& t, const nlohmann::json& before,
                           const nlohmann::json& after);

// A chance as a whole percentage ("62 %").
QString ReviewPercent(double share);

}  // namespace durak
