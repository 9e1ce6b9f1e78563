// A pack recipe: a text file of commands, one a line, that says what goes
// into a pack ("deck atlasnye.svgz", "width 71", "back svg paris.svgz", ...).
#pragma once

#include <QString>
#include <QStringList>
#include <vector>

namespace packbuilder {

struct RecipeLine {
  int lineNumber = 0;
  QString command;
  QStringList args;
};

// Reads a recipe; blank lines and lines starting with '#' are skipped.
bool ReadRecipe(const QString& path, std::vector<RecipeLine>* lines, QString* error);

// Where the builder finds its inputs.
struct BuildContext {
  QString recipeDir;  // relative source files are read from here
  QString svgDir;     // the packaged SVG decks
};

class PackWriter;

// Carries out a recipe into "pack"; false with a message on the first bad line.
bool RunRecipe(const std::vector<RecipeLine>& lines, const BuildContext& context, PackWriter* pack,
               QString* error);

}  // namespace packbuilder
