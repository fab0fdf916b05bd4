#include "console/printed_services.h"

#include "console/script_command.h"

namespace quarvel::console {

void PrintedDialogs::ShowMessage(const std::string& title, const std::string& text) {
  out_ << "message " << Quote(title) << ' ' << Quote(text) << '\n';
}

std::optional<std::string> PrintedDialogs::AskInput(const std::string& title, const std::string& prompt, int, int) {
  std::optional<std::string> answer;
  if (!answers_.empty()) {
    answer = std::move(answers_.front());
    answers_.pop_front();
  }
  out_ << "input " << Quote(title) << ' ' << Quote(prompt) << " -> " << (answer ? Quote(*answer) : "cancel") << '\n';
  return answer;
}

void PrintedDialogs::ShowFailure(const std::string& text) { out_ << "failure " << Quote(text) << '\n'; }

}  // namespace quarvel::console
