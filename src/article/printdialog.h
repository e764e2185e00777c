#pragma once

#include "article/richtextview.h"

#include <QDialog>
#include <QPointer>

#include <functional>
#include <memory>

class QComboBox;
class QLabel;
class QLineEdit;
class QPrinter;
class QRadioButton;
class QScrollBar;

namespace somnar {

// "Печать": printer, range and copies for the article view. The printer list always ends
// with "Файл PDF…", which prints into a file the user names.
class PrintDialog : public QDialog {
    Q_OBJECT
public:
    // Asks where to save the PDF file; empty when the user cancels.
    using FileNameAsker = std::function<QString(QWidget *parent)>;

    PrintDialog(RichTextView *view, QWidget *parent);

    void setFileNameAsker(FileNameAsker ask) { m_askFileName = std::move(ask); }

    int copies() const;
    void setCopiesText(const QString &text);
    bool wholeContent() const;

    // Fills the printer list; the current printer gets image 2 and is selected.
    void PrintInit();
    // Prints every copy on the chosen printer (or into the named PDF file) and closes; stays
    // open when the user cancels the file name or the printing fails.
    void Davay();

private:
    void createPrinterFrame();
    void createRangeFrame();
    void createCopiesFrame();
    void printerChosen(int index);
    void copiesTyped(const QString &text);
    void copiesMoved(int value);
    void pageSetup();
    // The chosen printer, or a PDF writer for the PDF entry.
    std::unique_ptr<QPrinter> makePrinter() const;

    QPointer<RichTextView> m_view;
    QComboBox *m_printers = nullptr;
    QLabel *m_type = nullptr;
    QLabel *m_place = nullptr;
    QRadioButton *m_all = nullptr;
    QRadioButton *m_selection = nullptr;
    QLineEdit *m_copies = nullptr;
    QScrollBar *m_spinner = nullptr;
    FileNameAsker m_askFileName;
};

}
