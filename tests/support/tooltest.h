#pragma once

// A command-line tool run as the program it is, over files in a temporary folder.

#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace somnar::test {

struct ToolRun {
    int exitCode = -1;
    bool crashed = true;
    QString out;
    QString err;
};

class ToolTest : public ::testing::Test {
protected:
    explicit ToolTest(QString toolPath)
        : tool(std::move(toolPath))
    {
    }

    ToolRun run(const QStringList &args)
    {
        QProcess process;
        process.start(tool, args);
        ToolRun result;
        if (!process.waitForFinished(60000))
            return result;
        result.crashed = process.exitStatus() != QProcess::NormalExit;
        result.exitCode = process.exitCode();
        result.out = QString::fromUtf8(process.readAllStandardOutput());
        result.err = QString::fromUtf8(process.readAllStandardError());
        return result;
    }

    QString write(const QString &name, const QByteArray &bytes)
    {
        const QString path = dir.filePath(name);
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
        return path;
    }

    QTemporaryDir dir;
    const QString tool;
};

}
