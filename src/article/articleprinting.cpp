#include "article/articleprinting.h"

#include "article/richtextview.h"

#include <QCoreApplication>
#include <QPointer>
#include <QPrinter>

namespace somnar {

PrinterChoice &CurrentPrinterChoice()
{
    static PrinterChoice choice;
    return choice;
}

bool ApplyPaper(QPrinter &printer, const PrinterChoice &choice)
{
    if (!choice.pageLayout)
        return true;
    return printer.setPageSize(choice.pageLayout->pageSize())
        && printer.setPageOrientation(choice.pageLayout->orientation())
        && printer.setPageMargins(choice.pageLayout->margins(), choice.pageLayout->units());
}

bool PrintArticleCopies(RichTextView *view, QPrinter &printer, bool wholeContent, int copies)
{
    const QPointer<RichTextView> guard(view);
    for (int copy = 0; copy < copies && guard; ++copy) {
        QCoreApplication::processEvents();
        if (!guard)
            break;
        guard->printContent(&printer, wholeContent);
        if (printer.printerState() == QPrinter::Error)
            return false;
        QCoreApplication::processEvents();
    }
    return true;
}

}
