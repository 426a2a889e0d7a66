// A Prompter that only keeps the boxes it is given, to be shown later through another one: for
// work done away from the window's thread, whose boxes must wait until the window takes its
// result. Every box is answered OK, so it suits work that only tells.
#pragma once

#include <vector>

#include "core/platform/prompter.h"

namespace drawlot {

class RecordedBoxes : public Prompter {
 public:
  Answer Show(const Message& message) override {
    boxes_.push_back(message);
    return Answer::kOk;
  }

  // Shows the kept boxes through `prompter`, in the order they were given, and forgets them.
  void ShowThrough(Prompter& prompter) {
    std::vector<Message> boxes;
    boxes.swap(boxes_);
    for (const Message& box : boxes) prompter.Show(box);
  }

 private:
  std::vector<Message> boxes_;
};

}  // namespace drawlot
