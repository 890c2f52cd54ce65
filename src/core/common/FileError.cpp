#include "core/common/FileError.h"

#include <QDir>

#include <cerrno>
#include <cstring>

namespace FileError {

namespace {

QString said(const QString &path, const char16_t *what, const QString &why)
{
    return QStringLiteral("%1 %2（%3）").arg(QDir::toNativeSeparators(path), QString::fromUtf16(what), why);
}

} // namespace

QString systemWords(int error)
{
    switch (error) {
    case ENOSPC: return QStringLiteral("ディスクの空きがありません");
    case EDQUOT: return QStringLiteral("ディスクの使用量の上限に達しました");
    default: break;
    }
    return QString::fromLocal8Bit(std::strerror(error));
}

QString cannotRead(const QString &path, int error)
{
    return said(path, u"を読み込めませんでした", systemWords(error));
}

QString cannotWrite(const QString &path, int error)
{
    return said(path, u"に書き込めませんでした", systemWords(error));
}

QString cannotCreate(const QString &path, int error)
{
    return said(path, u"を作成できませんでした", systemWords(error));
}

QString writeProtected(const QString &path)
{
    return said(path, u"に書き込めませんでした", QStringLiteral("書き込みが許可されていないファイルです"));
}

QString ownedByAnother(const QString &path, bool link)
{
    return said(path, u"に書き込めませんでした",
                link ? QStringLiteral("共有フォルダに別のユーザーが置いたリンクです。別の名前を選んでください")
                     : QStringLiteral("共有フォルダにある別のユーザーのファイルです。別の名前を選んでください"));
}

} // namespace FileError
