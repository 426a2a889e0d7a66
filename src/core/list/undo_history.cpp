#include "core/list/undo_history.h"

#include <utility>

namespace drawlot {

ListSnapshot TakeListSnapshot(const RowStore& store) {
  ListSnapshot snapshot;
  snapshot.columns = store.ColumnCount();
  const int count = store.RowCount();
  snapshot.rows.reserve(static_cast<std::size_t>(count));
  snapshot.bytes = sizeof snapshot;
  for (int row = 0; row < count; ++row) {
    SnapshotRow& copy = snapshot.rows.emplace_back();
    copy.icon = store.IconOf(row);
    copy.tag = store.TagOf(row);
    copy.marks = store.GetRowState(row, kMarkStates);
    copy.cells.reserve(static_cast<std::size_t>(snapshot.columns));
    snapshot.bytes += sizeof copy;
    for (int column = 0; column < snapshot.columns; ++column) {
      copy.cells.push_back(store.GetCell(row, column, kSnapshotCellBytes));
      snapshot.bytes += sizeof(std::string) + copy.cells.back().size();
    }
  }
  return snapshot;
}

void RestoreListSnapshot(RowStore& store, const ListSnapshot& snapshot) {
  store.DeleteAllRows();
  for (const SnapshotRow& copy : snapshot.rows) {
    const std::string& first = copy.cells.empty() ? std::string() : copy.cells.front();
    const int row = store.InsertRow(store.RowCount(), first, copy.icon, copy.tag);
    if (row == kNoRow) continue;
    for (std::size_t column = 1; column < copy.cells.size(); ++column) {
      store.SetCell(row, static_cast<int>(column), copy.cells[column]);
    }
    store.SetRowState(row, copy.marks, kMarkStates);
  }
}

bool SameRows(const ListSnapshot& first, const ListSnapshot& second) {
  if (first.columns != second.columns || first.rows.size() != second.rows.size()) return false;
  for (std::size_t row = 0; row < first.rows.size(); ++row) {
    const SnapshotRow& a = first.rows[row];
    const SnapshotRow& b = second.rows[row];
    if (a.icon != b.icon || a.tag != b.tag || a.cells != b.cells) return false;
  }
  return true;
}

void UndoHistory::Begin(const RowStore& store) {
  Finish(store);
  open_ = TakeListSnapshot(store);
}

void UndoHistory::Finish(const RowStore& store) {
  if (!open_) return;
  ListSnapshot before = std::move(*open_);
  open_.reset();
  if (!SameRows(before, TakeListSnapshot(store))) Keep(std::move(before));
}

bool UndoHistory::Undo(RowStore& store) {
  Finish(store);
  if (steps_.empty()) return false;
  RestoreListSnapshot(store, steps_.back());
  bytes_ -= steps_.back().bytes;
  steps_.pop_back();
  return true;
}

void UndoHistory::Clear() {
  open_.reset();
  steps_.clear();
  bytes_ = 0;
}

// The oldest steps go until the new one fits; a step larger than the whole bound empties the
// history rather than keep steps that would skip it.
void UndoHistory::Keep(ListSnapshot before) {
  if (before.bytes > max_bytes_ || max_steps_ == 0) return Clear();
  while (!steps_.empty() && (steps_.size() >= max_steps_ || bytes_ + before.bytes > max_bytes_)) {
    bytes_ -= steps_.front().bytes;
    steps_.pop_front();
  }
  bytes_ += before.bytes;
  steps_.push_back(std::move(before));
}

}  // namespace drawlot
