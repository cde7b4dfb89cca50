#include "locale/lang_text.h"

#include "locale/text_tables.h"

namespace quorvex {

namespace {
int g_language = 0;

int TableIndex(Tx table) {
  const int i = static_cast<int>(table);
  return i >= 0 && i < static_cast<int>(Tx::Count_) ? i : -1;
}
}  // namespace

int CurrentLanguage() {
  return g_language;
}

void SetCurrentLanguage(int language) {
  g_language = language >= 0 && language < kLanguageCount ? language : 0;
}

std::string_view TextIn(Tx table, int row, int language) {
  const int t = TableIndex(table);
  if (t < 0 || language < 0 || language >= kLanguageCount) return {};
  const text_data::TableSpan& span = text_data::kTables[t];
  if (row < 0 || row >= span.rows) return {};
  return text_data::kEntries[(span.first_row + row) * kLanguageCount + language];
}

std::string Text(Tx table) {
  return std::string(TextIn(table, 0, g_language));
}

std::string Text(Tx table, int row) {
  return std::string(TextIn(table, row, g_language));
}

int TextRows(Tx table) {
  const int t = TableIndex(table);
  return t < 0 ? 0 : text_data::kTables[t].rows;
}

std::string_view TextName(Tx table) {
  const int t = TableIndex(table);
  return t < 0 ? std::string_view() : text_data::kTables[t].name;
}

std::string Retranslate(std::string_view text, int from_language, int to_language) {
  if (from_language < 0 || from_language >= kLanguageCount || to_language < 0 ||
      to_language >= kLanguageCount)
    return std::string(text);
  for (int row = 0; row < text_data::kRowCount; ++row)
    if (text_data::kEntries[row * kLanguageCount + from_language] == text)
      return text_data::kEntries[row * kLanguageCount + to_language];
  return std::string(text);
}

}  // namespace quorvex
