// The numbers of the language pack's texts that the windows show, by name. Russian text n
// is number n in packs/lang/strings.tsv, its English twin n + 300 (n is 1..299, or 1001..1299
// for the game's own texts once 207..299 were full); the windows always ask
// for the Russian number and the language switch loads the other language in its place.
//
// Every name ends in "Text", and its comment quotes the Russian text it stands for: the
// whole text, or its beginning followed by "...". A name that stands for the first of a run
// of texts adds "[n]", the length of the run, and is reached through the helper below it.
// packs/lang/check-text-ids.py (run by ctest) holds the header to that: every number and
// its English twin are in strings.tsv, and every quote matches the Russian text.
#pragma once

namespace durak {

enum TextId : int {
  // ---- the main window's menus and caption -------------------------------------------
  kFileMenuText = 1,        // "Файл"
  kNewGameMenuText = 2,     // "Новая игра"
  kChampionsMenuText = 3,   // "Чемпионы"
  kExitMenuText = 4,        // "Выход"
  kOptionsMenuText = 5,     // "Параметры"
  kSettingsMenuText = 6,    // "Настройки..."
  kAppearanceMenuText = 7,  // "Интерфейс..."
  kDeskMenuText = 8,        // "Картинка"
  kFirstDeskText = 9,       // "Нет" [10]
  kLanguageMenuText = 19,   // "Язык / Language"
  kRussianMenuText = 20,    // "Русский"
  kEnglishMenuText = 21,    // "English"
  kHelpMenuText = 22,       // "Справка"
  kAboutMenuText = 23,      // "О программе"
  kQuitMenuText = 24,       // "Выход !!!"
  kWindowTitleText = 25,    // "Дурак"

  // ---- the dialogs' captions ------------------------------------------------------------
  kOptionsCaptionText = 26,     // "Настроечки"
  kAppearanceCaptionText = 27,  // "Настройки интерфейса"
  kAboutCaptionText = 28,       // "О программе"
  kChampionsCaptionText = 29,   // "Чемпионы"
  kPlayerCaptionText = 30,      // "Игрок"

  // ---- the appearance dialog ------------------------------------------------------------
  kBackGroupText = 31,         // "Рубаха"
  kGradientGroupText = 32,     // "Градиент"
  kGradientTopText = 33,       // "Верх"
  kGradientBottomText = 34,    // "Низ"
  kBrightnessText = 35,        // "Яркость"
  kSolidGroupText = 36,        // "Чистый цвет"
  kTableColourText = 37,       // "Цвет стола"
  kSpeechColourText = 38,      // "Диалог"
  kDeskLibraryGroupText = 39,  // "Библиотека фонов"
  kOtherLibraryText = 40,      // "Другая..."
  kCardLibraryGroupText = 42,  // "Библиотека карт"
  // The captions of the file dialog's filters for desk-picture and card libraries.
  kDeskFilterText = 222,  // "Картинки стола"
  kCardFilterText = 223,  // "Колоды карт"
  // The captions of the file dialogs that choose a desk-picture or a card library.
  kDeskFileCaptionText = 1001,  // "Выбор библиотеки картинок стола"
  kCardFileCaptionText = 1002,  // "Выбор библиотеки карт"
  kScaleToWindowText = 215,     // "Масштаб по окну"

  // ---- the About box ----------------------------------------------------------------------
  kAboutProgramText = 43,    // "Дурак — карточная игра"
  kAboutPlayText = 44,       // "Один на один с компьютером"
  kAboutAuthorsText = 45,    // "Авторы:..."
  kReadMeAddressText = 47,   // "README.md"
  kLicenceAddressText = 48,  // "LICENSE"
  // The captions of the two links, to the game's read-me and licence.
  kReadMeLinkText = 220,   // "Об игре"
  kLicenceLinkText = 221,  // "Лицензия"

