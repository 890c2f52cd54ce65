// The header encoder against the mail reader: a subject, a sender's name and an
// attachment's name written as a sent mail writes them read back as the text
// that was written, whatever characters it holds.
#include "FuzzSupport.h"

#include "core/mail/mime/HeaderEncoder.h"
#include "core/mail/mime/MimeReader.h"

extern "C" int LLVMFuzzerInitialize(int *argc, char ***argv)
{
    fuzz::startApplication(argc, argv);
    fuzz::AllocationBound::install();
    return 0;
}

namespace {

// What a reader may fairly change: runs of white space inside a header, and the
// JIS characters that the Windows reading (the one Japanese mail is read by) maps
// elsewhere in Unicode than JIS does: 〜 and ～ are one code in ISO-2022-JP.
QString spaced(const QString &text)
{
    static const std::pair<char16_t, char16_t> kWindowsForms[] = {
        {u'\u301C', u'\uFF5E'}, {u'\u2016', u'\u2225'}, {u'\u2212', u'\uFF0D'}, {u'\u00A2', u'\uFFE0'},
        {u'\u00A3', u'\uFFE1'}, {u'\u00AC', u'\uFFE2'}, {u'\u2014', u'\u2015'}};
    QString result = text.simplified();
    for (const auto &[jis, windows] : kWindowsForms)
        result.replace(QChar(jis), QChar(windows));
    return result;
}

// The first n characters, never half of a pair.
QString head(const QString &text, qsizetype n)
{
    if (n < text.size() && n > 0 && text[n - 1].isHighSurrogate())
        --n;
    return text.left(n);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    fuzz::AllocationBound bound(size, 256);
    // Text the user typed: valid UTF-16 without NULs, as a box gives it.
    QString text = QString::fromUtf8(fuzz::bytes(data, qMin<size_t>(size, 2000)));
    text.remove(QChar(0));
    text.remove(QChar::ReplacementCharacter);

    QByteArray mail = "Subject: " + HeaderEncoder::unstructured(text, 9) + "\r\n";
    HeaderEncoder::Mailbox from{head(text, 60), QStringLiteral("from@example.jp")};
    mail += "From: " + HeaderEncoder::addressList({from}, 6) + "\r\n";
    mail += "MIME-Version: 1.0\r\nContent-Type: multipart/mixed; boundary=\"b\"\r\n\r\n"
            "--b\r\nContent-Type: text/plain; charset=us-ascii\r\n\r\nbody\r\n"
            "--b\r\nContent-Type: application/octet-stream\r\nContent-Disposition: attachment"
        + HeaderEncoder::parameter("filename", head(text, 200))
        + "\r\nContent-Transfer-Encoding: base64\r\n\r\nAAAA\r\n--b--\r\n";
    for (const QString &part : HeaderEncoder::encodedWords(text, HeaderEncoder::charsetFor(text)))
        (void)part;

    const MimeContent content = MimeReader::read(mail);
    fuzz::requireValidUtf16(content.subject);
    fuzz::requireValidUtf16(content.from);
    if (spaced(content.subject) != spaced(HeaderEncoder::singleLine(text))) {
        fprintf(stderr, "wrote  [%s]\nread   [%s]\n", qPrintable(text), qPrintable(content.subject));
        fuzz::fail("a subject reads back as another text");
    }
    if (!head(text, 60).trimmed().isEmpty()) {
        fuzz::require(content.from.contains(QStringLiteral("from@example.jp")), "the sender's address is lost");
    }
    const QString name = spaced(HeaderEncoder::singleLine(head(text, 200)));
    if (!name.isEmpty()) {
        fuzz::require(content.attachments.size() == 1, "the attachment is lost");
        if (spaced(content.attachments[0].name) != name) {
            fprintf(stderr, "wrote  [%s]\nread   [%s]\n", qPrintable(name), qPrintable(content.attachments[0].name));
            fuzz::fail("an attachment's name reads back as another text");
        }
    }
    return 0;
}
