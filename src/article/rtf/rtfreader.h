#pragma once

#include "article/rtf/rtfdocument.h"

#include <QByteArrayView>

#include <stdexcept>

namespace somnar {

// Larger input is refused rather than read: a literature file is a few hundred kilobytes.
inline constexpr qsizetype kRtfMaxBytes = 64 * 1024 * 1024;
// Deeper groups share the state of the group at this depth.
inline constexpr int kRtfMaxDepth = 100000;

class RtfError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// Reads an RTF document. Anything after a damage point is read as well as it can be: the
// reader never fails on content. Bytes that do not start with "{\rtf" are plain text, UTF-8
// when they are valid UTF-8 and Windows-1251 otherwise. Throws RtfError for input larger than
// kRtfMaxBytes.
RtfDocument ReadRtf(QByteArrayView bytes);

// Reads a file as above; throws RtfError naming the file when it cannot be read.
RtfDocument ReadRtfFile(const QString &path);

}