  // ---- the options dialog ---------------------------------------------------------------
  kHotCardsGroupText = 49,    // "Горячие карты"
  kHotCardsUseText = 50,      // "Использовать"
  kHotColourText = 51,        // "Цвет"
  kSortGroupText = 52,        // "Сортировка"
  kFirstSortText = 53,        // "Нет" [3]
  kVariantGroupText = 56,     // "Дурак типа"
  kFirstVariantText = 57,     // "Подкидной" [2]
  kSpeedGroupText = 59,       // "Скорость анимации"
  kSlowText = 60,             // "Тормоз"
  kFastText = 61,             // "Газ"
  kMultiLeadText = 62,        // "Заход с нескольких карт"
  kSoundText = 63,            // "Звук"
  kOpponentGroupText = 230,   // "Соперник"
  kOpponentUsualText = 231,   // "Обычный"
  kOpponentStrongText = 232,  // "Сильный"
  kOpponentEasyText = 1005,   // "Лёгкий"

  // ---- buttons of several dialogs -------------------------------------------------------
  kOkText = 64,      // "OK"
  kCancelText = 65,  // "Отмена"

  // ---- the command buttons and the right-hand column --------------------------------------
  kShuffleButtonText = 66,  // "Замесить"
  kBitoButtonText = 67,     // "Бито"
  kBeruButtonText = 68,     // "Беру"
  kTakeItButtonText = 69,   // "Забирай"
  kDefendButtonText = 70,   // "Бейся"
  // The key letter of each command button, in the order of their captions 66..70.
  kFirstKeyLetterText = 243,  // "З" [5]
  kPlayerSideText = 71,       // "Твое"
  kComputerSideText = 72,     // "Мое"
  kStockSideText = 73,        // "В колоде"

  // ---- the engine's words: card names for the pick-a-pair menu and the speeches ----------
  kFirstSuitWordText = 75,  // "пик" [4]
  kFirstRankWordText = 79,  // "шестёрку" [9]
  kBeatWordText = 88,       // "Бить"
  kTransferWordText = 89,   // "Перевести"
  kFirstSpeechText = 102,   // "Мой ход. Отбивайся!" [95]

  // ---- the champions table and the player dialog ------------------------------------------
  kNewPlayerText = 90,        // "Новый"
  kResetText = 91,            // "Обнулить"
  kDeleteText = 92,           // "Удалить"
  kCloseText = 93,            // "Закрыть"
  kNextText = 94,             // "Дальше"
  kPlayerColumnText = 95,     // "Игрок"
  kGamesColumnText = 96,      // "Игр"
  kWinsColumnText = 97,       // "Побед"
  kRatingColumnText = 98,     // "Рейт"
  kPlayerNameText = 99,       // "Имя игрока:"
  kPasswordText = 100,        // "Пароль:"
  kRepeatPasswordText = 101,  // "Повторите пароль:"

  // ---- messages ---------------------------------------------------------------------------
  kCannotOpenText = 197,  // "не открывается: файла нет или он испорчен."
  kLibraryNotOpenedText = 198,  // "Не удалось открыть выбранную библиотеку."
  kRulesNextDealText = 199,  // "Новые правила заработают со следующей сдачи."
  kWrongPasswordText = 200,    // "Неверный пароль."
  kPasswordsDifferText = 201,  // "Пароли не совпадают."
  kLacksPictureText = 202,  // "не подходит: в ней нет нужной картинки."
  kLibraryWordText = 203,       // "Библиотека"
  kNameTakenText = 204,         // "Игрок с таким именем уже есть."
  kNameEmptyText = 205,         // "Введите имя игрока."
  kChoosePlayerText = 206,      // "Сначала выберите игрока в таблице."
  kSettingsNotSavedText = 208,  // "Настройки не сохранены."
  kStandardDeckNextText = 209,  // "Со следующего запуска — стандартная колода."
  kCannotSaveResultsText = 210,  // "Результаты не сохраняются: нельзя записать"
  // Followed by the champions file's path: another program holds its lock (the change
  // is written later), or it holds more players than a table can.
  kChampionsBusyText = 1003,  // "Таблица чемпионов занята, запишу результат позже:"
  kChampionsTooBigText = 1004,  // "Таблица чемпионов слишком велика, не изменяется:"

