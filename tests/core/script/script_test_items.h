// Script items as the script tests need them: only what decides the script's lines.
#pragma once

#include <string_view>

#include "core/items/script_item.h"

namespace drawlot::testing {

inline ScriptItem OutputItem(int display_mode, int output_mode, std::string_view command = "") {
  ScriptItem item;
  item.present = 1;
  item.display_mode = display_mode;
  item.output_mode = output_mode;
  item.command = command;
  return item;
}

}  // namespace drawlot::testing
