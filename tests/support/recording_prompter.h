// A Prompter that records every box and answers from a queue (OK when the queue is empty).
#pragma once

#include <deque>
#include <ostream>
#include <string>
#include <string_view>
#include <vector>

#include "core/platform/prompter.h"

namespace drawlot {

// How GoogleTest shows a recorded box when a comparison fails.
inline void PrintTo(const Message& box, std::ostream* out) {
  *out << "{owner " << box.owner << ", \"" << box.text << "\", \"" << box.title << "\", buttons "
       << static_cast<unsigned>(box.buttons) << ", icon " << static_cast<unsigned>(box.icon) << "}";
}

namespace testing {

// A box as the recorder keeps it, to compare with: EXPECT_EQ(prompter.shown, (Boxes{Box(...)})).
inline Message Box(WindowRef owner, std::string_view text, std::string_view title, Icon icon,
                   Buttons buttons = Buttons::kOk) {
  return Message{owner, std::string(text), std::string(title), buttons, icon};
}
using Boxes = std::vector<Message>;

class RecordingPrompter : public Prompter {
 public:
  Answer Show(const Message& message) override {
    shown.push_back(message);
    if (answers.empty()) return Answer::kOk;
    const Answer answer = answers.front();
    answers.pop_front();
    return answer;
  }

  std::vector<Message> shown;
  std::deque<Answer> answers;
};

}  // namespace testing
}  // namespace drawlot
