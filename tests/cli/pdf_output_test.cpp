#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include "tests/cli/report_test_support.h"
#include "tests/support/file_size_limit.h"
#include "tests/support/pdf_text.h"

namespace sarovin {
namespace {

using testing::ProgramRun;
using testing::ReadingFolder;

// No display and no platform chosen: the tool has to manage on its own.
const QStringList WITHOUT_DISPLAY = {QStringLiteral("QT_QPA_PLATFORM="), QStringLiteral("DISPLAY="),
                                     QStringLiteral("WAYLAND_DISPLAY=")};

ProgramRun RunWithoutDisplay(const std::vector<std::string>& arguments) {
    QStringList list;
    for (const std::string& argument : arguments) {
        list << QString::fromStdString(argument);
    }
    return testing::RunProgram(list, WITHOUT_DISPLAY);
}

QByteArray BytesOf(const std::string& path) {
    QFile file(QString::fromStdString(path));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// With --ashtakavarga the PDF gains a page of the table after the
// reading's: the published chart of 6 February 1911, 02:04 at UTC-6:00,
// 41°38' N 89°47' W, Lahiri, whose Sun's Bhinna row and Sarva row are as
// published. The periods still have no room on the page.
TEST(PdfOutput, TheAshtakavargaHasAPageOfItsOwn) {
    const ReadingFolder folder;
    const std::string pdf = folder.PathOf("tables.pdf");
    const std::vector<std::string> birth = {
        "--day",      "6",      "--month",     "2",     "--year",       "1911",
        "--hour",     "2",      "--minute",    "4",     "--utc-offset", "-06:00",
        "--latitude", "41:38",  "--longitude", "89:47", "--west",       "--ephemeris",
        "swiss",      "--name", "Published"};
    std::vector<std::string> withTables = birth;
    withTables.insert(withTables.end(), {"--ashtakavarga", "--pdf", pdf});
    const ProgramRun run = RunWithoutDisplay(withTables);
    ASSERT_EQ(run.status, 0) << run.err;
    if (!testing::CanReadPdfText()) {
        GTEST_SKIP() << "poppler-utils is not installed";
    }
    const QString text = testing::PdfText(QString::fromStdString(pdf));
    for (const char* part :
         {"Ashtakavarga of Published, Parashara's tables: bindus by sign",
          "Mes Vri Mit Kat Sim Kan Thu Vri Dha Mak Kum Mee Total", "Sun 4 2 3 4 6 5 5 3 2 6 6 2 48",
          "Sarva 27 24 25 26 34 35 31 28 26 26 34 21 337"}) {
        EXPECT_TRUE(text.contains(QString::fromUtf8(part))) << part;
    }
    const std::string plain = folder.PathOf("plain.pdf");
    std::vector<std::string> withoutTables = birth;
    withoutTables.insert(withoutTables.end(), {"--pdf", plain});
    ASSERT_EQ(RunWithoutDisplay(withoutTables).status, 0);
    EXPECT_EQ(testing::PdfPageCount(QString::fromStdString(pdf)),
              testing::PdfPageCount(QString::fromStdString(plain)) + 1);
}

// A refused file between two good ones: its line on standard error, two
// pages for each of the others, nothing on standard output.
TEST(PdfOutput, EachPrintedReadingHasItsPages) {
    const ReadingFolder folder;
    const std::string good =
        folder.WriteRecord("asha.dri", testing::AshaRaoBirth(), testing::INDIAN_TIME_ZONE);
    const std::string missing = folder.PathOf("missing.dri");
    const std::string pdf = folder.PathOf("readings.pdf");
    const ProgramRun run = RunWithoutDisplay({"--pdf", pdf, "--jobs", "2", good, missing, good});
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.out, "");
    EXPECT_EQ(run.err,
              "sarovin-report: " + missing + ": Cannot read the file. No such file or directory\n");
    EXPECT_TRUE(BytesOf(pdf).startsWith("%PDF"));
    if (!testing::CanReadPdfText()) {
        GTEST_SKIP() << "poppler-utils is not installed";
    }
    const QString path = QString::fromStdString(pdf);
    EXPECT_EQ(testing::PdfPageCount(path), 4);
    EXPECT_TRUE(testing::PdfPageSize(path).contains(QStringLiteral("(A4)")));
    const QString text = testing::PdfText(path);
    for (const char* part :
         {"Asha Rao", "00 Gem 51", "28 Cap 35", "Graha Drishti",
          // The sentence wraps in its column after Kumbha.
          "Sign aspected by Saturn is Thula, Kumbha,",
          "Vrishabha. Planet Saturn has no Graha Drishti.", "28 Cap 35 31 46 44 32 10 36 2 60 0",
          // The table of positions, and the footer of each reading's second page.
          "Positions", "Sarovin 1.15, printed", "Page 2 of 2"}) {
        EXPECT_TRUE(text.contains(QString::fromUtf8(part))) << part;
    }
}

// The South Indian chart writes the name in its middle, so the pages hold
// it five times: over the reading's first page, in the birth chart and in
// the Navamsa beside it, over its second page ("Asha Rao, continued") and
// over the houses page. The North Indian chart, which a reading with a
// Lagna could have, has no middle: three times.
TEST(PdfOutput, PagesHaveTheSouthIndianChart) {
    const ReadingFolder folder;
    const std::string good =
        folder.WriteRecord("asha.dri", testing::AshaRaoBirth(), testing::INDIAN_TIME_ZONE);
    const std::string pdf = folder.PathOf("south.pdf");
    ASSERT_EQ(RunWithoutDisplay({"--pdf", pdf, "--ephemeris", "swiss", good}).status, 0);
    if (!testing::CanReadPdfText()) {
        GTEST_SKIP() << "poppler-utils is not installed";
    }
    EXPECT_EQ(testing::PdfText(QString::fromStdString(pdf)).count(QStringLiteral("Asha Rao")), 5);
}

// A refused reading after the good ones leaves their pages in the file.
TEST(PdfOutput, ARefusedLastReadingKeepsThePagesBeforeIt) {
    const ReadingFolder folder;
    const std::string good =
        folder.WriteRecord("asha.dri", testing::AshaRaoBirth(), testing::INDIAN_TIME_ZONE);
    const std::string pdf = folder.PathOf("first.pdf");
    const ProgramRun run = RunWithoutDisplay({"--pdf", pdf, good, folder.PathOf("missing.dri")});
    EXPECT_EQ(run.status, 1);
    EXPECT_TRUE(BytesOf(pdf).startsWith("%PDF"));
    if (testing::CanReadPdfText()) {
        EXPECT_EQ(testing::PdfPageCount(QString::fromStdString(pdf)), 2);
    }
}

TEST(PdfOutput, ABirthGivenAsOptionsHasItsPage) {
    const ReadingFolder folder;
    const std::string pdf = folder.PathOf("typed.pdf");
    std::vector<std::string> arguments = testing::AshaRaoOptions();
    arguments.insert(arguments.begin(), {"--pdf", pdf});
    const ProgramRun run = RunWithoutDisplay(arguments);
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.err, "");
    EXPECT_TRUE(BytesOf(pdf).startsWith("%PDF"));
}

// Arguments are bytes: a folder whose name is not UTF-8 takes the PDF.
TEST(PdfOutput, AFolderWhoseNameIsNotUtf8TakesThePdf) {
    const ReadingFolder folder;
    const std::filesystem::path odd = folder.Path() / "Jyoti\xFF\xFE";
    ASSERT_TRUE(std::filesystem::create_directory(odd));
    const std::string reading =
        folder.WriteRecord("caf\xE9.dri", testing::AshaRaoBirth(), testing::INDIAN_TIME_ZONE);
    const std::string pdf = (odd / "caf\xE9.pdf").native();
    const testing::RunResult run = testing::RunTool({"--pdf", pdf, reading});
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_TRUE(testing::ReadFileBytes(pdf).starts_with("%PDF"));
}

TEST(PdfOutput, NoFileIsWrittenWhenNoReadingIsPrinted) {
    const ReadingFolder folder;
    const std::string pdf = folder.PathOf("none.pdf");
    const ProgramRun run = RunWithoutDisplay({"--pdf", pdf, folder.PathOf("missing.dri")});
    EXPECT_EQ(run.status, 1);
    EXPECT_FALSE(QFile::exists(QString::fromStdString(pdf)));
}

// Root may write into any folder, so the write is made to fail by a limit
// on the size of files, which the program inherits.
TEST(PdfOutput, AFailedWriteSaysSoAndKeepsTheOldFile) {
    const ReadingFolder folder;
    const std::string good =
        folder.WriteRecord("asha.dri", testing::AshaRaoBirth(), testing::INDIAN_TIME_ZONE);
    const std::string pdf = folder.WriteBytes("old.pdf", "an older PDF");
    ProgramRun run;
    {
        const testing::FileSizeLimit limit(1024);
        run = RunWithoutDisplay({"--pdf", pdf, good});
    }
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.err, "sarovin-report: " + pdf + ": The PDF could not be saved.\n");
    EXPECT_EQ(BytesOf(pdf), "an older PDF");
    EXPECT_EQ(QDir(QFileInfo(QString::fromStdString(pdf)).path()).entryList(QDir::Files),
              (QStringList{"asha.dri", "old.pdf"}));
}

