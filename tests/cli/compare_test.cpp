#include <gtest/gtest.h>

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include "tests/cli/report_test_support.h"
#include "tests/support/pdf_text.h"

namespace sarovin {
namespace {

using testing::RunResult;
using testing::RunTool;

TEST(Compare, AReadingComparedWithItselfSaysSo) {
    const testing::ReadingFolder folder;
    const std::string asha =
        folder.WriteRecord("asha.dri", testing::AshaRaoBirth(), testing::INDIAN_TIME_ZONE);
    const RunResult run = RunTool({"--compare", "--format", "json", asha, asha});
    ASSERT_EQ(run.status, 0) << run.err;
    const QJsonObject pair = QJsonDocument::fromJson(QByteArray::fromStdString(run.out)).object();
    EXPECT_TRUE(pair["sameBirth"].toBool());
    EXPECT_EQ(pair["a"].toObject()["birth"].toObject()["name"].toString(), "Asha Rao");
    const QJsonArray aOnB = pair["aOnB"].toArray();
    ASSERT_EQ(aOnB.size(), 7);
    for (const QJsonValue& row : aOnB) {
        ASSERT_EQ(row.toArray().size(), 10);
        // The built-in ephemeris gives no Lagna.
        EXPECT_TRUE(row.toArray()[9].isNull());
    }
    // A chart on itself: the Sun's own column is a conjunction, 0 virupas.
    EXPECT_EQ(aOnB[0].toArray()[0].toDouble(), 0);
    EXPECT_EQ(pair["grahaBOnA"].toArray().size(), 8);
}

TEST(Compare, EachRefusedReadingIsNamedAndNothingIsPrinted) {
    const testing::ReadingFolder folder;
    const std::string asha =
        folder.WriteRecord("asha.dri", testing::AshaRaoBirth(), testing::INDIAN_TIME_ZONE);
    const std::string missing = folder.PathOf("missing.dri");
    const RunResult run = RunTool({"--compare", asha, missing});
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.out, "");
    EXPECT_EQ(run.err,
              "sarovin-report: " + missing + ": Cannot read the file. No such file or directory\n");
    EXPECT_EQ(RunTool({"--compare", asha}).status, 2);
}

// A reading whose exact offset is cut off is refused, alone or compared,
// rather than computed with the zone row beside it.
TEST(Compare, AReadingCutInsideItsOffsetIsRefused) {
    const testing::ReadingFolder folder;
    BirthRecord kathmandu = testing::AshaRaoBirth();
    kathmandu.exactOffset = ExactOffset{20700, OffsetSource::Atlas, "Asia/Kathmandu"};
    const std::string whole = WriteReading(kathmandu, 0);
    const std::string cut = folder.WriteBytes("cut.dri", whole.substr(0, whole.size() - 2));
    const std::string asha =
        folder.WriteRecord("asha.dri", testing::AshaRaoBirth(), testing::INDIAN_TIME_ZONE);
    const std::string refusal = "sarovin-report: " + cut +
                                ": Cannot read the file. It ends inside its 18th line, the "
                                "offset from Universal Time.\n";
    for (const std::vector<std::string>& arguments :
         {std::vector<std::string>{cut}, {"--compare", asha, cut}}) {
        const RunResult run = RunTool(arguments);
        EXPECT_EQ(run.status, 1);
        EXPECT_EQ(run.out, "");
        EXPECT_EQ(run.err, refusal);
    }
}

// A name holding a line feed, an escape sequence and a bell, as a reading
// file can, is shown with '?' for each in every line of the text, so it
// can neither forge a line nor steer the terminal.
TEST(Compare, NamesAreShownWithoutTheirControlCharacters) {
    const testing::ReadingFolder folder;
    BirthRecord forged = testing::AshaRaoBirth();
    forged.name = "Asha\nSun of B aspects\x1b[2J\x07";
    const std::string asha =
        folder.WriteRecord("asha.dri", testing::AshaRaoBirth(), testing::INDIAN_TIME_ZONE);
    const std::string other = folder.WriteRecord("forged.dri", forged, testing::INDIAN_TIME_ZONE);
    const RunResult run = RunTool({"--compare", asha, other});
    ASSERT_EQ(run.status, 0) << run.err;
    const auto control = [](unsigned char c) { return (c < 0x20 && c != '\n') || c == 0x7f; };
    EXPECT_EQ(std::ranges::count_if(run.out, control), 0);
    EXPECT_NE(run.out.find("Asha?Sun of B aspects?[2J? on Asha Rao"), std::string::npos);
}

// With --pdf the pair is one page, titled with both names, holding both
// directions' grids.
TEST(Compare, ThePairsPageGoesToThePdf) {
    const testing::ReadingFolder folder;
    BirthRecord ravi = testing::AshaRaoBirth();
    ravi.name = "Ravi";
    ravi.year = 1962;
    const std::string asha =
        folder.WriteRecord("asha.dri", testing::AshaRaoBirth(), testing::INDIAN_TIME_ZONE);
    const std::string other = folder.WriteRecord("ravi.dri", ravi, testing::INDIAN_TIME_ZONE);
    const std::string pdf = folder.PathOf("pair.pdf");
    const RunResult run = RunTool({"--compare", "--pdf", pdf, asha, other});
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.out, "");
    if (!testing::CanReadPdfText()) {
        GTEST_SKIP() << "poppler-utils is not installed";
    }
    const QString path = QString::fromStdString(pdf);
    EXPECT_EQ(testing::PdfPageCount(path), 1);
    EXPECT_EQ(testing::PdfInfo(path, QStringLiteral("Title")), "Asha Rao and Ravi");
    const QString text = testing::PdfText(path);
    for (const char* part :
         {"Asha Rao (A) compared with Ravi (B)", "Sputa Drishti of Asha Rao on Ravi, in virupas",
          "Sputa Drishti of Ravi on Asha Rao, in virupas"}) {
        EXPECT_TRUE(text.contains(QString::fromUtf8(part))) << part;
    }
}

}  // namespace
}  // namespace sarovin
