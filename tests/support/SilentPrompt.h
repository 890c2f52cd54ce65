#pragma once

#include "ui/common/Prompt.h"

#include <QStringList>

// Answers every box with OK and keeps its text, so a benchmark or a child
// program of a test never waits on a dialog.
class SilentPrompt : public Prompt {
public:
    QStringList texts;
    Answer ask(const Box &box, QWidget *) override
    {
        texts << box.text;
        return Answer::Ok;
    }
    std::optional<QString> openFileName(const FileQuestion &, QWidget *) override { return std::nullopt; }
    std::optional<QString> saveFileName(const FileQuestion &, QWidget *) override { return std::nullopt; }
    bool setUpPrinter(QPrinter &, bool, QWidget *) override { return false; }
};
