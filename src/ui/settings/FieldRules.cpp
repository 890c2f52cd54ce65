#include "ui/settings/FieldRules.h"

#include "core/common/Cp932.h"
#include "core/common/OneLine.h"

#include <QLineEdit>

namespace FieldRules {

void keepOnOneLine(QLineEdit *edit)
{
    QObject::connect(edit, &QLineEdit::textChanged, edit, [edit](const QString &text) {
        if (OneLine::isClean(text))
            return;
        const QString before = text.left(edit->cursorPosition());
        edit->setText(OneLine::clean(text));
        edit->setCursorPosition(int(OneLine::clean(before).size()));
    });
}

std::optional<QString> unstorable(const QString &field, const QString &text)
{
    const auto character = Cp932::firstUnencodable(text);
    if (!character)
        return std::nullopt;
    const char32_t code = character->size() == 2
        ? QChar::surrogateToUcs4(character->at(0), character->at(1))
        : character->at(0).unicode();
    return QStringLiteral("%1に保存できない文字「%2」（U+%3）が含まれています。\n"
                          "この文字を使わずに入力し直してください。")
        .arg(field, *character, QStringLiteral("%1").arg(uint(code), 4, 16, QLatin1Char('0')).toUpper());
}

} // namespace FieldRules
