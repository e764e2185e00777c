#include "diary/window/diaryreadingtext.h"

#include "calendar/calendartexts.h"

#include <QSet>

namespace somnar::diary {

namespace {

const QString kWordScheme = QStringLiteral("word");

QString Paragraph(const QString &html)
{
    return QStringLiteral("<p>%1</p>").arg(html);
}

QString Heading(const QString &text)
{
    return QStringLiteral("<p style=\"margin-top:10px\"><b>%1</b></p>").arg(text.toHtmlEscaped());
}

QString WordsPart(const ReadingContent &content)
{
    QString html = Heading(QStringLiteral("Что объясняют сонники"));
    if (!content.booksOn)
        return html + Paragraph(QStringLiteral("Все сонники выключены. Включите хотя бы один в главном окне, "
                                               "и слова сна станут ссылками на толкования."));
    QStringList words;
    QSet<QString> seen;
    for (const WordLink &link : content.links) {
        if (seen.contains(link.headword))
            continue;
        seen.insert(link.headword);
        QUrl url;
        url.setScheme(kWordScheme);
        url.setPath(link.headword);
        words << QStringLiteral("<a href=\"%1\">%2</a>").arg(url.toString(QUrl::FullyEncoded), link.headword.toHtmlEscaped());
    }
    if (words.isEmpty())
        return html + Paragraph(QStringLiteral("В тексте пока нет слов, которые толкуют включённые сонники."));
    return html + Paragraph(words.join(QStringLiteral(", ")))
        + Paragraph(QStringLiteral("<i>Щёлкните слово, чтобы прочитать толкование.</i>"));
}

QString Reading(const QString &label, const QString &value, const QString &text)
{
    return Paragraph(QStringLiteral("<b>%1</b> %2<br>%3")
                         .arg(label.toHtmlEscaped(), value.toHtmlEscaped(), text.toHtmlEscaped()));
}

QString CalendarPart(const ReadingContent &content)
{
    QString html = Heading(content.town.isEmpty() ? QStringLiteral("Лунный календарь")
                                                  : QStringLiteral("Лунный календарь (%1)").arg(content.town));
    if (!content.calendar)
        return html + Paragraph(QStringLiteral("Для этой даты лунный календарь не рассчитывается."));
    const calendar::CalendarReading &r = *content.calendar;
    html += Reading(QStringLiteral("День недели:"), r.weekdayName, r.weekdayText);
    html += Reading(QStringLiteral("Число месяца:"), QString::number(r.day), r.dayText);
    if (r.lunarDayFound && r.lunarDay.number > 0)
        html += Reading(QStringLiteral("Лунный день:"),
                        QString::number(r.lunarDay.number) + calendar::LunarDayPeriodText(r.lunarDay.start, r.lunarDay.end),
                        r.lunarText);
    else
        html += Paragraph(QStringLiteral("<b>Лунный день:</b> для этого часа не определяется."));
    return html;
}

}

QString ReadingHtml(const ReadingContent &content)
{
    return WordsPart(content) + CalendarPart(content);
}

QString LinkedHeadword(const QUrl &link)
{
    return link.scheme() == kWordScheme ? link.path() : QString();
}

}
