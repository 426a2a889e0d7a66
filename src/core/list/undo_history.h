// "元に戻す": the list as it was before each of the last commands that changed its rows, taken
// whole through the RowStore interface (every row's cells, icon, tag and marks) and put back
// whole. The history is bounded both in steps and in the memory its copies hold; the oldest
// step goes first.
#pragma once

#include <cstddef>
#include <cstdint>
#include <deque>
#include <optional>
#include <string>
#include <vector>

#include "core/model/row_store.h"

namespace drawlot {

// A cell is copied up to this many bytes: more than any cell the program writes or edits.
inline constexpr std::size_t kSnapshotCellBytes = 1024;

struct SnapshotRow {
  std::vector<std::string> cells;  // one per column
  int icon = kIconDwg;
  std::int32_t tag = 0;
  unsigned marks = 0;  // the kMarkStates bits
};

struct ListSnapshot {
  int columns = 0;
  std::vector<SnapshotRow> rows;
  std::size_t bytes = 0;  // what the copy holds in memory, roughly
};

ListSnapshot TakeListSnapshot(const RowStore& store);
// Replaces every row of `store` with the snapshot's rows (the columns are not touched).
void RestoreListSnapshot(RowStore& store, const ListSnapshot& snapshot);
// The same rows in the same order: cells, icons and tags. Marks do not count, so a command
// that only marked or unmarked rows makes no step.
bool SameRows(const ListSnapshot& first, const ListSnapshot& second);

class UndoHistory {
 public:
  static constexpr std::size_t kDefaultSteps = 20;
  static constexpr std::size_t kDefaultBytes = std::size_t{64} << 20;

  explicit UndoHistory(std::size_t max_steps = kDefaultSteps, std::size_t max_bytes = kDefaultBytes)
      : max_steps_(max_steps), max_bytes_(max_bytes) {}

  // Before a command that may change rows: the rows as they are now. A step still open (the
  // cell editor's, which ends by itself later) is finished first.
  void Begin(const RowStore& store);
  // After it: the rows from Begin become a step when the rows changed since.
  void Finish(const RowStore& store);
  // Puts the rows of the last step back and drops the step. False when there is none.
  bool Undo(RowStore& store);
  // The steps no longer fit the list (its columns changed).
  void Clear();

  std::size_t Steps() const { return steps_.size(); }
  std::size_t Bytes() const { return bytes_; }

 private:
  void Keep(ListSnapshot before);

  std::size_t max_steps_;
  std::size_t max_bytes_;
  std::optional<ListSnapshot> open_;
  std::deque<ListSnapshot> steps_;
  std::size_t bytes_ = 0;
};

}  // namespace drawlot
