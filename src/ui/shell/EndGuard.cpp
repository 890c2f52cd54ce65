#include "ui/shell/EndGuard.h"

#include "ui/common/Prompt.h"
#include "ui/compose/BackForm.h"
#include "ui/compose/WriteForm.h"
#include "ui/emoticons/KaoForm.h"
#include "ui/shell/Forms.h"

namespace EndGuard {

bool mayEnd(QWidget *parent)
{
    const WriteForm *compose = Forms::existing<WriteForm>();
    const BackForm *reply = Forms::existing<BackForm>();
    if (((compose && compose->holdsUnsentText()) || (reply && reply->holdsUnsentText()))
        && !Prompt::confirm(QString::fromUtf16(kUnsentQuestion), parent))
        return false;

    if (KaoForm *palette = Forms::existing<KaoForm>()) {
        const QStringList failures = palette->saveEdits();
        if (!failures.isEmpty()
            && !Prompt::confirm(QStringLiteral("顔文字データを保存できませんでした。\n") + failures.join(u'\n')
                                    + QStringLiteral("\n\n終了すると、保存できなかった編集は失われます。終了しますか？"),
                                parent))
            return false;
    }
    return true;
}

} // namespace EndGuard
