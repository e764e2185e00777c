#include "controls/artwork.h"

#include <QPainter>
#include <QSvgRenderer>

static void initArtworkResource()
{
    Q_INIT_RESOURCE(images);
}

namespace somnar {

static QString artworkPath(const QString &name)
{
    static const bool initialised = (initArtworkResource(), true);
    Q_UNUSED(initialised);
    return QStringLiteral(":/images/%1.svg").arg(name);
}

QPixmap artworkPixmap(const QString &name, QSize logicalSize, qreal devicePixelRatio)
{
    QSvgRenderer renderer(artworkPath(name));
    if (!renderer.isValid() || logicalSize.isEmpty())
        return {};
    QPixmap pixmap(logicalSize * devicePixelRatio);
    pixmap.setDevicePixelRatio(devicePixelRatio);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    renderer.render(&painter, QRectF(QPointF(0, 0), QSizeF(logicalSize)));
    return pixmap;
}

QIcon artworkIcon(const QString &name)
{
    QIcon icon;
    for (int side : {16, 24, 32, 48, 64, 128})
        icon.addPixmap(artworkPixmap(name, QSize(side, side), 1.0));
    return icon;
}

}
