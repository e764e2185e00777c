#pragma once

#include <QPageLayout>
#include <QString>

#include <optional>

class QPrinter;

namespace somnar {

class RichTextView;

// The printer chosen in the print dialog and the paper chosen in the last accepted page setup,
// kept for the whole run.
struct PrinterChoice {
    QString printerName;                   // empty: the system's default printer
    std::optional<QPageLayout> pageLayout;  // paper size and orientation; margins are not used
};

PrinterChoice &CurrentPrinterChoice();

// Applies the kept paper to a printer; false when the printer refuses it.
bool ApplyPaper(QPrinter &printer, const PrinterChoice &choice);

// Prints the view's selection, or its whole content when nothing is selected or wholeContent
// is set, once per copy; each copy is its own print job. Window events are processed between
// copies; the loop stops when the view goes away meanwhile.
void PrintArticleCopies(RichTextView *view, QPrinter &printer, bool wholeContent, int copies);

}
