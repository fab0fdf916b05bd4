#include "shortest/used_tables.h"

#include <mutex>
#include <optional>

#include "shortest/tables_file.h"

namespace quarvel::shortest {

const PatternTables* TablesUnlessCancelled(const std::atomic<bool>* cancel) {
  // A good file needs no build, so no cancel.
  static const std::optional<PatternTables> mapped = []() -> std::optional<PatternTables> {
    const TablesFile& file = UsedTablesFile();
    if (file.image.empty()) return std::nullopt;
    return TablesOverImage(file.image);
  }();
  if (mapped) return &*mapped;

  static std::once_flag once;
  static std::optional<PatternTables> tables;
  try {
    // A build that throws leaves the flag unset, for the next call to build again.
    std::call_once(once, [cancel] { tables.emplace(BuildTables(2, cancel)); });
  } catch (const PatternDatabase::Cancelled&) {
    return nullptr;
  }
  return &*tables;
}

const PatternTables& Tables() { return *TablesUnlessCancelled(nullptr); }

}  // namespace quarvel::shortest
