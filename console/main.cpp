// quarvel-console: the game without windows, driven by a script on standard input.
#include <iostream>

#include "console/console_session.h"

int main() {
  std::ios::sync_with_stdio(false);
  quarvel::console::ConsoleSession session(std::cout, std::cerr, ".");
  return session.Run(std::cin);
}
