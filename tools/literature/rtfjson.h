#pragma once

#include "article/rtf/rtfdocument.h"

#include <QByteArray>

namespace somnar {

// {"paragraphs":[{"align","list","runs":[{"text","bold","italic","underline","color","size_pt"}]}]}
// for scripts: a line break is "\n" inside a run's text, "color" is null for the automatic
// colour and "size_pt" is 12 where the file sets no size. Pictures are left out.
QByteArray RtfToJson(const RtfDocument &document);

}
