#pragma once

struct sqlite3;

// The index's tokenizer, "pintora_grams", in two kinds: "chars" makes every
// character that is not whitespace a token, for queries of one character;
// "pairs" makes every pair of neighbouring characters a token at the place of
// its first character, so a longer query is found exactly as the phrase of its
// pairs, one place apart (SearchText). Text reaches it already normalised
// (NormalText::normalize). In a query each quoted string is one token as it stands.
namespace GramTokenizer {

inline constexpr const char *kName = "pintora_grams";

// False when the SQLite library has no full-text module.
bool install(sqlite3 *db);

} // namespace GramTokenizer