  // ---- the deal kept: numbers, resume, history, statistics --------------------------------
  kDealNumberTitleText = 1010,   // "Раздача № %1"
  kDealByNumberMenuText = 1011,  // "Раздача по номеру…"
  kDealNumberPromptText = 1012,  // "Номер раздачи, от 0 до 4294967295:"
  kDealNumberInvalidText = 1013,  // "Номер раздачи — целое число от 0 до 4294967295."
  kResumeQuestionText = 1014,  // "Продолжить прерванную раздачу?"
  // Followed by the path the damaged file was renamed to.
  kResumeDamagedText = 1015,  // "Прерванная раздача повреждена и отложена в файл:"
  kStatisticsMenuText = 1016,   // "Статистика"
  kHistoryNotSavedText = 1017,  // "История раздач не записана:"
  kStatDealsText = 1018,        // "Раздач"
  kStatWinsText = 1019,         // "Побед"
  kStatLossesText = 1020,       // "Поражений"
  kStatDrawsText = 1021,        // "Ничьих"
  kStatShareText = 1022,        // "Доля побед"
  kStatAllDealsText = 1023,     // "Все раздачи"
  kStatMultiLeadText = 1024,    // "%1, заход несколькими"
  kStatOpponentText = 1025,     // "Соперник: %1"
  kStatPlayersText = 1026,      // "Игроков за столом: %1"
  kStatStreaksText = 1027,  // "Побед подряд: сейчас %1, лучшая серия %2"
  kStatPlotText = 1028,     // "Доля побед по %1 раздач подряд"
  kStatNoDealsText = 1029,  // "Пока нет ни одной сыгранной раздачи."
  kStatPlayerText = 1030,   // "Игрок: %1"
  kStatStretchText = 1031,  // "Раздачи %1–%2"
  kResumeNotSavedText = 1032,  // "Раздача не сохраняется для продолжения:"

  // ---- the hint command -------------------------------------------------------------------
  kHintMenuText = 233,    // "Подсказка"
  kHintButtonText = 234,  // "Подсказка: %1"
  // The exact value of a position the hint has solved: a win, a draw, a loss.
  kSolvedWinText = 1006,   // "Выигрыш при точной игре"
  kSolvedDrawText = 1007,  // "Ничья при точной игре"
  kSolvedLossText = 1008,  // "Проигрыш при точной игре"

  // ---- the rules window ---------------------------------------------------------------------
  kRulesMenuText = 240,     // "Правила игры"
  kRulesCaptionText = 241,  // "Правила игры"
  kRulesCloseText = 242,    // "Закрыть"
  // An opening line, then heading and paragraph pairs (see RulesText below).
  kFirstRulesText = 270,  // "Подкидной и переводной дурак..." [27]

  // ---- what a screen reader hears -----------------------------------------------------------
  kCardNameText = 248,       // "%1 %2"
  kTrumpCardText = 249,      // "%1, козырь"
  kFaceDownText = 250,       // "Карта рубашкой вверх"
  kFirstRankNameText = 251,  // "Шестёрка" [9]
  kStockLedText = 260,       // "В колоде: %1"
  kHerLedText = 261,         // "Очки компьютера: %1"
  kMyLedText = 262,          // "Ваши очки: %1"
  kBeatenPairText = 263,     // "%1, побита: %2"
  kOpenPairText = 264,       // "%1, не побита"
  kTableText = 265,          // "Стол"
  kEmptyTableText = 266,     // "Стол пуст"
  kPlayableText = 267,       // "Можно сыграть"
  kButtonKeyText = 268,      // "Клавиша %1"
  kSpeechLineText = 269,     // "Слова компьютера"

