#include "ui/common/HomePage.h"

#include "ui/common/Prompt.h"

#include <QDesktopServices>
#include <QUrl>

namespace HomePage {

bool open(QWidget *parent)
{
    if (QDesktopServices::openUrl(QUrl(kAddress)))
        return true;
    Prompt::warn(QStringLiteral("ホームページを開けませんでした。ブラウザーが見つかりません。\n%1")
                     .arg(kAddress),
                 {}, parent);
    return false;
}

} // namespace HomePage
