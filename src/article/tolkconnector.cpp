#include "article/tolkconnector.h"

#include "app/messages.h"
#include "article/cataloguebooks.h"
#include "article/tolkwindow.h"
#include "dictionary/mainwindow.h"

#include <QAction>

#include <exception>

namespace somnar {

TolkWindow *TolkConnector::window() const
{
    return m_window;
}

TolkConnector::TolkConnector(Form1 &mainWindow, SettingsStore &settings)
    : QObject(&mainWindow)
    , m_main(mainWindow)
    , m_settings(settings)
{
    connect(&m_main, &Form1::tolkRequested, this, &TolkConnector::ShowTolk);
    connect(&m_main, &Form1::tolkCloseRequested, this, &TolkConnector::closeWindow);
    connect(&m_main, &Form1::exitStarted, this, &TolkConnector::closeWindow);
    connect(&m_main, &Form1::wordChosen, this, &TolkConnector::wordChosen);
}

TolkWindow &TolkConnector::ensureWindow()
{
    if (!m_window) {
        m_window = new TolkWindow(CatalogueArticleBooks(m_main.catalogue()), m_settings, &m_main);
        connect(m_window, &TolkWindow::closed, this, &TolkConnector::windowClosed);
    }
    return *m_window;
}

void TolkConnector::ShowTolk()
{
    try {
        if (!m_main.tolkButton()->isChecked()) {
            closeWindow();
            return;
        }
        TolkWindow &window = ensureWindow();
        if (m_main.literatureMode()) {
            window.ShowTolk(QString());
            if (m_literatureShow && m_window)
                m_literatureShow(window);
        } else {
            window.ShowTolk(m_main.selectedWord());
        }
    } catch (const std::exception &error) {
        ShowMessage(&m_main, QMessageBox::Critical, QString::fromUtf8(error.what()), QStringLiteral("ShowTolk"));
    }
}

void TolkConnector::ShowWord(const QString &word)
{
    m_main.tolkButton()->setChecked(true);
    try {
        ensureWindow().ShowTolk(word);
    } catch (const std::exception &error) {
        ShowMessage(&m_main, QMessageBox::Critical, QString::fromUtf8(error.what()), QStringLiteral("ShowTolk"));
    }
}

void TolkConnector::wordChosen(const QString &word)
{
    if (!m_window)
        return;
    m_window->clearHistory();
    if (!m_window->isVisible())
        return;
    try {
        m_window->ShowArticle(word);
    } catch (const std::exception &error) {
        ShowMessage(m_window, QMessageBox::Critical, QString::fromUtf8(error.what()),
                    QStringLiteral("ShowArticle"));
    }
}

void TolkConnector::closeWindow()
{
    if (m_window)
        m_window->close();
}

void TolkConnector::windowClosed()
{
    m_main.tolkButton()->setChecked(false);
}

}
