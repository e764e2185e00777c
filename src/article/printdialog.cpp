#include "article/printdialog.h"

#include "app/messages.h"
#include "article/articlefonts.h"
#include "article/articleprinting.h"
#include "article/printoptions.h"
#include "article/richtextview.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QDir>
#include <QFileDialog>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPageSetupDialog>
#include <QPainter>
#include <QPrinter>
#include <QPrinterInfo>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QVBoxLayout>

namespace somnar {

namespace {

// Image 1: a printer; image 2: the current printer, marked with a tick.
QIcon printerImage(bool current)
{
    QPixmap pixmap(16, 16);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(Qt::darkGray, 1));
    p.setBrush(Qt::white);
    p.drawRect(QRectF(4.5, 1.5, 7, 5));
    p.setBrush(QColor(200, 200, 200));
    p.drawRoundedRect(QRectF(1.5, 6.5, 13, 6), 1.5, 1.5);
    p.setBrush(Qt::white);
    p.drawRect(QRectF(4.5, 10.5, 7, 4));
    if (current) {
        p.setPen(QPen(QColor(0, 128, 0), 2));
        p.drawPolyline(QPolygonF({QPointF(8, 11), QPointF(10.5, 14), QPointF(15, 7)}));
    }
    return QIcon(pixmap);
}

QString currentPrinterName()
{
    const QString chosen = CurrentPrinterChoice().printerName;
    return chosen.isEmpty() ? QPrinterInfo::defaultPrinterName() : chosen;
}

QString askPdfFileName(QWidget *parent)
{
    return QFileDialog::getSaveFileName(parent, QStringLiteral("Сохранить толкование в PDF"),
                                        QDir::home().filePath(QStringLiteral("Толкование.pdf")),
                                        QStringLiteral("Документы PDF (*.pdf)"));
}

}

PrintDialog::PrintDialog(RichTextView *view, QWidget *parent)
    : QDialog(parent)
    , m_view(view)
    , m_askFileName(askPdfFileName)
{
    EnsureArticleFonts();
    setWindowTitle(QStringLiteral("Печать"));
    setFont(QFont(QStringLiteral("Tahoma"), 9));

    auto *layout = new QVBoxLayout(this);
    auto *heading = new QLabel(QStringLiteral("Печать"), this);
    QFont headingFont = heading->font();
    headingFont.setBold(true);
    heading->setFont(headingFont);
    layout->addWidget(heading);
    createPrinterFrame();
    createRangeFrame();
    createCopiesFrame();

    PrintInit();
    const bool selection = m_view && m_view->textCursor().hasSelection();
    m_selection->setEnabled(selection);
    (selection ? m_selection : m_all)->setChecked(true);
}

void PrintDialog::createPrinterFrame()
{
    auto *frame = new QGroupBox(QStringLiteral("Принтер"), this);
    auto *form = new QFormLayout(frame);
    m_printers = new QComboBox(frame);
    m_printers->setObjectName(QStringLiteral("ImageCombo1"));
    m_printers->setMinimumWidth(260);
    m_type = new QLabel(frame);
    m_type->setObjectName(QStringLiteral("Label6"));
    m_place = new QLabel(frame);
    m_place->setObjectName(QStringLiteral("Label5"));
    auto *setup = new QPushButton(QStringLiteral("Настройки страницы"), frame);
    form->addRow(QStringLiteral("Имя:"), m_printers);
    form->addRow(QStringLiteral("Тип:"), m_type);
    form->addRow(QStringLiteral("Место:"), m_place);
    form->addRow(QString(), setup);
    layout()->addWidget(frame);
    connect(m_printers, &QComboBox::currentIndexChanged, this, &PrintDialog::printerChosen);
    connect(setup, &QPushButton::clicked, this, &PrintDialog::pageSetup);
}

void PrintDialog::createRangeFrame()
{
    auto *frame = new QGroupBox(QStringLiteral("Диапазон печати"), this);
    auto *box = new QVBoxLayout(frame);
    m_all = new QRadioButton(QStringLiteral("Всё содержимое окна"), frame);
    m_selection = new QRadioButton(QStringLiteral("Выделенный фрагмент"), frame);
    m_all->setObjectName(QStringLiteral("Option1"));
    m_selection->setObjectName(QStringLiteral("Option2"));
    box->addWidget(m_all);
    box->addWidget(m_selection);
    layout()->addWidget(frame);
}

void PrintDialog::createCopiesFrame()
{
    auto *frame = new QGroupBox(QStringLiteral("Копии"), this);
    auto *row = new QHBoxLayout(frame);
    m_copies = new QLineEdit(QStringLiteral("1"), frame);
    m_copies->setObjectName(QStringLiteral("Text1"));
    m_copies->setMaximumWidth(48);
    m_spinner = new QScrollBar(Qt::Vertical, frame);
    m_spinner->setObjectName(QStringLiteral("VScroll1"));
    m_spinner->setRange(kMinCopies, kMaxCopies);
    m_spinner->setInvertedAppearance(true);
    m_spinner->setInvertedControls(true);
    m_spinner->setFixedHeight(m_copies->sizeHint().height());
    auto *ok = new QPushButton(QStringLiteral("Ok"), frame);
    auto *cancel = new QPushButton(QStringLiteral("Отмена"), frame);
    ok->setDefault(true);
    row->addWidget(new QLabel(QStringLiteral("Число копий:"), frame));
    row->addWidget(m_copies);
    row->addWidget(m_spinner);
    row->addStretch();
    row->addWidget(ok);
    row->addWidget(cancel);
    layout()->addWidget(frame);
    connect(m_copies, &QLineEdit::textEdited, this, &PrintDialog::copiesTyped);
    connect(m_spinner, &QScrollBar::valueChanged, this, &PrintDialog::copiesMoved);
    connect(ok, &QPushButton::clicked, this, &PrintDialog::Davay);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
}

