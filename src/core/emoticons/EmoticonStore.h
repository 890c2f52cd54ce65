#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <array>

// The twelve emoticon collections, one CP932 text file each in the emoticon
// folder. The palette's boxes are the only copy while it is open; this store
// reads them when it opens and writes them back when it closes.
namespace EmoticonStore {

constexpr int kCount = 12;
constexpr int kFavourites = 11;

struct Collection {
    QString caption;  // the tab's caption
    QString box;      // the name of the tab's text box
    QString file;     // relative data path
};

const std::array<Collection, kCount> &collections();

// The file of one collection, resolved like every data path (letter case of an
// existing file does not matter).
QString path(int index);

// Box text <-> file bytes. The file ends with the one CR LF the save adds; the
// load drops it again, so an unedited collection comes back byte for byte.
QString fromFileBytes(const QByteArray &bytes);
QByteArray toFileBytes(const QString &text);

// A missing or unreadable file is an empty collection.
QString load(int index);
// True when the text written as a file reads back as that text, and the file
// as it stands was CP932 that nothing was lost from when it was read: saving
// then loses no character.
bool savesExactly(int index, const QString &text);
QStringList loadAll();

// Replaces the file through a temporary file, so a failure never leaves a
// collection empty or half written. False with the reason in error on failure.
bool save(int index, const QString &text, QString *error = nullptr);
// Writes every collection in order, carrying on past failures; returns the
// reasons of the failed ones.
QStringList saveAll(const QStringList &texts);

} // namespace EmoticonStore
