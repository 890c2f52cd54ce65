#pragma once

#include <QString>

// The stored POP3 account: section "EXEINI" with NAME (ID), NAME2 (password,
// plain text) and NAME3 (the save choice). Only the user can read the file.
class AccountFile {
public:
    AccountFile();

    QString id() const;
    QString password() const;
    QString saveChoice() const;
    // NAME4: "oauth2:<provider>" when the account signs in with OAuth 2.0, else empty.
    // Readers that know only NAME to NAME3 pass it by.
    QString authMethod() const;
    // Only NAME, for an OAuth 2.0 account whose password is not kept.
    bool storeId(const QString &id, QString *error = nullptr) const;
    // Sets NAME4; an empty value is written only over one that is there.
    bool storeAuthMethod(const QString &value, QString *error = nullptr) const;

    // OK with the save box ticked: ID, password and "1", in that order.
    bool store(const QString &id, const QString &password, QString *error = nullptr) const;
    // OK with the box unticked: only "0"; the stored ID and password stay.
    bool storeNotSaved(QString *error = nullptr) const;

    QString path() const;
};