  // ---- what a screen reader is told as the play goes on -------------------------------------
  kCompCardsText = 211,        // "Карт у компьютера: %1"
  kPlayerWonDealText = 212,    // "Вы выиграли кон"
  kCompWonDealText = 213,      // "Компьютер выиграл кон"
  kDrawnDealText = 214,        // "Кон окончен вничью"
  kTrumpUnderStockText = 217,  // "Козырь под колодой: %1"
  kTrumpSuitText = 218,        // "Колода пуста, козыри %1"
  kHintPlayText = 219,         // "Подсказка: сыграйте %1"
  kCompLeadsText = 224,        // "Компьютер ходит: %1"
  kCompThrowsInText = 225,     // "Компьютер подкидывает: %1"
  kCompBeatsText = 226,        // "Компьютер бьёт: %1 — картой %2"
  kCompTransfersText = 227,    // "Компьютер переводит: %1"
  kCompTakesText = 228,        // "Компьютер берёт карты"
  kPlayerTakesText = 229,      // "Вы берёте карты"
  kDiscardedText = 235,        // "Бито, карты ушли в отбой"
  kPlayerDrawsText = 236,      // "Вы берёте из колоды: %1"
  kCompDrawsText = 237,        // "Компьютер берёт из колоды карт: %1"
  kButtonsShownText = 238,     // "Кнопки: %1"
  kScoreText = 239,            // "Счёт: вы %1, компьютер %2"

