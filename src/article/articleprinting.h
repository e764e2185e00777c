#pragma once

#include <QPageLayout>
#include <QString>

#include <optional>

class QPrinter;

namespace somnar {

class RichTextView;

// The entry of the printer list that prints into a PDF file, for desktops without a printer.
inline const QString kPdfPrinterName = QStringLiteral("Файл PDF…");

// The printer chosen in the print dialog and the page chosen in the last accepted page setup,
// kept for the whole run.
struct PrinterChoice {
    QString printerName;                    // empty: the system's default printer
    std::optional<QPageLayout> pageLayout;  // paper size, orientation and margins
    bool toPdf() const { return printerName == kPdfPrinterName; }
};

PrinterChoice &CurrentPrinterChoice();

// Applies the kept page (paper, orientation, margins) to a printer; false when the printer
// refuses it.
bool ApplyPaper(QPrinter &printer, const PrinterChoice &choice);

// Prints the view's selection, or its whole content when nothing is selected or wholeContent
// is set, once per copy; each copy is its own print job. Window events are processed between
// copies; the loop stops when the view goes away meanwhile. False when a job failed (a file
// that cannot be written, a printer that refuses the job).
bool PrintArticleCopies(RichTextView *view, QPrinter &printer, bool wholeContent, int copies);

}
