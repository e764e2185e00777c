// The writer stores long values in all three forms the format has: inline in the row, in one
// row of a long-value page, and along a chain of long-value pages.

#include "bookfixtures.h"

#include "dictionary/bookfile/bookwriter.h"
#include "dictionary/bookfile/jetformat.h"
#include "dictionary/bookfile/jetpages.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <map>

using namespace somnar;
using namespace somnar::test;

namespace {

// The flag byte of every Text and Links field of table Book, read straight from the pages.
std::map<uint8_t, int> longValueForms(jet::PageImage &image, uint32_t bookDefinition)
{
    std::map<uint8_t, int> forms;
    for (uint32_t n = 1; n < image.count(); ++n) {
        const unsigned char *page = image.page(n);
        if (page[0] != jet::kPageData || jet::get32(page + jet::kDataOwner) != bookDefinition)
            continue;
        for (int r = 0; r < jet::get16(page + jet::kDataRowCount); ++r) {
            const jet::RowSpan span = jet::rowSpan(page, n, r);
            // Three variable columns, one byte of null mask: offsets of Text and Links
            // stand just before the count of variable columns.
            const unsigned char *end = page + span.end - 1 - 1;   // the count's last byte
            for (int column : {1, 2}) {
                const int offset = jet::get16(end - 3 - 2 * column);
                const int next = jet::get16(end - 3 - 2 * (column + 1));
                if (next - offset >= jet::kMemoHeaderSize)
                    ++forms[page[span.start + offset + 3]];
            }
        }
    }
    return forms;
}

TEST(JetLayout, LongValuesTakeAllThreeForms)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("forms.book"));
    writeBook(path, sampleConfig(),
              {{QStringLiteral("Длинный"), everyByte(300 * 1024), everyByte(20)},
               {QStringLiteral("Средний"), everyByte(1500), std::nullopt}});
    QByteArray bytes = readAll(path);
    std::memcpy(bytes.data(), jet::kJetStart, jet::kMarkerLength);
    jet::PageImage image(bytes);
    constexpr uint32_t bookDefinition = 4;   // the first table after the catalogue and its maps
    ASSERT_EQ(image.page(bookDefinition)[0], jet::kPageTableDefinition);

    const std::map<uint8_t, int> forms = longValueForms(image, bookDefinition);
    EXPECT_EQ(forms.count(jet::kMemoInline), 1u);
    EXPECT_EQ(forms.count(jet::kMemoSinglePage), 1u);
    EXPECT_EQ(forms.count(0x00), 1u);   // a chain
    EXPECT_EQ(BookDatabase::open(path).record(0).text, everyByte(300 * 1024));
}

}
