// Key letters for a dialog's buttons: Alt and the underlined letter presses a button, as
// in any desktop dialog, in whichever language the captions are.
#pragma once

#include <QString>

class QWidget;

namespace durak {

// Marks on every button, check box and radio button of the dialog the first letter of
// its caption that no button before it (in the order they were made) has taken; a caption
// that already has its letter keeps it. Run again after the captions change.
void GiveMnemonics(QWidget* dialog);
// The caption without its key mark, as it reads.
QString WithoutMnemonic(QString caption);

}  // namespace durak
