// A look at a shared library before it is loaded: loading a damaged one (a file cut short
// by a failed copy or a full disk) can kill the program inside the loader, and one built
// for another kind of machine deserves a message that says so.
#pragma once

#include <QString>

namespace durak {

// Empty when the file is an ELF shared library of this machine's kind whose header tables
// and loaded segments lie inside the file; else why it is not, in a few words.
QString CheckModuleFile(const QString& path);

}  // namespace durak
