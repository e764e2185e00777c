#include "tray/traymenu.h"

#include "app/messages.h"
#include "app/programinfo.h"
#include "controls/artwork.h"
#include "controls/keyboardlayout.h"
#include "controls/twips.h"
#include "tray/transparensy.h"
#include "tray/traymenuhost.h"

#include <QCursor>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPainter>
#include <QPointer>
#include <QScreen>

#include <array>

namespace somnar {

namespace {
constexpr int kTimerMilliseconds = 10;
// Hot areas in twips by index: left, width and height are shared, the tops differ.
constexpr int kHotLeft = 60;
constexpr QSize kHotSize{2175, 270};
constexpr std::array<int, kTrayItemCount> kHotTops{75, 435, 1500, 1140, 1905};
constexpr QRect kBoxTwips{435, 780, 1740, 285};
constexpr QSize kBarSize{146, 21};
constexpr int kBarOffsetTwips = 30;
constexpr int kIconSide = 16;

const std::array<QString, kTrayItemCount> kCaptions{
    QStringLiteral("Развернуть"), QStringLiteral("Календарь"), QStringLiteral("О программе"),
    QStringLiteral("Настройки"), QStringLiteral("Выход")};
const std::array<QString, kTrayItemCount> kIcons{
    QStringLiteral("tray-restore"), QStringLiteral("calendar"), QStringLiteral("about"), QStringLiteral("options"),
    QStringLiteral("tray-exit")};

const QString kRudeWordText = QStringLiteral(
    "Извините, но такого слова нет в OKV Somnar.\n"
    "Если вам действительно это приснилось, попытайтесь подобрать более благозвучный синоним.");
const QString kNotFoundText = QStringLiteral(
    "Извините, но толкование по данному слову не найдено.\n"
    "Попробуйте найти синонимы или однокоренные слова для искомого слова.\n\n"
    "Вы также можете попытаться включить отключенные словари или установить дополнительные словари с сайта "
    "программы.");

bool isEnter(int key)
{
    return key == Qt::Key_Return || key == Qt::Key_Enter;
}
}

TrayMenu::TrayMenu(TrayMenuHost &host, QWidget *parent)
    : QWidget(parent, Qt::Tool | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint)
    , m_host(host)
{
    setObjectName(QStringLiteral("TrayMenu"));
    setWindowTitle(kProgramTitle);
    setAttribute(Qt::WA_DeleteOnClose);
    setFixedSize(ToPixels(QRect(QPoint(), kShapeTwips)).size());
    setMouseTracking(true);
    QFont captions(QStringLiteral("Arial"));
    captions.setPointSizeF(9);
    setFont(captions);

    m_text1 = new QLineEdit(this);
    m_text1->setObjectName(QStringLiteral("Text1"));
    m_text1->setGeometry(ToPixels(kBoxTwips));
    m_text1->setToolTip(QStringLiteral("Введите искомое слово."));
    m_text1->installEventFilter(this);
    connect(m_text1, &QLineEdit::textEdited, this, [this] { m_edited = true; });

    m_timer1.setInterval(kTimerMilliseconds);
    connect(&m_timer1, &QTimer::timeout, this, &TrayMenu::Timer1_Timer);
}

QRect TrayMenu::itemRect(int hotIndex)
{
    return ToPixels(QRect(QPoint(kHotLeft, kHotTops[size_t(hotIndex)]), kHotSize));
}

QString TrayMenu::itemCaption(int hotIndex)
{
    return kCaptions[size_t(hotIndex)];
}

int TrayMenu::hotIndexAt(QPoint point)
{
    for (int index = 0; index < kTrayItemCount; ++index)
        if (itemRect(index).contains(point))
            return index;
    return -1;
}

void TrayMenu::popUp(QPoint cursor)
{
    const QScreen *screen = QGuiApplication::screenAt(cursor);
    if (!screen)
        screen = QGuiApplication::primaryScreen();
    setGeometry(PopupGeometry(cursor, size(), screen ? screen->availableGeometry() : QRect(QPoint(), size())));
    Transparensy(*this, m_host.menuOpacity());
    m_idle.reset();
    show();
    raise();
    activateWindow();
    m_text1->setFocus();
    m_timer1.start();
}

void TrayMenu::ShowCur(int hotIndex)
{
    if (m_highlighted == hotIndex)
        return;
    m_highlighted = hotIndex;
    update();
}

void TrayMenu::HideCur()
{
    if (m_highlighted < 0)
        return;
    m_highlighted = -1;
    update();
}

void TrayMenu::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    const qreal ratio = devicePixelRatioF();
    painter.drawPixmap(0, 0, artworkPixmap(QStringLiteral("tray-menu"), size(), ratio));
    if (m_highlighted >= 0) {
        const QRect item = itemRect(m_highlighted);
        const int offset = kBarOffsetTwips / kTwipsPerPixel;
        painter.drawPixmap(offset, item.top() - offset,
                           artworkPixmap(QStringLiteral("tray-highlight"), kBarSize, ratio));
    }
    const QSize icon(kIconSide, kIconSide);
    for (int index = 0; index < kTrayItemCount; ++index) {
        const QRect item = itemRect(index);
        painter.drawPixmap(item.left() + 4, item.top() + (item.height() - kIconSide) / 2,
                           artworkPixmap(kIcons[size_t(index)], icon, ratio));
        painter.setPen(QColor(0x2c, 0x2f, 0x6e));
        painter.drawText(item.adjusted(kIconSide + 10, 0, 0, 0), Qt::AlignLeft | Qt::AlignVCenter, kCaptions[size_t(index)]);
    }
    const QRect box = m_text1->geometry();
    painter.drawPixmap(box.left() - kIconSide - 5, box.top() + (box.height() - kIconSide) / 2,
                       artworkPixmap(QStringLiteral("find"), icon, ratio));
}

