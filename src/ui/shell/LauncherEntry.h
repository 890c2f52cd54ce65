#pragma once

#include <QLabel>

// One of the launcher's menu words: drawn as the label it always was, and a
// button to the keyboard and a screen reader (Tab, Return, Space, its Alt key).
class LauncherEntry : public QLabel {
    Q_OBJECT

public:
    // caption is shown as given; words (the caption without its padding) is what
    // a reader announces, help its description.
    LauncherEntry(const QString &caption, const QString &words, const QString &help, QChar key,
                  QWidget *parent);

    QChar key() const { return m_key; }
    QString keyName() const;

    Q_INVOKABLE void press();

signals:
    void pressed();
    // Focus came by the keyboard, not by the window becoming active.
    void focusedByKeyboard();

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void focusInEvent(QFocusEvent *event) override;
    void focusOutEvent(QFocusEvent *event) override;
    void paintEvent(QPaintEvent *event) override;

private:
    QChar m_key;
    // The focus frame shows only to a keyboard user; the launcher opens as it always looked.
    bool m_byKeyboard = false;
};
