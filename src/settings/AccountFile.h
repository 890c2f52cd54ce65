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

    // OK with the save box ticked: ID, password and "1", in that order.
    bool store(const QString &id, const QString &password, QString *error = nullptr) const;
    // OK with the box unticked: only "0"; the stored ID and password stay.
    bool storeNotSaved(QString *error = nullptr) const;

    QString path() const;
};
