#include "diary/diaryexport.h"

#include <QFile>
#include <QLocale>
#include <QSaveFile>
#include <QStringList>

namespace somnar::diary {

namespace {

const QString kTextTitle = QStringLiteral("Дневник снов");
const QString kEntryMark = QStringLiteral("=== ");
const QString kMomentFormat = QStringLiteral("yyyy-MM-ddTHH:mm:ss");
const QString kMomentField = QStringLiteral("Время сна");
const QString kTitleField = QStringLiteral("Название");
const QString kVividnessField = QStringLiteral("Яркость");
const QString kTagsField = QStringLiteral("Метки");
const QString kCreatedField = QStringLiteral("Записано");
const QString kChangedField = QStringLiteral("Изменено");

QString ShownMoment(const QDateTime &moment)
{
    return QLocale(QLocale::Russian).toString(moment, QStringLiteral("d MMMM yyyy, HH:mm"));
}

QString Stars(int vividness)
{
    return QString(vividness, QChar(0x2605)) + QString(kMostVividness - vividness, QChar(0x2606));
}

QString OneLine(const QString &text)
{
    return QString(text).replace(u'\n', u' ').replace(u'\r', u' ');
}

// A text line that could be read as the start of an entry, or that begins with the escape
// itself, gets a backslash in front.
QString EscapedLine(const QString &line)
{
    return line.startsWith(kEntryMark.trimmed()) || line.startsWith(u'\\') ? u'\\' + line : line;
}

QString UnescapedLine(const QString &line)
{
    return line.startsWith(u'\\') ? line.mid(1) : line;
}

QString Field(const QString &name, const QString &value)
{
    return name + QStringLiteral(": ") + value + u'\n';
}

}

QString EntriesToHtml(const QList<DiaryEntry> &entries)
{
    QString html = QStringLiteral(
        "<!DOCTYPE html>\n<html lang=\"ru\">\n<head>\n<meta charset=\"utf-8\">\n<title>Дневник снов</title>\n"
        "<style>\nbody { font-family: serif; max-width: 42em; margin: 2em auto; line-height: 1.5; }\n"
        "article { border-top: 1px solid #bbb; padding-top: 1em; margin-top: 1.5em; }\n"
        ".about { color: #555; font-size: 90%; }\n.text { white-space: pre-wrap; }\n</style>\n</head>\n<body>\n"
        "<h1>Дневник снов</h1>\n");
    for (const DiaryEntry &entry : entries) {
        html += QStringLiteral("<article>\n<h2>%1</h2>\n").arg(OneLine(entry.title).toHtmlEscaped());
        QString about = ShownMoment(entry.moment) + QStringLiteral(" · яркость ") + Stars(BoundedVividness(entry.vividness));
        if (!entry.tags.isEmpty())
            about += QStringLiteral(" · метки: ") + TagsToText(entry.tags);
        html += QStringLiteral("<p class=\"about\">%1</p>\n").arg(about.toHtmlEscaped());
        html += QStringLiteral("<div class=\"text\">%1</div>\n</article>\n").arg(entry.text.toHtmlEscaped());
    }
    html += QStringLiteral("</body>\n</html>\n");
    return html;
}

QString EntriesToText(const QList<DiaryEntry> &entries)
{
    QString text = kTextTitle + u'\n' + QStringLiteral("Записей: %1\n\n").arg(entries.size());
    for (const DiaryEntry &entry : entries) {
        text += kEntryMark + ShownMoment(entry.moment) + QStringLiteral(" — ") + OneLine(entry.title) + u'\n';
        text += Field(kMomentField, entry.moment.toString(kMomentFormat));
        text += Field(kTitleField, OneLine(entry.title));
        text += Field(kVividnessField, QString::number(BoundedVividness(entry.vividness)));
        text += Field(kTagsField, TagsToText(entry.tags));
        text += Field(kCreatedField, entry.created.toUTC().toString(Qt::ISODateWithMs));
        text += Field(kChangedField, entry.changed.toUTC().toString(Qt::ISODateWithMs));
        text += u'\n';
        for (const QString &line : entry.text.split(u'\n'))
            text += EscapedLine(line) + u'\n';
        text += u'\n';
    }
    return text;
}

bool ExportEntries(const QList<DiaryEntry> &entries, ExportFormat format, const QString &path, QString *error)
{
    const QString content = format == ExportFormat::Html ? EntriesToHtml(entries) : EntriesToText(entries);
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(content.toUtf8()) < 0 || !file.commit()) {
        if (error)
            *error = QStringLiteral("Не удалось записать файл «%1»: %2.").arg(path, file.errorString());
        return false;
    }
    return true;
}

