#include "console/printed_services.h"

#include "console/script_command.h"

namespace quarvel::console {

BoxAnswer PrintedBoxes::Answer(const Box& box) {
  switch (box.kind) {
    case BoxKind::Message: out_ << "message " << Quote(box.title) << ' ' << Quote(box.text) << '\n'; break;
    case BoxKind::Failure: out_ << "failure " << Quote(box.text) << '\n'; break;
    // Only the page's loads ask; the console answers OK.
    case BoxKind::Question: out_ << "question " << Quote(box.title) << ' ' << Quote(box.text) << '\n'; break;
    case BoxKind::NamePrompt: {
      BoxAnswer answer;
      if (!answers_.empty()) {
        answer = std::move(answers_.front());
        answers_.pop_front();
      }
      out_ << "input " << Quote(box.title) << ' ' << Quote(box.text) << " -> " << (answer ? Quote(*answer) : "cancel")
           << '\n';
      return answer;
    }
  }
  return std::string();
}

}  // namespace quarvel::console
