#include "article/rtf/rtfreader.h"

#include "rtftestsupport.h"

#include <QBuffer>
#include <QFile>
#include <QImage>

#include <gtest/gtest.h>

using namespace somnar;
using namespace somnar::test;

namespace {

struct Case {
    const char *rule;
    QByteArray rtf;
    QString expected;
};

QByteArray smallPng()
{
    QImage image(2, 3, QImage::Format_RGB32);
    image.fill(Qt::red);
    QByteArray png;
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG");
    return png;
}

std::vector<Case> cases()
{
    const QByteArray png = smallPng();
    return {
        {"groups scope formatting", R"({\rtf1 a{\b b{\i c}}d})", u"a<b:b><b i:c>d"_qs},
        {"parameters and their delimiter", R"({\rtf1\fs28 x\fs-5  y})", u"<14pt:x><12pt: y>"_qs},
        {"control symbols", R"({\rtf1 a\~b\-c\_d\\\{\}})", u"a\u00A0b\u00ADc\u2011d\\{}"_qs},
        {"\\'hh without \\ansicpg is Windows-1252", R"({\rtf1 caf\'e9 \'80})", u"café €"_qs},
        {"\\ansicpg1251", R"({\rtf1\ansi\ansicpg1251 \'cf\'f0\'e8)", u"При"_qs},
        {"\\fcharset per font", R"({\rtf1\ansi{\fonttbl{\f0 A;}{\f1\fcharset204 B;}}\f0 \'e9\f1 \'e9})",
         u"<A:é><B:й>"_qs},
        {"raw 8-bit bytes in the code page", "{\\rtf1\\ansicpg1251 \xcf\xf0}", u"Пр"_qs},
        {"\\u skips one fallback by default", R"({\rtf1 \u1055?\u1088?})", u"Пр"_qs},
        {"\\uc2 skips two", R"({\rtf1\uc2\u1055??x})", u"Пx"_qs},
        {"\\'hh counts as one fallback", R"({\rtf1\u1055\'cfx})", u"Пx"_qs},
        {"\\uc is restored at the group end", R"({\rtf1{\uc2\u1055??}\u1088?a})", u"Прa"_qs},
        {"the skip stops at a group end", R"({\rtf1{\uc3\u1055?}bcd})", u"Пbcd"_qs},
        {"surrogate pair and negative \\u", R"({\rtf1\u-10179?\u-8704?\u-1279?})", u"😀ﬁ"_qs},
        {"skipped destinations",
         R"({\rtf1{\*\unknown x}{\stylesheet{s}}{\info{\title t}}{\header h}{\footer f}{\*\themedata 00})"
         R"({\*\datastore 01}{\*\listtable x}{\object{\*\objdata 00}}A})",
         u"A"_qs},
        {"field result shown, instruction skipped", R"({\rtf1{\field{\*\fldinst HYPERLINK "x"}{\fldrslt link}}})",
         u"link"_qs},
        {"\\bin skips exactly N bytes", "{\\rtf1 a\\bin4 }{\\b{\\bin2 }}c}", u"ac"_qs},
        {"colour table with theme entries",
         R"({\rtf1{\colortbl;\red255\green0\blue0;\cmaindarkone\ctint255\red0\green0\blue255;})"
         R"(\cf1 r\cf2 b\cf0 a\cf9 z{\highlight1 h}{\cb2 c}})",
         u"<#ff0000:r><#0000ff:b>az<bg#ff0000:h><bg#0000ff:c>"_qs},
        {"character formatting", R"({\rtf1\b b\b0\i i\i0\ul u\ulnone\uld d\ul0\ulw w\ulnone\strike s\strike0 n})",
         u"<b:b><i:i><u:udw><s:s>n"_qs},
        {"\\plain, \\f and \\fs", R"({\rtf1{\fonttbl{\f0 Arial;}{\f1 Courier;}}\deff0\f1\fs20\b x\plain y})",
         u"<b 10pt Courier:x><Arial:y>"_qs},
        {"hidden text", R"({\rtf1 a{\v hidden}b})", u"ab"_qs},
        {"paragraph formatting",
         R"({\rtf1\qc a\par\pard b\line c\tab d\par\qr\li720\ri360\fi-180\sb120\sa240 e\par\qj f})",
         u"(center)a | b\nc\td | (right li720 ri360 fi-180 sb120 sa240)e | (justify li720 ri360 fi-180 sb120 sa240)f"_qs},
        {"list paragraphs", R"({\rtf1{\listtext\'b7\tab}\ls1 one\par{\listtext 2.\tab}two\par\pard)"
                            R"({\pntext\f0 1.\tab}{\*\pn\pnlvlbody\pndec{\pntxta .}}three\par\pard plain})",
         u"(bullet)one | (number)two | (number)three | plain"_qs},
        {"special characters", R"({\rtf1\ldblquote a\rdblquote\lquote b\rquote\endash\emdash\bullet})",
         u"“a”‘b’–—•"_qs},
        {"PNG picture in hex at its goal size",
         "{\\rtf1{\\*\\shppict{\\pict\\pngblip\\picwgoal300\\pichgoal450 " + png.toHex()
             + "}}{\\nonshppict{\\pict\\wmetafile8 0102}}x}",
         u"<img 300x450>x"_qs},
        {"PNG picture in \\bin, scaled",
         "{\\rtf1{\\pict\\pngblip\\picscalex50\\picwgoal300\\pichgoal450\\bin" + QByteArray::number(png.size())
             + ' ' + png + "}x}",
         u"<img 150x450>x"_qs},
        {"other pictures are skipped", R"({\rtf1{\pict\wmetafile8\picwgoal300 0102}{\pict\pngblip 00ff}x})",
         u"x"_qs},
    };
}

QString fixture(const char *name)
{
    return qEnvironmentVariable("SOMNAR_SOURCE_DIR") + u"/tests/article/data/rtf/"_qs + QLatin1String(name);
}

}

