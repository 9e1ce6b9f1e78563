// Where durak.ini is kept. Started from a folder of the player's choosing, the game keeps
// its settings in that folder; started from the home folder (as a desktop menu starts
// programs) or from a folder it cannot write, it keeps them in the desktop's
// configuration folder instead, so the home folder is not cluttered.
#pragma once

#include <QString>

namespace durak {

// The desktop's configuration folder for the game: $XDG_CONFIG_HOME/durak when that
// variable holds an absolute path, else ~/.config/durak.
QString ConfigFolder();

// The folder durak.ini belongs in, decided from the current folder alone: the
// configuration folder when the current folder is the home folder or cannot be written,
// else the current folder. Touches nothing on disk.
QString ChooseSettingsFolder(const QString& current, const QString& home, bool currentWritable,
                             const QString& config);

// The full path of durak.ini for a run in "current", with the configuration folder made
// ready when it is chosen. A durak.ini that an earlier version left in the home folder is
// moved there once (one that is a symbolic link stays, and is used where it is); one found in
// an unwritable current folder is copied there as a start.
// When the configuration folder cannot be made, the settings stay in the current folder.
QString PrepareSettingsFile(const QString& current, const QString& home, bool currentWritable,
                            const QString& config);

// Whether the program in "programDir" runs as an installed game: its data folder
// ../share/durak lies beside its own folder (as /usr/games beside /usr/share), or it cannot
// write its own folder. An installed game keeps no file in the current folder or beside
// itself, whoever runs it, root included.
bool RunsInstalled(const QString& programDir);

// PrepareSettingsFile for this run: the current folder, $HOME and ConfigFolder(); for an
// installed game always the configuration folder, whatever the current folder.
QString SettingsFilePath();

// The desktop's data folder for the game, where an installed game keeps durak.r:
// $XDG_DATA_HOME/durak when that variable holds an absolute path, else ~/.local/share/durak.
QString DataFolder();

}  // namespace durak