TEST(PdfOutput, TakesNoTextFormat) {
    const std::pair<std::vector<std::string>, std::string> cases[] = {
        {{"--pdf", "out.pdf", "--format", "json", "a.dri"},
         "--pdf and --format cannot be used together"},
        {{"--pdf=", "a.dri"}, "--pdf needs a file name"},
    };
    for (const auto& [arguments, error] : cases) {
        const testing::RunResult result = testing::RunTool(arguments);
        EXPECT_EQ(result.status, 2);
        EXPECT_TRUE(result.err.starts_with("sarovin-report: " + error + "\n")) << result.err;
    }
}

// Under the classical rules the page names them and shows the virupas, the
// nodes' empty rows, the Lagna column and the Drik Bala row.
TEST(PdfOutput, ThePageFollowsTheClassicalRules) {
    const ReadingFolder folder;
    const std::string pdf = folder.PathOf("classical.pdf");
    const ProgramRun run = RunWithoutDisplay(testing::Joined(
        {"--pdf", pdf, "--rules", "classical", "--ephemeris", "swiss"}, testing::AshaRaoOptions()));
    EXPECT_EQ(run.status, 0) << run.err;
    if (!testing::CanReadPdfText()) {
        GTEST_SKIP() << "poppler-utils is not installed";
    }
    const QString text = testing::PdfText(QString::fromStdString(pdf));
    for (const char* part : {"Classical (Parashara) rules", "Lagna", "Drik Bala", "\u2013"}) {
        EXPECT_TRUE(text.contains(QString::fromUtf8(part))) << part;
    }
}