  // ---- the deal review -------------------------------------------------------------------
  kDealReviewText = 1040,       // "Разбор раздачи"
  kReviewDealItemText = 1041,   // "Раздача № %1 (%2)"
  kReviewFirstText = 1042,      // "В начало"
  kReviewBackText = 1043,       // "Назад"
  kReviewForwardText = 1044,    // "Вперёд"
  kReviewLastText = 1045,       // "В конец"
  kReviewOtherFileText = 1046,  // "Другой файл…"
  kReviewCloseText = 1047,      // "Закрыть"
  kReviewDealLabelText = 1048,  // "Раздача"
  kReviewStepText = 1049,       // "Шаг %1 из %2"
  kReviewDealtText = 1050,      // "Карты розданы"
  kReviewYouText = 1051,        // "Вы: %1"
  kReviewComputerText = 1052,   // "Компьютер: %1"
  kReviewLeadText = 1053,       // "ход с карты %1"
  kReviewThrowInText = 1054,    // "подкинуть %1"
  kReviewBeatText = 1055,       // "бить %1 картой %2"
  kReviewTransferText = 1056,   // "перевести картой %1"
  kReviewTakeText = 1057,       // "взять карты"
  kReviewCompPlaysText = 1058,  // "кладёт %1"
  kReviewCompTakesText = 1059,  // "берёт карты"
  kReviewChanceText = 1060,     // "Шансы не проиграть: %1 → %2"
  kReviewMistakeText = 1061,    // "Ошибка!"
  kReviewBestText = 1062,       // "Сильный игрок выбрал бы: %1"
  kReviewOnlyMoveText = 1063,   // "Единственный возможный ход"
  kReviewJudgingText = 1064,    // "Оцениваю…"
  kReviewSummaryText = 1065,    // "Ошибок: %1. Самая дорогая — шаг %2 (%3)."
  kReviewNoMistakesText = 1066,  // "Ошибок нет"
  kReviewEmptyText = 1067,       // "В истории нет раздач"
  kReviewNotReplayedText = 1068,  // "Раздачу не удалось повторить до конца"
  kReviewTableDealText = 1069,  // "Раздачи с %1 игроками не разбираются"
  // ---- the table of three and four ------------------------------------------------------------
  kFirstSeatNameText = 1070,   // "Анна" [3]
  kPersonSeatText = 1073,      // "Вы"
  kSeatLineText = 1074,        // "%1 (%2)"
  kAttacksRoleText = 1075,     // "ходит"
  kDefendsRoleText = 1076,     // "отбивается"
  kOutRoleText = 1077,         // "вне игры"
  kRemarkText = 1078,          // "%1: %2"
  kTakeRemarkText = 1079,      // "Беру!"
  kDoneRemarkText = 1080,      // "Бито."
  kPassRemarkText = 1081,      // "Пас."
  kTransferRemarkText = 1082,  // "Перевожу!"
  kDefendRemarkText = 1083,    // "Бейся!"
  kPassButtonText = 1084,      // "Пас"
  kPassKeyText = 1085,         // "П"
  kSeatFoolText = 1086,        // "%1 остаётся в дураках"
  kPersonFoolText = 1087,      // "Вы остались в дураках"
  kNoFoolText = 1088,          // "Ничья: дурака нет"
  kSeatOutText = 1089,         // "%1 выходит из игры"
  kPersonOutText = 1090,       // "Вы выходите из игры"
  kPlayersGroupText = 1091,    // "Игроков"
  kPlayersNextGameText = 1092,  // "Число игроков изменится с новой игры (F2)"
  kSeatLeadsText = 1093,      // "%1 ходит: %2"
  kSeatThrowsInText = 1094,   // "%1 подкидывает: %2"
  kSeatBeatsText = 1095,      // "%1 бьёт: %2 — картой %3"
  kSeatTransfersText = 1096,  // "%1 переводит: %2"
  kSeatTakesText = 1097,      // "%1 берёт карты"
  kSeatDrawsText = 1098,      // "%1 берёт из колоды карт: %2"
  kBoutRolesText = 1099,      // "Ходит: %1, отбивается: %2"
  kSeatCardsText = 1100,      // "%1: карт %2"
  // Heading and paragraph pairs the rules window adds for the table of three and four.
  kFirstTableRulesText = 1110,  // "Втроём и вчетвером" [4]
};

// ---- the runs of texts ---------------------------------------------------------------------

// The desk entries of the picture menu, k = 0 (none) .. 9 (rainbow).
constexpr TextId DeskText(int k) {
  return TextId(kFirstDeskText + k);
}
// The hand orders, k = 0 (none), 1 (by suit), 2 (by rank).
constexpr TextId SortText(int k) {
  return TextId(kFirstSortText + k);
}
// The variants, k = 0 (throw-in), 1 (transfer).
constexpr TextId VariantText(int k) {
  return TextId(kFirstVariantText + k);
}
// The key letter of the command button whose caption is text 66 + k, k = 0..4.
constexpr TextId KeyLetterText(int k) {
  return TextId(kFirstKeyLetterText + k);
}
// A suit as the speeches name it, suit 1..4 (spades, clubs, diamonds, hearts).
constexpr TextId SuitWordText(int suit) {
  return TextId(kFirstSuitWordText + suit - 1);
}
// A rank as the speeches name it, rank 6..14.
constexpr TextId RankWordText(int rank) {
  return TextId(kFirstRankWordText + rank - 6);
}
// A rank as a screen reader names it, rank 6..14.
constexpr TextId RankNameText(int rank) {
  return TextId(kFirstRankNameText + rank - 6);
}

// The speeches: for each of the 19 situations, 5 variants one after another.
constexpr int kSpeechSituations = 19;
constexpr int kSpeechVariants = 5;
// Variant v (0..4) of situation k (1..19).
constexpr TextId SpeechText(int k, int v) {
  return TextId(kFirstSpeechText + kSpeechVariants * (k - 1) + v);
}

// The rules window's texts: numbers 270..299 are kept for it, the pack fills them from the
// start, and the pages end at the first heading it leaves out. Text n of them, n = 0..29.
constexpr int kRulesTextCount = 30;
constexpr TextId RulesText(int n) {
  return TextId(kFirstRulesText + n);
}
// The table's rules: texts 1110..1119, heading and paragraph pairs, n = 0..9.
constexpr int kTableRulesTextCount = 10;
constexpr TextId TableRulesText(int n) {
  return TextId(kFirstTableRulesText + n);
}
// The computer seats' names, seat 1..3.
constexpr TextId SeatNameText(int seat) {
  return TextId(kFirstSeatNameText + seat - 1);
}

}  // namespace durak
