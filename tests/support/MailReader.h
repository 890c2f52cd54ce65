#pragma once

#include <QByteArray>
#include <QJsonObject>

// Python's email package reading a raw mail: what an independent reader sees.
namespace MailReader {

// The reader's view as JSON, or an empty object when the reader failed.
QJsonObject read(const QByteArray &raw);

} // namespace MailReader
