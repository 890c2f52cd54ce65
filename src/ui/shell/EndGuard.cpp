#include "ui/shell/EndGuard.h"

#include "ui/common/Prompt.h"
#include "ui/shell/Forms.h"

namespace EndGuard {

bool mayEnd(QWidget *parent)
{
    if (Forms::unsentMailOpen() && !Prompt::confirm(QString::fromUtf16(kUnsentQuestion), parent))
        return false;

    if (const QStringList failures = Forms::savePaletteEdits(); !failures.isEmpty()) {
        if (!Prompt::confirm(QStringLiteral("顔文字データを保存できませんでした。\n") + failures.join(u'\n')
                                    + QStringLiteral("\n\n終了すると、保存できなかった編集は失われます。終了しますか？"),
                                parent))
            return false;
    }
    return true;
}

} // namespace EndGuard
