#include <gtest/gtest.h>

#include <set>

#include "core/list/list_housekeeping.h"
#include "core/list/list_test_support.h"
#include "support/recording_prompter.h"

namespace drawlot::testing {
namespace {

using Texts = std::vector<std::string>;
constexpr WindowRef kOwner = 0x42;

class HousekeepingTest : public ::testing::Test {
 protected:
  void SetUp() override {
    FillList(store, slots, tags, {"a.dwg", "b.dxf", "c.DWG", "d.dwg", "e.dxf"});
  }

  void Delete(DeleteMode mode) { DeleteRows(store, mode, prompter, kOwner); }
  void Move(MoveDirection direction) { MoveRow(store, slots, tags, direction, prompter, kOwner); }
  void Select(std::initializer_list<int> rows) {
    for (int row : rows) MarkRow(store, row);
  }
  Texts Names() const { return ColumnTexts(store, 0); }

  const ItemSlots slots = DrawingSlots();
  InMemoryRowStore store;
  RowTagSource tags;
  RecordingPrompter prompter;
};

TEST_F(HousekeepingTest, DeleteSelectedTakesOnlyThoseRows) {
  for (const DeleteMode mode : {DeleteMode::kSelected, DeleteMode::kSelectedOrAll}) {
    store.DeleteAllRows();
    FillList(store, slots, tags, {"a.dwg", "b.dxf", "c.DWG", "d.dwg", "e.dxf"});
    // A lone selected bit counts, as in the list view.
    store.SetRowState(0, kStateSelected, kStateSelected);
    Select({2, 4});
    Delete(mode);
    EXPECT_EQ(Names(), (Texts{"b.dxf", "d.dwg"}));
    EXPECT_EQ(RowTexts(store, 1),
              (Texts{"d.dwg", "C:\\dwg", "2024/03/05 14:07", "LBP", "A3", "-"}));
  }
  EXPECT_TRUE(prompter.shown.empty());
}

TEST_F(HousekeepingTest, DeleteSelectedWithoutSelectionOnlyWarns) {
  store.SetRowState(1, kStateFocused | kStateDropHighlighted, kMarkStates);  // not selected
  Delete(DeleteMode::kSelected);
  EXPECT_EQ(prompter.shown,
            (Boxes{Box(kOwner, "ファイルが選択していません", "選択ミス", Icon::kWarning)}));
  EXPECT_EQ(store.RowCount(), 5);
}

TEST_F(HousekeepingTest, DeleteAllAndToolbarDeleteWithoutSelectionEmptyTheList) {
  Delete(DeleteMode::kSelectedOrAll);
  EXPECT_EQ(store.RowCount(), 0);
  FillList(store, slots, tags, {"a.dwg", "b.dwg"});
  Select({1});
  Delete(DeleteMode::kAll);
  EXPECT_EQ(store.RowCount(), 0);
  EXPECT_TRUE(prompter.shown.empty());
}

// A store whose rows cannot be deleted, as a control could refuse.
class UndeletableRowStore : public InMemoryRowStore {
 public:
  bool DeleteRow(int) override { return false; }
};

TEST(DeleteRows, StoreThatKeepsItsRowsDoesNotHangTheDelete) {
  UndeletableRowStore store;
  store.InsertRow(0, "a", kIconDwg, 0);
  store.InsertRow(1, "b", kIconDwg, 1);
  store.SetRowState(kNoRow, kMarkStates, kMarkStates);
  RecordingPrompter prompter;
  DeleteRows(store, DeleteMode::kSelected, prompter, 0);
  EXPECT_EQ(store.RowCount(), 2);
}

TEST_F(HousekeepingTest, MarkAllThenClearLeavesNoMark) {
  MarkAllRows(store);
  EXPECT_EQ(MarkedRows(store), (std::vector<int>{0, 1, 2, 3, 4}));
  ClearMarks(store);
  for (int row = 0; row < store.RowCount(); ++row) {
    EXPECT_EQ(store.GetRowState(row, kMarkStates), 0u) << row;
  }
}

TEST_F(HousekeepingTest, ClearMarksLeavesUnselectedRowsAlone) {
  Select({1, 3});
  store.SetRowState(2, kStateDropHighlighted, kStateDropHighlighted);
  ClearMarks(store);
  EXPECT_EQ(store.SelectedCount(), 0);
  EXPECT_EQ(store.GetRowState(1, kMarkStates), 0u);
  EXPECT_EQ(store.GetRowState(2, kMarkStates), kStateDropHighlighted);
}

TEST_F(HousekeepingTest, MovingUpStopsAtTheTop) {
  Select({2});
  Move(MoveDirection::kUp);
  EXPECT_EQ(Names(), (Texts{"a.dwg", "c.DWG", "b.dxf", "d.dwg", "e.dxf"}));
  EXPECT_EQ(MarkedRows(store), (std::vector<int>{1}));
  Move(MoveDirection::kUp);
  EXPECT_EQ(Names(), (Texts{"c.DWG", "a.dwg", "b.dxf", "d.dwg", "e.dxf"}));
  EXPECT_EQ(MarkedRows(store), (std::vector<int>{0}));
  Move(MoveDirection::kUp);
  EXPECT_EQ(Names(), (Texts{"c.DWG", "a.dwg", "b.dxf", "d.dwg", "e.dxf"}));
  EXPECT_EQ(MarkedRows(store), (std::vector<int>{0}));
  EXPECT_TRUE(prompter.shown.empty());
}

TEST_F(HousekeepingTest, MovingDownStopsAtTheBottom) {
  Select({3});
  Move(MoveDirection::kDown);
  EXPECT_EQ(Names(), (Texts{"a.dwg", "b.dxf", "c.DWG", "e.dxf", "d.dwg"}));
  EXPECT_EQ(MarkedRows(store), (std::vector<int>{4}));
  Move(MoveDirection::kDown);
  EXPECT_EQ(Names(), (Texts{"a.dwg", "b.dxf", "c.DWG", "e.dxf", "d.dwg"}));
  EXPECT_EQ(MarkedRows(store), (std::vector<int>{4}));
}

TEST_F(HousekeepingTest, OnlyTheUpperSelectedRowMoves) {
  Select({1, 3});
  Move(MoveDirection::kDown);
  EXPECT_EQ(Names(), (Texts{"a.dwg", "c.DWG", "b.dxf", "d.dwg", "e.dxf"}));
  EXPECT_EQ(MarkedRows(store), (std::vector<int>{2, 3}));
}

TEST_F(HousekeepingTest, MovedRowKeepsItsCellsAndTakesItsIconFromTheName) {
  store.SetCell(1, 3, "プリンタ表");
  store.SetCell(1, 5, std::string(300, 'x'));
  Select({1});
  Move(MoveDirection::kDown);
  EXPECT_EQ(RowTexts(store, 2), (Texts{"b.dxf", "C:\\dwg", "2024/03/05 14:07", "プリンタ表", "A3",
                                       std::string(259, 'x')}));
  EXPECT_EQ(store.IconOf(2), kIconDxf);
  store.SetRowState(kNoRow, 0, kMarkStates);
  Select({0});  // "a.dwg" but its icon is decided by the name, not kept
  store.SetCell(0, 0, "A.DWG");
  Move(MoveDirection::kDown);
  EXPECT_EQ(store.IconOf(1), kIconDwg);
}

TEST(MoveRow, IconFromTheLastFileNameColumnOrDxf) {
  const ItemSlots two_names =
      Slots({Item("a").display(1).edit(1).width(60), Item("b").display(1).edit(1).width(60)});
  const ItemSlots no_name = Slots({Item("f").display(2).edit(1).width(60)});
  RecordingPrompter prompter;
  for (const auto& [slots, second, icon] :
       {std::tuple{two_names, "x.dwg", kIconDwg}, std::tuple{two_names, "x.dxf", kIconDxf},
        std::tuple{no_name, "", kIconDxf}}) {
    InMemoryRowStore store;
    RowTagSource tags;
    FillList(store, slots, tags, {"a.dxf", "b.dwg"});
    if (*second != '\0') store.SetCell(0, 1, second);
    MarkRow(store, 0);
    MoveRow(store, slots, tags, MoveDirection::kDown, prompter, 0);
    EXPECT_EQ(store.IconOf(1), icon) << second;
  }
}

TEST(MoveRow, KeepsCellsOfColumnsAfterAGapInTheSet) {
  ItemSlots slots = Slots({Item("名前").display(1).edit(1).width(60)});
  slots[2] = Item("後").display(4).edit(1).initial("x").width(60);
  InMemoryRowStore store;
  RowTagSource tags;
  FillList(store, slots, tags, {"a.dwg", "b.dwg"});
  store.SetCell(0, 1, "loaded");
  MarkRow(store, 0);
  RecordingPrompter prompter;
  MoveRow(store, slots, tags, MoveDirection::kDown, prompter, 0);
  EXPECT_EQ(RowTexts(store, 1), (Texts{"a.dwg", "loaded"}));
}

TEST_F(HousekeepingTest, MoveWithoutSelectionAsksForOne) {
  Move(MoveDirection::kUp);
  EXPECT_EQ(prompter.shown, (Boxes{Box(kOwner, "項目を選択して下さい", "一行COPY", Icon::kNone)}));
  EXPECT_EQ(Names(), (Texts{"a.dwg", "b.dxf", "c.DWG", "d.dwg", "e.dxf"}));
}

// A store that refuses new rows: a move must not lose the row it could not put back.
class NoNewRowsStore : public InMemoryRowStore {
 public:
  int InsertRow(int, std::string_view, int, std::int32_t) override { return kNoRow; }
};

TEST(MoveRow, RefusedInsertKeepsTheRow) {
  NoNewRowsStore store;
  store.InsertColumn(0, "名前", 50);
  store.InMemoryRowStore::InsertRow(0, "a.dwg", kIconDwg, 0);
  store.InMemoryRowStore::InsertRow(1, "b.dwg", kIconDwg, 1);
  MarkRow(store, 1);
  RowTagSource tags;
  RecordingPrompter prompter;
  MoveRow(store, Slots({Item("名前").display(1).edit(1).width(60)}), tags, MoveDirection::kUp,
          prompter, 0);
  EXPECT_EQ(ColumnTexts(store, 0), (Texts{"a.dwg", "b.dwg"}));
}

}  // namespace
}  // namespace drawlot::testing
