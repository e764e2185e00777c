#pragma once

#include <QToolBar>

#include <vector>

class QMenu;
class QToolButton;

namespace somnar {

class BookCatalogue;

// The book bar: one check button per book of the catalogue (button k+1 for book k), pressed
// while the book is switched on, and the pop-up menu of the bar. The catalogue holds the
// states; the bar shows them and changes them.
class BookBar : public QToolBar {
    Q_OBJECT
public:
    explicit BookBar(BookCatalogue &catalogue, QWidget *parent = nullptr);

    // Creates the buttons and the menu items for the books of the catalogue.
    void LoadButtons();

    qsizetype buttonCount() const { return qsizetype(m_buttons.size()); }
    QToolButton *button(qsizetype index1) const { return m_buttons[size_t(index1 - 1)]; }

    QMenu *mnuBooks() const { return m_mnuBooks; }
    QMenu *mnuSel() const { return m_mnuSel; }
    QMenu *mnuOneBook() const { return m_mnuOneBook; }

    void mnuBooksAll_Click(int index);
    void mnuSelBook_Click(int index);
    void mnuBook_Click(int index);
    // Brings the check marks up to date; a right release pops the menu up at globalPos.
    void Toolbar2_MouseUp(Qt::MouseButton button, const QPoint &globalPos);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void createMenus();
    void showSwitchStates();
    QIcon buttonImage(qsizetype k) const;

    BookCatalogue &m_catalogue;
    std::vector<QToolButton *> m_buttons;
    QMenu *m_mnuBooks = nullptr;
    QAction *m_mnuBooksAll[2] = {};
    QMenu *m_mnuSel = nullptr;
    QMenu *m_mnuOneBook = nullptr;
};

}
