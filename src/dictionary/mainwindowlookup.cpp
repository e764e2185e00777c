// Word lookup in the main window: the search box, the word list and their keys.
#include "dictionary/mainwindow.h"

#include "app/settingsstore.h"
#include "controls/keyboardlayout.h"
#include "dictionary/statustext.h"
#include "dictionary/statusstrip.h"

#include <QAction>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListView>

namespace somnar {

QString Form1::selectedWord() const
{
    const int position = selectedPosition();
    return position > 0 ? m_index.words()[size_t(position - 1)] : QString();
}

int Form1::selectedPosition() const
{
    const QModelIndex current = m_listView1->currentIndex();
    return current.isValid() && m_listView1->selectionModel()->isSelected(current) ? current.row() + 1 : 0;
}

void Form1::selectPosition(int position)
{
    // Moving the selection from code is not the user choosing a word.
    m_selectingQuietly = true;
    m_listView1->setCurrentIndex(m_listView1->model()->index(position - 1, 0));
    m_selectingQuietly = false;
}

void Form1::onSelectionMoved()
{
    // The view reports a keyboard move and a click through different signals, each once.
    const int position = selectedPosition();
    if (!m_selectingQuietly && position > 0 && position != m_chosenPosition)
        ListView1_ItemClick(position);
}

void Form1::onListClicked(const QModelIndex &index)
{
    // A click on another word has already been handled as a change of the selection.
    if (m_pressedOnSelected && index.row() + 1 == selectedPosition())
        ListView1_ItemClick(selectedPosition());
    m_pressedOnSelected = false;
}

void Form1::Text1_Change()
{
    const QString text = m_text1->text();
    if (text.trimmed().isEmpty())
        return;
    const qsizetype found = m_index.findPrefix(text);
    if (found < 0)
        return;
    selectPosition(int(found) + 1);
    SetVisible(int(found) + 1);
}

void Form1::SetVisible(int position)
{
    const int target = VisibleTarget(position, int(m_index.size()));
    m_listView1->scrollTo(m_listView1->model()->index(target - 1, 0), QAbstractItemView::EnsureVisible);
}

void Form1::Text1_Click()
{
    SetRus();
    if (m_text1->text().size() == 1)
        m_text1->setCursorPosition(1);
    else
        m_text1->selectAll();
}

bool Form1::Text1_KeyDown(QKeyEvent *event)
{
    SearchBoxKey key;
    switch (event->key()) {
    case Qt::Key_Up:
        key = SearchBoxKey::Up;
        break;
    case Qt::Key_Down:
        key = SearchBoxKey::Down;
        break;
    case Qt::Key_PageUp:
        key = SearchBoxKey::PageUp;
        break;
    case Qt::Key_PageDown:
        key = SearchBoxKey::PageDown;
        break;
    default:
        return false;
    }
    m_listView1->setFocus();
    const int position = selectedPosition();
    const int target = ArrowTarget(key, position, int(m_index.size()));
    if (target != position) {
        selectPosition(target);
        SetVisible(target);
    }
    return true;
}

bool Form1::ListView1_KeyPress(QKeyEvent *event)
{
    const QString text = event->text();
    if (text.size() != 1 || !StartsNewSearch(text.at(0).unicode()) || (event->modifiers() & Qt::ControlModifier))
        return false;
    m_text1->setText(text);
    m_text1->setFocus();
    return true;
}

void Form1::ListView1_GotFocus()
{
    if (m_index.size() > 0)
        m_tolk->setEnabled(true);
    SetRus();
    m_literatureMode = false;
}

void Form1::ListView1_ItemClick(int position)
{
    m_chosenPosition = position;
    m_tolk->setEnabled(true);
    const QString word = m_index.words()[size_t(position - 1)];
    emit wordChosen(word);
    Label6()->setText(IfLong(word, 22));
}

void Form1::ListView1_DblClick()
{
    if (!m_tolk->isEnabled())
        return;
    m_tolk->setChecked(true);
    ShowTolk();
}

bool Form1::Form_KeyDown(QKeyEvent *event)
{
    const Qt::KeyboardModifiers modifiers = event->modifiers() & ~Qt::KeypadModifier;
    // The diary needs no book: its key works with an empty list too.
    if (event->key() == Qt::Key_D && modifiers == Qt::ControlModifier) {
        Toolbar1_ButtonClick(QStringLiteral("Diary"));
        return true;
    }
    if (!m_tolk->isEnabled())
        return false;
    switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        ListView1_DblClick();
        return true;
    case Qt::Key_Escape:
        if (m_tolk->isChecked()) {
            m_tolk->setChecked(false);
            emit tolkCloseRequested();
        }
        return true;
    case Qt::Key_M:
        if (modifiers != Qt::ControlModifier)
            return false;
        Toolbar1_ButtonClick(QStringLiteral("Calen"));
        return true;
    case Qt::Key_O:
        if (modifiers != Qt::ControlModifier)
            return false;
        Toolbar1_ButtonClick(QStringLiteral("HLP"));
        return true;
    default:
        return false;
    }
}

void Form1::Listcheck()
{
    if (m_index.size() == 0) {
        m_tolk->setEnabled(false);
        m_text1->clear();
        m_text1->setEnabled(false);
        m_listView1->setEnabled(false);
        Label6()->clear();
        return;
    }
    selectPosition(1);
    m_text1->setText(m_index.words().front());
    // The word put back is selected, so the next letter typed starts a new search.
    m_text1->selectAll();
    m_tolk->setEnabled(true);
    m_text1->setEnabled(!m_literatureOpen);
    m_listView1->setEnabled(true);
    ListView1_ItemClick(1);
}

void Form1::LoadLastWord()
{
    const QString word = m_settings.get(kMainSection, QStringLiteral("LastWord"));
    if (word.trimmed().isEmpty())
        return;
    m_text1->setText(word);
}

}
