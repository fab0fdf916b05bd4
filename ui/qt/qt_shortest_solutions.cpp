#include "ui/qt/qt_shortest_solutions.h"

namespace quarvel::qt {

void QtShortestSolutions::UseSolver(shortest::ShortestSolutionWorker::Solve solve) {
  worker_.reset();  // its thread ends, and with it any length still to come
  worker_ = std::make_unique<shortest::ShortestSolutionWorker>(
      [this](std::uint64_t game, int length) {
        QMetaObject::invokeMethod(
            &windowsThread_,
            [this, game, length] {
              if (onLength_) onLength_(game, length);
            },
            Qt::QueuedConnection);
      },
      std::move(solve));
}

}  // namespace quarvel::qt
