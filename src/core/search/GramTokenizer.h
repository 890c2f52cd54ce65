#pragma once

struct sqlite3;

// The index's tokenizer, "pintora_grams": every character that is not
// whitespace, and every pair of neighbouring ones, as tokens of their own, so
// a query of any length from one character finds its candidates by whole
// tokens. Text reaches it already normalised (NormalText::normalize). In a
// query each quoted string is one token as it stands.
namespace GramTokenizer {

inline constexpr const char *kName = "pintora_grams";

// False when the SQLite library has no full-text module.
bool install(sqlite3 *db);

} // namespace GramTokenizer
