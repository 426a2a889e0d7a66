// Script items for tests, built with named fields:
//
//   Item("用紙").display(4).edit(1).initial("A3").width(80)
//
// A built item is present; every field not named is as in a new ScriptItem (0 or empty).
#pragma once

#include <initializer_list>
#include <string_view>

#include "core/model/script_item.h"

namespace drawlot::testing {

class Item {
 public:
  explicit Item(std::string_view title = "") {
    item_.present = 1;
    item_.title = title;
  }

  Item& display(int mode) {
    item_.display_mode = mode;
    return *this;
  }
  Item& output(int mode) {
    item_.output_mode = mode;
    return *this;
  }
  Item& edit(int mode) {
    item_.edit_mode = mode;
    return *this;
  }
  Item& width(int pixels) {
    item_.width = pixels;
    return *this;
  }
  Item& command(std::string_view text) {
    item_.command = text;
    return *this;
  }
  Item& initial(std::string_view text) {
    item_.initial_value = text;
    return *this;
  }
  Item& select(int index, std::string_view text) {
    item_.select[index] = text;
    return *this;
  }

  operator ScriptItem() const { return item_; }  // NOLINT: an Item is used where an item goes

 private:
  ScriptItem item_;
};

// Slots from 0 in the given order; the rest absent.
inline ItemSlots Slots(std::initializer_list<ScriptItem> items) {
  ItemSlots slots{};
  int slot = 0;
  for (const ScriptItem& item : items) slots[slot++] = item;
  return slots;
}

}  // namespace drawlot::testing
