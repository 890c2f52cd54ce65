#include "core/search/GramTokenizer.h"

#include "core/common/NormalText.h"

#include <sqlite3.h>

#include <cstring>

namespace {

// One UTF-8 character's code point from s, and its length in bytes. Bytes that
// are no UTF-8 count as one character each, so the scan always moves on.
char32_t decode(const unsigned char *s, int left, int *length)
{
    const unsigned char b = s[0];
    int n = b < 0x80 ? 1 : (b >> 5) == 6 ? 2 : (b >> 4) == 14 ? 3 : (b >> 3) == 30 ? 4 : 1;
    if (n > left)
        n = 1;
    char32_t c = n == 1 ? b : n == 2 ? (b & 0x1F) : n == 3 ? (b & 0x0F) : (b & 0x07);
    for (int i = 1; i < n; ++i) {
        if ((s[i] & 0xC0) != 0x80) {
            *length = 1;
            return b;
        }
        c = (c << 6) | (s[i] & 0x3F);
    }
    *length = n;
    return c;
}

// "chars": each character that is not whitespace; "pairs" (the default):
// each pair of neighbouring characters, at the place of its first one.
struct Tokenizer {
    bool chars = false;
};

int create(void *, const char **arguments, int count, Fts5Tokenizer **out)
{
    auto *tokenizer = new Tokenizer;
    tokenizer->chars = count > 0 && std::strcmp(arguments[0], "chars") == 0;
    *out = reinterpret_cast<Fts5Tokenizer *>(tokenizer);
    return SQLITE_OK;
}

void destroy(Fts5Tokenizer *tokenizer)
{
    delete reinterpret_cast<Tokenizer *>(tokenizer);
}

int tokenize(Fts5Tokenizer *self, void *context, int flags, const char *text, int bytes,
             int (*token)(void *, int, const char *, int, int, int))
{
    if (bytes <= 0)
        return SQLITE_OK;
    if (flags & FTS5_TOKENIZE_QUERY)
        return token(context, 0, text, bytes, 0, bytes);

    const bool chars = reinterpret_cast<Tokenizer *>(self)->chars;
    const auto *s = reinterpret_cast<const unsigned char *>(text);
    int at = 0;
    int length = 0;
    char32_t c = decode(s, bytes, &length);
    while (at < bytes) {
        const int next = at + length;
        int nextLength = 0;
        const char32_t following = next < bytes ? decode(s + next, bytes - next, &nextLength) : U' ';
        int rc = SQLITE_OK;
        if (chars && !NormalText::isSpace(c))
            rc = token(context, 0, text + at, length, at, next);
        else if (!chars && next < bytes)
            rc = token(context, 0, text + at, length + nextLength, at, next + nextLength);
        if (rc != SQLITE_OK)
            return rc;
        at = next;
        c = following;
        length = nextLength;
    }
    return SQLITE_OK;
}

fts5_api *apiOf(sqlite3 *db)
{
    fts5_api *api = nullptr;
    sqlite3_stmt *statement = nullptr;
    if (sqlite3_prepare_v2(db, "SELECT fts5(?1)", -1, &statement, nullptr) != SQLITE_OK)
        return nullptr;
    sqlite3_bind_pointer(statement, 1, &api, "fts5_api_ptr", nullptr);
    sqlite3_step(statement);
    sqlite3_finalize(statement);
    return api;
}

} // namespace

namespace GramTokenizer {

bool install(sqlite3 *db)
{
    fts5_api *api = apiOf(db);
    if (!api)
        return false;
    static fts5_tokenizer tokenizer = {create, destroy, tokenize};
    return api->xCreateTokenizer(api, kName, nullptr, &tokenizer, nullptr) == SQLITE_OK;
}

} // namespace GramTokenizer