int PrintDialog::copies() const
{
    return m_spinner->value();
}

void PrintDialog::setCopiesText(const QString &text)
{
    m_copies->setText(text);
    copiesTyped(text);
}

bool PrintDialog::wholeContent() const
{
    return m_all->isChecked();
}

void PrintDialog::copiesTyped(const QString &text)
{
    m_spinner->setValue(ParseCopies(text));
}

void PrintDialog::copiesMoved(int value)
{
    m_copies->setText(QString::number(value));
}

void PrintDialog::PrintInit()
{
    const QString current = currentPrinterName();
    const QIcon plain = printerImage(false);
    const QIcon marked = printerImage(true);
    int currentIndex = -1;
    const QSignalBlocker block(m_printers);
    m_printers->clear();
    for (const QPrinterInfo &info : QPrinterInfo::availablePrinters()) {
        const bool isCurrent = info.printerName() == current;
        m_printers->addItem(isCurrent ? marked : plain, info.printerName());
        if (isCurrent)
            currentIndex = m_printers->count() - 1;
    }
    // Printing into a file works on every desktop, with or without a printer queue.
    m_printers->addItem(QIcon::fromTheme(QStringLiteral("application-pdf"), plain), kPdfPrinterName);
    if (currentIndex < 0)
        currentIndex = m_printers->count() - 1;
    m_printers->setCurrentIndex(currentIndex);
    printerChosen(currentIndex);
}

void PrintDialog::printerChosen(int index)
{
    if (index < 0)
        return;
    const QString name = m_printers->itemText(index);
    CurrentPrinterChoice().printerName = name;
    // A file holds one copy; the PDF viewer prints as many as wanted.
    m_copies->setEnabled(!CurrentPrinterChoice().toPdf());
    m_spinner->setEnabled(!CurrentPrinterChoice().toPdf());
    if (CurrentPrinterChoice().toPdf()) {
        m_type->setText(QStringLiteral("Документ PDF"));
        m_place->setText(QStringLiteral("Файл, имя которого спросят при печати"));
        return;
    }
    const PrinterType type = GetPrinterType(name, QPrinterInfo::printerInfo(name).location());
    m_type->setText(type.type);
    m_place->setText(type.place);
}

std::unique_ptr<QPrinter> PrintDialog::makePrinter() const
{
    if (!CurrentPrinterChoice().toPdf())
        return std::make_unique<QPrinter>(QPrinterInfo::printerInfo(currentPrinterName()));
    auto printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
    printer->setOutputFormat(QPrinter::PdfFormat);
    return printer;
}

void PrintDialog::pageSetup()
{
    PrinterChoice &choice = CurrentPrinterChoice();
    const std::unique_ptr<QPrinter> printer = makePrinter();
    printer->setPageMargins(QMarginsF(30, 20, 15, 20), QPageLayout::Millimeter);
    ApplyPaper(*printer, choice);
    QPageSetupDialog dialog(printer.get(), this);
    if (dialog.exec() != QDialog::Accepted) {
        choice.pageLayout.reset();
        return;
    }
    const std::unique_ptr<QPrinter> check = makePrinter();
    PrinterChoice accepted{choice.printerName, printer->pageLayout()};
    if (!ApplyPaper(*check, accepted)) {
        ShowMessage(this, QMessageBox::Critical, QStringLiteral("Принтер не поддерживает данный формат страницы."));
        return;
    }
    choice.pageLayout = accepted.pageLayout;
}

void PrintDialog::Davay()
{
    QCoreApplication::processEvents();
    const std::unique_ptr<QPrinter> printer = makePrinter();
    int jobs = copies();
    if (CurrentPrinterChoice().toPdf()) {
        QString fileName = m_askFileName(this);
        if (fileName.isEmpty())
            return;
        if (!fileName.endsWith(QStringLiteral(".pdf"), Qt::CaseInsensitive))
            fileName += QStringLiteral(".pdf");
        printer->setOutputFileName(fileName);
        jobs = 1;
    }
    if (m_view && wholeContent())
        m_view->select(0, 0);
    ApplyPaper(*printer, CurrentPrinterChoice());
    if (!PrintArticleCopies(m_view, *printer, wholeContent(), jobs)) {
        const QString failure = CurrentPrinterChoice().toPdf()
            ? QStringLiteral("Не удалось записать файл «%1».").arg(printer->outputFileName())
            : QStringLiteral("Принтер «%1» не принял задание печати.").arg(printer->printerName());
        ShowMessage(this, QMessageBox::Critical, failure);
        return;
    }
    accept();
}

}
