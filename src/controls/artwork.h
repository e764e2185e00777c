#pragma once

#include <QIcon>
#include <QPixmap>
#include <QSize>
#include <QString>

namespace somnar {

// The program's own pictures, compiled in as SVG (data/images). A name is the file's base
// name ("banner", "default", ...). Pixmaps are rendered for the given device pixel ratio so
// that they stay sharp on scaled screens; an unknown name gives a null pixmap.
QPixmap artworkPixmap(const QString &name, QSize logicalSize, qreal devicePixelRatio);
QIcon artworkIcon(const QString &name);

}
