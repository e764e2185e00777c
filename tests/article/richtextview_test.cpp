#include "article/articlefonts.h"
#include "article/articlerenderer.h"
#include "article/richtextview.h"
#include "article/rtf/rtfreader.h"
#include "article/textpositions.h"

#include "articletestsupport.h"

#include <QFile>
#include <QFontInfo>
#include <QTemporaryDir>
#include <QTextBlock>
#include <QTextCursor>

#include <gtest/gtest.h>

#include <random>

using namespace somnar;
using namespace somnar::test;

namespace {

QString randomViewText(std::mt19937 &rng, int length)
{
    const QString pieces[] = {u"\r\n"_qs, u"\r\n\r\n"_qs, u"а"_qs, u"б"_qs, u" "_qs, u"<"_qs, u"\n"_qs, u"§"_qs};
    std::uniform_int_distribution<int> pick(0, 7);
    QString text;
    while (text.size() < length)
        text += pieces[pick(rng)];
    return text;
}

QTextCharFormat formatAt(const RichTextView &view, int viewPosition)
{
    const int doc = TextPositionMap::fromDocument(*view.document()).toDocument(viewPosition);
    QTextCursor cursor(view.document());
    cursor.setPosition(doc);
    cursor.setPosition(doc + 1, QTextCursor::KeepAnchor);
    return cursor.charFormat();
}

}

TEST(TextPositionMap, AgreesWithCountingOnTextsWithManyLineBreaks)
{
    std::mt19937 rng(11);
    for (int round = 0; round < 40; ++round) {
        const QString view = randomViewText(rng, 1 + round * 7);
        const QString doc = ViewTextToDocument(view);
        ASSERT_EQ(DocumentTextToView(doc), view);
        const TextPositionMap map(doc);
        ASSERT_EQ(map.viewLength(), view.size());
        // Walk both texts together: each separator stands for CR and LF.
        int v = 0;
        for (int d = 0; d <= doc.size(); ++d) {
            ASSERT_EQ(map.toView(d), v) << round << ' ' << d;
            ASSERT_EQ(map.toDocument(v), d) << round << ' ' << v;
            if (d < doc.size() && doc.at(d) == QChar::ParagraphSeparator) {
                ASSERT_EQ(map.toDocument(v + 1), d + 1) << "between CR and LF";
                v += 2;
            } else {
                ++v;
            }
        }
    }
}

TEST(RichTextView, PositionsCountALineBreakAsTwo)
{
    EnsureApplication();
    RichTextView view;
    std::mt19937 rng(5);
    const QString text = randomViewText(rng, 400) + u"конец"_qs;
    view.setViewText(text);
    EXPECT_EQ(view.viewText(), text);
    EXPECT_EQ(view.viewLength(), text.size());
    std::uniform_int_distribution<int> pos(0, int(text.size()));
    for (int i = 0; i < 200; ++i) {
        int a = pos(rng), b = pos(rng);
        if (a > b)
            std::swap(a, b);
        // A range starting or ending between CR and LF moves past the LF.
        if (a > 0 && text.at(a - 1) == u'\r' && a < text.size() && text.at(a) == u'\n')
            ++a;
        if (b > 0 && text.at(b - 1) == u'\r' && b < text.size() && text.at(b) == u'\n')
            ++b;
        if (a > b)
            continue;
        view.select(a, b - a);
        ASSERT_EQ(view.selectionStart(), a);
        ASSERT_EQ(view.selectionLength(), b - a);
        ASSERT_EQ(view.selectedViewText(), text.mid(a, b - a));
    }
    view.select(0, 0);
    EXPECT_EQ(view.selectionStart(), 0);
    EXPECT_EQ(view.selectionLength(), 0);

    const int at = view.find(u"КОНЕЦ"_qs, 10);
    EXPECT_EQ(at, text.size() - 5);
    EXPECT_EQ(view.selectedViewText(), u"конец"_qs);
    EXPECT_EQ(view.find(u"конец"_qs, at + 1), -1);

    view.select(view.viewLength(), 0);
    view.insertAtCaret(u"\r\nещё"_qs);
    EXPECT_EQ(view.viewText(), text + u"\r\nещё"_qs);
}

TEST(RichTextView, LoadedDocumentReadsBackWithCrLf)
{
    EnsureApplication();
    QTextDocument source;
    QTextCursor cursor(&source);
    cursor.insertText(u"Первый абзац"_qs);
    cursor.insertBlock();
    QTextCharFormat bold;
    bold.setFontWeight(QFont::Bold);
    cursor.insertText(u"Второй"_qs, bold);
    RichTextView view;
    view.setViewText(u"прежний\r\nтекст"_qs);
    view.loadDocument(source);
    EXPECT_EQ(view.viewText(), u"Первый абзац\r\nВторой"_qs);
    EXPECT_EQ(view.find(u"второй"_qs, 0), 14);
    EXPECT_EQ(formatAt(view, 15).fontWeight(), QFont::Bold);
}

