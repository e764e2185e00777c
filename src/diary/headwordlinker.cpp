#include "diary/headwordlinker.h"

#include "diary/textwords.h"

#include <QSet>

#include <algorithm>
#include <initializer_list>
#include <tuple>

namespace somnar::diary {

namespace {

constexpr qsizetype kShortestStem = 3;

// Pronouns, prepositions, conjunctions, particles, the forms of "быть" and the adverbs that
// only tie a story together: they fill every dream and explain none, even where a book has an
// article under one of them or they share a stem with a headword ("потом" and "Пот").
const QSet<QString> &FunctionWords()
{
    static const QSet<QString> words = [] {
        QSet<QString> set;
        for (const char *word :
             {"а",      "без",     "будто",  "бы",     "был",    "была",   "были",   "было",   "быть",
              "в",      "вам",     "вас",    "вдруг",  "везде",  "во",     "вот",    "все",    "всегда",
              "всего",  "всех",    "вся",    "вы",     "где",    "да",     "даже",   "для",    "до",
              "его",    "ее",      "ей",     "ему",    "если",   "есть",   "еще",    "же",     "за",
              "затем",  "здесь",   "зачем",  "и",      "из",     "или",    "им",     "их",     "к",
              "как",    "какой",   "ко",     "когда",  "кто",    "куда",   "ли",     "лишь",   "меня",
              "мне",    "мной",    "мой",    "моя",    "мы",     "на",     "над",    "нам",    "нас",
              "не",     "него",    "нее",    "нет",    "ни",     "никогда", "них",   "но",     "ну",
              "о",      "об",      "один",   "он",     "она",    "они",    "оно",    "опять",  "от",
              "откуда", "отсюда",  "оттуда", "очень",  "по",     "под",    "пока",   "после",  "потом",
              "потому", "почему",  "почти",  "при",    "про",    "раз",    "с",      "сам",    "сама",
              "свой",   "своя",    "себя",   "сейчас", "словно", "снова",  "со",     "совсем", "сразу",
              "сюда",   "так",     "также",  "такой",  "там",    "теперь", "то",     "тогда",  "того",
              "тоже",   "только",  "туда",   "тут",    "ты",     "у",      "уже",    "чем",    "через",
              "что",    "чтобы",   "чуть",   "эта",    "это",    "этот",   "я",
              // adverbs of how long, how much and how far, which share a stem with nouns
              // ("долго" and "Долг")
              "быстро", "далеко",  "долго",  "мало",   "много",  "поздно", "рано",   "скоро",  "тихо"})
            set.insert(QString::fromUtf8(word));
        return set;
    }();
    return words;
}

bool MayLink(const QString &folded)
{
    return folded.size() >= 2 && !FunctionWords().contains(folded);
}

qsizetype CommonPrefix(const QString &a, const QString &b)
{
    const auto [left, right] = std::mismatch(a.begin(), a.end(), b.begin(), b.end());
    return left - a.begin();
}

bool EndsWithAny(const QString &word, std::initializer_list<const char16_t *> endings)
{
    return std::any_of(endings.begin(), endings.end(),
                       [&word](const char16_t *ending) { return word.endsWith(QStringView(ending)); });
}

bool IsInfinitive(const QString &word)
{
    return EndsWithAny(word, {u"ть", u"ти", u"чь", u"ться", u"тись", u"чься"});
}

// Endings of the past tense, the present, the infinitive and the reflexive forms.
bool LooksVerbal(const QString &word)
{
    return EndsWithAny(word, {u"ть", u"ся", u"сь", u"л", u"ла", u"ло", u"ли", u"ет", u"ёт", u"ут", u"ют", u"ит",
                              u"ат", u"ят", u"ешь", u"ишь", u"ете", u"ите"});
}

// A soft stem stays soft in every form. Nouns like "белье" keep the soft sign before each ending
// ("белья", "бельем"), so "белое" is another word; nouns like "медь" take soft endings ("меди",
// "медью"), so "медом" is another word. After ж, ш, ч, щ spelling allows the hard ones ("мышами").
bool SoftSignAgrees(const QString &headword, const QString &word, qsizetype stemLength)
{
    const QStringView ending = QStringView(headword).mid(stemLength);
    const QStringView wordEnding = QStringView(word).mid(stemLength);
    if (ending.size() == 2 && ending[0] == u'ь' && QStringView(u"еяюи").contains(ending[1]))
        return wordEnding.startsWith(u'ь');
    if (ending == u"ь" && stemLength > 0 && !QStringView(u"жшчщ").contains(headword[stemLength - 1]))
        return wordEnding.isEmpty() || !QStringView(u"аоуы").contains(wordEnding[0]);
    return true;
}

}

void HeadwordLinker::build(const std::vector<QString> &headwords)
{
    m_byStem.clear();
    m_byWord.clear();
    for (const QString &headword : headwords) {
        const QList<TextWord> words = WordsOf(headword);
        if (words.size() != 1 || words[0].length != headword.size())
            continue;
        const QString folded = FoldWord(headword);
        if (!MayLink(folded) || m_byWord.contains(folded))
            continue;
        m_byWord.insert(folded, headword);
        m_byStem[m_stemmer.stem(folded)].append(folded);
    }
}

QString HeadwordLinker::headwordFor(const QString &folded) const
{
    if (const auto exact = m_byWord.constFind(folded); exact != m_byWord.constEnd())
        return *exact;
    // A stem of one or two letters says too little: "ось" is no form of "оса".
    const QString stem = m_stemmer.stem(folded);
    const auto found = stem.size() < kShortestStem ? m_byStem.constEnd() : m_byStem.constFind(stem);
    if (found == m_byStem.constEnd())
        return {};
    // Closest: the longest shared beginning, then the nearest length, then a verb for a verb
    // form and a noun for any other.
    const bool verbal = LooksVerbal(folded);
    const auto distance = [&folded, verbal](const QString &candidate) {
        return std::tuple(-CommonPrefix(folded, candidate), std::abs(candidate.size() - folded.size()),
                          IsInfinitive(candidate) != verbal);
    };
    QStringList candidates = *found;
    candidates.removeIf([&](const QString &candidate) { return !SoftSignAgrees(candidate, folded, stem.size()); });
    if (candidates.isEmpty())
        return {};
    const auto best = std::min_element(candidates.begin(), candidates.end(),
                                       [&](const QString &a, const QString &b) { return distance(a) < distance(b); });
    for (auto other = candidates.begin(); other != candidates.end(); ++other) {
        if (other != best && distance(*other) == distance(*best))
            return {};
    }
    return m_byWord.value(*best);
}

QList<WordLink> HeadwordLinker::links(const QString &text) const
{
    QList<WordLink> links;
    if (m_byWord.isEmpty())
        return links;
    for (const TextWord &word : WordsOf(text)) {
        const QString written = text.mid(word.position, word.length);
        const QString folded = FoldWord(written);
        if (!MayLink(folded))
            continue;
        const QString headword = headwordFor(folded);
        if (!headword.isEmpty())
            links.append({word.position, word.length, written, headword});
    }
    return links;
}

}
