// The compiled text table: the strings the build generates from assets/texts/texts.tsv. Read
// through lang_text.h; only the generated source defines these.
#pragma once

#include <cstdint>

namespace quorvex::text_data {

// Where a table's rows stand among the entries.
struct TableSpan {
  int32_t first_row;
  int32_t rows;
  const char* name;  // the identifier in the table file
};

// Rows of all tables one after another; entry (row, language) is kEntries[row * 10 + language].
extern const int kRowCount;
extern const char* const kEntries[];
// Indexed by Tx.
extern const TableSpan kTables[];

}  // namespace quorvex::text_data