void TrayMenu::mouseMoveEvent(QMouseEvent *event)
{
    const int index = hotIndexAt(event->position().toPoint());
    if (index < 0) {
        HideCur();
        return;
    }
    ShowCur(index);
    m_position = CursorPosition(index);
}

void TrayMenu::mouseReleaseEvent(QMouseEvent *event)
{
    const int index = hotIndexAt(event->position().toPoint());
    if (event->button() == Qt::LeftButton && index >= 0)
        Label18_Click(index);
}

void TrayMenu::keyPressEvent(QKeyEvent *event)
{
    if (Form_KeyDown(event))
        return;
    if (event->key() == Qt::Key_Escape) {
        close();
        return;
    }
    QWidget::keyPressEvent(event);
}

bool TrayMenu::Form_KeyDown(QKeyEvent *event)
{
    const int key = event->key();
    if (key == Qt::Key_Down || key == Qt::Key_Up) {
        m_position = MoveCursor(m_position, key == Qt::Key_Down ? 1 : -1);
        ShowCur(HotIndexAt(m_position));
        return true;
    }
    if (isEnter(key) && m_text1->text().trimmed().isEmpty()) {
        Label18_Click(HotIndexAt(m_position));
        return true;
    }
    return false;
}

bool TrayMenu::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_text1) {
        switch (event->type()) {
        case QEvent::KeyPress: {
            auto *key = static_cast<QKeyEvent *>(event);
            return Form_KeyDown(key) || Text1_KeyDown(key);
        }
        case QEvent::KeyRelease:
            Text1_KeyUp(static_cast<QKeyEvent *>(event));
            break;
        case QEvent::Enter:
            HideCur();
            break;
        case QEvent::FocusIn:
            SetRus();
            break;
        default:
            break;
        }
    }
    return QWidget::eventFilter(watched, event);
}

bool TrayMenu::Text1_KeyDown(QKeyEvent *event)
{
    if (event->key() == Qt::Key_Escape) {
        close();
        return true;
    }
    const QString text = m_text1->text().trimmed();
    if (text.isEmpty())
        return false;
    m_idle.reset();
    if (!isEnter(event->key()))
        return false;
    lookUpTyped();
    return true;
}

void TrayMenu::lookUpTyped()
{
    const QString text = m_text1->text().trimmed();
    const QString listed = m_host.lookUp(text);
    if (!listed.isEmpty() && text.compare(listed, Qt::CaseInsensitive) == 0) {
        QPointer<TrayMenu> self(this);
        m_running = true;
        m_host.openArticle(listed);
        if (self)
            close();
        return;
    }
    warn(IsMat(text) ? kRudeWordText : kNotFoundText);
}

void TrayMenu::warn(const QString &text)
{
    QPointer<TrayMenu> self(this);
    m_warning = true;
    ShowMessage(this, QMessageBox::Warning, text);
    if (!self)
        return;
    m_warning = false;
    activateWindow();
    m_text1->setFocus();
}

void TrayMenu::Text1_KeyUp(QKeyEvent *event)
{
    const int key = event->key();
    // Only a change the user typed completes: releasing Shift or an arrow must not drop the
    // completion that is shown.
    if (!m_edited || key == Qt::Key_Escape || key == Qt::Key_Delete || key == Qt::Key_Backspace)
        return;
    m_edited = false;
    const QString typed = m_text1->text();
    if (typed.isEmpty())
        return;
    const std::optional<Completion> completion = Complete(typed, m_host.lookUp(typed));
    if (!completion)
        return;
    m_text1->setText(completion->text);
    m_text1->setSelection(completion->selectionStart + completion->selectionLength, -completion->selectionLength);
}

void TrayMenu::Label18_Click(int hotIndex)
{
    QPointer<TrayMenu> self(this);
    m_running = true;
    m_timer1.stop();
    hide();
    switch (hotIndex) {
    case kRestoreItem:
        m_host.restore();
        break;
    case kCalendarItem:
        m_host.unloadAll();
        m_host.showCalendar();
        break;
    case kAboutItem:
        m_host.unloadAll();
        m_host.showAbout();
        break;
    case kOptionsItem:
        m_host.unloadAll();
        m_host.showOptions();
        break;
    case kExitItem:
        m_host.exitProgram();
        break;
    default:
        break;
    }
    if (self)
        close();
}

void TrayMenu::Timer1_Timer()
{
    const QPoint pointer = m_pointer ? m_pointer() : QCursor::pos();
    // Edges count as inside.
    const bool inside = QRect(geometry().topLeft(), size() + QSize(1, 1)).contains(pointer);
    if (m_idle.tick(m_text1->text().isEmpty(), inside))
        close();
}

void TrayMenu::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::ActivationChange) {
        if (isActiveWindow())
            Form_Activate();
        else if (isVisible() && !m_warning && !m_running)
            close();
    }
    QWidget::changeEvent(event);
}

void TrayMenu::Form_Activate()
{
    m_idle.reset();
    SetRus();
}

}