TEST(RichTextView, LoadsAnRtfFileInTheBaseFont)
{
    EnsureApplication();
    QTemporaryDir dir;
    QFile file(dir.filePath(u"Сны.lit"_qs));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(R"({\rtf1\ansi\ansicpg1251 \'cd\'ee\'f7\'fc\par{\b\fs28 Day}})");
    file.close();
    RichTextView view;
    view.setBaseFont(u"Courier New"_qs, 10);
    view.setViewText(u"прежний"_qs);
    EXPECT_THROW(view.loadRtfFile(dir.filePath(u"нет.lit"_qs)), RtfError);
    EXPECT_EQ(view.viewText(), u"прежний"_qs);

    view.loadRtfFile(file.fileName());
    EXPECT_EQ(view.viewText(), u"Ночь\r\nDay"_qs);
    EXPECT_EQ(view.document()->defaultFont().family(), u"Courier New"_qs);
    EXPECT_EQ(view.document()->defaultFont().pointSizeF(), 10);
    EXPECT_FALSE(formatAt(view, 0).hasProperty(QTextFormat::FontPointSize));
    EXPECT_EQ(formatAt(view, 6).fontPointSize(), 14);
    EXPECT_EQ(formatAt(view, 6).fontWeight(), QFont::Bold);
}

TEST(RenderArticle, FormatsTheArticleAndKeepsTheMarkupInTheText)
{
    EnsureApplication();
    RichTextView view;
    ASSERT_TRUE(RenderArticle(view, u"Кот"_qs, TwoBooks()));
    const QString text = view.viewText();
    EXPECT_TRUE(text.startsWith(u" Кот\r\n\r\n& Народный сонник:§\r\nЧёрный кот"_qs)) << text.toStdString();
    EXPECT_TRUE(text.endsWith(u"F^<Сон>, <Ночь>, <Луна>\r\n"_qs)) << text.toStdString();
    EXPECT_EQ(view.tag(), u"Кот"_qs);
    EXPECT_EQ(view.selectionStart(), 0);

    const QTextCharFormat headword = formatAt(view, 1);
    EXPECT_EQ(headword.fontWeight(), QFont::Bold);
    EXPECT_TRUE(headword.fontUnderline());
    EXPECT_EQ(headword.fontPointSize(), 12);
    EXPECT_EQ(headword.foreground().color(), QColor(0, 0, 128));

    const int amp = int(text.indexOf(u'&'));
    const QTextCharFormat book = formatAt(view, amp);
    EXPECT_EQ(book.fontFamilies().toStringList(), QStringList{kPictogramFamily});
    EXPECT_EQ(book.fontPointSize(), 14);
    EXPECT_EQ(book.foreground().color(), QColor(0x96, 0x1C, 0x1A));
    EXPECT_NE(book.fontWeight(), QFont::Bold);
    const QTextCharFormat title = formatAt(view, amp + 2);
    EXPECT_EQ(title.fontWeight(), QFont::Bold);
    EXPECT_TRUE(title.fontItalic());
    // The second header takes the colour of its own book.
    EXPECT_EQ(formatAt(view, int(text.lastIndexOf(u'&')) + 2).foreground().color(), QColor(0, 128, 128));

    const QColor background = view.palette().color(QPalette::Base);
    for (const QChar hidden : {u'§', u'^', u'<', u'>'}) {
        const QTextCharFormat f = formatAt(view, int(text.indexOf(hidden)));
        EXPECT_EQ(f.fontPointSize(), 1) << QString(hidden).toStdString();
        EXPECT_EQ(f.foreground().color(), background) << QString(hidden).toStdString();
    }
    const QTextCharFormat link = formatAt(view, int(text.indexOf(u"Ночь>"_qs)));
    EXPECT_TRUE(link.fontUnderline());
    EXPECT_EQ(link.foreground().color(), QColor(0, 128, 0));
    const QTextCharFormat hand = formatAt(view, int(text.indexOf(u"F^"_qs)));
    EXPECT_EQ(hand.fontPointSize(), 22);
    EXPECT_EQ(hand.foreground().color(), QColor(0, 128, 128));
    EXPECT_EQ(formatAt(view, int(text.indexOf(u"Чёрный"_qs))).foreground().color(), QColor(0, 0, 255));
}

TEST(RenderArticle, SameWordTwiceOrUnknownWordLeavesTheViewAlone)
{
    EnsureApplication();
    RichTextView view;
    ASSERT_TRUE(RenderArticle(view, u"Кот"_qs, TwoBooks()));
    view.select(9, 3);
    EXPECT_FALSE(RenderArticle(view, u"Кот"_qs, TwoBooks()));
    EXPECT_EQ(view.selectionStart(), 9);
    const QString before = view.viewText();
    EXPECT_FALSE(RenderArticle(view, u"Собака"_qs, TwoBooks()));
    EXPECT_EQ(view.viewText(), before);
    EXPECT_EQ(view.tag(), u"Кот"_qs);
}

TEST(ArticleFonts, PictogramsAndTheArticleFontResolve)
{
    EnsureApplication();
    EnsureArticleFonts();
    const QFont pictograms(kPictogramFamily, 14);
    EXPECT_EQ(QFontInfo(pictograms).family(), kPictogramFamily);
    EXPECT_TRUE(QFontMetrics(pictograms).inFont(u'&'));
    EXPECT_TRUE(QFontMetrics(pictograms).inFont(u'F'));
    const QString sans = QFontInfo(QFont(kArticleFontFamily, 9)).family();
    EXPECT_TRUE(sans == u"Liberation Sans"_qs || sans == u"DejaVu Sans"_qs) << sans.toStdString();
}
