#include "app/messages.h"
#include "article/articleprinting.h"
#include "article/articlerenderer.h"
#include "article/printdialog.h"
#include "article/richtextview.h"
#include "article/rtf/rtfwriter.h"
#include "article/searchform.h"

#include "articletestsupport.h"

#include <QComboBox>
#include <QLineEdit>
#include <QMessageBox>
#include <QRadioButton>
#include <QTimer>
#include <QPrinter>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace somnar;
using namespace somnar::test;

namespace {

// Runs a converter from Debian (pdftotext, unrtf) and returns its output as UTF-8 text.
std::optional<QString> convert(const QString &program, const QStringList &arguments)
{
    if (QStandardPaths::findExecutable(program).isEmpty())
        return std::nullopt;
    QProcess process;
    process.start(program, arguments);
    if (!process.waitForFinished(30000) || process.exitCode() != 0)
        return QString();
    return QString::fromUtf8(process.readAllStandardOutput());
}

// Remembers the messages instead of showing them.
class MessageCatcher {
public:
    MessageCatcher()
    {
        setMessageHandler([this](QMessageBox::Icon icon, const QString &title, const QString &text) {
            texts << text;
            titles << title;
            icons << icon;
        });
    }
    ~MessageCatcher() { setMessageHandler({}); }
    QStringList texts;
    QStringList titles;
    QList<QMessageBox::Icon> icons;
};

// unrtf's HTML keeps every \\uN as a numeric entity (its plain-text mode cannot show them).
QString textOfUnrtfHtml(QString html)
{
    html.remove(QRegularExpression(u"<[^>]*>"_qs));
    html.remove(u'\n');
    QString text;
    static const QRegularExpression entity(u"&#(\\d+);|&(\\w+);"_qs);
    static const QMap<QString, QChar> named{{u"lt"_qs, u'<'}, {u"gt"_qs, u'>'}, {u"amp"_qs, u'&'},
                                            {u"nbsp"_qs, u' '}, {u"ndash"_qs, u'–'}, {u"sect"_qs, u'§'}};
    qsizetype last = 0;
    for (const QRegularExpressionMatch &m : entity.globalMatch(html)) {
        text += html.mid(last, m.capturedStart() - last);
        if (m.capturedLength(1) > 0)
            text += QChar(m.captured(1).toInt());
        else
            text += named.value(m.captured(2), u'?');
        last = m.capturedEnd();
    }
    return text + html.mid(last);
}

int braceBalance(const QByteArray &rtf)
{
    int depth = 0;
    for (qsizetype i = 0; i < rtf.size(); ++i) {
        if (rtf[i] == '\\') {
            ++i;
            continue;
        }
        depth += rtf[i] == '{' ? 1 : rtf[i] == '}' ? -1 : 0;
        if (depth < 0)
            return -1;
    }
    return depth;
}

}

TEST(SearchForm, WrapsAndReportsATextFoundNowhereOnce)
{
    EnsureApplication();
    RichTextView view;
    ASSERT_TRUE(RenderArticle(view, u"Кот"_qs, TwoBooks()));
    const QString text = view.viewText();
    auto *form = new SearchForm(&view, nullptr);
    form->setSearchText(u"КОТ"_qs);
    QList<int> found;
    for (int i = 0; i < 6; ++i) {
        ASSERT_TRUE(form->FND());
        found << view.selectionStart();
    }
    // Every occurrence in turn, then from the top again.
    QList<int> expected;
    for (qsizetype at = text.indexOf(u"кот"_qs, 0, Qt::CaseInsensitive); at >= 0;
         at = text.indexOf(u"кот"_qs, at + 1, Qt::CaseInsensitive))
        expected << int(at);
    ASSERT_GE(expected.size(), 3);
    for (int i = 0; i < found.size(); ++i)
        EXPECT_EQ(found[i], expected[i % expected.size()]) << i;

    form->setSearchText(u"<"_qs);
    view.select(0, 0);
    EXPECT_TRUE(form->FND());
    EXPECT_EQ(view.selectionStart(), text.indexOf(u'<'));

    MessageCatcher catcher;
    form->setSearchText(u"собака"_qs);
    EXPECT_FALSE(form->FND());
    EXPECT_EQ(catcher.texts, QStringList{u"Строка не найдена."_qs});
    EXPECT_EQ(catcher.titles, QStringList{u"Результат поиска"_qs});
    EXPECT_EQ(catcher.icons, QList<QMessageBox::Icon>{QMessageBox::Warning});
    EXPECT_EQ(view.selectionStart(), 0);
    EXPECT_EQ(view.selectionLength(), 0);
    form->setSearchText(QString());
    EXPECT_FALSE(form->FND());
    EXPECT_EQ(catcher.texts.size(), 2);
    delete form;
}

