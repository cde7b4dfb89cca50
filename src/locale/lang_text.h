// User-visible texts of the game. Every text is a table of ten strings, one per interface
// language (a LangText); a table may have several rows. The tables are written in
// assets/texts/texts.tsv and compiled in at build time; Tx names them.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "locale/text_ids.h"

namespace quorvex {

// A word table of ten languages is named by its identifier.
using LangText = Tx;

inline constexpr int kLanguageCount = 10;

// The current interface language, 0-based in the order of the language list. Anything outside
// 0..9 counts as English.
int CurrentLanguage();
void SetCurrentLanguage(int language);

// Text of a table in the current language: row 0, or the given row.
std::string Text(Tx table);
std::string Text(Tx table, int row);
// The same in a given language. A row or language out of range gives an empty text.
std::string_view TextIn(Tx table, int row, int language);

int TextRows(Tx table);
// The identifier of a table as written in the table file, for messages.
std::string_view TextName(Tx table);

// A text shown in one language (a caption made before a language switch) in another: the entry
// of the first table row that holds the text in the first language. A text found in no table
// comes back unchanged.
std::string Retranslate(std::string_view text, int from_language, int to_language);

}  // namespace quorvex
