#pragma once

#include <QString>
#include <QStringList>

// Where every file of the program lives. Data paths are the program's folder
// followed by a relative path written with backslashes, as the data layout names them.
namespace AppPaths {

inline const QString kDataFolder = QStringLiteral("\\★MAilData");
inline const QString kReceivedHistory = QStringLiteral("\\★MAilData\\tlvdata2.data");
inline const QString kReceivedHistoryTmp = QStringLiteral("\\★MAilData\\TLVDATA2.TMP");
inline const QString kSentHistory = QStringLiteral("\\★MAilData\\tlvdata5.data");
inline const QString kSentHistoryTmp = QStringLiteral("\\★MAilData\\TLVDATA5.TMP");
inline const QString kJunkHistory = QStringLiteral("\\★MAilData\\junkmail.data");
inline const QString kJunkHistoryTmp = QStringLiteral("\\★MAilData\\JUNKMAIL.TMP");
inline const QString kAddressBook = QStringLiteral("\\★MAilData\\Tlvdata20.data");
inline const QString kAddressBookTmp = QStringLiteral("\\★MAilData\\TLVDATA20.TMP");
inline const QString kAddressList = QStringLiteral("\\★MAilData\\TLVASTER20.INI");
inline const QString kAccountFile = QStringLiteral("\\★MailData\\iniIdPass.ini");
inline const QString kAttachmentFolder = QStringLiteral("\\添付フォルダ\\");
// Whole copies of sent mails whose history records could not hold them.
inline const QString kSentMailFolder = QStringLiteral("\\送信メール\\");
inline const QString kScratchFile = QStringLiteral("\\添付フォルダ\\0.txt");
inline const QString kEmoticonFolder = QStringLiteral("\\顔文字データ\\");
inline const QString kQuickSaveFolder = QStringLiteral("\\■TextQuickSave\\");

// Addressed by its bare name, so it lives in the working directory.
inline const QString kOptionsFile = QStringLiteral("tolvar.ini");

// The folders that belong to the installation.
QStringList installationFolders();

// The executable's folder; tests point it elsewhere.
QString appDir();
void setAppDir(const QString &dir);

// The absolute path of a relative data path. Each component that does not exist
// with its exact spelling resolves to an existing entry that differs only in
// letter case, so "★MailData" and "★MAilData" name one folder.
QString resolve(const QString &relative);

// Creates any missing installation folder, those of mail private (see
// PrivateFolders). Returns the folders it could not create.
QStringList ensureInstallationFolders();

} // namespace AppPaths
