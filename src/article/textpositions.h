#pragma once

#include <QString>
#include <QStringView>

#include <vector>

class QTextDocument;

namespace somnar {

// The view's text counts a line break as CR LF, two positions; a text document holds it as one
// paragraph separator. This maps positions between the two. A lone CR or LF of the view's text
// is held as one line separator and keeps one position on both sides.
class TextPositionMap {
public:
    TextPositionMap() = default;
    // From the text document's raw text (paragraph separators between blocks).
    explicit TextPositionMap(QStringView rawText);
    static TextPositionMap fromDocument(const QTextDocument &document);

    int toDocument(int viewPosition) const;
    int toView(int documentPosition) const;
    int viewLength() const { return m_documentLength + int(m_breaks.size()); }

private:
    std::vector<int> m_breaks;  // document positions of paragraph separators, ascending
    int m_documentLength = 0;
};

// Text conversions between the view's form (CR LF) and the document's (separators).
QString ViewTextToDocument(QStringView viewText);
QString DocumentTextToView(QStringView rawText);

}
