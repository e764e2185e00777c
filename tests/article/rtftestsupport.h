#pragma once

#include "article/rtf/rtfdocument.h"

#include <QColor>
#include <QStringList>

namespace somnar::test {

// A compact picture of what the reader made: paragraphs joined by " | ", each with its
// non-default properties in parentheses, and every formatted run as <marks:text>.
inline QString DescribeRtf(const RtfDocument &document)
{
    static const char *const aligns[] = {"", "right", "center", "justify"};
    QStringList paragraphs;
    for (const RtfParagraph &p : document.paragraphs) {
        QStringList props;
        if (p.align != RtfAlign::Left)
            props << QString::fromLatin1(aligns[int(p.align)]);
        if (p.list != RtfList::None)
            props << (p.list == RtfList::Bullet ? u"bullet"_qs : u"number"_qs);
        const std::pair<const char *, int> distances[] = {{"li", p.leftIndent}, {"ri", p.rightIndent},
            {"fi", p.firstIndent}, {"sb", p.spaceBefore}, {"sa", p.spaceAfter}};
        for (const auto &[name, value] : distances) {
            if (value != 0)
                props << QString::fromLatin1(name) + QString::number(value);
        }
        QString text = props.isEmpty() ? QString() : u'(' + props.join(u' ') + u')';
        for (const RtfRun &run : p.runs) {
            if (!run.image.isNull()) {
                text += QStringLiteral("<img %1x%2>").arg(run.widthTwips).arg(run.heightTwips);
                continue;
            }
            const RtfCharFormat &f = run.format;
            QStringList marks;
            if (f.bold) marks << u"b"_qs;
            if (f.italic) marks << u"i"_qs;
            if (f.underline) marks << u"u"_qs;
            if (f.strike) marks << u"s"_qs;
            if (f.color) marks << QColor(*f.color).name();
            if (f.background) marks << u"bg"_qs + QColor(*f.background).name();
            if (f.halfPoints) marks << QString::number(*f.halfPoints / 2.0) + u"pt"_qs;
            if (!f.family.isEmpty()) marks << f.family;
            text += marks.isEmpty() ? run.text : u'<' + marks.join(u' ') + u':' + run.text + u'>';
        }
        paragraphs << text;
    }
    return paragraphs.join(u" | "_qs);
}

}
