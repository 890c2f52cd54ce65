#pragma once

#include <QPlainTextEdit>

// A plain text box that refuses typed or pasted text beyond a number of
// characters; text set by the program is not cut.
class LimitedTextEdit : public QPlainTextEdit {
    Q_OBJECT

public:
    explicit LimitedTextEdit(int maxLength, QWidget *parent = nullptr);

    int maxLength() const { return m_maxLength; }

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void inputMethodEvent(QInputMethodEvent *event) override;
    void insertFromMimeData(const QMimeData *source) override;

private:
    // How many more characters fit when the selection is replaced.
    int room() const;

    int m_maxLength;
};
