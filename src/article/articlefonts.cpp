#include "article/articlefonts.h"

#include "article/articlemarkup.h"

#include <QFont>
#include <QFontDatabase>

static void initArticleFontResources()
{
    Q_INIT_RESOURCE(article_fonts);
}

namespace somnar {

void EnsureArticleFonts()
{
    static const bool done = [] {
        initArticleFontResources();
        QFontDatabase::addApplicationFont(QStringLiteral(":/fonts/SomnarPictograms.ttf"));
        // Metric-compatible sans serifs first, then the one every set-up has.
        const QStringList sans{QStringLiteral("Liberation Sans"), QStringLiteral("Arial"),
                               QStringLiteral("DejaVu Sans")};
        QFont::insertSubstitutions(kArticleFontFamily, sans);
        QFont::insertSubstitutions(QStringLiteral("Tahoma"),
                                   {QStringLiteral("DejaVu Sans"), QStringLiteral("Liberation Sans")});
        return true;
    }();
    (void)done;
}

}
