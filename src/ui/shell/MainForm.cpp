#include "ui/shell/MainForm.h"

#include "ui/common/Fonts.h"
#include "ui/common/Prompt.h"
#include "ui/common/Twips.h"
#include "ui/receive/MailCheck.h"
#include "core/common/BackgroundJob.h"
#include "core/common/ClockText.h"
#include "ui/shell/EndGuard.h"
#include "ui/shell/Forms.h"
#include "ui/common/HomePage.h"
#include "ui/shell/LauncherEntry.h"
#include "ui/shell/LauncherPicture.h"
#include "ui/shell/SettingsForm.h"
#include "ui/shell/Startup.h"

#include <QCloseEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QKeyEvent>
#include <QPainter>
#include <QShortcut>
#include <QTime>
#include <QTimer>

namespace {

struct MenuEntry {
    const char16_t *caption;
    int left, top, width, height;
    const char16_t *help;
    char key;
};

const MenuEntry kMenu[] = {
    {u"　　　　新規作成", 960, 1000, 1815, 255,
     u"メールの新規作成・送信を行います。「HTML」、「TEXT」の送信が行えます。使用方法は「新規作成」画面でのHELPをご覧下さい。", 'N'},
    {u"　　　　受　　　信", 240, 1500, 1815, 255, u"新着メールの受信を行います。", 'R'},
    {u"　　　　着信履歴", 360, 2160, 1815, 255, u"受信したメールデータを見ます。「HTML」、「TEXT」", 'I'},
    {u"　　　　送信履歴", 960, 2700, 1815, 255,
     u"送信したメールデータを見ます。送信したかな？　と言う時にご覧下さい。", 'S'},
    {u"　　　　アドレス帳", 4080, 1000, 1815, 255,
     u"アドレス帳への登録を行います。これにより頻度の高いメールの送信の際にアドレス一発入力が可能となります。", 'A'},
    {u"　　　　初期設定", 4680, 1500, 1815, 255,
     u"ID,PASS,サーバーの設定を行います。これを行わないと通信エラーが発生します。", 'O'},
    {u"　　　　HomePage", 4680, 2220, 1815, 255,
     u"作者のホームページです。取り扱い上の質問などにお答えします。", 'H'},
    {u"　　　    　Small", 3960, 2700, 1815, 255, u"画面の最小化を行います。", 'M'},
};

const QString kHelpIdle = QStringLiteral("　　　　");

// The caption as a reader should say it: the padding that places it is no word.
QString words(const QString &caption)
{
    QString spoken = caption;
    spoken.remove(u'　');
    spoken.remove(u' ');
    return spoken;
}

} // namespace

MainForm::MainForm(QWidget *parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("MainForm"));
    setWindowTitle(QStringLiteral("広がる笑顔！　絵文字、顔文字メール！！"));
    setFixedSize(Twips::toPixels(6690), Twips::toPixels(4215));
    setMouseTracking(true);

    for (int i = 0; i < 8; ++i) {
        const MenuEntry &entry = kMenu[i];
        const QString caption = QString::fromUtf16(entry.caption);
        auto *label = new LauncherEntry(caption, words(caption), helpSentence(i + 1),
                                        QChar::fromLatin1(entry.key), this);
        label->setObjectName(QStringLiteral("Label%1").arg(i + 1));
        Twips::place(label, entry.left, entry.top, entry.width, entry.height);
        label->setMouseTracking(true);
        label->setCursor(Qt::PointingHandCursor);
        label->installEventFilter(this);
        connect(label, &LauncherEntry::pressed, this, [this, i] { activate(i + 1); });
        connect(label, &LauncherEntry::focusedByKeyboard, this, [this, i, label] {
            showHelp(i + 1);
            m_help->setText(helpSentence(i + 1) + u'（' + label->keyName() + u'）');
        });
        auto *accelerator = new QShortcut(QKeySequence(Qt::ALT | Qt::Key(label->key().unicode())), this);
        connect(accelerator, &QShortcut::activated, this, [this, i] { activate(i + 1); });
        m_menu << label;
    }
    // F10 leads into the entries, as it leads into a menu bar elsewhere.
    auto *intoMenu = new QShortcut(QKeySequence(Qt::Key_F10), this);
    connect(intoMenu, &QShortcut::activated, this, [this] { m_menu.first()->setFocus(Qt::ShortcutFocusReason); });

    m_help = new QLabel(kHelpIdle, this);
    m_help->setObjectName(QStringLiteral("Label9"));
    m_help->setWordWrap(true);
    m_help->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    Twips::place(m_help, 1560, 120, 3615, 735);

    auto *name = new QLabel(QStringLiteral("Pintora"), this);
    name->setObjectName(QStringLiteral("Label10"));
    name->setFont(Fonts::font(QStringLiteral("Book Antiqua"), 14, true));
    Twips::place(name, 2520, 3360, 1455, 375);

    auto *version = new QLabel(QStringLiteral("Ver 1.0"), this);
    version->setObjectName(QStringLiteral("Label11"));
    version->setFont(Fonts::font(QStringLiteral("Book Antiqua"), 9));
    Twips::place(version, 4200, 3480, 735, 255);

    m_status = new QLineEdit(this);
    m_status->setObjectName(QStringLiteral("Text1"));
    m_status->setReadOnly(true);
    m_status->setAccessibleName(QStringLiteral("状態"));
    // As wide as the window (it ran 45 twips past the edge).
    Twips::place(m_status, 0, 3840, 6690, 375);

    // Lies below the client area, so it is never seen; hidden and out of the Tab
    // chain, it is not offered to the keyboard or a screen reader either.
    m_clock = new QLineEdit(this);
    m_clock->setObjectName(QStringLiteral("Text2"));
    m_clock->setFocusPolicy(Qt::NoFocus);
    Twips::place(m_clock, 4560, 4680, 2175, 270);
    m_clock->hide();

    m_timer = new QTimer(this);
    m_timer->setObjectName(QStringLiteral("Timer2"));
    m_timer->setSingleShot(true);
    m_timer->setTimerType(Qt::PreciseTimer);
    connect(m_timer, &QTimer::timeout, this, &MainForm::tick);
    tick();
}

