#pragma once

#include <QImage>
#include <QRgb>
#include <QString>

#include <optional>
#include <vector>

namespace somnar {

// What an RTF file says, before it becomes a QTextDocument: paragraphs of runs. Sizes and
// distances are in twips, as the file gives them.
struct RtfCharFormat {
    bool bold = false;
    bool italic = false;
    bool underline = false;
    bool strike = false;
    std::optional<QRgb> color;       // none: the automatic colour
    std::optional<QRgb> background;
    std::optional<int> halfPoints;   // none: the file sets no size
    QString family;                  // empty: the file names no font

    bool operator==(const RtfCharFormat &) const = default;
};

struct RtfRun {
    QString text;  // a line break inside the paragraph is '\n'
    RtfCharFormat format;
    QImage image;  // a picture run has no text
    int widthTwips = 0;
    int heightTwips = 0;
};

enum class RtfAlign { Left, Right, Center, Justify };
enum class RtfList { None, Bullet, Number };

struct RtfParagraph {
    RtfAlign align = RtfAlign::Left;
    RtfList list = RtfList::None;
    int leftIndent = 0;
    int rightIndent = 0;
    int firstIndent = 0;
    int spaceBefore = 0;
    int spaceAfter = 0;
    std::vector<RtfRun> runs;
};

struct RtfDocument {
    std::vector<RtfParagraph> paragraphs;

    // Every paragraph's text, paragraphs and line breaks as '\n'.
    QString plainText() const;
};

}
