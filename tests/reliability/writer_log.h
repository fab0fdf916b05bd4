#pragma once
// The operations a record writer logged, and what the files should hold after them.
#include <charconv>
#include <sstream>
#include <string>
#include <vector>

namespace quarvel::testing {

struct LoggedOperation {
  bool save = false;  // otherwise a Hall of Fame entry
  std::string number;
  std::string name;  // entries only
  double time = 0;   // entries only, days
};

// The complete lines of a writer's log; a line cut short by a kill is left out.
inline std::vector<LoggedOperation> ParseWriterLog(const std::string& log) {
  std::vector<LoggedOperation> operations;
  std::size_t start = 0;
  for (std::size_t end; (end = log.find('\n', start)) != std::string::npos; start = end + 1) {
    std::istringstream line(log.substr(start, end - start));
    std::string kind, time;
    LoggedOperation op;
    line >> kind;
    op.save = kind == "save";
    if (op.save) {
      line >> op.number;
    } else {
      line >> op.name >> op.number >> time;
      std::from_chars(time.data(), time.data() + time.size(), op.time);
    }
    operations.push_back(op);
  }
  return operations;
}

// saved.dat as it should be: each number after every line that is not greater.
struct SavedModel {
  bool exists = false;
  std::vector<std::string> lines;

  void Save(const std::string& n) {
    auto at = lines.begin();
    while (at != lines.end() && (at->size() < n.size() || (at->size() == n.size() && *at <= n))) ++at;
    lines.insert(at, n);
    exists = true;
  }
  std::string Text() const {
    std::string text;
    for (const std::string& l : lines) text += l + "\r\n";
    return text;
  }
};

// Fame.dat as it should be: an entry before the first one at least as slow, 30 at most.
struct FameModel {
  struct Entry {
    std::string name, number;
    double time;
  };
  bool exists = false;
  std::vector<Entry> entries;

  void Insert(const LoggedOperation& op) {
    auto at = entries.begin();
    while (at != entries.end() && at->time < op.time) ++at;
    entries.insert(at, {op.name, op.number, op.time});
    if (entries.size() > 30) entries.pop_back();
    exists = true;
  }
};

}  // namespace quarvel::testing
