#include "article/rtf/rtfreader.h"
#include "article/rtf/rtftextdocument.h"
#include "article/rtf/rtfwriter.h"

#include "support/qtapplication.h"

#include <QTextCursor>
#include <QTextDocument>
#include <QTextList>

#include <gtest/gtest.h>

using namespace somnar;

namespace {

QTextCharFormat charFormat(void (*set)(QTextCharFormat &))
{
    QTextCharFormat format;
    set(format);
    return format;
}

// Every format the writer produces, once.
void fillSample(QTextDocument &document)
{
    QTextCursor cursor(&document);
    QTextBlockFormat centred;
    centred.setAlignment(Qt::AlignHCenter);
    cursor.setBlockFormat(centred);
    cursor.insertText(u"Заголовок"_qs, charFormat([](QTextCharFormat &f) {
        f.setFontWeight(QFont::Bold);
        f.setFontPointSize(16);
        f.setForeground(QColor(0x8b, 0x1a, 0x1a));
    }));

    QTextBlockFormat indented;
    indented.setAlignment(Qt::AlignJustify);
    indented.setLeftMargin(20);
    indented.setRightMargin(10);
    indented.setTextIndent(8);
    indented.setTopMargin(4);
    indented.setBottomMargin(6);
    cursor.insertBlock(indented);
    cursor.insertText(u"обычный "_qs, QTextCharFormat());
    cursor.insertText(u"курсив"_qs, charFormat([](QTextCharFormat &f) { f.setFontItalic(true); }));
    cursor.insertText(u"черта"_qs, charFormat([](QTextCharFormat &f) { f.setFontUnderline(true); }));
    cursor.insertText(u"\tтаб\u2028строка\u00A0😀ﬁ{}\\"_qs,
                      charFormat([](QTextCharFormat &f) { f.setFontFamilies({u"DejaVu Serif"_qs}); }));

    QTextBlockFormat right;
    right.setAlignment(Qt::AlignRight);
    cursor.insertBlock(right);
    cursor.insertText(u"справа"_qs, QTextCharFormat());

    for (const QTextListFormat::Style style : {QTextListFormat::ListDisc, QTextListFormat::ListDecimal}) {
        cursor.insertBlock(QTextBlockFormat());
        cursor.createList(style);
        cursor.insertText(u"первый"_qs, QTextCharFormat());
        cursor.insertBlock();
        cursor.insertText(u"второй"_qs, QTextCharFormat());
    }
    cursor.insertBlock(QTextBlockFormat());
}

}

TEST(RtfRoundTrip, WhatTheWriterWritesTheReaderReadsBack)
{
    test::EnsureApplication();
    QTextDocument original;
    fillSample(original);
    const QByteArray written = WriteRtf(original);
    const RtfDocument read = ReadRtf(written);

    EXPECT_EQ(read.plainText(),
              u"Заголовок\nобычный курсивчерта\tтаб\nстрока\u00A0😀ﬁ{}\\\nсправа\nпервый\nвторой\nпервый\nвторой\n\n"_qs);
    ASSERT_EQ(read.paragraphs.size(), 8u);
    const RtfParagraph &heading = read.paragraphs[0];
    EXPECT_EQ(heading.align, RtfAlign::Center);
    EXPECT_TRUE(heading.runs[0].format.bold);
    EXPECT_EQ(heading.runs[0].format.halfPoints, 32);
    EXPECT_EQ(heading.runs[0].format.color, qRgb(0x8b, 0x1a, 0x1a));
    const RtfParagraph &body = read.paragraphs[1];
    EXPECT_EQ(body.align, RtfAlign::Justify);
    EXPECT_EQ(std::tuple(body.leftIndent, body.rightIndent, body.firstIndent, body.spaceBefore, body.spaceAfter),
              std::tuple(300, 150, 120, 60, 90));
    EXPECT_TRUE(body.runs[1].format.italic);
    EXPECT_TRUE(body.runs[2].format.underline);
    EXPECT_EQ(read.paragraphs[2].align, RtfAlign::Right);
    const RtfList lists[] = {RtfList::Bullet, RtfList::Bullet, RtfList::Number, RtfList::Number, RtfList::None};
    for (size_t i = 0; i < std::size(lists); ++i)
        EXPECT_EQ(read.paragraphs[3 + i].list, lists[i]) << i;

    // Read into a document and written again, the file is the same.
    QTextDocument again;
    FillTextDocument(read, again);
    EXPECT_EQ(WriteRtf(again), written);
}
