#pragma once

#include <QString>

struct OutgoingMail;

// The program's one door to the mail servers. Nothing above it knows a protocol.
// Results keep the meanings callers rely on: -1 no connection, a count or 0,
// a negative value for failure, and the text of the last error on request.
class MailLibrary {
public:
    // Size of the text buffers the callers hand over (option 1).
    static constexpr int kDefaultBufferSize = 8192;

    static MailLibrary &instance();

    // Brings up the network layer once at start-up.
    void initialize();
    void setOption(int option, int value);
    // Releases the network layer at the end of the program.
    void end();

    bool isInitialized() const { return m_initialized; }
    int bufferSize() const { return m_bufferSize; }
    bool tlsAvailable() const { return m_tlsAvailable; }

    QString lastError() const { return m_lastError; }

    // Sends one mail through the SMTP server named in it: 0 when the server took
    // it, below 0 on failure with the reason as the last error (a refusing
    // server's reply word for word).
    int smtpSendMail(const OutgoingMail &mail);

private:
    MailLibrary() = default;

    bool m_initialized = false;
    bool m_tlsAvailable = false;
    int m_bufferSize = kDefaultBufferSize;
    QString m_lastError;
};
