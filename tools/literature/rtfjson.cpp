#include "rtfjson.h"

#include <QColor>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

namespace somnar {

namespace {

QString alignName(RtfAlign align)
{
    switch (align) {
    case RtfAlign::Right: return QStringLiteral("right");
    case RtfAlign::Center: return QStringLiteral("center");
    case RtfAlign::Justify: return QStringLiteral("justify");
    case RtfAlign::Left: break;
    }
    return QStringLiteral("left");
}

QJsonObject runObject(const RtfRun &run)
{
    const RtfCharFormat &f = run.format;
    return QJsonObject{
        {QStringLiteral("text"), run.text},
        {QStringLiteral("bold"), f.bold},
        {QStringLiteral("italic"), f.italic},
        {QStringLiteral("underline"), f.underline},
        {QStringLiteral("color"), f.color ? QJsonValue(QColor(*f.color).name()) : QJsonValue(QJsonValue::Null)},
        {QStringLiteral("size_pt"), f.halfPoints.value_or(24) / 2.0},
    };
}

}

QByteArray RtfToJson(const RtfDocument &document)
{
    QJsonArray paragraphs;
    for (const RtfParagraph &paragraph : document.paragraphs) {
        QJsonArray runs;
        for (const RtfRun &run : paragraph.runs) {
            if (run.image.isNull())
                runs.append(runObject(run));
        }
        paragraphs.append(QJsonObject{
            {QStringLiteral("align"), alignName(paragraph.align)},
            {QStringLiteral("list"), paragraph.list != RtfList::None},
            {QStringLiteral("runs"), runs},
        });
    }
    return QJsonDocument(QJsonObject{{QStringLiteral("paragraphs"), paragraphs}}).toJson(QJsonDocument::Compact) + '\n';
}

}
