// bench_article: ShowArticle for a word in all 20 books of the generated corpus, and for a word
// that only one shipped book has. Each run assembles, decodes, formats and lays the article out
// in the view, as the interpretation window does; "paint" runs also draw it once.

#include "app/settingsstore.h"
#include "article/articlerenderer.h"
#include "article/cataloguebooks.h"
#include "article/richtextview.h"
#include "corpus.h"
#include "dictionary/bookcatalogue.h"

#include <QAbstractTextDocumentLayout>
#include <QApplication>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <cstdio>
#include <memory>

using namespace somnar;

namespace {

struct Library {
    QTemporaryDir settingsDir;
    std::unique_ptr<SettingsStore> settings;
    BookCatalogue catalogue;
    ArticleBooksProvider books;
    QString word;
    int booksWithWord = 0;
    bool loaded = false;

    explicit Library(const QString &folder)
        : settings(std::make_unique<SettingsStore>(settingsDir.filePath(QStringLiteral("settings.ini"))))
    {
        loaded = catalogue.load(folder, *settings) == BookCatalogue::LoadResult::Loaded;
        books = CatalogueArticleBooks(catalogue);
    }

    int countBooksWith(const QString &w) const
    {
        int n = 0;
        for (qsizetype k = 0; k < catalogue.count(); ++k)
            n += catalogue.book(k).database.seek(w) >= 0;
        return n;
    }
};

std::unique_ptr<Library> g_corpus;
std::unique_ptr<Library> g_shipped;
QTemporaryDir *g_corpusDir = nullptr;

void renderLoop(benchmark::State &state, Library &library, bool paint)
{
    if (!library.loaded || library.word.isEmpty()) {
        state.SkipWithError("books not available");
        return;
    }
    RichTextView view;
    view.resize(640, 480);
    view.show();
    qsizetype length = 0;
    for (auto _ : state) {
        view.setTag(QString());
        if (!RenderArticle(view, library.word, library.books())) {
            state.SkipWithError("word not found");
            return;
        }
        // Lay the whole article out, as showing it does.
        benchmark::DoNotOptimize(view.document()->documentLayout()->documentSize());
        if (paint)
            view.viewport()->repaint();
        length = view.viewLength();
    }
    state.counters["books"] = library.booksWithWord;
    state.counters["chars"] = double(length);
}

void BM_ShowArticle_Corpus20Books(benchmark::State &state)
{
    renderLoop(state, *g_corpus, state.range(0) != 0);
}
BENCHMARK(BM_ShowArticle_Corpus20Books)->Arg(0)->Arg(1)->ArgNames({"paint"})->Unit(benchmark::kMillisecond);

void BM_ShowArticle_OneShippedBook(benchmark::State &state)
{
    renderLoop(state, *g_shipped, state.range(0) != 0);
}
BENCHMARK(BM_ShowArticle_OneShippedBook)->Arg(0)->Arg(1)->ArgNames({"paint"})->Unit(benchmark::kMillisecond);

// Assembly and decoding alone, without the view.
void BM_AssembleArticle_Corpus20Books(benchmark::State &state)
{
    for (auto _ : state)
        benchmark::DoNotOptimize(AssembleArticle(g_corpus->word, g_corpus->books()));
}
BENCHMARK(BM_AssembleArticle_Corpus20Books)->Unit(benchmark::kMillisecond);

// The first word of the corpus that every book has.
void prepareCorpus()
{
    g_corpusDir = new QTemporaryDir;
    CorpusOptions options;
    generateCorpus(g_corpusDir->path(), options);
    g_corpus = std::make_unique<Library>(g_corpusDir->path());
    if (!g_corpus->loaded)
        return;
    const BookDatabase &first = g_corpus->catalogue.book(0).database;
    for (qsizetype row = 0; row < first.recordCount() && row < 200; ++row) {
        const QString w = first.record(row).list;
        if (g_corpus->countBooksWith(w) == g_corpus->catalogue.count()) {
            g_corpus->word = w;
            g_corpus->booksWithWord = int(g_corpus->catalogue.count());
            break;
        }
    }
}

// A word with links that only one shipped book has.
void prepareShipped()
{
    g_shipped = std::make_unique<Library>(QStringLiteral(SOMNAR_BOOKS_DIR));
    if (!g_shipped->loaded)
        return;
    for (qsizetype k = 0; k < g_shipped->catalogue.count() && g_shipped->word.isEmpty(); ++k) {
        const BookDatabase &book = g_shipped->catalogue.book(k).database;
        for (qsizetype row = 0; row < book.recordCount(); ++row) {
            const BookArticle &article = book.record(row);
            if (article.links && g_shipped->countBooksWith(article.list) == 1) {
                g_shipped->word = article.list;
                g_shipped->booksWithWord = 1;
                break;
            }
        }
    }
}

}

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    prepareCorpus();
    prepareShipped();
    std::printf("corpus word: %s, shipped word: %s\n", qPrintable(g_corpus->word), qPrintable(g_shipped->word));
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    g_corpus.reset();
    g_shipped.reset();
    delete g_corpusDir;
    return 0;
}
