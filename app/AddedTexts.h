// Numbers of the texts the game shows beyond the described ones: the keyboard letters of
// the command buttons, the names a screen reader hears, and the rules window. English
// text n is number n + 300, as for every other text.
#pragma once

namespace durak {

// The captions of the About box's two links, to the game's read-me and licence.
constexpr int kReadMeLinkText = 220;   // "Об игре"
constexpr int kLicenceLinkText = 221;  // "Лицензия"

// The captions of the file dialog's filters for desk-picture and card libraries.
constexpr int kDeskFilterText = 222;  // "Картинки стола"
constexpr int kCardFilterText = 223;  // "Колоды карт"

// The options dialog's choice of opponent, and the hint command.
constexpr int kOpponentGroupText = 230;   // "Соперник"
constexpr int kOpponentUsualText = 231;   // "Обычный"
constexpr int kOpponentStrongText = 232;  // "Сильный"
constexpr int kHintMenuText = 233;        // "Подсказка"
constexpr int kHintButtonText = 234;      // "Подсказка: %1", the button's caption

constexpr int kRulesMenuText = 240;     // Help menu item
constexpr int kRulesCaptionText = 241;  // the rules window's caption
constexpr int kRulesCloseText = 242;    // its close button
// The key letter of each command button, in the order of their captions 66..70
// (Button2, Button4, Button1, Button3, Button5).
constexpr int kFirstKeyLetterText = 243;
constexpr int kCardNameText = 248;       // "%1 %2": rank name, suit word
constexpr int kTrumpCardText = 249;      // "%1, козырь"
constexpr int kFaceDownText = 250;       // a card lying face down
constexpr int kFirstRankNameText = 251;  // ranks 6..14: 251..259
constexpr int kStockLedText = 260;
constexpr int kHerLedText = 261;
constexpr int kMyLedText = 262;
constexpr int kBeatenPairText = 263;  // "%1, побита: %2"
constexpr int kOpenPairText = 264;    // "%1, не побита"
constexpr int kTableText = 265;
constexpr int kEmptyTableText = 266;
constexpr int kPlayableText = 267;
constexpr int kButtonKeyText = 268;  // "Клавиша %1"
constexpr int kSpeechLineText = 269;
// The rules window: an opening line, then heading and paragraph pairs to the end.
constexpr int kFirstRulesText = 270;
constexpr int kLastRulesText = 299;

}  // namespace durak
