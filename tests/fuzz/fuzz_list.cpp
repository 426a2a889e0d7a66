#include <cstdint>
#include <string>

#include "core/list/list_file.h"
#include "fuzz_support.h"
#include "support/fakes/in_memory_row_store.h"

using namespace drawlot;

namespace {

InMemoryRowStore ListWithAllColumns() {
  InMemoryRowStore rows;
  for (int column = 0; column < kListFieldCount; ++column) rows.InsertColumn(column, "", 10);
  return rows;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  InMemoryRowStore rows = ListWithAllColumns();
  RowTagSource tags;
  ParseList(rows, std::string_view(reinterpret_cast<const char*>(data), size), tags);
  const std::string written = SerializeList(rows);
  InMemoryRowStore again = ListWithAllColumns();
  ParseList(again, written, tags);
  fuzz::Require(SerializeList(again) == written, "list reads back as written");
  return 0;
}
