// bench_rtf: reading a 1 MB RTF document such as a word processor writes (font and colour
// tables, a style sheet, mixed bold, italic, underline, colours and sizes, Cyrillic as \uN with
// a \'hh fallback, lists) into a QTextDocument; and the largest shipped literature article
// shown in the interpretation window's view, laid out as showing it does.

#include "article/richtextview.h"
#include "article/rtf/rtfreader.h"
#include "article/rtf/rtftextdocument.h"

#include <QAbstractTextDocumentLayout>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QTextDocument>

#include <benchmark/benchmark.h>

#include <cstdio>
#include <random>

using namespace somnar;

namespace {

QByteArray g_document;
QString g_article;

QByteArray cyrillicWord(std::mt19937 &rng)
{
    std::uniform_int_distribution<int> letter(0x430, 0x44F);
    std::uniform_int_distribution<int> length(2, 9);
    QByteArray word;
    for (int n = length(rng); n > 0; --n) {
        const int u = letter(rng);
        word += "\\u" + QByteArray::number(u) + "\\'" + QByteArray::number(u - 0x430 + 0xE0, 16);
    }
    return word;
}

QByteArray generateDocument(qsizetype size)
{
    std::mt19937 rng(7);
    QByteArray rtf = "{\\rtf1\\ansi\\ansicpg1251\\deff0\\uc1{\\fonttbl{\\f0\\froman\\fcharset204 Times New Roman;}"
                     "{\\f1\\fswiss\\fcharset204 Arial;}{\\f2\\fmodern\\fcharset204 Courier New;}}\n"
                     "{\\colortbl;\\red0\\green0\\blue0;\\red139\\green26\\blue26;\\red0\\green0\\blue255;}\n"
                     "{\\stylesheet{\\ql \\li0\\ri0\\widctlpar\\fs24\\lang1049 \\snext0 Normal;}}\n"
                     "{\\info{\\title Test}{\\author Somnar}}\n";
    const char *const formats[] = {"", "\\b", "\\i", "\\ul", "\\cf2", "\\b\\i", "\\cf3\\ul", "\\fs28", "\\f1"};
    std::uniform_int_distribution<size_t> format(0, std::size(formats) - 1);
    std::uniform_int_distribution<int> words(3, 12);
    std::uniform_int_distribution<int> runs(4, 12);
    int paragraph = 0;
    while (rtf.size() < size) {
        if (++paragraph % 7 == 0)
            rtf += "{\\listtext\\pard\\plain\\f2 \\'b7\\tab}\\pard\\ql\\fi-360\\li720\\ls1 ";
        else
            rtf += "\\pard\\plain\\qj\\sa120\\fs24 ";
        for (int r = runs(rng); r > 0; --r) {
            rtf += "{\\plain\\f0\\fs24";
            rtf += formats[format(rng)];
            rtf += ' ';
            for (int w = words(rng); w > 0; --w)
                rtf += cyrillicWord(rng) + ' ';
            rtf += "}";
        }
        rtf += "\\par\n";
    }
    return rtf + '}';
}

void BM_ReadRtf_1MB(benchmark::State &state)
{
    for (auto _ : state)
        benchmark::DoNotOptimize(ReadRtf(g_document));
    state.SetBytesProcessed(state.iterations() * g_document.size());
}
BENCHMARK(BM_ReadRtf_1MB)->Unit(benchmark::kMillisecond);

void BM_ReadRtfIntoTextDocument_1MB(benchmark::State &state)
{
    for (auto _ : state) {
        QTextDocument document;
        FillTextDocument(ReadRtf(g_document), document);
        benchmark::DoNotOptimize(document.characterCount());
    }
    state.SetBytesProcessed(state.iterations() * g_document.size());
}
BENCHMARK(BM_ReadRtfIntoTextDocument_1MB)->Unit(benchmark::kMillisecond);

void BM_LiteratureArticleIntoView(benchmark::State &state)
{
    if (g_article.isEmpty()) {
        state.SkipWithError("no shipped literature article");
        return;
    }
    RichTextView view;
    view.resize(640, 480);
    view.show();
    for (auto _ : state) {
        view.setBaseFont(QStringLiteral("Courier New"), 10);
        view.setViewText(QString());
        view.loadRtfFile(g_article);
        benchmark::DoNotOptimize(view.document()->documentLayout()->documentSize());
    }
    state.counters["bytes"] = double(QFileInfo(g_article).size());
}
BENCHMARK(BM_LiteratureArticleIntoView)->Unit(benchmark::kMillisecond);

QString largestArticle()
{
    const QFileInfoList files = QDir(QStringLiteral(SOMNAR_TEXTS_DIR)).entryInfoList({QStringLiteral("*.lit")}, QDir::Files, QDir::Size);
    return files.isEmpty() ? QString() : files.first().filePath();
}

}

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    g_document = generateDocument(1 << 20);
    g_article = largestArticle();
    std::printf("document: %lld bytes; article: %s\n", qlonglong(g_document.size()), qPrintable(g_article));
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
