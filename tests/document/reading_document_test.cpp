#include <gtest/gtest.h>

#include <QPdfWriter>
#include <QTemporaryDir>

#include "document/reading_document_pdf.h"
#include "tests/support/pdf_text.h"
#include "tests/support/reading_folder.h"
#include "tests/support/sample_births.h"

namespace sarovin {
namespace {

Calculation CalculationOf(const BirthRecord& record, int zonePosition) {
    return *CompleteCalculation(record, zonePosition, *ComputeSky(record, {}),
                                {.vargas = {NAVAMSA}});
}

// Each reading takes two pages of its own, its positions and Graha Drishti
// on the first, its Rashi and Sputa Drishti on the second.
TEST(ReadingDocument, EachReadingHasA4PagesOfItsOwnInOrder) {
    const Calculation asha = CalculationOf(testing::AshaRaoBirth(), testing::INDIAN_TIME_ZONE);
    const Calculation noon = CalculationOf(testing::GreenwichNoonBirth(), testing::GREENWICH_ZONE);
    const DocumentReading readings[] = {{asha, ChartStyle::SouthIndian},
                                        {noon, ChartStyle::SouthIndian}};
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("two.pdf"));
    ASSERT_TRUE(SaveReadingPdf(testing::LocalPath(path), readings));
    if (!testing::CanReadPdfText()) {
        GTEST_SKIP() << "poppler-utils is not installed";
    }
    EXPECT_EQ(testing::PdfPageCount(path), 4);
    EXPECT_TRUE(testing::PdfPageSize(path).contains(QStringLiteral("(A4)")));
    const QString text = testing::PdfText(path);
    EXPECT_LT(text.indexOf(QStringLiteral("Asha Rao")),
              text.indexOf(QStringLiteral("Greenwich Noon")));
}

// Viewers show a PDF's title, and its creator, in place of the file name;
// a reading without a name is titled as its page is.
TEST(ReadingDocument, ThePdfIsTitledWithThePersonsName) {
    const std::pair<std::string, QString> cases[] = {{"Asha Rao", "Asha Rao"}, {"", "Vedic chart"}};
    for (const auto& [name, title] : cases) {
        BirthRecord record = testing::AshaRaoBirth();
        record.name = name;
        const Calculation calculation = CalculationOf(record, testing::INDIAN_TIME_ZONE);
        const DocumentReading reading{calculation, ChartStyle::SouthIndian};
        QTemporaryDir folder;
        const QString path = folder.filePath(QStringLiteral("reading.pdf"));
        ASSERT_TRUE(SaveReadingPdf(testing::LocalPath(path), {&reading, 1}));
        if (!testing::CanReadPdfText()) {
            GTEST_SKIP() << "poppler-utils is not installed";
        }
        EXPECT_EQ(testing::PdfInfo(path, QStringLiteral("Title")), title);
        EXPECT_EQ(testing::PdfInfo(path, QStringLiteral("Creator")), "Sarovin");
    }
}

// The Navamsa is named in its chart's middle, and the reading still ends
// with the Sputa grid's legend, on its second page.
TEST(ReadingDocument, TheNavamsaStandsBesideTheBirthChart) {
    const Calculation asha = CalculationOf(testing::AshaRaoBirth(), testing::INDIAN_TIME_ZONE);
    const DocumentReading readings[] = {{asha, ChartStyle::SouthIndian}};
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("navamsa.pdf"));
    ASSERT_TRUE(SaveReadingPdf(testing::LocalPath(path), readings));
    if (!testing::CanReadPdfText()) {
        GTEST_SKIP() << "poppler-utils is not installed";
    }
    const QString text = testing::PdfText(path);
    EXPECT_EQ(testing::PdfPageCount(path), 2);
    EXPECT_TRUE(text.contains(QStringLiteral("Navamsa (D9)")));
    EXPECT_TRUE(text.contains(QStringLiteral("bold from 45")));
}

TEST(ReadingDocument, ADeviceThatCannotBePaintedOnIsReported) {
    const Calculation asha = CalculationOf(testing::AshaRaoBirth(), testing::INDIAN_TIME_ZONE);
    const DocumentReading reading{asha, ChartStyle::SouthIndian};
    QTemporaryDir folder;
    QPdfWriter writer(folder.filePath(QStringLiteral("missing/asha.pdf")));
    EXPECT_FALSE(WriteReadingDocument(writer, {&reading, 1}));
}

}  // namespace
}  // namespace sarovin
