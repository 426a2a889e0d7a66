// A Prompter that records every box and answers from a queue (OK when the queue is empty).
#pragma once

#include <deque>
#include <vector>

#include "core/platform/prompter.h"

namespace drawlot::testing {

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

}  // namespace drawlot::testing
