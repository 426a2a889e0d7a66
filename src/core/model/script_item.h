// The script item table: 20 sets of up to 50 items. Each item of the current set is at once a
// column of the drawing list and a line (or nothing) in the AutoCAD script of every row.
#pragma once

#include <array>
#include <cstdint>
#include <span>
#include <string_view>

#include "core/text/fixed_text.h"

namespace drawlot {

inline constexpr int kSetCount = 20;
inline constexpr int kItemSlotCount = 50;
inline constexpr int kSelectCount = 5;

// What an item writes into the script for each drawing row.
enum class OutputMode : std::int32_t {
  kNone = 0,            // nothing
  kCommandAndPath = 1,  // command, a blank, the drawing's quoted full path
  kCommand = 2,         // the command alone
  kFirstCharacter = 3,  // the first byte of the row's cell
  kWholeText = 4,       // the row's whole cell
};

// Whether an item has a list column and what a new row's cell holds.
enum class DisplayMode : std::int32_t {
  kHidden = 0,
  kFileName = 1,
  kFolder = 2,
  kDateTime = 3,
  kInitialValue = 4,
};

// How an item's cell is edited.
enum class EditMode : std::int32_t {
  kNone = 0,
  kText = 1,
  kSelect = 2,
  kPrinter = 3,
  kPaper = 4,
  kPlotStyle = 5,
};

// The texts of the detail dialog's mode drop-downs, in value order.
std::span<const std::string_view> OutputModeLabels();
std::span<const std::string_view> DisplayModeLabels();
std::span<const std::string_view> EditModeLabels();
// The text of one value; "Error" for a value outside the table.
std::string_view OutputModeLabel(std::int32_t mode);
std::string_view DisplayModeLabel(std::int32_t mode);
std::string_view EditModeLabel(std::int32_t mode);
// A mode read back from such a text (or one typed by hand): the digit value of its first
// character alone, so "12" gives 1 and "7" gives 7; a text that does not start with a digit
// gives 0.
std::int32_t ModeFromLabel(std::string_view label);

// The modes are kept as the numbers read or typed, since values outside the tables can be
// stored and must survive a round trip through the files.
struct ScriptItem {
  std::int32_t present = 0;
  FixedText<16> title;
  std::int32_t output_mode = 0;
  std::int32_t display_mode = 0;
  std::int32_t edit_mode = 0;
  std::int32_t width = 0;
  std::array<FixedText<16>, kSelectCount> select;
  FixedText<128> initial_value;
  FixedText<16> command;

  friend bool operator==(const ScriptItem&, const ScriptItem&) = default;
};

using ItemSlots = std::array<ScriptItem, kItemSlotCount>;

struct ScriptItemSet {
  std::int32_t present = 0;
  FixedText<64> title;
  ItemSlots items;
};

struct ScriptItemTable {
  std::array<ScriptItemSet, kSetCount> sets;
  ItemSlots set_clipboard;  // one set's items, copied by the detail dialog
  FixedText<260> last_partial_script_path;
};

// Every set absent with an empty title, every slot all zero.
void ClearTable(ScriptItemTable& table);
void ClearSlots(ItemSlots& slots);

// The item walk: the number of slots from 0 up to the first absent one. The list columns the
// walks give are in core/model/column_layout.h.
int ItemCount(const ItemSlots& slots);

// The set drop-down's walk: set titles from 0 up to the first empty title.
int TitledSetCount(const ScriptItemTable& table);

// The set writers' walk: sets from 0 up to the first absent set.
int PresentSetCount(const ScriptItemTable& table);

// The set index an `autocad_type` character names: its code minus 0x30. Characters outside
// "0".."C" name no set; they are treated as set 0, so nothing reaches outside the table.
int SetIndexFromType(char autocad_type);
char TypeFromSetIndex(int index);

}  // namespace drawlot