namespace {

// Reads the entries after the title lines; the line numbers in errors count from 1.
class TextReader {
public:
    explicit TextReader(QStringList lines) : m_lines(std::move(lines)) {}

    ImportResult read()
    {
        ImportResult result;
        if (m_lines.isEmpty() || m_lines[0].trimmed() != kTextTitle)
            return failure(QStringLiteral("Файл не похож на выгрузку дневника: в первой строке нет «%1».").arg(kTextTitle));
        for (m_next = 1; m_next < m_lines.size() && !m_lines[m_next].startsWith(kEntryMark);)
            ++m_next;
        while (m_next < m_lines.size()) {
            DiaryEntry entry;
            if (!readEntry(entry))
                return failure(m_error);
            result.entries << entry;
        }
        return result;
    }

private:
    ImportResult failure(const QString &error) const { return {{}, error}; }

    bool fail(qsizetype line, const QString &what)
    {
        m_error = QStringLiteral("Строка %1: %2").arg(line + 1).arg(what);
        return false;
    }

    bool readEntry(DiaryEntry &entry)
    {
        ++m_next;  // the entry's heading
        bool hasMoment = false;
        for (; m_next < m_lines.size() && !m_lines[m_next].isEmpty(); ++m_next) {
            const QString &line = m_lines[m_next];
            const qsizetype colon = line.indexOf(QStringLiteral(": "));
            if (colon < 0)
                return fail(m_next, QStringLiteral("ожидалось «Название: значение», а записано «%1».").arg(line));
            const QString name = line.left(colon);
            const QString value = line.mid(colon + 2);
            if (name == kMomentField) {
                entry.moment = QDateTime::fromString(value, kMomentFormat);
                if (!entry.moment.isValid())
                    return fail(m_next, QStringLiteral("непонятное время сна «%1».").arg(value));
                hasMoment = true;
            } else if (name == kTitleField) {
                entry.title = value;
            } else if (name == kVividnessField) {
                bool ok = false;
                entry.vividness = value.toInt(&ok);
                if (!ok || entry.vividness != BoundedVividness(entry.vividness))
                    return fail(m_next, QStringLiteral("яркость должна быть числом от 1 до 5, а записано «%1».").arg(value));
            } else if (name == kTagsField) {
                entry.tags = TagsFromText(value);
            } else if (name == kCreatedField) {
                entry.created = QDateTime::fromString(value, Qt::ISODateWithMs).toLocalTime();
            } else if (name == kChangedField) {
                entry.changed = QDateTime::fromString(value, Qt::ISODateWithMs).toLocalTime();
            }
        }
        if (!hasMoment)
            return fail(m_next - 1, QStringLiteral("у записи нет строки «%1».").arg(kMomentField));
        ++m_next;  // the empty line before the text
        QStringList text;
        for (; m_next < m_lines.size() && !m_lines[m_next].startsWith(kEntryMark); ++m_next)
            text << UnescapedLine(m_lines[m_next]);
        // The exporter ends every text with one empty line.
        if (!text.isEmpty() && text.last().isEmpty())
            text.removeLast();
        entry.text = text.join(u'\n');
        return true;
    }

    QStringList m_lines;
    qsizetype m_next = 0;
    QString m_error;
};

}

ImportResult ImportText(const QString &content)
{
    QStringList lines = content.split(u'\n');
    if (content.endsWith(u'\n'))
        lines.removeLast();
    // A file an editor turned to CR LF loses one CR a line; a CR the text itself holds stays.
    if (!lines.isEmpty() && lines[0].endsWith(u'\r')) {
        for (QString &line : lines) {
            if (line.endsWith(u'\r'))
                line.chop(1);
        }
    }
    if (!lines.isEmpty() && lines[0].startsWith(QChar(0xFEFF)))
        lines[0].remove(0, 1);
    return TextReader(lines).read();
}

ImportResult ImportTextFile(const QString &path)
{
    // Far beyond any diary (10,000 dreams make 30 MB), short of what memory may refuse.
    constexpr qint64 kLargestImport = 512 * 1024 * 1024;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {{}, QStringLiteral("Не удалось открыть файл «%1»: %2.").arg(path, file.errorString())};
    if (file.size() > kLargestImport)
        return {{}, QStringLiteral("Файл «%1» слишком велик для выгрузки дневника; он не прочитан.").arg(path)};
    ImportResult result = ImportText(QString::fromUtf8(file.readAll()));
    if (!result.error.isEmpty())
        result.error = QStringLiteral("Файл «%1» не прочитан. %2").arg(path, result.error);
    return result;
}

}
