#include "core/common/Mbox.h"

#include "core/common/FileError.h"
#include "core/common/ImportFile.h"


#include <cerrno>
#include <cstdio>
#include <cstring>

namespace Mbox {

namespace {

const QByteArray kFrom = QByteArrayLiteral("From ");

// Whether the bytes may still grow into ">*From ".
bool couldBeQuotable(const QByteArray &start)
{
    qsizetype i = 0;
    while (i < start.size() && start[i] == '>')
        ++i;
    const QByteArray rest = start.mid(i);
    return kFrom.startsWith(rest) || rest.startsWith(kFrom);
}

bool isQuotable(const QByteArray &line)
{
    qsizetype i = 0;
    while (i < line.size() && line[i] == '>')
        ++i;
    return line.mid(i, kFrom.size()) == kFrom;
}

bool isBlank(const QByteArray &line)
{
    return line == "\n" || line == "\r\n";
}

} // namespace

QByteArray separator(const QByteArray &sender, const QDateTime &moment)
{
    const QDateTime utc = moment.isValid() ? moment.toUTC() : QDateTime::fromSecsSinceEpoch(0, Qt::UTC);
    static const char *const days[] = {"Mon", "Tue", "Wed", "Thu", "Fri", "Sat", "Sun"};
    static const char *const months[] = {"Jan", "Feb", "Mar", "Apr", "May", "Jun",
                                         "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};
    const QDate date = utc.date();
    const QTime time = utc.time();
    // asctime's form: the day of the month padded with a space.
    char when[64];
    std::snprintf(when, sizeof when, "%s %s %2d %02d:%02d:%02d %04d", days[date.dayOfWeek() - 1],
                  months[date.month() - 1], date.day(), time.hour(), time.minute(), time.second(), date.year());
    return kFrom + (sender.isEmpty() ? QByteArrayLiteral("MAILER-DAEMON") : sender) + ' ' + when + '\n';
}

QByteArray Quoter::feed(const char *data, qsizetype size)
{
    QByteArray out;
    out.reserve(size + 16);
    feedInto(out, data, size);
    return out;
}

void Quoter::feedInto(QByteArray &out, const char *data, qsizetype size)
{
    qsizetype i = 0;
    while (i < size) {
        if (m_lineStart) {
            const char byte = data[i];
            // Most lines show at their first byte that they need nothing.
            if (m_pending.isEmpty() && byte != '>' && byte != 'F') {
                m_lineStart = false;
                continue;
            }
            // Otherwise decide a byte at a time whether this line needs its ">".
            ++i;
            m_pending += byte;
            m_lastByte = byte;
            if (byte == '\n' || !couldBeQuotable(m_pending)) {
                out += m_pending;
                m_pending.clear();
                m_lineStart = byte == '\n';
            } else if (isQuotable(m_pending)) {
                out += '>';
                out += m_pending;
                m_pending.clear();
                m_lineStart = false;
            }
            continue;
        }
        // Lines that cannot need a ">" go out in one run, up to the start of one that might.
        qsizetype end = size;
        m_lineStart = false;
        for (qsizetype j = i; j < size;) {
            const void *found = std::memchr(data + j, '\n', static_cast<size_t>(size - j));
            if (!found)
                break;
            const qsizetype next = static_cast<const char *>(found) - data + 1;
            if (next == size || data[next] == '>' || data[next] == 'F') {
                end = next;
                m_lineStart = true;
                break;
            }
            j = next;
        }
        out.append(data + i, end - i);
        m_lastByte = data[end - 1];
        i = end;
    }
}

QByteArray Quoter::finish()
{
    QByteArray rest = m_pending;
    m_pending.clear();
    m_lineStart = true;
    return rest;
}

void appendEntry(QByteArray &out, const QByteArray &separatorLine, const QByteArray &message)
{
    Quoter quoter;
    out += separatorLine;
    quoter.feedInto(out, message.constData(), message.size());
    out += quoter.finish();
    if (!quoter.endedWithLineBreak())
        out += '\n';
    out += '\n';
}

QByteArray entry(const QByteArray &separatorLine, const QByteArray &message)
{
    QByteArray out;
    appendEntry(out, separatorLine, message);
    return out;
}

Reader::Reader(const QString &path) : m_path(path)
{
}

bool Reader::looksLikeMbox(const QByteArray &head)
{
    return head.startsWith(kFrom) && isSeparator(head.left(head.indexOf('\n') + 1));
}

bool Reader::isSeparator(const QByteArray &line)
{
    // "From " and at least a sender or a date after it.
    return line.startsWith(kFrom) && !line.mid(kFrom.size()).trimmed().isEmpty();
}

QByteArray Reader::readLine()
{
    // One buffer for every line, so a long file costs no allocation per line.
    if (m_line.isEmpty())
        m_line.resize(ImportFile::kMaxLineBytes + 2);
    const qint64 got = m_file.readLine(m_line.data(), m_line.size());
    return got > 0 ? QByteArray(m_line.constData(), got) : QByteArray();
}

bool Reader::open()
{
    if (!ImportFile::open(m_file, m_path, &m_error))
        return false;
    const QByteArray first = readLine();
    if (first.isEmpty()) {
        m_atEnd = true;
        return true;
    }
    if (!isSeparator(first)) {
        m_error = QStringLiteral("%1 は mbox 形式のファイルではありません。").arg(m_path);
        return false;
    }
    m_nextLine = first;
    return true;
}

std::optional<QByteArray> Reader::next()
{
    if (m_atEnd || m_nextLine.isEmpty())
        return std::nullopt;
    m_nextLine.clear();
    ++m_number;
    QByteArray message;
    QByteArray previous;
    bool blankBefore = false;  // the message's last line so far is the blank one before a separator
    while (true) {
        QByteArray line = readLine();
        if (line.isEmpty()) {
            if (m_file.error() != QFileDevice::NoError) {
                m_error = FileError::cannotRead(m_path, errno);
                return std::nullopt;
            }
            m_atEnd = true;
            break;
        }
        if ((line.size() > ImportFile::kMaxLineBytes && !line.endsWith('\n'))
            || message.size() + line.size() > ImportFile::kMaxMailBytes) {
            m_error = ImportFile::mailTooLarge(m_path, m_number);
            return std::nullopt;
        }
        if (isBlank(previous) && isSeparator(line)) {
            m_nextLine = line;
            break;
        }
        previous = line;
        if (line.startsWith('>') && isQuotable(line))
            line.remove(0, 1);
        message += line;
        blankBefore = isBlank(line);
    }
    // The blank line that parts two messages belongs to neither.
    if (blankBefore)
        message.chop(message.endsWith("\r\n") ? 2 : 1);
    return message;
}

} // namespace Mbox