TEST(RtfReader, FollowsEachRule)
{
    for (const Case &c : cases())
        EXPECT_EQ(DescribeRtf(ReadRtf(c.rtf)).toStdString(), c.expected.toStdString()) << c.rule;
}

TEST(RtfReader, ReadsFilesOfWordProcessors)
{
    const std::pair<const char *, QString> files[] = {
        {"libreoffice-style.rtf",
         u"(center)<b 16pt Liberation Sans:Сон> | (justify)<12pt Liberation Sans:Видеть >"
         u"<i #800000 12pt Liberation Sans:сны><12pt Liberation Sans: — мир.>"_qs},
        {"word-1251.rtf",
         u"<b 14pt Arial:Приметы снов> | (bullet li720 fi-360)<12pt Arial:вода> | "
         u"(bullet li720 fi-360)<12pt Arial:огонь “><#0000ff 12pt Arial:костёр><12pt Arial:”> | "
         u"<u #0000ff 12pt Arial:ссылка>"_qs},
        {"raw-bytes.rtf", u"<b Arial:Сон><Arial: и явь>"_qs},
    };
    for (const auto &[name, expected] : files)
        EXPECT_EQ(DescribeRtf(ReadRtfFile(fixture(name))).toStdString(), expected.toStdString()) << name;
}

TEST(RtfReader, TextWithoutHeaderIsPlainText)
{
    EXPECT_EQ(DescribeRtf(ReadRtf(u"Сон\r\n\r\n{явь}\n"_qs.toUtf8())), u"Сон |  | {явь}"_qs);
    EXPECT_EQ(DescribeRtf(ReadRtf("\xEF\xBB\xBF\xd0\xb0")), u"а"_qs);
    EXPECT_EQ(DescribeRtf(ReadRtf("\xd1\xee\xed \\b")), u"Сон \\b"_qs);  // not UTF-8: Windows-1251
    EXPECT_TRUE(ReadRtf("").paragraphs.empty());
}

TEST(RtfReader, PlainTextHasParagraphsAndLineBreaks)
{
    EXPECT_EQ(ReadRtf(R"({\rtf1 a\line b\par{\b c}\par})").plainText(), u"a\nb\nc\n"_qs);
}

TEST(RtfReader, RefusesWhatItCannotRead)
{
    EXPECT_THROW(ReadRtfFile(fixture("no-such-file.rtf")), RtfError);
    EXPECT_THROW(ReadRtf(QByteArray(kRtfMaxBytes + 1, ' ')), RtfError);
}
