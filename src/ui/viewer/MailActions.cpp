#include "ui/viewer/MailActions.h"

#include "core/common/AppPaths.h"
#include "core/common/BackgroundJob.h"
#include "core/junk/JunkFilter.h"
#include "core/junk/JunkMail.h"
#include "ui/common/Clipboard.h"
#include "core/common/Cp932.h"
#include "core/common/FixedField.h"
#include "core/common/PrivateFolders.h"
#include "core/common/SafeFile.h"
#include "ui/common/Prompt.h"
#include "core/history/WholeMailLink.h"
#include "core/mail/mime/HeaderEncoder.h"
#include "ui/shell/Forms.h"
#include "ui/viewer/HistoryDeletion.h"
#include "core/history/HistoryState.h"
#include "ui/viewer/TyakuForm.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QPlainTextEdit>
#include <QPointer>

MailActions::MailActions(TyakuForm *form) : m_form(form) {}

void MailActions::refuse()
{
    Prompt::instance().ask({kNothingSelected, {}, Prompt::Icon::None, Prompt::Buttons::Ok}, m_form);
}

bool MailActions::refuseWithoutSelection()
{
    if (!m_form->selectionMarker().isEmpty())
        return false;
    refuse();
    return true;
}

void MailActions::clearShownMail()
{
    m_form->setSubjectText({});
    m_form->setFromText({});
    m_form->setDateText({});
    m_form->editor()->clear();
}

void MailActions::deleteOne()
{
    HistoryState &state = historyState();
    const bool sent = state.mode == HistoryState::kSent;
    // In the sent history the stored recipient stands in for a click.
    if (sent)
        m_form->setSelectionMarker(state.sentBuffer.Correspondent);
    if (refuseWithoutSelection())
        return;
    const int row = m_form->selectedRow();
    if (row == 0) {
        refuse();
        return;
    }

    const QString question = QStringLiteral("選択された（行、青色）データを削除します。よろしいですか")
        + (sent ? QStringLiteral("?") : QString());
    const bool yes = Prompt::confirm(question, m_form);
    m_form->editor()->setFocus();
    if (!yes) {
        m_form->editor()->clear();
        m_form->setSelectionMarker({});
        return;
    }
    if (!sent)
        m_form->setSelectionMarker({});

    HistoryFile file(state.kind());
    const auto shown = file.read(row);
    const auto linked = shown ? WholeMailLink::linkedFile(*shown) : std::nullopt;
    const bool dropLinked = linked && askToDeleteWholeMails(1);
    const QPointer<TyakuForm> form = m_form;
    const auto result = HistoryDeletion::run(state.kind(), row, 0, m_form);
    // The window may have been closed while the deletion ran.
    if (!form)
        return;
    clearShownMail();
    if (!result.error.isEmpty())
        Prompt::error(result.error, {}, m_form);
    if (result.ok && dropLinked)
        deleteWholeMails({*linked});
    m_form->fillList();
    m_form->setSelectionMarker({});
}

void MailActions::deleteAll()
{
    const HistoryFile::Kind kind = historyState().kind();
    // Only the records there when the user said yes: a check may add more meanwhile.
    const int count = HistoryFile(kind).count();
    if (!Prompt::confirm(QStringLiteral("すべてのデータを削除して良いですか？"), m_form))
        return;
    const QPointer<TyakuForm> asking = m_form;
    const QStringList linked = HistoryDeletion::linkedFiles(kind, count, m_form);
    if (!asking)
        return;
    const bool dropLinked = !linked.isEmpty() && askToDeleteWholeMails(linked.size());
    const QPointer<TyakuForm> form = m_form;
    // A history that was never written counts as empty.
    const auto result = HistoryDeletion::run(kind, 0, count, m_form);
    if (!form)
        return;
    if (!result.error.isEmpty())
        Prompt::error(result.error, {}, m_form);
    if (result.ok && dropLinked)
        deleteWholeMails(linked);
    // The list says what the file holds, also when the delete failed.
    m_form->fillList();
    Forms::setLauncherStatus(m_form->countText());
    clearShownMail();
}

void MailActions::registerSender()
{
    if (refuseWithoutSelection())
        return;
    m_form->editor()->setFocus();
    m_form->setSelectionMarker({});
    Forms::registerSender(m_form->fromText());
}

