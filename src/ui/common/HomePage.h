#pragma once

#include <QString>

class QWidget;

namespace HomePage {

inline const QString kAddress = QStringLiteral("https://pintora.example.org/");

// Opens the home page in the desktop's browser; says so in a box when nothing can.
bool open(QWidget *parent = nullptr);

} // namespace HomePage
