#include "ui/common/Prompt.h"

#include "ui/common/ProgressWindow.h"
#include "support/Markup.h"

#include <QApplication>
#include <QLabel>
#include <QMessageBox>
#include <QPointer>
#include <QTimer>
#include <QWidget>

#include <functional>

#include <gtest/gtest.h>

namespace {

// The window a box belongs to may go while the box is up (its send ended, the program
// ended): the box goes with it and answers the cautious way.
TEST(DialogPromptBox, WhoseWindowGoesWhileItIsOpenAnswersCautiouslyAndIsNoLongerOpen)
{
    for (const Prompt::Buttons buttons : {Prompt::Buttons::YesNo, Prompt::Buttons::OkCancel, Prompt::Buttons::Ok}) {
        auto *window = new QWidget;
        window->show();
        QTimer::singleShot(50, [window] {
            EXPECT_TRUE(Prompt::openOn(window));
            EXPECT_TRUE(Prompt::anyOpen());
            delete window;
        });
        const Prompt::Answer answer = DialogPrompt().ask({QStringLiteral("送信しますか？"), {}, Prompt::Icon::Question, buttons}, window);
        EXPECT_EQ(answer, buttons == Prompt::Buttons::YesNo      ? Prompt::Answer::No
                          : buttons == Prompt::Buttons::OkCancel ? Prompt::Answer::Cancel
                                                                 : Prompt::Answer::Ok);
        EXPECT_FALSE(Prompt::anyOpen());
    }

    auto *window = new QWidget;
    window->show();
    QTimer::singleShot(50, [window] { delete window; });
    EXPECT_EQ(DialogPrompt().choose({QStringLiteral("どうしますか？"), {}, Prompt::Icon::Warning,
                                     {QStringLiteral("常に信頼"), QStringLiteral("今回のみ"), QStringLiteral("中止")}, 0, 2},
                                    window),
              2);
    EXPECT_FALSE(Prompt::anyOpen());
}

// Looks at the box while it is up, then closes it.
struct ShownBox {
    QString text;
    bool markup = true;
};

ShownBox whileShown(const std::function<void()> &show)
{
    ShownBox shown;
    QTimer::singleShot(50, [&] {
        auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
        if (!box)
            return;
        if (const auto *label = box->findChild<QLabel *>(QStringLiteral("qt_msgbox_label"))) {
            shown.text = label->text();
            shown.markup = drawsAsMarkup(label);
        }
        box->reject();
    });
    show();
    return shown;
}

// A server's reply, a provider's error or a file name quoted in a box is shown as the
// characters it is: no heading, no colour, no link to click.
TEST(DialogPromptBox, ShowsMarkupFromOutsideAsPlainCharacters)
{
    const QString text = QStringLiteral("サーバーの応答: ") + kHostileHtml;
    const ShownBox asked = whileShown([&] { DialogPrompt().ask({text, {}, Prompt::Icon::Critical, Prompt::Buttons::Ok}, nullptr); });
    EXPECT_EQ(asked.text, text);
    EXPECT_FALSE(asked.markup);

    const ShownBox chosen = whileShown([&] {
        DialogPrompt().choose({text, {}, Prompt::Icon::Warning, {QStringLiteral("はい"), QStringLiteral("いいえ")}, 0, 1}, nullptr);
    });
    EXPECT_EQ(chosen.text, text);
    EXPECT_FALSE(chosen.markup);
}

TEST(ProgressWindowText, ShowsMarkupFromOutsideAsPlainCharacters)
{
    ProgressWindow window(QStringLiteral("取り込み"));
    window.setText(kHostileHtml);
    const auto *label = window.findChild<QLabel *>(QStringLiteral("ProgressText"));
    ASSERT_NE(label, nullptr);
    EXPECT_EQ(label->text(), kHostileHtml);
    EXPECT_FALSE(drawsAsMarkup(label));
}

} // namespace
