#include "article/rtf/rtfreader.h"

#include "text/codepage.h"
#include "article/rtf/rtfcodepage.h"
#include "article/rtf/rtfwords.h"

#include <QFile>
#include <QStringDecoder>

#include <algorithm>
#include <climits>
#include <map>
#include <utility>

namespace somnar {

namespace {

enum class Dest : unsigned char { Text, Skip, FontTable, ColorTable, ListText, Picture };

struct ParagraphState {
    RtfAlign align = RtfAlign::Left;
    bool listMember = false;  // \lsN
    int leftIndent = 0;
    int rightIndent = 0;
    int firstIndent = 0;
    int spaceBefore = 0;
    int spaceAfter = 0;
};

struct GroupState {
    bool bold = false;
    bool italic = false;
    bool underline = false;
    bool strike = false;
    bool hidden = false;
    int color = 0;       // colour table index; 0 and unknown indexes are automatic
    int background = 0;
    int halfPoints = 0;  // 0: none set
    int font = -1;
    int uc = 1;
    Dest dest = Dest::Text;
    bool ownsDest = false;  // this group started its destination
    ParagraphState para;
};

struct FontEntry {
    QString name;
    int codePage = 0;
};

enum class PictureKind { Other, Png, Jpeg };

struct Picture {
    PictureKind kind = PictureKind::Other;
    int goalWidth = 0;
    int goalHeight = 0;
    int scaleX = 100;
    int scaleY = 100;
    QByteArray data;
    int pendingNibble = -1;
};

int hexValue(unsigned char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

bool isLetter(unsigned char c)
{
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}

bool isPlainTextByte(unsigned char c)
{
    return c >= 0x20 && c < 0x80 && c != '\\' && c != '{' && c != '}';
}

int clampTwips(long long value)
{
    return int(std::clamp<long long>(value, -31680, 31680));
}

class RtfParser {
public:
    explicit RtfParser(QByteArrayView bytes)
        : m_data(reinterpret_cast<const unsigned char *>(bytes.data()))
        , m_size(bytes.size())
    {
        m_stack.reserve(64);
        m_stack.emplace_back();
    }

    RtfDocument parse()
    {
        while (m_pos < m_size) {
            const unsigned char c = m_data[m_pos];
            if (c == '{') {
                ++m_pos;
                openGroup();
            } else if (c == '}') {
                ++m_pos;
                closeGroup();
            } else if (c == '\\') {
                ++m_pos;
                controlSequence();
            } else {
                textBytes();
            }
        }
        flushBytes();
        if (!m_paragraph.runs.empty())
            endParagraph(state().para);
        return std::move(m_document);
    }

private:
    GroupState &state() { return m_stack.back(); }

    void openGroup()
    {
        flushBytes();
        if (int(m_stack.size()) >= kRtfMaxDepth) {
            ++m_excessDepth;
            return;
        }
        GroupState copy = state();
        copy.ownsDest = false;
        m_stack.push_back(copy);
    }

    void closeGroup()
    {
        flushBytes();
        m_skip = 0;
        if (m_excessDepth > 0) {
            --m_excessDepth;
            return;
        }
        if (m_stack.size() <= 1)
            return;  // an unbalanced "}" closes nothing
        const GroupState closed = state();
        // The last paragraph may lack its \par: it ends with the document's group.
        if (m_stack.size() == 2 && !m_paragraph.runs.empty())
            endParagraph(closed.para);
        m_stack.pop_back();
        if (!closed.ownsDest)
            return;
        if (closed.dest == Dest::Picture)
            finishPicture();
        else if (closed.dest == Dest::ListText)
            finishListText();
        else if (closed.dest == Dest::FontTable)
            finishFontName();
    }

    void setDest(Dest dest)
    {
        state().dest = dest;
        state().ownsDest = true;
    }

    // Plain text bytes up to the next control character.
    void textBytes()
    {
        const Dest dest = state().dest;
        if (dest == Dest::Picture) {
            while (m_pos < m_size && m_data[m_pos] != '\\' && m_data[m_pos] != '{' && m_data[m_pos] != '}')
                pictureHex(m_data[m_pos++]);
            return;
        }
        const unsigned char c = m_data[m_pos];
        if (c == '\r' || c == '\n' || (c < 0x20 && c != '\t')) {
            ++m_pos;
            return;
        }
        if (m_skip > 0) {
            --m_skip;
            ++m_pos;
            return;
        }
        if (c == '\t') {
            ++m_pos;
            appendText(QStringLiteral("\t"));
            return;
        }
        if (c >= 0x80) {
            ++m_pos;
            appendByte(c);
            return;
        }
        const qsizetype start = m_pos;
        while (m_pos < m_size && isPlainTextByte(m_data[m_pos]))
            ++m_pos;
        if (dest == Dest::ColorTable) {
            for (qsizetype i = start; i < m_pos; ++i) {
                if (m_data[i] == ';')
                    finishColor();
            }
            return;
        }
        appendText(QString::fromLatin1(reinterpret_cast<const char *>(m_data + start), m_pos - start));
    }

    void controlSequence()
    {
        if (m_pos >= m_size)
            return;
        const unsigned char c = m_data[m_pos];
        if (!isLetter(c)) {
            ++m_pos;
            controlSymbol(c);
            return;
        }
        const qsizetype start = m_pos;
        while (m_pos < m_size && isLetter(m_data[m_pos]))
            ++m_pos;
        const std::string_view name(reinterpret_cast<const char *>(m_data + start),
                                    size_t(std::min<qsizetype>(m_pos - start, 32)));
        bool hasParam = false;
        long long param = 0;
        bool negative = false;
        if (m_pos + 1 < m_size && m_data[m_pos] == '-' && m_data[m_pos + 1] >= '0' && m_data[m_pos + 1] <= '9') {
            negative = true;
            ++m_pos;
        }
        while (m_pos < m_size && m_data[m_pos] >= '0' && m_data[m_pos] <= '9') {
            hasParam = true;
            param = std::min<long long>(param * 10 + (m_data[m_pos] - '0'), 1LL << 40);
            ++m_pos;
        }
        if (negative)
            param = -param;
        if (m_pos < m_size && m_data[m_pos] == ' ')
            ++m_pos;
        const RtfWord word = LookUpRtfWord(name);
        if (word == RtfWord::Bin) {
            binary(param);
            return;
        }
        const bool starred = std::exchange(m_starred, false);
        if (m_skip > 0) {
            --m_skip;
            return;
        }
        if (starred && word == RtfWord::Unknown) {
            setDest(Dest::Skip);
            return;
        }
        controlWord(word, name, hasParam, param);
    }

    void controlSymbol(unsigned char c)
    {
        if (c == '\'') {
            // Up to two hex digits; a file cut after one digit loses that digit.
            int value = 0;
            int digits = 0;
            while (digits < 2 && m_pos < m_size && hexValue(m_data[m_pos]) >= 0) {
                value = value * 16 + hexValue(m_data[m_pos++]);
                ++digits;
            }
            if (m_skip > 0) {
                --m_skip;
                return;
            }
            if (digits == 2)
                appendByte(static_cast<unsigned char>(value));
            return;
        }
        if (c == '*') {
            m_starred = true;
            return;
        }
        if (m_skip > 0) {
            --m_skip;
            return;
        }
        switch (c) {
        case '\\': case '{': case '}':
            appendText(QString(QChar(c)));
            break;
        case '~': appendText(QString(QChar::Nbsp)); break;
        case '-': appendText(QString(QChar(0x00AD))); break;
        case '_': appendText(QString(QChar(0x2011))); break;
        case '\r': case '\n': paragraphBreak(); break;
        case '\t': appendText(QStringLiteral("\t")); break;
        default: break;
        }
    }

    void binary(long long count)
    {
        const qsizetype n = qsizetype(std::clamp<long long>(count, 0, m_size - m_pos));
        if (state().dest == Dest::Picture)
            m_picture.data.append(reinterpret_cast<const char *>(m_data + m_pos), n);
        m_pos += n;
        m_starred = false;
        if (m_skip > 0)
            --m_skip;
    }

    void controlWord(RtfWord word, std::string_view name, bool hasParam, long long param)
    {
        GroupState &s = state();
        const bool on = !hasParam || param != 0;
        const int value = int(std::clamp<long long>(param, INT_MIN / 2, INT_MAX / 2));
        switch (word) {
        case RtfWord::Unknown:
            // Underline kinds (\uld, \ulw, \uldb, ...) all show as one underline.
            if (name.starts_with("ul") && !name.starts_with("ulc")) {
                flushBytes();
                s.underline = on;
            }
            break;
        case RtfWord::Ansi: m_codePage = 1252; break;
        case RtfWord::Mac: m_codePage = 10000; break;
        case RtfWord::Pc: m_codePage = 437; break;
        case RtfWord::Pca: m_codePage = 850; break;
        case RtfWord::AnsiCpg:
            if (value > 0)
                m_codePage = value;
            break;
        case RtfWord::Deff:
            m_defaultFont = value;
            if (s.font < 0)
                s.font = value;
            break;
        case RtfWord::Uc: s.uc = std::clamp(value, 0, 16); break;
        case RtfWord::U: unicode(value); break;
        case RtfWord::FontTable: setDest(Dest::FontTable); break;
        case RtfWord::ColorTable: setDest(Dest::ColorTable); break;
        case RtfWord::Skip: setDest(Dest::Skip); break;
        case RtfWord::Read: break;
        case RtfWord::ListText:
            m_listText.clear();
            setDest(Dest::ListText);
            break;
        case RtfWord::Pict:
            if (s.dest != Dest::Picture) {
                m_picture = Picture();
                setDest(Dest::Picture);
            }
            break;
        case RtfWord::PngBlip: m_picture.kind = PictureKind::Png; break;
        case RtfWord::JpegBlip: m_picture.kind = PictureKind::Jpeg; break;
        case RtfWord::PicWGoal: m_picture.goalWidth = clampTwips(param); break;
        case RtfWord::PicHGoal: m_picture.goalHeight = clampTwips(param); break;
        case RtfWord::PicScaleX: m_picture.scaleX = std::clamp(value, 1, 1000); break;
        case RtfWord::PicScaleY: m_picture.scaleY = std::clamp(value, 1, 1000); break;
        case RtfWord::Font:
            if (s.dest == Dest::FontTable) {
                finishFontName();
                m_fontInTable = value;
                m_fonts[value];
            } else {
                flushBytes();
                s.font = value;
            }
            break;
        case RtfWord::Charset:
            if (s.dest == Dest::FontTable)
                m_fonts[m_fontInTable].codePage = CodePageOfCharset(value);
            break;
        case RtfWord::CodePage:
            if (s.dest == Dest::FontTable && value > 0)
                m_fonts[m_fontInTable].codePage = value;
            break;
        case RtfWord::Red: m_red = std::clamp(value, 0, 255); m_colorSet = true; break;
        case RtfWord::Green: m_green = std::clamp(value, 0, 255); m_colorSet = true; break;
        case RtfWord::Blue: m_blue = std::clamp(value, 0, 255); m_colorSet = true; break;
        case RtfWord::Bold: flushBytes(); s.bold = on; break;
        case RtfWord::Italic: flushBytes(); s.italic = on; break;
        case RtfWord::Underline: flushBytes(); s.underline = on; break;
        case RtfWord::UnderlineNone: flushBytes(); s.underline = false; break;
        case RtfWord::Strike: flushBytes(); s.strike = on; break;
        case RtfWord::Hidden: flushBytes(); s.hidden = on; break;
        case RtfWord::Color: flushBytes(); s.color = value; break;
        case RtfWord::Background: flushBytes(); s.background = value; break;
        case RtfWord::FontSize: flushBytes(); s.halfPoints = value > 0 ? std::clamp(value, 2, 3276) : 24; break;
        case RtfWord::Plain: {
            flushBytes();
            GroupState plain;
            plain.font = m_defaultFont;
            plain.uc = s.uc;
            plain.dest = s.dest;
            plain.ownsDest = s.ownsDest;
            plain.para = s.para;
            s = plain;
            break;
        }
        case RtfWord::Pard: s.para = ParagraphState(); break;
        case RtfWord::Par: paragraphBreak(); break;
        case RtfWord::Line: appendText(QStringLiteral("\n")); break;
        case RtfWord::Tab: appendText(QStringLiteral("\t")); break;
        case RtfWord::AlignLeft: s.para.align = RtfAlign::Left; break;
        case RtfWord::AlignRight: s.para.align = RtfAlign::Right; break;
        case RtfWord::AlignCenter: s.para.align = RtfAlign::Center; break;
        case RtfWord::AlignJustify: s.para.align = RtfAlign::Justify; break;
        case RtfWord::LeftIndent: s.para.leftIndent = clampTwips(param); break;
        case RtfWord::RightIndent: s.para.rightIndent = clampTwips(param); break;
        case RtfWord::FirstIndent: s.para.firstIndent = clampTwips(param); break;
        case RtfWord::SpaceBefore: s.para.spaceBefore = clampTwips(param); break;
        case RtfWord::SpaceAfter: s.para.spaceAfter = clampTwips(param); break;
        case RtfWord::ListId: s.para.listMember = value > 0; break;
        case RtfWord::Bin: break;
        case RtfWord::Special: appendText(SpecialCharacter(name)); break;
        }
    }

    void unicode(long long value)
    {
        char16_t unit = char16_t(value < 0 ? value + 65536 : value);
        m_skip = state().uc;
        if (QChar::isHighSurrogate(unit)) {
            flushBytes();
            m_highSurrogate = unit;
            return;
        }
        if (unit < 0x20 && unit != u'\t') {
            m_highSurrogate = 0;
            return;
        }
        QString text;
        if (QChar::isLowSurrogate(unit)) {
            if (!m_highSurrogate)
                unit = QChar::ReplacementCharacter;
            else
                text += QChar(m_highSurrogate);
        }
        m_highSurrogate = 0;
        text += QChar(unit);
        appendText(text);
    }

    int currentCodePage() const
    {
        if (m_stack.back().dest == Dest::FontTable)
            return m_codePage;
        const auto font = m_fonts.find(m_stack.back().font);
        if (font != m_fonts.end() && font->second.codePage != 0)
            return font->second.codePage;
        return m_codePage;
    }

    void appendByte(unsigned char byte)
    {
        const Dest dest = state().dest;
        if (dest != Dest::Text && dest != Dest::ListText && dest != Dest::FontTable)
            return;
        const int codePage = currentCodePage();
        if (!m_bytes.isEmpty() && codePage != m_bytesCodePage)
            flushBytes();
        m_bytesCodePage = codePage;
        m_bytes.append(char(byte));
    }

    void flushBytes()
    {
        if (m_bytes.isEmpty())
            return;
        const QString text = m_decoder.decode(m_bytesCodePage, m_bytes);
        m_bytes.clear();
        appendDecoded(text);
    }

    void appendText(const QString &text)
    {
        flushBytes();
        appendDecoded(text);
    }

    void appendDecoded(const QString &text)
    {
        if (m_highSurrogate) {
            m_highSurrogate = 0;
            appendDecoded(QString(QChar::ReplacementCharacter));
        }
        const GroupState &s = state();
        switch (s.dest) {
        case Dest::Text:
            if (!s.hidden)
                appendRun(text);
            break;
        case Dest::FontTable:
            for (const QChar ch : text) {
                if (ch == u';')
                    finishFontName();
                else
                    m_fontName += ch;
            }
            break;
        case Dest::ListText:
            m_listText += text;
            break;
        default:
            break;
        }
    }

    std::optional<QRgb> tableColor(int index) const
    {
        if (index <= 0 || index >= int(m_colors.size()))
            return std::nullopt;
        return m_colors[size_t(index)];
    }

    RtfCharFormat currentFormat() const
    {
        const GroupState &s = m_stack.back();
        RtfCharFormat f;
        f.bold = s.bold;
        f.italic = s.italic;
        f.underline = s.underline;
        f.strike = s.strike;
        f.color = tableColor(s.color);
        f.background = tableColor(s.background);
        if (s.halfPoints > 0)
            f.halfPoints = s.halfPoints;
        const auto font = m_fonts.find(s.font);
        if (font != m_fonts.end())
            f.family = font->second.name;
        return f;
    }

    void appendRun(const QString &text)
    {
        if (text.isEmpty())
            return;
        RtfCharFormat format = currentFormat();
        std::vector<RtfRun> &runs = m_paragraph.runs;
        if (!runs.empty() && runs.back().image.isNull() && runs.back().format == format) {
            runs.back().text += text;
            return;
        }
        runs.push_back(RtfRun{text, std::move(format), {}, 0, 0});
    }

    void paragraphBreak()
    {
        flushBytes();
        if (state().dest != Dest::Text)
            return;
        endParagraph(state().para);
    }

    void endParagraph(const ParagraphState &p)
    {
        m_paragraph.align = p.align;
        m_paragraph.leftIndent = p.leftIndent;
        m_paragraph.rightIndent = p.rightIndent;
        m_paragraph.firstIndent = p.firstIndent;
        m_paragraph.spaceBefore = p.spaceBefore;
        m_paragraph.spaceAfter = p.spaceAfter;
        if (m_listKind != RtfList::None)
            m_paragraph.list = m_listKind;
        else if (p.listMember)
            m_paragraph.list = RtfList::Bullet;
        m_document.paragraphs.push_back(std::move(m_paragraph));
        m_paragraph = RtfParagraph();
        m_listKind = RtfList::None;
    }

    void finishListText()
    {
        const QString marker = m_listText.trimmed();
        const bool numbered = std::any_of(marker.begin(), marker.end(), [](QChar ch) { return ch.isDigit(); })
            || (marker.size() >= 2 && (marker.endsWith(u'.') || marker.endsWith(u')')));
        m_listKind = numbered ? RtfList::Number : RtfList::Bullet;
        m_listText.clear();
    }

    void finishFontName()
    {
        const QString name = m_fontName.trimmed();
        m_fontName.clear();
        if (!name.isEmpty() && m_fonts[m_fontInTable].name.isEmpty())
            m_fonts[m_fontInTable].name = name;
    }

    void finishColor()
    {
        m_colors.push_back(m_colorSet ? std::optional<QRgb>(qRgb(m_red, m_green, m_blue)) : std::nullopt);
        m_red = m_green = m_blue = 0;
        m_colorSet = false;
    }

    void pictureHex(unsigned char c)
    {
        const int nibble = hexValue(c);
        if (nibble < 0)
            return;
        if (m_picture.pendingNibble < 0) {
            m_picture.pendingNibble = nibble;
            return;
        }
        m_picture.data.append(char(m_picture.pendingNibble * 16 + nibble));
        m_picture.pendingNibble = -1;
    }

    void finishPicture()
    {
        Picture picture = std::move(m_picture);
        m_picture = Picture();
        if (picture.kind == PictureKind::Other || state().dest != Dest::Text)
            return;
        QImage image;
        if (!image.loadFromData(picture.data, picture.kind == PictureKind::Png ? "PNG" : "JPEG") || image.isNull())
            return;
        const int width = picture.goalWidth > 0 ? picture.goalWidth : image.width() * 15;
        const int height = picture.goalHeight > 0 ? picture.goalHeight : image.height() * 15;
        RtfRun run;
        run.image = image;
        run.widthTwips = clampTwips(qint64(width) * picture.scaleX / 100);
        run.heightTwips = clampTwips(qint64(height) * picture.scaleY / 100);
        m_paragraph.runs.push_back(std::move(run));
    }

    const unsigned char *m_data;
    qsizetype m_size;
    qsizetype m_pos = 0;
    std::vector<GroupState> m_stack;
    int m_excessDepth = 0;
    bool m_starred = false;
    int m_skip = 0;  // fallback characters still to skip after \u
    char16_t m_highSurrogate = 0;

    int m_codePage = 1252;
    int m_defaultFont = -1;
    CodePageDecoder m_decoder;
    QByteArray m_bytes;
    int m_bytesCodePage = 1252;

    std::map<int, FontEntry> m_fonts;
    int m_fontInTable = 0;
    QString m_fontName;
    std::vector<std::optional<QRgb>> m_colors;
    int m_red = 0, m_green = 0, m_blue = 0;
    bool m_colorSet = false;
    QString m_listText;
    RtfList m_listKind = RtfList::None;
    Picture m_picture;

    RtfParagraph m_paragraph;
    RtfDocument m_document;
};

bool hasRtfHeader(QByteArrayView bytes)
{
    qsizetype i = 0;
    while (i < bytes.size() && (bytes[i] == ' ' || bytes[i] == '\t' || bytes[i] == '\r' || bytes[i] == '\n'))
        ++i;
    return bytes.sliced(i).startsWith("{\\rtf");
}

RtfDocument readPlainText(QByteArrayView bytes)
{
    if (bytes.isEmpty())
        return {};
    if (bytes.startsWith("\xEF\xBB\xBF"))
        bytes = bytes.sliced(3);
    QStringDecoder utf8(QStringConverter::Utf8, QStringConverter::Flag::Stateless);
    QString text = utf8.decode(bytes);
    if (utf8.hasError())
        text = decodeCp1251(bytes);
    text.remove(u'\r');
    RtfDocument document;
    const QStringList lines = text.split(u'\n');
    for (qsizetype i = 0; i < lines.size(); ++i) {
        if (i == lines.size() - 1 && lines[i].isEmpty() && i > 0)
            break;  // the final line break ends the last paragraph
        RtfParagraph paragraph;
        if (!lines[i].isEmpty())
            paragraph.runs.push_back(RtfRun{lines[i], {}, {}, 0, 0});
        document.paragraphs.push_back(std::move(paragraph));
    }
    return document;
}

}

QString RtfDocument::plainText() const
{
    QString text;
    for (const RtfParagraph &paragraph : paragraphs) {
        for (const RtfRun &run : paragraph.runs)
            text += run.text;
        text += u'\n';
    }
    return text;
}

RtfDocument ReadRtf(QByteArrayView bytes)
{
    if (bytes.size() > kRtfMaxBytes)
        throw RtfError(QStringLiteral("Документ больше 64 МБ.").toStdString());
    if (!hasRtfHeader(bytes))
        return readPlainText(bytes);
    return RtfParser(bytes).parse();
}

RtfDocument ReadRtfFile(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        throw RtfError(QStringLiteral("Не удалось открыть файл %1: %2").arg(path, file.errorString()).toStdString());
    if (file.size() > kRtfMaxBytes)
        throw RtfError(QStringLiteral("Файл %1 больше 64 МБ.").arg(path).toStdString());
    const QByteArray bytes = file.read(kRtfMaxBytes + 1);
    if (file.error() != QFileDevice::NoError)
        throw RtfError(QStringLiteral("Не удалось прочитать файл %1: %2").arg(path, file.errorString()).toStdString());
    return ReadRtf(bytes);
}

}
