#pragma once

#include <QColor>
#include <QString>

#include <optional>
#include <vector>

namespace somnar {

// The family of the two pictograms (open book on "&", pointing hand on "F"); see pictograms.h.
inline const QString kPictogramFamily = QStringLiteral("Somnar Pictograms");
inline const QString kArticleFontFamily = QStringLiteral("Arial Cyr");
inline constexpr qreal kArticleFontSize = 9;

// Attributes a range takes; unset ones keep what the characters had.
struct CharFormat {
    std::optional<bool> bold;
    std::optional<bool> italic;
    std::optional<bool> underline;
    std::optional<QColor> color;
    std::optional<QString> fontFamily;
    std::optional<qreal> pointSize;
    // Drawn in the view's background colour at 1 point; the character stays in the text.
    bool hidden = false;
};

// A range of the article text in its own positions (a line break counts as two).
struct FormatRange {
    int start = 0;
    int length = 0;
    CharFormat format;
};

// Title and colour of one book button, in catalogue order (switched off or not).
struct HeaderStyle {
    QString tolkName;
    QString color;
};

// A stored 0x00BBGGRR colour as text (decimal, "&H" hexadecimal, or a negative 32-bit value).
// Values with the top bit set name system colours; only the window colours are known.
QColor ColorFromStored(const QString &stored);
QColor ColorFromBgr(quint32 bgr);

// The headword at position 1: navy, bold, underlined, 12 point.
FormatRange HeadwordFormat(const QString &word);

// The markup of an assembled article as ranges, applied in order.
std::vector<FormatRange> FormatArticle(const QString &text, const std::vector<HeaderStyle> &headers);

// Headword and markup together.
std::vector<FormatRange> ArticleFormats(const QString &text, const QString &word,
                                        const std::vector<HeaderStyle> &headers);

}