TEST(PrintArticle, PdfShowsTheFormattedArticle)
{
    EnsureApplication();
    QTemporaryDir dir;
    RichTextView view;
    ASSERT_TRUE(RenderArticle(view, u"Кот"_qs, TwoBooks()));

    const auto printTo = [&](const QString &name, bool wholeContent) {
        QPrinter printer(QPrinter::HighResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(dir.filePath(name));
        PrintArticleCopies(&view, printer, wholeContent, 1);
        return convert(u"pdftotext"_qs, {u"-enc"_qs, u"UTF-8"_qs, dir.filePath(name), u"-"_qs});
    };
    const std::optional<QString> whole = printTo(u"whole.pdf"_qs, true);
    if (!whole)
        GTEST_SKIP() << "pdftotext is not installed";
    for (const QString &expected : {u"Кот"_qs, u"Народный сонник"_qs, u"Психологический сонник"_qs,
                                    u"Чёрный кот – к ссоре с близкими."_qs, u"Луна"_qs})
        EXPECT_TRUE(whole->contains(expected)) << expected.toStdString() << "\n" << whole->toStdString();

    const QString text = view.viewText();
    view.select(int(text.indexOf(u"Белый"_qs)), 9);
    const std::optional<QString> part = printTo(u"part.pdf"_qs, false);
    EXPECT_TRUE(part->contains(u"Белый кот"_qs)) << part->toStdString();
    EXPECT_FALSE(part->contains(u"Народный"_qs));
}

TEST(WriteRtf, CopyParsesBackWithTheCyrillicIntact)
{
    EnsureApplication();
    RichTextView view;
    ASSERT_TRUE(RenderArticle(view, u"Кот"_qs, TwoBooks()));
    const QByteArray rtf = view.contentRtf();
    EXPECT_TRUE(rtf.startsWith("{\\rtf1\\ansi\\ansicpg1251"));
    EXPECT_EQ(braceBalance(rtf), 0);
    EXPECT_TRUE(rtf.contains("\\fcharset204"));
    EXPECT_TRUE(rtf.contains("{\\colortbl ;"));
    EXPECT_TRUE(rtf.contains("\\u1050\\'ca"));  // К
    EXPECT_TRUE(rtf.contains("\\fs24\\b\\ul\\cf"));  // the headword
    for (char c : rtf)
        ASSERT_TRUE(uchar(c) < 0x80) << "RTF is 7-bit text";

    QTemporaryDir dir;
    QFile file(dir.filePath(u"article.rtf"_qs));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(rtf);
    file.close();
    const std::optional<QString> html = convert(u"unrtf"_qs, {u"--html"_qs, file.fileName()});
    if (!html)
        GTEST_SKIP() << "unrtf is not installed";
    EXPECT_TRUE(html->contains(u"<b>"_qs));
    EXPECT_TRUE(html->contains(u"#008000"_qs, Qt::CaseInsensitive)) << "link green";
    const std::optional<QString> text = textOfUnrtfHtml(*html);
    for (const QString &expected : {u"Кот"_qs, u"Народный сонник"_qs, u"Чёрный кот – к ссоре с близкими."_qs,
                                    u"Гладить кота"_qs, u"Луна"_qs})
        EXPECT_TRUE(text->contains(expected)) << expected.toStdString() << "\n" << text->toStdString();

    view.select(int(view.viewText().indexOf(u"Белый"_qs)), 5);
    const QByteArray selection = view.selectionRtf();
    EXPECT_EQ(braceBalance(selection), 0);
    EXPECT_TRUE(selection.contains("\\u1041\\'c1"));  // Б
    EXPECT_FALSE(selection.contains("\\u1063\\'d7"));  // Ч of the line before
}

TEST(WriteRtf, EscapesAndCharactersOutsideTheCodePage)
{
    EnsureApplication();
    QTextDocument document;
    document.setPlainText(u"a{b}c\\d\tё☾"_qs);
    const QByteArray rtf = WriteRtf(document);
    EXPECT_TRUE(rtf.contains("a\\{b\\}c\\\\d\\tab \\u1105\\'b8\\u9790?")) << rtf.toStdString();
}

TEST(PrintDialog, RangeFollowsTheSelectionAndCopiesStayWithinLimits)
{
    EnsureApplication();
    RichTextView view;
    ASSERT_TRUE(RenderArticle(view, u"Кот"_qs, TwoBooks()));
    {
        PrintDialog dialog(&view, nullptr);
        EXPECT_EQ(dialog.windowTitle(), u"Печать"_qs);
        auto *all = dialog.findChild<QRadioButton *>(u"Option1"_qs);
        auto *selection = dialog.findChild<QRadioButton *>(u"Option2"_qs);
        ASSERT_TRUE(all && selection);
        EXPECT_TRUE(all->isChecked());
        EXPECT_FALSE(selection->isEnabled());
        EXPECT_TRUE(dialog.wholeContent());

        auto *copies = dialog.findChild<QLineEdit *>(u"Text1"_qs);
        ASSERT_TRUE(copies);
        EXPECT_EQ(copies->text(), u"1"_qs);
        const struct {
            QString typed;
            int copies;
            QString shown;
        } cases[] = {{u"3"_qs, 3, u"3"_qs}, {u"150"_qs, 99, u"99"_qs}, {u"0"_qs, 1, u"1"_qs}, {u"abc"_qs, 1, u"1"_qs}};
        for (const auto &c : cases) {
            dialog.setCopiesText(u"5"_qs);
            dialog.setCopiesText(c.typed);
            EXPECT_EQ(dialog.copies(), c.copies) << c.typed.toStdString();
            EXPECT_EQ(copies->text(), c.shown) << c.typed.toStdString();
        }
    }
    view.select(3, 4);
    PrintDialog dialog(&view, nullptr);
    EXPECT_TRUE(dialog.findChild<QRadioButton *>(u"Option2"_qs)->isChecked());
    EXPECT_FALSE(dialog.wholeContent());
}

TEST(PrintDialog, PdfFileWorksWithoutAnyPrinter)
{
    EnsureApplication();
    QTemporaryDir dir;
    RichTextView view;
    ASSERT_TRUE(RenderArticle(view, u"Кот"_qs, TwoBooks()));
    const auto pagesIn = [](const QString &path) {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? int(file.readAll().count("/Type /Page\n")) : -1;
    };
    const auto printInto = [&](const QString &fileName, int copies) {
        PrintDialog dialog(&view, nullptr);
        auto *printers = dialog.findChild<QComboBox *>(u"ImageCombo1"_qs);
        EXPECT_EQ(printers->itemText(printers->count() - 1), u"Файл PDF…"_qs);
        dialog.setCopiesText(QString::number(copies));
        printers->setCurrentIndex(printers->count() - 1);
        EXPECT_FALSE(dialog.findChild<QLineEdit *>(u"Text1"_qs)->isEnabled()) << "a file holds one copy";
        dialog.setFileNameAsker([&](QWidget *) { return fileName; });
        dialog.Davay();
        return dialog.result() == QDialog::Accepted;
    };
    MessageCatcher messages;
    EXPECT_TRUE(printInto(dir.filePath(u"one"_qs), 1));
    const int onePage = pagesIn(dir.filePath(u"one.pdf"_qs));
    EXPECT_GE(onePage, 1) << "the .pdf ending is added";
    EXPECT_TRUE(printInto(dir.filePath(u"two.pdf"_qs), 2));
    EXPECT_EQ(pagesIn(dir.filePath(u"two.pdf"_qs)), onePage);
    EXPECT_TRUE(messages.texts.isEmpty());

    EXPECT_FALSE(printInto(QString(), 1)) << "a cancelled file name leaves the dialog open";
    EXPECT_TRUE(messages.texts.isEmpty());
    EXPECT_FALSE(printInto(dir.filePath(u"missing/folder/x.pdf"_qs), 1));
    ASSERT_EQ(messages.texts.size(), 1);
    EXPECT_TRUE(messages.texts[0].startsWith(u"Не удалось записать файл «"_qs)) << messages.texts[0].toStdString();
    EXPECT_EQ(messages.titles[0], u"Сонник OKV Somnar 3"_qs);
    EXPECT_EQ(messages.icons[0], QMessageBox::Critical);
    CurrentPrinterChoice() = {};
}

TEST(PrintArticle, PageSetupKeepsPaperOrientationAndMargins)
{
    EnsureApplication();
    PrinterChoice choice;
    choice.pageLayout = QPageLayout(QPageSize(QPageSize::A5), QPageLayout::Landscape, QMarginsF(10, 11, 12, 13),
                                    QPageLayout::Millimeter);
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    ASSERT_TRUE(ApplyPaper(printer, choice));
    EXPECT_EQ(printer.pageLayout().pageSize().id(), QPageSize::A5);
    EXPECT_EQ(printer.pageLayout().orientation(), QPageLayout::Landscape);
    EXPECT_EQ(printer.pageLayout().margins(QPageLayout::Millimeter), QMarginsF(10, 11, 12, 13));
}

TEST(PrintArticle, EachCopyIsItsOwnJob)
{
    EnsureApplication();
    QTemporaryDir dir;
    RichTextView view;
    ASSERT_TRUE(RenderArticle(view, u"Кот"_qs, TwoBooks()));
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    const QString path = dir.filePath(u"copy.pdf"_qs);
    printer.setOutputFileName(path);
    // Every job writes the file anew; between jobs the file is taken away, so a later copy
    // shows up as a new file.
    int jobs = 0;
    QTimer watcher;
    QObject::connect(&watcher, &QTimer::timeout, [&] {
        if (QFile::exists(path)) {
            ++jobs;
            QFile::remove(path);
        }
    });
    watcher.start(0);
    PrintArticleCopies(&view, printer, true, 3);
    if (QFile::exists(path))
        ++jobs;
    EXPECT_EQ(jobs, 3);
}