// A reading with houses gets a third page holding the houses table.
TEST(PdfOutput, HousesHaveAPageOfTheirOwn) {
    const ReadingFolder folder;
    const std::string good =
        folder.WriteRecord("asha.dri", testing::AshaRaoBirth(), testing::INDIAN_TIME_ZONE);
    const std::string pdf = folder.PathOf("houses.pdf");
    const ProgramRun run =
        RunWithoutDisplay({"--pdf", pdf, "--ephemeris", "swiss", "--houses", "whole-sign", good});
    EXPECT_EQ(run.status, 0) << run.err;
    if (!testing::CanReadPdfText()) {
        GTEST_SKIP() << "poppler-utils is not installed";
    }
    const QString path = QString::fromStdString(pdf);
    EXPECT_EQ(testing::PdfPageCount(path), 3);
    EXPECT_TRUE(testing::PdfText(path).contains(QStringLiteral("Houses (Whole-sign)")));
}

// With the Swiss Ephemeris and the classical rules a reading gains a
// strength page after its houses: the Shadbala table as the text prints
// it, with the day and the forks, and the ratio bars.
TEST(PdfOutput, AReadingWithTheShadbalaHasItsStrengthPage) {
    const ReadingFolder folder;
    const std::string reading =
        folder.WriteRecord("asha.dri", testing::AshaRaoBirth(), testing::INDIAN_TIME_ZONE);
    const std::string pdf = folder.PathOf("strengths.pdf");
    const ProgramRun run =
        RunWithoutDisplay({"--pdf", pdf, "--ephemeris", "swiss", "--rules", "classical", reading});
    EXPECT_EQ(run.status, 0) << run.err;
    if (!testing::CanReadPdfText()) {
        GTEST_SKIP() << "poppler-utils is not installed";
    }
    const QString path = QString::fromStdString(pdf);
    const int pages = testing::PdfPageCount(path);
    const QString text = testing::PdfText(path);
    for (const char* part : {"Shadbala and Bhava Bala", "Uchcha", "Naisargika", "Bhava Bala",
                             "Strength rules: Dig arc folded from the madhyas", "Sunrise"}) {
        EXPECT_TRUE(text.contains(QString::fromLatin1(part))) << part;
    }
    EXPECT_TRUE(text.contains(QStringLiteral("Page %1 of %1").arg(pages))) << pages;
    EXPECT_TRUE(text.contains(QStringLiteral("Page %1 of %2").arg(pages - 1).arg(pages)));
}

}  // namespace
}  // namespace sarovin
