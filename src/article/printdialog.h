#pragma once

#include "article/richtextview.h"

#include <QDialog>
#include <QPointer>

class QComboBox;
class QLabel;
class QLineEdit;
class QRadioButton;
class QScrollBar;

namespace somnar {

// "Печать": printer, range and copies for the article view.
class PrintDialog : public QDialog {
    Q_OBJECT
public:
    PrintDialog(RichTextView *view, QWidget *parent);

    int copies() const;
    void setCopiesText(const QString &text);
    bool wholeContent() const;

    // Fills the printer list; the current printer gets image 2 and is selected.
    void PrintInit();
    // Prints every copy on the chosen printer and closes.
    void Davay();

private:
    void createPrinterFrame();
    void createRangeFrame();
    void createCopiesFrame();
    void printerChosen(int index);
    void copiesTyped(const QString &text);
    void copiesMoved(int value);
    void pageSetup();

    QPointer<RichTextView> m_view;
    QComboBox *m_printers = nullptr;
    QLabel *m_type = nullptr;
    QLabel *m_place = nullptr;
    QRadioButton *m_all = nullptr;
    QRadioButton *m_selection = nullptr;
    QLineEdit *m_copies = nullptr;
    QScrollBar *m_spinner = nullptr;
};

}
