// somnar-lit: the literature tool. Builds a literature file from its readable source, and
// prints any RTF file as the program reads it: as plain text or as JSON.

#include "article/rtf/rtfreader.h"
#include "article/rtf/rtfwriter.h"
#include "litsource.h"
#include "rtfjson.h"
#include "version.h"

#include <QFile>
#include <QGuiApplication>
#include <QSaveFile>
#include <QTextDocument>
#include <QTextStream>

#include <cstdio>
#include <cstdlib>

using namespace somnar;

namespace {

constexpr int kFailure = 1;
constexpr int kUsage = 2;

QTextStream &err()
{
    static QTextStream stream(stderr);
    return stream;
}

int usage()
{
    err() << "Usage:\n"
             "  somnar-lit build SOURCE.txt OUT.lit   build a literature file from its readable source\n"
             "  somnar-lit text FILE                  print the plain text of an RTF file\n"
             "  somnar-lit json FILE                  print an RTF file's paragraphs and runs as JSON\n"
             "  somnar-lit --version                  print the version\n";
    err().flush();
    return kUsage;
}

void print(const QByteArray &bytes)
{
    std::fwrite(bytes.constData(), 1, size_t(bytes.size()), stdout);
}

int build(int argc, char **argv, const QString &sourcePath, const QString &outPath)
{
    // Fonts need a GUI application; no screen is needed.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    QFile source(sourcePath);
    if (!source.open(QIODevice::ReadOnly)) {
        err() << sourcePath << ": cannot read: " << source.errorString() << '\n';
        return kFailure;
    }
    QTextDocument document;
    try {
        BuildLitDocument(QString::fromUtf8(source.readAll()), document);
    } catch (const LitSourceError &e) {
        err() << sourcePath << ':' << e.line() << ": " << QString::fromStdString(e.what()) << '\n';
        return kFailure;
    }
    QSaveFile out(outPath);
    if (!out.open(QIODevice::WriteOnly) || out.write(WriteRtf(document)) < 0 || !out.commit()) {
        err() << outPath << ": cannot write: " << out.errorString() << '\n';
        return kFailure;
    }
    return 0;
}

int show(const QString &command, const QString &path)
{
    try {
        const RtfDocument document = ReadRtfFile(path);
        print(command == QStringLiteral("json") ? RtfToJson(document) : document.plainText().toUtf8());
    } catch (const RtfError &e) {
        err() << QString::fromStdString(e.what()) << '\n';
        return kFailure;
    }
    return 0;
}

}

int main(int argc, char **argv)
{
    QStringList args;
    for (int i = 1; i < argc; ++i)
        args << QString::fromLocal8Bit(argv[i]);
    if (args.isEmpty())
        return usage();
    const QString command = args.takeFirst();
    if (command == QStringLiteral("--version") && args.isEmpty()) {
        std::printf("somnar-lit %s\n", VersionString);
        return 0;
    }
    if (command == QStringLiteral("build") && args.size() == 2)
        return build(argc, argv, args[0], args[1]);
    if ((command == QStringLiteral("text") || command == QStringLiteral("json")) && args.size() == 1)
        return show(command, args[0]);
    return usage();
}
