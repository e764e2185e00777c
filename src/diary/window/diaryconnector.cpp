#include "diary/window/diaryconnector.h"

#include "app/messages.h"
#include "article/tolkconnector.h"
#include "diary/window/diarywindow.h"
#include "dictionary/mainwindow.h"

#include <QDir>
#include <QEvent>
#include <QMessageBox>
#include <QPushButton>

namespace somnar::diary {

namespace {

const QString kTitle = QStringLiteral("Дневник сновидений");

bool AskYesNo(QWidget *parent, const QString &text)
{
    QMessageBox box(QMessageBox::Question, kTitle, text, QMessageBox::NoButton, parent);
    QPushButton *yes = box.addButton(QStringLiteral("Начать новый дневник"), QMessageBox::AcceptRole);
    box.addButton(QStringLiteral("Не сейчас"), QMessageBox::RejectRole);
    box.exec();
    return box.clickedButton() == yes;
}

}

QString StartOverQuestion(const QString &problem)
{
    return QStringLiteral("%1\n\nНачать новый, пустой дневник? Старый файл не будет удалён: его переименуют и "
                          "оставят в той же папке, и вы будете знать, где он лежит.")
        .arg(problem);
}

QString MovedAsideText(const QString &movedTo)
{
    return QStringLiteral("Повреждённый дневник сохранён как\n%1\n\nНачат новый дневник.")
        .arg(QDir::toNativeSeparators(movedTo));
}

DiaryConnector::DiaryConnector(Form1 &mainWindow, TolkConnector &tolk, QString path)
    : QObject(&mainWindow)
    , m_main(mainWindow)
    , m_tolk(tolk)
    , m_path(std::move(path))
    , m_ask(AskYesNo)
{
    connect(&m_main, &Form1::diaryRequested, this, &DiaryConnector::ShowDiary);
    connect(&m_main, &Form1::exitStarted, this, &DiaryConnector::closeWindow);
    connect(&m_main.catalogue(), &BookCatalogue::switchedOnChanged, this, &DiaryConnector::booksChanged);
}

DiaryWindow *DiaryConnector::window() const
{
    return m_window;
}

std::unique_ptr<DiaryStore> DiaryConnector::openStore()
{
    auto store = std::make_unique<DiaryStore>(m_path);
    switch (store->open()) {
    case DiaryOpenResult::Opened:
        return store;
    case DiaryOpenResult::ReadOnly:
        ShowMessage(&m_main, QMessageBox::Information,
                    store->message() + QStringLiteral("\n\nДневник откроется только для чтения."), kTitle);
        return store;
    case DiaryOpenResult::Damaged: {
        if (!m_ask(&m_main, StartOverQuestion(store->message())))
            return nullptr;
        const QString movedTo = store->startOverAfterDamage();
        if (movedTo.isEmpty()) {
            ShowMessage(&m_main, QMessageBox::Critical, store->message(), kTitle);
            return nullptr;
        }
        ShowMessage(&m_main, QMessageBox::Information, MovedAsideText(movedTo), kTitle);
        return store;
    }
    case DiaryOpenResult::Locked:
    case DiaryOpenResult::NewerVersion:
    case DiaryOpenResult::Failed:
        break;
    }
    ShowMessage(&m_main, QMessageBox::Warning, store->message(), kTitle);
    return nullptr;
}

void DiaryConnector::ShowDiary()
{
    if (!m_window) {
        std::unique_ptr<DiaryStore> store = openStore();
        if (!store)
            return;
        m_window = new DiaryWindow(std::move(store), m_main.options().location, &m_main);
        m_window->setLinker(linker());
        connect(m_window, &DiaryWindow::wordActivated, &m_tolk, &TolkConnector::ShowWord);
        m_window->installEventFilter(this);
    }
    m_window->setTown(m_main.options().location);
    m_window->show();
    m_window->raise();
    m_window->activateWindow();
}

bool DiaryConnector::eventFilter(QObject *watched, QEvent *event)
{
    // The options window may have changed the town while the diary stood behind it. The event
    // type goes first: the window's last events come while it is destroyed, no longer a diary.
    if (event->type() == QEvent::WindowActivate && watched == m_window)
        m_window->setTown(m_main.options().location);
    return QObject::eventFilter(watched, event);
}

std::shared_ptr<const HeadwordLinker> DiaryConnector::linker()
{
    if (!m_linker) {
        auto linker = std::make_shared<HeadwordLinker>();
        linker->build(m_main.wordIndex().words());
        m_linker = std::move(linker);
    }
    return m_linker;
}

void DiaryConnector::booksChanged()
{
    m_linker.reset();
    if (m_window)
        m_window->setLinker(linker());
}

void DiaryConnector::closeWindow()
{
    if (m_window)
        m_window->closeForExit();
}

}
