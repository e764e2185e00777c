#include "article/rtf/rtftextdocument.h"

#include "controls/twips.h"

#include <QTextCursor>
#include <QTextDocument>
#include <QTextList>
#include <QUrl>

namespace somnar {

namespace {

qreal pixels(int twips)
{
    return qreal(twips) / kTwipsPerPixel;
}

Qt::Alignment alignment(RtfAlign align)
{
    switch (align) {
    case RtfAlign::Right: return Qt::AlignRight;
    case RtfAlign::Center: return Qt::AlignHCenter;
    case RtfAlign::Justify: return Qt::AlignJustify;
    case RtfAlign::Left: break;
    }
    return Qt::AlignLeft;
}

QTextBlockFormat blockFormat(const RtfParagraph &paragraph)
{
    QTextBlockFormat format;
    format.setAlignment(alignment(paragraph.align));
    // A list draws its own indent and marker.
    if (paragraph.list == RtfList::None) {
        format.setLeftMargin(pixels(paragraph.leftIndent));
        format.setTextIndent(pixels(paragraph.firstIndent));
    }
    format.setRightMargin(pixels(paragraph.rightIndent));
    format.setTopMargin(pixels(paragraph.spaceBefore));
    format.setBottomMargin(pixels(paragraph.spaceAfter));
    return format;
}

QTextCharFormat charFormat(const RtfCharFormat &rtf)
{
    QTextCharFormat format;
    if (rtf.bold)
        format.setFontWeight(QFont::Bold);
    if (rtf.italic)
        format.setFontItalic(true);
    if (rtf.underline)
        format.setFontUnderline(true);
    if (rtf.strike)
        format.setFontStrikeOut(true);
    if (rtf.color)
        format.setForeground(QColor(*rtf.color));
    if (rtf.background)
        format.setBackground(QColor(*rtf.background));
    if (rtf.halfPoints)
        format.setFontPointSize(*rtf.halfPoints / 2.0);
    if (!rtf.family.isEmpty())
        format.setFontFamilies({rtf.family});
    return format;
}

}

void FillTextDocument(const RtfDocument &rtf, QTextDocument &document)
{
    document.clear();
    QTextCursor cursor(&document);
    cursor.beginEditBlock();
    QTextList *list = nullptr;
    RtfList listKind = RtfList::None;
    int images = 0;
    bool first = true;
    for (const RtfParagraph &paragraph : rtf.paragraphs) {
        if (first)
            cursor.setBlockFormat(blockFormat(paragraph));
        else
            cursor.insertBlock(blockFormat(paragraph), QTextCharFormat());
        first = false;
        if (paragraph.list == RtfList::None) {
            list = nullptr;
        } else if (list && listKind == paragraph.list) {
            list->add(cursor.block());
        } else {
            QTextListFormat format;
            format.setStyle(paragraph.list == RtfList::Number ? QTextListFormat::ListDecimal
                                                              : QTextListFormat::ListDisc);
            list = cursor.createList(format);
            listKind = paragraph.list;
        }
        for (const RtfRun &run : paragraph.runs) {
            if (!run.image.isNull()) {
                const QString name = QStringLiteral("rtf-picture-%1").arg(++images);
                document.addResource(QTextDocument::ImageResource, QUrl(name), run.image);
                QTextImageFormat format;
                format.setName(name);
                format.setWidth(pixels(run.widthTwips));
                format.setHeight(pixels(run.heightTwips));
                cursor.insertImage(format);
                continue;
            }
            QString text = run.text;
            text.replace(u'\n', QChar::LineSeparator);
            cursor.insertText(text, charFormat(run.format));
        }
    }
    cursor.endEditBlock();
}

}
