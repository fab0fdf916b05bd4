#pragma once
// The state as the console's dump command prints it.
#include <string>

#include "ui/program.h"

namespace quarvel::console {

std::string Dump(const Program& program);

}  // namespace quarvel::console
