#pragma once

class QMimeData;

namespace somnar {

class RichTextView;

// The view's selection, or its whole content when nothing is selected, for the clipboard:
// the same RTF bytes under text/rtf, text/richtext and application/rtf, with HTML and plain
// text beside them.
QMimeData *ArticleMimeData(const RichTextView &view);

}
