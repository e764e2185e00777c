#pragma once

// Test books in a temporary data folder, and the application object the widget tests need.

#include "app/settingsstore.h"
#include "dictionary/bookfile/bookwriter.h"

#include "support/qtapplication.h"
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <initializer_list>

namespace somnar::testing {

struct TestBook {
    QString fileName;
    QString toolName;
    std::vector<QString> words;
    std::optional<QString> color = std::nullopt;
};

// A data folder with the given books, and a settings file of its own.
class BookFolder {
public:
    explicit BookFolder(std::initializer_list<TestBook> books = {})
    {
        for (const TestBook &book : books)
            add(book);
    }

    void add(const TestBook &book)
    {
        std::vector<BookArticle> articles;
        for (const QString &word : book.words)
            articles.push_back({word, QByteArray("text of ") + word.toUtf8(), std::nullopt});
        writeBook(path(book.fileName), {std::nullopt, book.toolName, book.toolName + QStringLiteral(" (title)"), book.color},
                  articles);
    }

    QString folder() const { return m_dir.path(); }
    QString path(const QString &fileName) const { return m_dir.filePath(fileName); }
    QString settingsPath() const { return m_settingsDir.filePath(QStringLiteral("settings.ini")); }

private:
    QTemporaryDir m_dir;
    QTemporaryDir m_settingsDir;
};

// One QApplication for the whole test program, offscreen.
class ApplicationEnvironment : public ::testing::Environment {
public:
    void SetUp() override { test::EnsureApplication(); }
};

inline const bool kApplicationRegistered =
    (::testing::AddGlobalTestEnvironment(new ApplicationEnvironment), true);

}
