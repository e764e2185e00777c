#include "dreamgenerator.h"

#include <QRandomGenerator>
#include <QStringList>

namespace somnar::diary {

namespace {

const QStringList kWords = {
    QStringLiteral("мне"),     QStringLiteral("снилось"), QStringLiteral("что"),      QStringLiteral("я"),
    QStringLiteral("шла"),     QStringLiteral("по"),      QStringLiteral("дороге"),   QStringLiteral("к"),
    QStringLiteral("старому"), QStringLiteral("дому"),    QStringLiteral("у"),        QStringLiteral("реки"),
    QStringLiteral("видела"),  QStringLiteral("кошку"),   QStringLiteral("в"),        QStringLiteral("воде"),
    QStringLiteral("потом"),   QStringLiteral("мост"),    QStringLiteral("ёлки"),     QStringLiteral("шумели"),
    QStringLiteral("над"),     QStringLiteral("головой"), QStringLiteral("мама"),     QStringLiteral("звала"),
    QStringLiteral("меня"),    QStringLiteral("домой"),   QStringLiteral("светила"),  QStringLiteral("луна"),
    QStringLiteral("и"),       QStringLiteral("было"),    QStringLiteral("тихо"),     QStringLiteral("летала"),
    QStringLiteral("над"),     QStringLiteral("лесом"),   QStringLiteral("свеча"),    QStringLiteral("горела"),
    QStringLiteral("на"),      QStringLiteral("окне"),    QStringLiteral("незнакомый"), QStringLiteral("человек"),
    QStringLiteral("протянул"), QStringLiteral("ключ"),   QStringLiteral("зеркало"),  QStringLiteral("разбилось"),
};
const QStringList kEndings = {QString(), QStringLiteral("у"), QStringLiteral("ой"), QStringLiteral("е"),
                              QStringLiteral("ами")};
const QStringList kTitles = {QStringLiteral("Дорога домой"), QStringLiteral("Кошка у реки"), QStringLiteral("Мост"),
                             QStringLiteral("Лунная ночь"),  QStringLiteral("Ключ"),         QStringLiteral("Зеркало")};
const QStringList kTags = {QStringLiteral("вода"), QStringLiteral("дом"), QStringLiteral("полёт"),
                           QStringLiteral("страх"), QStringLiteral("радость")};

QString Text(QRandomGenerator &random, int length, const std::vector<QString> &headwords)
{
    QString text;
    text.reserve(length + 32);
    bool sentenceStart = true;
    while (text.size() < length) {
        QString word;
        if (!headwords.empty() && random.bounded(12) == 0)
            word = headwords[size_t(random.bounded(int(headwords.size())))].toLower()
                + kEndings[random.bounded(int(kEndings.size()))];
        else
            word = kWords[random.bounded(int(kWords.size()))];
        if (sentenceStart)
            word[0] = word[0].toUpper();
        text += word;
        sentenceStart = random.bounded(10) == 0;
        text += sentenceStart ? (random.bounded(4) == 0 ? QStringLiteral(".\n") : QStringLiteral(". "))
                              : (random.bounded(8) == 0 ? QStringLiteral(", ") : QStringLiteral(" "));
    }
    return text;
}

}

QList<DiaryEntry> GenerateDreams(int count, int textLength, unsigned seed, const std::vector<QString> &headwords)
{
    QRandomGenerator random(seed);
    QList<DiaryEntry> dreams;
    dreams.reserve(count);
    const QDateTime first(QDate(2026, 12, 1), QTime(5, 0));
    for (int i = 0; i < count; ++i) {
        DiaryEntry entry;
        entry.moment = first.addDays(-i).addSecs(random.bounded(-3 * 3600, 3 * 3600));
        entry.title = kTitles[random.bounded(int(kTitles.size()))];
        entry.text = Text(random, textLength, headwords);
        entry.vividness = 1 + random.bounded(kMostVividness);
        entry.tags = {kTags[random.bounded(int(kTags.size()))]};
        dreams << entry;
    }
    return dreams;
}

}
