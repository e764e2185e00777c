#include "article/rtf/rtfreader.h"

#include "rtftestsupport.h"

#include <QFile>

#include <gtest/gtest.h>

#include <functional>
#include <random>

#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

using namespace somnar;
using namespace somnar::test;

namespace {

// gcc says so with a macro, clang with a feature test.
#if defined(__has_feature)
#if __has_feature(address_sanitizer)
#define SOMNAR_ADDRESS_SANITIZER
#endif
#endif
#if defined(__SANITIZE_ADDRESS__) || defined(SOMNAR_ADDRESS_SANITIZER)
constexpr bool kAddressLimit = false;  // the sanitizer reserves terabytes of address space
#else
constexpr bool kAddressLimit = true;
#endif

// Reads the input in a child process held to 20 s of CPU and 1 GB of memory; a crash, a hang
// or a runaway allocation ends the child and fails the test. The check runs in the child.
void readBounded(const char *what, const QByteArray &input,
                 const std::function<bool(const RtfDocument &)> &check = [](const RtfDocument &) { return true; })
{
    const pid_t child = fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        const rlimit cpu{20, 20};
        setrlimit(RLIMIT_CPU, &cpu);
        if (kAddressLimit) {
            const rlimit memory{1ul << 30, 1ul << 30};
            setrlimit(RLIMIT_AS, &memory);
        }
        bool ok = false;
        try {
            ok = check(ReadRtf(input));
        } catch (...) {
        }
        _exit(ok ? 0 : 1);
    }
    int status = 0;
    ASSERT_EQ(waitpid(child, &status, 0), child);
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0)
        << what << (WIFSIGNALED(status) ? " ended by signal " : " failed, status ")
        << (WIFSIGNALED(status) ? WTERMSIG(status) : WEXITSTATUS(status));
}

std::function<bool(const RtfDocument &)> shows(const QString &expected)
{
    return [expected](const RtfDocument &document) { return DescribeRtf(document) == expected; };
}

QByteArray repeated(const char *piece, int times)
{
    return QByteArray(piece).repeated(times);
}

}

TEST(RtfReaderHostile, DeepNesting)
{
    readBounded("10,000 nested groups", "{\\rtf1" + repeated("{", 10000) + "\\b x" + repeated("}", 10001),
                shows(u"<b:x>"_qs));
    readBounded("a million unclosed groups", "{\\rtf1" + repeated("{", 1000000) + "x", shows(u"x"_qs));
    readBounded("60 MB of open braces", "{\\rtf1" + QByteArray(60 << 20, '{'));
}

TEST(RtfReaderHostile, UnbalancedAndCutOff)
{
    readBounded("extra closing braces", "{\\rtf1 a}}}}b}", shows(u"a | b"_qs));
    readBounded("groups never closed", "{\\rtf1{{{\\i a", shows(u"<i:a>"_qs));
    readBounded("\\bin holding braces", "{\\rtf1 a{\\pict\\pngblip\\bin6 }}}{{{}b}", shows(u"ab"_qs));
    readBounded("\\bin longer than the file", "{\\rtf1 a\\bin99999999999 xyz", shows(u"a"_qs));
    readBounded("cut in a control word", "{\\rtf1 a\\par", shows(u"a"_qs));
    readBounded("cut in \\'hh", "{\\rtf1 a\\'e", shows(u"a"_qs));
    readBounded("cut after a backslash", "{\\rtf1 a\\", shows(u"a"_qs));
    readBounded("cut in a picture", "{\\rtf1 a{\\pict\\pngblip 89504e470d0a1a0a0000", shows(u"a"_qs));

    QFile file(qEnvironmentVariable("SOMNAR_SOURCE_DIR") + u"/tests/article/data/rtf/word-1251.rtf"_qs);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray whole = file.readAll();
    readBounded("every prefix of a word processor's file", whole, [&whole](const RtfDocument &) {
        for (qsizetype n = 0; n < whole.size(); ++n)
            ReadRtf(whole.first(n));
        return true;
    });
}

TEST(RtfReaderHostile, RandomTokens)
{
    const char *const pieces[] = {"{", "}", "\\", "\\u-", "\\uc9", "\\bin", "\\'", "ff", "\\pict", "\\pngblip",
                                  "\\*", "\\fonttbl", "\\f", "\\fcharset128 ", "\\par", "\xe9", "9", " ", ";",
                                  "\\colortbl", "\\red", "\\cf", "\\listtext", "\\u55357?"};
    std::mt19937 rng(13);
    std::uniform_int_distribution<size_t> pick(0, std::size(pieces) - 1);
    QByteArray input = "{\\rtf1";
    while (input.size() < (8 << 20))
        input += pieces[pick(rng)];
    readBounded("8 MB of random tokens", input);
}
