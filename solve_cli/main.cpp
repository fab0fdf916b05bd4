// quarvel-solve: shortest solutions of game numbers and positions, one a line.
#include <iostream>
#include <string>
#include <vector>

#include "solve_cli/solve_command.h"

int main(int argc, char* argv[]) {
  std::ios::sync_with_stdio(false);
  const std::vector<std::string> arguments(argv + 1, argv + argc);
  return quarvel::solve::RunSolve(arguments, std::cin, std::cout, std::cerr);
}
