#include <QAction>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "tests/app/window_fixture.h"
#include "tests/support/file_size_limit.h"
#include "tests/support/pdf_text.h"
#include "tests/support/reading_folder.h"

namespace sarovin {
namespace {

class PrintTest : public testing::WindowTest {
  protected:
    void Calculate() {
        EnterDelhiBirth();
        Click("cmdCalculate");
    }
    QAction* Action(const char* name) { return Find<QAction>(QString::fromLatin1(name)); }
    QString PathOf(const char* name) { return folder.filePath(QString::fromUtf8(name)); }
    QByteArray ReadBytes(const QString& path) {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }
    void ExportTo(const QString& path) {
        platform.dialogAnswers.push_back(testing::LocalPath(path));
        Action("mnuExportPdf")->trigger();
    }
    void ExpectOneError(const char* text) {
        ASSERT_EQ(platform.messages.size(), 1u);
        EXPECT_EQ(platform.messages[0].text, text);
        EXPECT_EQ(platform.messages[0].icon, MessageIcon::Error);
    }

    QTemporaryDir folder;
};

TEST_F(PrintTest, PrintAndExportWaitForResults) {
    EXPECT_FALSE(Action("mnuPrint")->isEnabled());
    EXPECT_FALSE(Action("mnuExportPdf")->isEnabled());
    Calculate();
    EXPECT_TRUE(Action("mnuPrint")->isEnabled());
    EXPECT_TRUE(Action("mnuExportPdf")->isEnabled());
    Click("cmdBack");
    EXPECT_FALSE(Action("mnuPrint")->isEnabled());
    EXPECT_FALSE(Action("mnuExportPdf")->isEnabled());
}

TEST_F(PrintTest, ExportAsksForAPdfNamedAfterThePerson) {
    Calculate();
    ExportTo(QString());
    ASSERT_EQ(platform.saveDialogs.size(), 1u);
    const FileDialogSettings& dialog = platform.saveDialogs[0];
    EXPECT_EQ(dialog.filter, "PDF (*.pdf)");
    EXPECT_EQ(dialog.defaultSuffix, "pdf");
    EXPECT_TRUE(dialog.initialPath.native().ends_with("/Asha Rao.pdf")) << dialog.initialPath;
    EXPECT_TRUE(platform.messages.empty());
}

// A name from a reading may hold what a file name cannot: the offered name
// stays one file in the folder, whatever the person is called.
TEST_F(PrintTest, TheOfferedNameIsOneFileWhateverTheName) {
    const std::pair<const char*, const char*> cases[] = {
        {"Asha/Rao", "/Asha-Rao.pdf"},
        {"R\xC4\x81ma", "/R\xC4\x81ma.pdf"},
    };
    for (const auto& [name, offered] : cases) {
        platform.saveDialogs.clear();
        Click("cmdBack");
        EnterDelhiBirth();
        Box("txtName")->setText(QString::fromUtf8(name));
        Click("cmdCalculate");
        ExportTo(QString());
        ASSERT_EQ(platform.saveDialogs.size(), 1u) << name;
        const std::filesystem::path& path = platform.saveDialogs[0].initialPath;
        EXPECT_TRUE(path.native().ends_with(offered)) << path;
        EXPECT_EQ(path.parent_path(), DialogStartFolder({})) << path;
    }
}

// The two pages hold the birth, the nine positions, the sentences and the
// Sputa grid; Saturn's row of strengths is that of the worked birth.
TEST_F(PrintTest, ExportWritesTheReadingsPage) {
    Calculate();
    const QString path = PathOf("asha.pdf");
    ExportTo(path);
    EXPECT_TRUE(platform.messages.empty());
    EXPECT_TRUE(ReadBytes(path).startsWith("%PDF"));
    if (!testing::CanReadPdfText()) {
        GTEST_SKIP() << "pdftotext is not installed";
    }
    EXPECT_EQ(testing::PdfPageCount(path), 2);
    const QString text = testing::PdfText(path);
    for (const char* part :
         {"Asha Rao", "15 June 1980 08:30", "New Delhi, Delhi, India", "77\u00B012' E", "00 Gem 51",
          "29 Gem 07", "25 Gem 19", "01 Gem 09", "23 Leo 17", "10 Leo 25", "27 Leo 23", "28 Can 35",
          "28 Cap 35", "Graha Drishti", "Rashi Drishti", "Sputa Drishti",
          // The sentence wraps in its column after Kumbha.
          "Sign aspected by Mars is Vrischika, Kumbha,", "Meena. Planet Mars has no Graha Drishti.",
          "27 Leo 23 46 56 59 47 0 0 0 0 2"}) {
        EXPECT_TRUE(text.contains(QString::fromUtf8(part))) << part;
    }
}

TEST_F(PrintTest, ACancelledExportWritesNothing) {
    Calculate();
    ExportTo(QString());
    EXPECT_TRUE(QDir(folder.path()).isEmpty());
    EXPECT_TRUE(platform.messages.empty());
}

// Root may write into any folder, so the write is made to fail by a limit
// on the size of files, which binds root too.
TEST_F(PrintTest, AFailedExportSaysSoAndKeepsTheOldFile) {
    Calculate();
    const QString path = PathOf("old.pdf");
    QFile old(path);
    ASSERT_TRUE(old.open(QIODevice::WriteOnly));
    old.write("an older PDF");
    old.close();
    {
        const testing::FileSizeLimit limit(1024);
        ExportTo(path);
    }
    ExpectOneError("The PDF could not be saved.");
    EXPECT_EQ(ReadBytes(path), "an older PDF");
    EXPECT_EQ(QDir(folder.path()).entryList(QDir::Files), QStringList{"old.pdf"});
}

TEST_F(PrintTest, AnExportIntoAMissingFolderSaysSo) {
    Calculate();
    ExportTo(PathOf("missing/asha.pdf"));
    ExpectOneError("The PDF could not be saved.");
}

TEST_F(PrintTest, AnExportGoesIntoAFolderWhoseNameIsNotUtf8) {
    Calculate();
    const std::filesystem::path odd = testing::LocalPath(folder.path()) / "Jyoti\xFF";
    ASSERT_TRUE(std::filesystem::create_directory(odd));
    platform.dialogAnswers.push_back(odd / "asha\xE9.pdf");
    Action("mnuExportPdf")->trigger();
    EXPECT_TRUE(platform.messages.empty());
    EXPECT_TRUE(testing::ReadFileBytes(odd / "asha\xE9.pdf").starts_with("%PDF"));
    std::filesystem::remove_all(odd);
}

TEST_F(PrintTest, PrintSendsThePageToTheChosenPrinter) {
    Calculate();
    platform.printerOutput = PathOf("printed.pdf");
    Action("mnuPrint")->trigger();
    EXPECT_EQ(platform.printDialogs, 1);
    EXPECT_TRUE(platform.messages.empty());
    EXPECT_TRUE(ReadBytes(platform.printerOutput).startsWith("%PDF"));
    if (testing::CanReadPdfText()) {
        EXPECT_TRUE(testing::PdfText(platform.printerOutput).contains("Asha Rao"));
        // The print job's document name, which the printer's PDF carries as
        // its title.
        EXPECT_EQ(testing::PdfInfo(platform.printerOutput, QStringLiteral("Title")), "Asha Rao");
    }
}

TEST_F(PrintTest, ACancelledPrintPrintsNothing) {
    Calculate();
    Action("mnuPrint")->trigger();
    EXPECT_EQ(platform.printDialogs, 1);
    EXPECT_TRUE(platform.messages.empty());
}

TEST_F(PrintTest, APrinterThatCannotPrintIsReported) {
    Calculate();
    platform.printerOutput = PathOf("missing/printed.pdf");
    Action("mnuPrint")->trigger();
    ExpectOneError("The reading could not be printed.");
}

}  // namespace
}  // namespace sarovin
