#pragma once

#include <QString>
#include <QStringList>

// The fixed texts of the compose window.
namespace ComposeTexts {

// The greeting box's list, in its order.
const QStringList &GreetingPhrases();

// The help box text for a control name, or an empty text for one without help.
QString helpFor(const QString &controlName);

} // namespace ComposeTexts
