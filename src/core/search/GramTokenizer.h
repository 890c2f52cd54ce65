#pragma once

struct sqlite3;

// The index's tokenizer, "pintora_grams": every character that is not
// whitespace, and every pair of neighbouring characters, as tokens of their
// own, the pair at the place of its first character; so a query of one
// character is its token, and a longer one the phrase of its pairs (SearchText),
// matched exactly by their places. Text reaches it already normalised
// (NormalText::normalize). In a query each quoted string is one token as it stands.
namespace GramTokenizer {

inline constexpr const char *kName = "pintora_grams";

// False when the SQLite library has no full-text module.
bool install(sqlite3 *db);

} // namespace GramTokenizer
