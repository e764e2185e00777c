#include "corpus.h"

#include "text/codepage.h"
#include "text/packedtext.h"
#include "dictionary/bookfile/bookwriter.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>

namespace somnar {
namespace {

const QStringList kSyllables = {QStringLiteral("ба"), QStringLiteral("ве"), QStringLiteral("го"), QStringLiteral("да"),
                                QStringLiteral("жу"), QStringLiteral("зи"), QStringLiteral("ко"), QStringLiteral("лё"),
                                QStringLiteral("ми"), QStringLiteral("но"), QStringLiteral("пе"), QStringLiteral("ры"),
                                QStringLiteral("со"), QStringLiteral("ту"), QStringLiteral("фа"), QStringLiteral("ще")};
const QStringList kWords = {QStringLiteral("к"), QStringLiteral("радости"), QStringLiteral("дорога"),
                            QStringLiteral("–"), QStringLiteral("перемены"), QStringLiteral("в"), QStringLiteral("доме"),
                            QStringLiteral("встреча"), QStringLiteral("с"), QStringLiteral("другом"),
                            QStringLiteral("«нежданный»"), QStringLiteral("гость"), QStringLiteral("Вода"),
                            QStringLiteral("ссора"), QStringLiteral("прибыль"), QStringLiteral("болезнь"),
                            QStringLiteral("успех"), QStringLiteral("осторожно"), QStringLiteral("ночью")};

// Unique headwords: syllables spelling out the index, capitalised now and then.
QString headword(int index)
{
    QString word;
    for (int n = index + 1; n > 0; n /= 16)
        word += kSyllables[n % 16];
    if (index % 3 == 0)
        word[0] = word[0].toUpper();
    return word;
}

QString articleText(QRandomGenerator &random)
{
    QString text;
    const int length = 150 + random.bounded(700);
    while (text.size() < length) {
        text += kWords[random.bounded(int(kWords.size()))];
        text += random.bounded(12) == 0 ? QStringLiteral(".\r\n") : QStringLiteral(" ");
    }
    return text;
}

QByteArray picture(QRandomGenerator &random)
{
    QByteArray bytes("\x89PNG\r\n\x1a\n");
    while (bytes.size() < 2048)
        bytes.append(char(random.bounded(256)));
    return bytes;
}

// Headwords 0 .. shared-1 are in every book; the others are numbered past every book's range.
std::vector<BookArticle> articles(int count, int shared, int book, QRandomGenerator &random)
{
    std::vector<BookArticle> result;
    result.reserve(size_t(count));
    for (int i = 0; i < count; ++i) {
        BookArticle article;
        article.list = headword(i < shared ? i : book * count + i);
        article.text = Pack(*encodeCp1251(articleText(random)));
        if (random.bounded(2)) {
            const QString links = headword(random.bounded(count)) + QStringLiteral("; ") + headword(random.bounded(count)) + QLatin1Char('.');
            article.links = Pack(*encodeCp1251(links));
        }
        result.push_back(std::move(article));
    }
    return result;
}

// The plain copy of a book, for mdbtools: plain/NAME.mdb beside it.
QString plainCopyPath(const QString &bookPath)
{
    const QFileInfo info(bookPath);
    return info.dir().filePath(QStringLiteral("plain/") + info.completeBaseName() + QStringLiteral(".mdb"));
}

}

QStringList generateCorpus(const QString &dir, const CorpusOptions &options)
{
    QDir().mkpath(dir);
    if (options.plainCopies)
        QDir().mkpath(QDir(dir).filePath(QStringLiteral("plain")));
    QStringList paths;
    for (int b = 1; b <= options.books; ++b) {
        QRandomGenerator random{quint32(b)};
        BookConfig config;
        config.toolName = QStringLiteral("Сонник №%1").arg(b);
        config.tolkName = QStringLiteral("Сонник для проверки №%1").arg(b);
        config.color = QString::number(random.bounded(0x1000000));
        config.icon = picture(random);
        const QString path = QDir(dir).filePath(QStringLiteral("book%1.book").arg(b, 2, 10, QLatin1Char('0')));
        const int shared = int(qint64(options.articles) * options.sharedPercent / 100);
        writeBook(path, config, articles(options.articles, shared, b, random));
        if (options.plainCopies) {
            const QString plain = plainCopyPath(path);
            QFile::remove(plain);
            if (!QFile::copy(path, plain))
                throw BookError(QStringLiteral("%1: cannot copy").arg(plain).toStdString());
            UnlockBase(plain);
        }
        paths << path;
    }
    return paths;
}

}