QLabel *MainForm::menuLabel(int number) const
{
    return m_menu.value(number - 1);
}

QString MainForm::helpSentence(int number) const
{
    return QString::fromUtf16(kMenu[number - 1].help);
}

void MainForm::setStatusText(const QString &text)
{
    m_status->setText(text);
    emit statusTextChanged(text);
}

QString MainForm::statusText() const
{
    return m_status->text();
}

QString MainForm::clockText() const
{
    return m_clock->text();
}

void MainForm::tick()
{
    // Every write is an event to a screen reader: only a new second is written.
    const QString text = ClockText::now();
    if (text != m_clock->text())
        m_clock->setText(text);
    // Wakes just after the next second begins, and never more than once a second.
    const int intoSecond = QTime::currentTime().msec();
    m_timer->start(1000 - intoSecond + 5);
}

bool MainForm::eventFilter(QObject *watched, QEvent *event)
{
    const int number = static_cast<int>(m_menu.indexOf(static_cast<QLabel *>(watched))) + 1;
    if (number > 0) {
        if (event->type() == QEvent::MouseMove) {
            showHelp(number);
            return true;  // unhandled, it would reach the background and hide the help again
        }
        if (event->type() == QEvent::Enter)
            showHelp(number);
        else if (event->type() == QEvent::MouseButtonRelease
                 && static_cast<QMouseEvent *>(event)->button() == Qt::LeftButton
                 && m_menu[number - 1]->rect().contains(static_cast<QMouseEvent *>(event)->position().toPoint()))
            activate(number);
    }
    return QWidget::eventFilter(watched, event);
}

void MainForm::mouseMoveEvent(QMouseEvent *event)
{
    hideHelp();
    QWidget::mouseMoveEvent(event);
}

void MainForm::showHelp(int number)
{
    m_help->setText(helpSentence(number));
    m_help->setVisible(true);
}

void MainForm::hideHelp()
{
    m_help->setVisible(false);
    m_help->clear();
}

void MainForm::activate(int number)
{
    switch (number) {
    case 1:
        Forms::openCompose();
        break;
    case 2:
        MailCheck::start();
        break;
    case 3:
        Forms::openHistory(HistoryFile::Kind::Received);
        break;
    case 4:
        Forms::openHistory(HistoryFile::Kind::Sent);
        break;
    case 5:
        Forms::openAddressBook();
        break;
    case 6:
        Forms::open<SettingsForm>();
        break;
    case 7:
        HomePage::open(this);
        break;
    case 8:
        setWindowState(windowState() | Qt::WindowMinimized);
        break;
    default:
        break;
    }
}

void MainForm::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.drawPixmap(0, 0, LauncherPicture::pixmap());
}

void MainForm::keyPressEvent(QKeyEvent *event)
{
    // Alt held shows every entry's key where the help sentence goes.
    if (event->key() == Qt::Key_Alt && !event->isAutoRepeat()) {
        QStringList keys;
        for (QLabel *label : std::as_const(m_menu))
            keys << label->accessibleName() + u'(' + static_cast<LauncherEntry *>(label)->key() + u')';
        m_help->setText(QStringLiteral("Alt＋") + keys.join(u'　'));
        m_help->setVisible(true);
        return;
    }
    if (event->key() == Qt::Key_Escape && RunningWork::instance().busy()) {
        RunningWork::instance().cancelAll();
        return;
    }
    QWidget::keyPressEvent(event);
}

void MainForm::keyReleaseEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_Alt)
        hideHelp();
    QWidget::keyReleaseEvent(event);
}

void MainForm::closeEvent(QCloseEvent *event)
{
    if (!EndGuard::mayEnd(this)) {
        event->ignore();
        return;
    }
    // A running check or send is stopped first, and a box still open is answered
    // first; the program ends once both have let go.
    if (RunningWork::instance().busy() || Prompt::anyOpen()) {
        event->ignore();
        endWhenFree();
        return;
    }
    event->accept();
    Startup::end();
}

void MainForm::endWhenFree()
{
    RunningWork &work = RunningWork::instance();
    if (work.busy()) {
        work.cancelAll();
        connect(&work, &RunningWork::idle, this, &MainForm::endWhenFree,
                static_cast<Qt::ConnectionType>(Qt::QueuedConnection | Qt::UniqueConnection));
        return;
    }
    if (Prompt::anyOpen()) {
        connect(Prompt::watch(), &PromptWatch::closed, this, &MainForm::endWhenFree, Qt::UniqueConnection);
        return;
    }
    disconnect(&work, &RunningWork::idle, this, &MainForm::endWhenFree);
    disconnect(Prompt::watch(), &PromptWatch::closed, this, &MainForm::endWhenFree);
    Startup::end();
}
