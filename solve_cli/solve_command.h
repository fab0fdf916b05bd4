#pragma once
// quarvel-solve's whole run, apart from the process around it.
#include <istream>
#include <ostream>
#include <string>
#include <vector>

namespace quarvel::solve {

// Solves the positions named by the arguments, or read from `in` when no argument names
// one; returns the exit status: 0, 1 when a line could not be used, 2 for a bad option.
int RunSolve(const std::vector<std::string>& arguments, std::istream& in, std::ostream& out, std::ostream& err);

}  // namespace quarvel::solve
