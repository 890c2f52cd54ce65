#pragma once

#include <QDate>
#include <QList>
#include <QString>

#include <optional>

// A query as the user types it: words separated by spaces, all of which a mail
// must contain; "quoted text" is one string with its spaces. A word may be
// limited to a field (from:, to:, subject:, body:, file:) and the mails to one
// history (in:received, in:sent) or to days (since:YYYY-MM-DD, until:YYYY-MM-DD).
struct SearchQuery {
    enum class Field { Any, From, To, Subject, Body, File };
    struct Term {
        Field field = Field::Any;
        QString text;  // normalised
    };
    enum class In { Both, Received, Sent };

    QList<Term> terms;
    In in = In::Both;
    std::optional<QDate> since;
    std::optional<QDate> until;

    // The query, or nothing with why set (one line, in the program's words).
    static std::optional<SearchQuery> parse(const QString &text, QString *why = nullptr);
};
