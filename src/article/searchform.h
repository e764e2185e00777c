#pragma once

#include <QDialog>

class QLineEdit;

namespace somnar {

class RichTextView;

// "Поиск": finds a piece of text in the view, hidden markup included, and selects it there.
// Modeless; the search position is the view's selection.
class SearchForm : public QDialog {
    Q_OBJECT
public:
    SearchForm(RichTextView *view, QWidget *owner);

    // Puts text into the entry box and selects all of it.
    void setSearchText(const QString &text);
    QString searchText() const;

    // Finds the next occurrence after the selection, starting over from the top after the last
    // one. Reports "Строка не найдена." when the text occurs nowhere. Returns whether found.
    bool FND();

private:
    RichTextView *m_view;
    QLineEdit *m_text;
};

}
