// Finding a resource pack by its bare file name.
#pragma once

#include <QString>
#include <QStringList>

namespace durak {

// A text path that reaches the folder named by these bytes: the bytes as text when they are
// valid in the file names' encoding, else the name of a descriptor held open on the folder
// (/proc/self/fd/N), since such a name cannot be written as text and read back.
QString ByteExactFolder(const QByteArray& folder);
// The program's folder, reached byte for byte (see ByteExactFolder).
QString ProgramFolder();

// The folders searched for packs, in order: the program's folder, the
// installed data folder (when there is one), the current folder. A pack left in
// whatever folder the game is started from never takes the place of an
// installed one.
QStringList PackSearchDirs();
// The same order from its parts: the program's folder, those of the installed data folders
// that exist, the current folder.
QStringList PackSearchDirsFor(const QString& program, const QStringList& installed,
                              const QString& current);

// The path of the pack "bareName" in the first of "dirs" that holds it, or an
// empty string. Any folder part of the name is ignored; a name that differs
// from the file only in letter case is found too.
QString FindPackIn(const QString& bareName, const QStringList& dirs);

// FindPackIn over PackSearchDirs().
QString FindPack(const QString& bareName);

// Every file in the search folders whose name matches the wildcard pattern
// (e.g. "coloda*.col"), without regard to case; bare names, each once, sorted.
QStringList ListPacks(const QString& pattern);

}  // namespace durak
