#include "ui/common/Prompt.h"

#include <QPointer>
#include <QTimer>
#include <QWidget>

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

} // namespace
