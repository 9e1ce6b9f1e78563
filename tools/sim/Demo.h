// A short demonstration deal printed as text, for a first look without a window.
#pragma once

#include <ostream>

namespace durak {

int RunDemo(int argc, char** argv, std::ostream& out);

}  // namespace durak
