// The real Prompter: MessageBoxA with the owner, buttons and icon asked for.
#pragma once

#include "core/platform/prompter.h"

namespace drawlot {

class MessageBoxPrompter : public Prompter {
 public:
  Answer Show(const Message& message) override;
};

}  // namespace drawlot
