#include "article/searchform.h"

#include "app/messages.h"
#include "article/articlefonts.h"
#include "article/richtextview.h"
#include "article/textfind.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace somnar {

SearchForm::SearchForm(RichTextView *view, QWidget *owner)
    : QDialog(owner)
    , m_view(view)
    , m_text(new QLineEdit(this))
{
    EnsureArticleFonts();
    setWindowTitle(QStringLiteral("Поиск"));
    setFont(QFont(QStringLiteral("Tahoma"), 9));
    setModal(false);
    setAttribute(Qt::WA_DeleteOnClose);

    auto *heading = new QLabel(QStringLiteral("Поиск на странице"), this);
    QFont headingFont = heading->font();
    headingFont.setBold(true);
    heading->setFont(headingFont);
    auto *label = new QLabel(QStringLiteral("Что искать:"), this);
    label->setBuddy(m_text);
    auto *find = new QPushButton(QStringLiteral("Искать"), this);
    auto *cancel = new QPushButton(QStringLiteral("Отмена"), this);
    find->setDefault(true);

    auto *layout = new QGridLayout(this);
    layout->addWidget(heading, 0, 0, 1, 3);
    layout->addWidget(label, 1, 0);
    layout->addWidget(m_text, 1, 1, 1, 2);
    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(find);
    buttons->addWidget(cancel);
    layout->addLayout(buttons, 2, 0, 1, 3);
    m_text->setMinimumWidth(220);

    connect(find, &QPushButton::clicked, this, &SearchForm::FND);
    connect(cancel, &QPushButton::clicked, this, &QDialog::close);
}

void SearchForm::setSearchText(const QString &text)
{
    m_text->setText(text);
    m_text->setSelection(0, int(text.size()));
}

QString SearchForm::searchText() const
{
    return m_text->text();
}

bool SearchForm::FND()
{
    const QString needle = m_text->text();
    QWidget *owner = parentWidget();
    if (owner) {
        owner->raise();
        owner->activateWindow();
    }
    m_view->setFocus();
    const int at = FindNext(m_view->viewText(), needle, m_view->selectionStart(), m_view->selectionLength());
    if (at >= 0) {
        m_view->select(at, int(needle.size()));
        if (owner)
            owner->raise();
        return true;
    }
    m_view->select(0, 0);
    ShowMessage(this, QMessageBox::Warning, QStringLiteral("Строка не найдена."),
                QStringLiteral("Результат поиска"));
    return false;
}

}
