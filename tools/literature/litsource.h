#pragma once

#include <QString>

#include <stdexcept>

class QTextDocument;

namespace somnar {

class LitSourceError : public std::runtime_error {
public:
    LitSourceError(int line, const QString &message)
        : std::runtime_error(message.toStdString())
        , m_line(line)
    {
    }
    int line() const { return m_line; }

private:
    int m_line;
};

// Lays out a literature article from its readable source (headings, paragraphs, lists,
// quotations, bold, italic and coloured phrases) in the document, in the article's fonts.
// Throws LitSourceError naming the line of a mark left open or a stray brace.
void BuildLitDocument(const QString &source, QTextDocument &document);

}
