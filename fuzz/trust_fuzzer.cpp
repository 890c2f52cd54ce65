// A server's certificate as the question about it shows it: any bytes as a
// certificate (DER and PEM), with any of the failures a handshake reports.
// The question is asked once; "always" pins it so it is not asked again.
#include "FuzzSupport.h"

#include "ui/common/Prompt.h"
#include "core/settings/ServerTrustFile.h"
#include "ui/common/TrustQuestions.h"

#include <QSslCertificate>
#include <QSslError>

extern "C" int LLVMFuzzerInitialize(int *argc, char ***argv)
{
    fuzz::startApplication(argc, argv);
    fuzz::AllocationBound::install();
    fuzz::scratch();
    return 0;
}

namespace {

// Answers every choice with its first button and keeps the text it was shown.
class Recorder : public Prompt {
public:
    Answer ask(const Box &box, QWidget *) override
    {
        texts << box.text;
        return Answer::Ok;
    }
    int choose(const Choice &choice, QWidget *) override
    {
        texts << choice.text << choice.details;
        return 0;
    }
    std::optional<QString> openFileName(const FileQuestion &, QWidget *) override { return std::nullopt; }
    std::optional<QString> saveFileName(const FileQuestion &, QWidget *) override { return std::nullopt; }
    bool setUpPrinter(QPrinter &, bool, QWidget *) override { return false; }
    QStringList texts;
};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    if (size < 2)
        return 0;
    fuzz::AllocationBound bound(size, 64);
    const QByteArray raw = fuzz::bytes(data + 2, size - 2);
    QFile::remove(ServerTrustFile().path());
    const QSslCertificate certificate(raw, (data[0] & 1) ? QSsl::Pem : QSsl::Der);
    QList<QSslError> errors;
    for (int bit = 0; bit < 8; ++bit) {
        if (data[1] & (1 << bit))
            errors << QSslError(static_cast<QSslError::SslError>(bit * 5 % 37), certificate);
    }
    Recorder recorder;
    Prompt::install(&recorder);
    const QString host = QStringLiteral("mail.example.jp");
    const auto first = TrustQuestions::askCertificate(host, 995, certificate, errors);
    fuzz::requireValidUtf16(recorder.texts);
    fuzz::require(!recorder.texts.isEmpty(), "a certificate passed without a question");
    fuzz::require(first == TrustQuestions::CertificateAnswer::Always, "the first button is always");
    if (!certificate.isNull()) {
        fuzz::require(ServerTrustFile().isPinned(host, 995, certificate), "an always-trusted certificate is not pinned");
        const qsizetype asked = recorder.texts.size();
        fuzz::require(TrustQuestions::askCertificate(host, 995, certificate, errors)
                              == TrustQuestions::CertificateAnswer::Always
                          && recorder.texts.size() == asked,
                      "a pinned certificate is asked about again");
    }
    Prompt::install(nullptr);
    fuzz::requireValidUtf16(ServerTrustFile::displayFingerprint(certificate));
    return 0;
}