void MailActions::reply()
{
    if (refuseWithoutSelection())
        return;
    // A mail the user answers is one they wanted: the junk filter learns it as good.
    if (historyState().kind() == HistoryFile::Kind::Received) {
        // The window waits for it when it goes, so no learning outlives the program.
        auto *learning = new BackgroundJob(
            [record = historyState().buffer()](const std::atomic_bool &) {
                JunkFilter::instance().learn(JunkMail::of(HistoryFile::Kind::Received, record), false);
            },
            m_form);
        QObject::connect(learning, &BackgroundJob::finished, learning, &QObject::deleteLater);
        learning->start();
    }
    m_form->editor()->setFocus();
    m_form->setSelectionMarker({});
    Forms::startReply(QStringLiteral("Re:  ") + FixedField::trimSpaces(m_form->subjectText()),
                      HeaderEncoder::quotedMailbox(FixedField::trimSpaces(m_form->fromText())),
                      FixedField::trimSpaces(m_form->bodyText()), m_form);
}

QString MailActions::fileNameFor(const QString &subject)
{
    QString name = subject;
    for (QChar &c : name)
        if (c == u'/' || c.unicode() < 0x20 || c.unicode() == 0x7F)
            c = u'_';
    return name + QStringLiteral(".txt");
}

void MailActions::quickSave()
{
    if (refuseWithoutSelection())
        return;
    m_form->editor()->setFocus();
    m_form->setSelectionMarker({});

    const QString folder = AppPaths::resolve(AppPaths::kQuickSaveFolder);
    PrivateFolders::make(folder);
    const QString path = folder + fileNameFor(m_form->subjectText());

    QApplication::setOverrideCursor(Qt::WaitCursor);
    const bool exists = QFileInfo::exists(path);
    QApplication::restoreOverrideCursor();
    if (exists
        && Prompt::instance().ask({QStringLiteral("同名のファイルが既に存在します。上書きしますか？ "),
                                   QStringLiteral("確認"), Prompt::Icon::Question, Prompt::Buttons::YesNo},
                                  m_form)
            != Prompt::Answer::Yes)
        return;

    const QString block = QStringLiteral("Subject:  %1\r\nFrom:  %2\r\nDate:  %3\r\nBody:  %4")
                              .arg(m_form->subjectText(), m_form->fromText(), m_form->dateText(),
                                   m_form->bodyText());
    QString error;
    if (!SafeFile::replaceChosen(path, quickSaveBytes(block + QStringLiteral("\r\n")), &error)) {
        Prompt::error(QStringLiteral("ファイルを保存できませんでした。\n") + error, {}, m_form);
        return;
    }
    m_form->setBodyText(block);
}

QByteArray MailActions::quickSaveBytes(const QString &text)
{
    const QByteArray cp932 = Cp932::encode(text);
    if (Cp932::decode(cp932) == text)
        return cp932;
    // Text beyond CP932: UTF-8 with a byte-order mark, which editors recognise.
    return QByteArray("\xEF\xBB\xBF") + text.toUtf8();
}

bool MailActions::askToDeleteWholeMails(int files)
{
    const QString text = files == 1
        ? QStringLiteral("このメールの全文を保存したファイルも削除しますか？")
        : QStringLiteral("メールの全文を保存したファイル（%1 件）も削除しますか？").arg(files);
    Prompt::Box box{text, QStringLiteral("確認"), Prompt::Icon::Question, Prompt::Buttons::YesNo};
    box.defaultNo = true;
    return Prompt::instance().ask(box, m_form) == Prompt::Answer::Yes;
}

void MailActions::deleteWholeMails(const QStringList &paths)
{
    QStringList failed;
    for (const QString &path : paths) {
        QFile file(path);
        if (!file.remove())
            failed << QStringLiteral("%1\n%2").arg(path, file.errorString());
    }
    if (!failed.isEmpty())
        Prompt::error(QStringLiteral("メールの全文を保存したファイルを削除できませんでした。\n") + failed.join(u'\n'),
                      {}, m_form);
}

void MailActions::copyHeader()
{
    Clipboard::clear();
    Clipboard::setText(m_form->copyFieldText());
}
