#pragma once

#include <QWidget>

// The small "設定" window whose two buttons open the account and server windows.
class SettingsForm : public QWidget {
    Q_OBJECT

public:
    explicit SettingsForm(QWidget *parent = nullptr);
};
