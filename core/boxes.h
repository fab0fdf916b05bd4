#pragma once
// The boxes a handler leaves for the front end. A handler never waits in a box: it queues
// the box with what follows it and returns; the front end shows the box up without
// blocking and sends the player's answer back as an event, and what followed the box runs
// then. Likewise a step that may only run once the records a handler changed are stored
// (the page stores them after the handler returns) waits here for that news.
#include <cstdint>
#include <deque>
#include <functional>
#include <optional>
#include <string>
#include <utility>

namespace quarvel {

enum class BoxKind : std::uint8_t {
  Message,     // a title, a text and an OK button only
  Failure,     // a failed file operation that ended a handler: an "Error!" message
  NamePrompt,  // an input box with an empty default, OK and Cancel
  Question,    // a title, a question, OK and Cancel; Cancel is the default
};

struct Box {
  BoxKind kind = BoxKind::Message;
  std::string title;
  std::string text;  // the message, or the prompt
  // The name prompt's top left corner on the screen, in twips.
  int leftTwips = 0;
  int topTwips = 0;
  // Counts the boxes shown, so that a front end tells one showing from the next.
  std::uint64_t number = 0;
};

// The player's answer to a box: the text typed (empty for a message's OK), or nothing when
// the box was cancelled.
using BoxAnswer = std::optional<std::string>;

class Boxes {
 public:
  using Then = std::function<void(const BoxAnswer&)>;

  void Message(std::string title, std::string text, std::function<void()> then = {}) {
    Queue({BoxKind::Message, std::move(title), std::move(text)}, [then = std::move(then)](const BoxAnswer&) {
      if (then) then();
    });
  }
  // `title` is the one every failure goes under.
  void Failure(std::string title, std::string text) {
    Queue({BoxKind::Failure, std::move(title), std::move(text)}, {});
  }
  // OK runs `then`; Cancel nothing.
  void Ask(std::string title, std::string question, std::function<void()> then) {
    Queue({BoxKind::Question, std::move(title), std::move(question)},
          [then = std::move(then)](const BoxAnswer& answer) {
            if (answer) then();
          });
  }
  void AskName(std::string title, std::string prompt, int leftTwips, int topTwips, Then then) {
    Queue({BoxKind::NamePrompt, std::move(title), std::move(prompt), leftTwips, topTwips}, std::move(then));
  }

  // Runs `step` once the records are stored: at once when nothing is on its way there.
  // `file` is the record the step follows a change of.
  void AfterStored(bool storing, std::string file, std::function<void()> step) {
    if (!storing) {
      step();
      return;
    }
    waiting_.push_back({{}, std::move(file), [step = std::move(step)](const BoxAnswer&) { step(); }});
  }

  // The box up: the first queued, once no step waits for storage. Nullptr when none.
  const Box* Up() const { return waiting_.empty() && !boxes_.empty() ? &boxes_.front().box : nullptr; }
  bool Waiting() const { return !boxes_.empty() || !waiting_.empty(); }
  bool AwaitingStorage() const { return !waiting_.empty(); }
  // The record the first step waiting for storage follows a change of.
  const std::string& FileAwaited() const { return waiting_.front().file; }

  // Takes down the box up; returns what follows it.
  Then Close() {
    Then then = std::move(boxes_.front().then);
    boxes_.pop_front();
    return then;
  }
  // The records are stored: the steps that waited, in order.
  std::deque<Then> TakeStoredSteps() {
    std::deque<Then> steps;
    for (Pending& pending : waiting_) steps.push_back(std::move(pending.then));
    waiting_.clear();
    return steps;
  }
  // The records could not be stored: the steps that waited are the rest of handlers that
  // failed, and never run.
  void DropStoredSteps() { waiting_.clear(); }
  void Clear() {
    boxes_.clear();
    waiting_.clear();
  }

 private:
  struct Pending {
    Box box;
    std::string file;
    Then then;
  };
  void Queue(Box box, Then then) {
    box.number = ++shown_;
    boxes_.push_back({std::move(box), {}, std::move(then)});
  }

  std::deque<Pending> boxes_;
  std::deque<Pending> waiting_;  // steps that wait for the records to be stored
  std::uint64_t shown_ = 0;
};

}  // namespace quarvel
