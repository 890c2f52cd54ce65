#include "mail/MailLibrary.h"

#include <QSslSocket>

MailLibrary &MailLibrary::instance()
{
    static MailLibrary library;
    return library;
}

void MailLibrary::initialize()
{
    m_initialized = true;
    // Loading the TLS backend early keeps the first mail check from paying for it.
    m_tlsAvailable = QSslSocket::supportsSsl();
    m_lastError.clear();
}

void MailLibrary::setOption(int option, int value)
{
    if (option == 1 && value > 0)
        m_bufferSize = value;
}

void MailLibrary::end()
{
    m_initialized = false;
}
