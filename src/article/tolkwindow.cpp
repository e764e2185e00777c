#include "article/tolkwindow.h"

#include "app/messages.h"
#include "app/settingsstore.h"
#include "article/articleclipboard.h"
#include "article/articlerenderer.h"
#include "article/linkword.h"
#include "article/printdialog.h"
#include "article/richtextview.h"
#include "article/searchform.h"
#include "article/tolkgeometry.h"
#include "article/toolbaricons.h"
#include "controls/screenfit.h"

#include <QApplication>
#include <QClipboard>
#include <QCloseEvent>
#include <QFrame>
#include <QKeyEvent>
#include <QMenu>
#include <QScreen>
#include <QToolBar>
#include <QToolButton>
#include <QVBoxLayout>

#include <exception>

namespace somnar {

namespace {

const QString kDesignCaption = QStringLiteral("Толкование сна");
const QString kTop = QStringLiteral("TTop");
const QString kLeft = QStringLiteral("TLeft");
const QString kHeight = QStringLiteral("THeight");
const QString kWidth = QStringLiteral("TWidth");

// 30 twips around the view inside its frame.
constexpr int kViewMargin = 30 / kTwipsPerPixel;

// The keys the window answers, also while the view has the focus.
bool isWindowKey(const QKeyEvent &key)
{
    const Qt::KeyboardModifiers mods = key.modifiers() & ~Qt::KeypadModifier;
    switch (key.key()) {
    case Qt::Key_Escape:
    case Qt::Key_F3:
        return mods == Qt::NoModifier;
    case Qt::Key_F:
    case Qt::Key_H:
    case Qt::Key_P:
    case Qt::Key_C:
    case Qt::Key_Insert:
    case Qt::Key_Backspace:
        return mods == Qt::ControlModifier;
    default:
        return false;
    }
}

std::optional<int> storedInt(const SettingsStore &settings, const QString &name)
{
    bool ok = false;
    const int value = settings.get(kMainSection, name).trimmed().toInt(&ok);
    return ok ? std::optional<int>(value) : std::nullopt;
}

}

TolkWindow::TolkWindow(ArticleBooksProvider books, SettingsStore &settings, QWidget *mainWindow)
    : QWidget(mainWindow, Qt::Window)
    , m_books(std::move(books))
    , m_settings(settings)
{
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(kDesignCaption);
    setMinimumSize(380, 200);
    createActions();
    createToolBar();
    createView();
    createPopupMenu();
    CheckBack();
}

void TolkWindow::createActions()
{
    const auto make = [this](ToolbarImage image, const QString &caption, const QString &key,
                             const QString &toolTip, void (TolkWindow::*slot)()) {
        auto *action = new QAction(ToolbarIcon(image), caption, this);
        action->setObjectName(key);
        action->setToolTip(toolTip);
        connect(action, &QAction::triggered, this, slot);
        return action;
    };
    // The "с" of "Spaсe" is Cyrillic, as the program has always shown it.
    m_back = make(ToolbarImage::Back, QStringLiteral("Назад"), QStringLiteral("Back"),
                  QStringLiteral("Вернуться к предыдущему слову (Ctrl+BackSpa\u0441e)"), &TolkWindow::goBack);
    m_home = make(ToolbarImage::Home, QStringLiteral("В начало"), QStringLiteral("Home"),
                  QStringLiteral("Вернуться к выбранному слову (Ctrl+H)"), &TolkWindow::goHome);
    m_print = make(ToolbarImage::Print, QStringLiteral("Печать"), QStringLiteral("Prnt"),
                   QStringLiteral("Распечатать толкование (Ctrl+P)"), &TolkWindow::printArticle);
    m_copy = make(ToolbarImage::Copy, QStringLiteral("Копировать"), QStringLiteral("Copy"),
                  QStringLiteral("Скопировать в буфер (Ctrl+C)"), &TolkWindow::copyArticle);
    m_find = make(ToolbarImage::Find, QStringLiteral("Найти"), QStringLiteral("find"),
                  QStringLiteral("Искать в тексте (F3)"), &TolkWindow::ShowFind);
    m_backMenu = new QMenu(this);
    connect(m_backMenu, &QMenu::triggered, this, &TolkWindow::backMenuChosen);
}

void TolkWindow::createToolBar()
{
    m_toolBar = new QToolBar(this);
    m_toolBar->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
    m_toolBar->setIconSize(QSize(24, 24));
    m_toolBar->addActions({m_back, m_home, m_print, m_copy, m_find});
    if (auto *backButton = qobject_cast<QToolButton *>(m_toolBar->widgetForAction(m_back))) {
        backButton->setMenu(m_backMenu);
        backButton->setPopupMode(QToolButton::MenuButtonPopup);
    }
}

void TolkWindow::createView()
{
    m_frame = new QFrame(this);
    m_frame->setFrameStyle(QFrame::StyledPanel | QFrame::Sunken);
    m_view = new RichTextView(m_frame);
    m_view->setFrameShape(QFrame::NoFrame);
    // The window's own pop-up menu replaces the editor's.
    m_view->setContextMenuPolicy(Qt::NoContextMenu);
    auto *frameLayout = new QVBoxLayout(m_frame);
    frameLayout->setContentsMargins(kViewMargin, kViewMargin, kViewMargin, kViewMargin);
    frameLayout->addWidget(m_view);

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(1, 0, 1, 1);
    layout->setSpacing(1);
    layout->addWidget(m_toolBar);
    layout->addWidget(m_frame, 1);

    m_view->installEventFilter(this);
    connect(m_view, &RichTextView::mouseMovedTo, this, &TolkWindow::hoverAt);
    connect(m_view, &RichTextView::mouseReleasedAt, this, &TolkWindow::mouseReleased);
}

void TolkWindow::createPopupMenu()
{
    m_popupMenu = new QMenu(this);
    QAction *copy = m_popupMenu->addAction(QStringLiteral("Копировать"));
    copy->setObjectName(QStringLiteral("mnuCopy"));
    m_popupMenu->addSeparator()->setObjectName(QStringLiteral("mnuSep"));
    QAction *print = m_popupMenu->addAction(QStringLiteral("Печатать"));
    print->setObjectName(QStringLiteral("mnuPrint"));
    connect(copy, &QAction::triggered, this, &TolkWindow::copyArticle);
    connect(print, &QAction::triggered, this, &TolkWindow::printArticle);
}

void TolkWindow::restoreGeometry()
{
    QWidget *mainWindow = parentWidget();
    const int mainTop = mainWindow ? mainWindow->geometry().top() * kTwipsPerPixel : 0;
    QScreen *screen = mainWindow ? mainWindow->screen() : QGuiApplication::primaryScreen();
    const QRect available = screen ? screen->availableGeometry() : QRect(0, 0, 1024, 768);
    const SavedTolkGeometry saved{storedInt(m_settings, kTop), storedInt(m_settings, kLeft),
                                  storedInt(m_settings, kHeight), storedInt(m_settings, kWidth)};
    setGeometry(TolkGeometry(saved, mainTop, available, FrameMargins(*this)));
}

void TolkWindow::saveGeometry()
{
    if (windowState() & (Qt::WindowMinimized | Qt::WindowMaximized | Qt::WindowFullScreen))
        return;
    const QRect r = geometry();
    m_settings.save(kMainSection, kTop, r.top() * kTwipsPerPixel);
    m_settings.save(kMainSection, kLeft, r.left() * kTwipsPerPixel);
    m_settings.save(kMainSection, kHeight, r.height() * kTwipsPerPixel);
    m_settings.save(kMainSection, kWidth, r.width() * kTwipsPerPixel);
}

void TolkWindow::ShowTolk(const QString &word)
{
    if (isVisible()) {
        raise();
        activateWindow();
    } else {
        restoreGeometry();
        show();
    }
    try {
        if (!word.isEmpty())
            ShowArticle(word);
    } catch (const std::exception &) {
        ShowMessage(this, QMessageBox::Critical, QStringLiteral("Нечего отображать"), QStringLiteral("TolkLoad"));
        close();
    }
}

void TolkWindow::ShowArticle(const QString &word)
{
    if (!RenderArticle(*m_view, word, m_books ? m_books() : ArticleBooks()))
        return;
    CheckBack();
    setWindowTitle(m_view->tag());
}

void TolkWindow::showArticleReporting(const QString &word, const QString &operation)
{
    try {
        ShowArticle(word);
    } catch (const std::exception &error) {
        ShowMessage(this, QMessageBox::Critical, QString::fromUtf8(error.what()), operation);
    }
}

void TolkWindow::clearHistory()
{
    m_history.clear();
    CheckBack();
}

void TolkWindow::CheckBack()
{
    const bool any = !m_history.isEmpty();
    m_back->setEnabled(any);
    m_home->setEnabled(any);
    // Entries go later, not at once: CheckBack runs inside the click of an entry.
    for (QAction *entry : m_backMenu->actions()) {
        m_backMenu->removeAction(entry);
        entry->deleteLater();
    }
    for (const QString &word : m_history.dropDownEntries())
        m_backMenu->addAction(word)->setObjectName(word);
}

void TolkWindow::AddBack()
{
    m_history.push(m_view->tag());
}

void TolkWindow::goBack()
{
    if (!m_back->isEnabled())
        return;
    const std::optional<QString> previous = m_history.takeBack(m_view->tag());
    if (previous && !previous->isEmpty())
        showArticleReporting(*previous, QStringLiteral("Back"));
    CheckBack();
}

void TolkWindow::goHome()
{
    if (!m_home->isEnabled())
        return;
    const std::optional<QString> first = m_history.takeHome();
    if (first)
        showArticleReporting(*first, QStringLiteral("Home"));
    CheckBack();
}

void TolkWindow::backMenuChosen(QAction *entry)
{
    const QString word = entry->text();
    showArticleReporting(word, QStringLiteral("Back"));
    // The history keeps the word; only the menu forgets it until the next refresh.
    for (QAction *shown : m_backMenu->actions()) {
        if (shown->text() == word) {
            m_backMenu->removeAction(shown);
            shown->deleteLater();
        }
    }
}

void TolkWindow::copyArticle()
{
    QClipboard *clipboard = QGuiApplication::clipboard();
    clipboard->clear();
    clipboard->setMimeData(ArticleMimeData(*m_view));
}

void TolkWindow::printArticle()
{
    // Without a printer queue the dialog still prints into a PDF file.
    PrintDialog dialog(m_view, this);
    dialog.exec();
}

void TolkWindow::ShowFind()
{
    if (m_searchForm && m_searchForm->isVisible()) {
        m_searchForm->FND();
        return;
    }
    if (!m_searchForm)
        m_searchForm = new SearchForm(m_view, this);
    m_searchForm->setSearchText(m_view->selectedViewText());
    m_searchForm->show();
}

void TolkWindow::followLinkAt(const QPoint &viewportPoint)
{
    followLink(GetWord(m_view->viewText(), m_view->characterAt(viewportPoint)));
}

void TolkWindow::followLink(const QString &word)
{
    if (word.isEmpty() || word == m_view->tag())
        return;
    AddBack();
    CheckBack();
    showArticleReporting(word, QStringLiteral("Tolk"));
    m_view->select(0, 0);
}

void TolkWindow::hoverAt(const QPoint &viewportPoint)
{
    const QString word = GetWord(m_view->viewText(), m_view->characterAt(viewportPoint));
    QWidget *viewport = m_view->viewport();
    if (word.isEmpty()) {
        viewport->unsetCursor();
        viewport->setToolTip(QString());
    } else {
        viewport->setCursor(Qt::PointingHandCursor);
        viewport->setToolTip(LinkToolTip(word));
    }
}

void TolkWindow::mouseReleased(Qt::MouseButton button, const QPoint &viewportPoint)
{
    if (button == Qt::RightButton) {
        if (m_view->textCursor().hasSelection())
            m_popupMenu->popup(m_view->viewport()->mapToGlobal(viewportPoint));
        return;
    }
    followLinkAt(viewportPoint);
}

bool TolkWindow::handleKey(QKeyEvent *event)
{
    if (!isWindowKey(*event))
        return false;
    const auto run = [](QAction *action) {
        if (action->isEnabled())
            action->trigger();
    };
    switch (event->key()) {
    case Qt::Key_Escape:
        close();
        break;
    case Qt::Key_F3:
    case Qt::Key_F:  // Ctrl+F: what find is on every desktop
        run(m_find);
        break;
    case Qt::Key_H:
        run(m_home);
        break;
    case Qt::Key_P:
        run(m_print);
        break;
    case Qt::Key_Backspace:
        run(m_back);
        break;
    default:
        run(m_copy);
        break;
    }
    return true;
}

bool TolkWindow::eventFilter(QObject *watched, QEvent *event)
{
    const bool keyEvent = event->type() == QEvent::ShortcutOverride || event->type() == QEvent::KeyPress;
    if (watched != m_view || !keyEvent)
        return QWidget::eventFilter(watched, event);
    auto *key = static_cast<QKeyEvent *>(event);
    // The view takes Ctrl+C and the like for itself unless the window claims them first.
    if (event->type() == QEvent::ShortcutOverride) {
        if (!isWindowKey(*key))
            return false;
        event->accept();
        return true;
    }
    return handleKey(key);
}

void TolkWindow::keyPressEvent(QKeyEvent *event)
{
    if (!handleKey(event))
        QWidget::keyPressEvent(event);
}

void TolkWindow::closeEvent(QCloseEvent *event)
{
    saveGeometry();
    if (m_searchForm)
        m_searchForm->close();
    emit closed();
    QWidget::closeEvent(event);
}

}
