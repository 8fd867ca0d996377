#include <QFile>
#include <QStandardPaths>

#include "reading/reading_file.h"
#include "tests/app/window_fixture.h"
#include "tests/support/file_size_limit.h"
#include "tests/support/reading_folder.h"
#include "tests/support/sample_births.h"

namespace sarovin {
namespace {

using testing::FileSizeLimit;
using testing::ReadFileBytes;
using testing::WindowTest;

class ReadingTest : public WindowTest {
  protected:
    std::filesystem::path PathOf(const std::string& name) { return folder.PathOf(name); }
    void SaveTo(const std::filesystem::path& path) {
        platform.dialogAnswers.push_back(path);
        Click("cmdSave");
    }
    void OpenFrom(const std::filesystem::path& path) {
        platform.dialogAnswers.push_back(path);
        Click("cmdOpen");
    }

    testing::ReadingFolder folder;
};

TEST_F(ReadingTest, SaveChangeOpenRestoresEveryControlAndTheResults) {
    EnterDelhiBirth();
    Choose("optLong_1");
    Choose("optLat_1");
    Find<QCheckBox>(QStringLiteral("chkDST"))->setChecked(true);
    List("cboTimeZone")->setCurrentIndex(57);
    Box("txtCity")->setText(QStringLiteral("  New Delhi "));
    Click("cmdCalculate");
    const BirthRecord saved = window.Record();
    const QString aspect = ArrayText("lblAspects_Sign_Graha", 6);
    SaveTo(PathOf("asha.dri"));
    ASSERT_TRUE(std::filesystem::exists(PathOf("asha.dri")));
    EXPECT_TRUE(platform.messages.empty());
    EXPECT_EQ(FrontPanelName(), "Frame2");

    Click("cmdBack");
    EnterGreenwichBirth();
    Box("txtName")->setText(QStringLiteral("Someone Else"));
    Choose("optLong_0");
    Choose("optLat_0");
    Find<QCheckBox>(QStringLiteral("chkDST"))->setChecked(false);
    Click("cmdCalculate");
    Click("cmdBack");

    OpenFrom(PathOf("asha.dri"));
    EXPECT_EQ(FrontPanelName(), "Frame2");
    EXPECT_EQ(Box("txtName")->text(), "Asha Rao");
    EXPECT_EQ(Box("txtCity")->text(), "New Delhi");
    EXPECT_EQ(List("cboTimeZone")->currentIndex(), 57);
    EXPECT_EQ(List("cboMonth")->currentText(), "June");
    EXPECT_EQ(List("cboDate")->currentText(), "15");
    EXPECT_EQ(List("cboYear")->currentText(), "1980");
    EXPECT_EQ(List("cboHour")->currentText(), "8");
    EXPECT_EQ(List("cboMinute")->currentText(), "30");
    EXPECT_EQ(Box("txtLonDeg")->text(), "77");
    EXPECT_EQ(Box("txtLatMin")->text(), "36");
    EXPECT_TRUE(Find<QRadioButton>(QStringLiteral("optLong_1"))->isChecked());
    EXPECT_TRUE(Find<QRadioButton>(QStringLiteral("optLat_1"))->isChecked());
    EXPECT_TRUE(Find<QCheckBox>(QStringLiteral("chkDST"))->isChecked());
    EXPECT_EQ(window.Record(), saved);
    EXPECT_EQ(ArrayText("lblAspects_Sign_Graha", 6), aspect);
}

// A typed exact offset is saved in an 18th line and comes back on opening,
// over a panel on a zone row; without one the file keeps its 17 lines.
TEST_F(ReadingTest, AnExactOffsetIsSavedAndOpenedAgain) {
    EnterDelhiBirth();
    Click("cmdCalculate");
    SaveTo(PathOf("rows.dri"));
    Click("cmdBack");
    Box("txtUtcOffset")->setFocus();
    QTest::keyClicks(Box("txtUtcOffset"), QStringLiteral("+05:45"));
    Click("cmdCalculate");
    SaveTo(PathOf("exact.dri"));
    const std::string rows = ReadFileBytes(PathOf("rows.dri"));
    const std::string exact = ReadFileBytes(PathOf("exact.dri"));
    EXPECT_EQ(rows, WriteReading(testing::AshaRaoBirth(), testing::INDIAN_TIME_ZONE));
    EXPECT_TRUE(exact.starts_with(rows));
    EXPECT_EQ(ReadExactOffsetLine(exact), "+05:45");

    Click("cmdBack");
    Box("txtUtcOffset")->clear();
    emit Box("txtUtcOffset")->textEdited(QString());
    OpenFrom(PathOf("exact.dri"));
    EXPECT_EQ(FrontPanelName(), "Frame2");
    EXPECT_EQ(LabelText(QStringLiteral("lblOffsetUsed")), "UTC+05:45 as typed");
    EXPECT_EQ(Box("txtUtcOffset")->text(), "+05:45");
    OpenFrom(PathOf("rows.dri"));
    EXPECT_EQ(Box("txtUtcOffset")->text(), "");
    EXPECT_EQ(List("cboTimeZone")->currentIndex(), testing::INDIAN_TIME_ZONE);

    // Cut inside its offset, the reading is refused, not computed by the row.
    Click("cmdBack");
    folder.WriteBytes("cut.dri", exact.substr(0, exact.size() - 2));
    OpenFrom(PathOf("cut.dri"));
    ASSERT_EQ(platform.messages.size(), 1u);
    EXPECT_EQ(platform.messages[0].text,
              "Cannot read the file. It ends inside its 18th line, the offset from Universal "
              "Time.");
    EXPECT_EQ(FrontPanelName(), "Frame1");
}

TEST_F(ReadingTest, TheSaveDialogHasItsSettingsAndOffersTheLastPath) {
    EnterDelhiBirth();
    Click("cmdCalculate");
    SaveTo(PathOf("first.dri"));
    SaveTo({});
    ASSERT_EQ(platform.saveDialogs.size(), 2u);
    EXPECT_EQ(platform.saveDialogs[0].title, "Sarovin");
    EXPECT_EQ(platform.saveDialogs[0].filter, "Sarovin (*.dri)");
    EXPECT_EQ(platform.saveDialogs[0].defaultSuffix, "dri");
    EXPECT_TRUE(platform.saveDialogs[0].initialPath.empty());
    EXPECT_EQ(platform.saveDialogs[1].initialPath, PathOf("first.dri"));
    EXPECT_TRUE(platform.messages.empty());
}

TEST_F(ReadingTest, ASavedFileHoldsTheRecordAndTheZoneRow) {
    EnterDelhiBirth();
    List("cboTimeZone")->setCurrentIndex(57);
    Click("cmdCalculate");
    SaveTo(PathOf("golden.dri"));
    EXPECT_EQ(ReadFileBytes(PathOf("golden.dri")), WriteReading(window.Record(), 57));
}

TEST_F(ReadingTest, AFailedSaveSaysSoAndKeepsTheOldFile) {
    EnterDelhiBirth();
    Click("cmdCalculate");
    const std::filesystem::path path = folder.WriteBytes("old.dri", "old reading");
    {
        const FileSizeLimit limit(32);
        SaveTo(path);
    }
    EXPECT_EQ(ReadFileBytes(path), "old reading");
    EXPECT_EQ(folder.FileNames(), std::vector<std::string>{"old.dri"});
    ASSERT_EQ(platform.messages.size(), 1u);
    EXPECT_EQ(platform.messages[0].text, "The reading could not be saved.");
    EXPECT_EQ(platform.messages[0].icon, MessageIcon::Error);
}

TEST_F(ReadingTest, ASaveThatCannotBeWrittenSaysSo) {
    EnterDelhiBirth();
    Click("cmdCalculate");
    const std::filesystem::path path = PathOf("folder.dri");
    ASSERT_TRUE(std::filesystem::create_directory(path));
    SaveTo(path);
    ASSERT_EQ(platform.messages.size(), 1u);
    EXPECT_EQ(platform.messages[0].text, "The reading could not be saved.");
    EXPECT_TRUE(std::filesystem::is_directory(path));
    EXPECT_EQ(folder.FileNames(), std::vector<std::string>{"folder.dri"});
    EXPECT_EQ(FrontPanelName(), "Frame2");
}

TEST_F(ReadingTest, DialogsStartInTheDocumentsThenInTheFolderLastUsed) {
    const std::filesystem::path documents =
        QFile::encodeName(QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation))
            .toStdString();
    EnterDelhiBirth();
    Click("cmdCalculate");
    SaveTo(PathOf("first.dri"));
    OpenFrom({});
    const testing::ReadingFolder other;
    OpenFrom(other.WriteRecord("other.dri", testing::AshaRaoBirth(), 34));
    SaveTo({});
    ASSERT_EQ(platform.saveDialogs.size(), 2u);
    ASSERT_EQ(platform.openDialogs.size(), 2u);
    EXPECT_EQ(platform.saveDialogs[0].startFolder, documents);
    EXPECT_EQ(platform.openDialogs[0].startFolder, folder.Path());
    EXPECT_EQ(platform.openDialogs[1].startFolder, folder.Path());
    EXPECT_EQ(platform.saveDialogs[1].startFolder, other.Path());
}

// File names are bytes: a folder or file whose name is not UTF-8 is saved
// into, opened from and offered again byte for byte.
TEST_F(ReadingTest, FoldersAndNamesThatAreNotUtf8WorkEndToEnd) {
    const std::filesystem::path odd = PathOf("Jyoti\xff\xfe");
    ASSERT_TRUE(std::filesystem::create_directory(odd));
    const std::filesystem::path path = odd / "\xe9t\xe9 1980.dri";
    EnterDelhiBirth();
    Click("cmdCalculate");
    const BirthRecord saved = window.Record();
    SaveTo(path);
    ASSERT_TRUE(platform.messages.empty()) << platform.messages[0].text.toStdString();
    EXPECT_EQ(ReadFileBytes(path), WriteReading(saved, List("cboTimeZone")->currentIndex()));

    Click("cmdBack");
    Box("txtName")->setText(QStringLiteral("Someone Else"));
    OpenFrom(path);
    EXPECT_TRUE(platform.messages.empty());
    EXPECT_EQ(window.Record(), saved);
    SaveTo({});
    ASSERT_EQ(platform.openDialogs.size(), 1u);
    ASSERT_EQ(platform.saveDialogs.size(), 2u);
    EXPECT_EQ(platform.openDialogs[0].startFolder.native(), odd.native());
    EXPECT_EQ(platform.saveDialogs[1].initialPath.native(), path.native());
}

TEST_F(ReadingTest, ANameNotEndingInLowerCaseDriIsRefused) {
    const BirthRecord record{};
    for (const char* name : {"reading.DRI", "reading.Dri", "reading.txt"}) {
        platform.messages.clear();
        folder.WriteRecord(name, record, 0);
        Box("txtName")->setText(QStringLiteral("Kept"));
        OpenFrom(PathOf(name));
        ASSERT_EQ(platform.messages.size(), 1u) << name;
        EXPECT_EQ(platform.messages[0].text, "Please Check The File.");
        EXPECT_EQ(platform.messages[0].icon, MessageIcon::Error);
        EXPECT_EQ(Box("txtName")->text(), "Kept");
    }
    ASSERT_EQ(platform.openDialogs.size(), 3u);
    EXPECT_EQ(platform.openDialogs[0].title, "Select the source file");
    EXPECT_EQ(platform.openDialogs[0].filter, "Sarovin (*.dri)");
    EXPECT_TRUE(platform.openDialogs[0].initialPath.empty());
}

TEST_F(ReadingTest, CancellingTheOpenDialogChangesNothing) {
    Box("txtName")->setText(QStringLiteral("Kept"));
    OpenFrom({});
    EXPECT_EQ(Box("txtName")->text(), "Kept");
    EXPECT_TRUE(platform.messages.empty());
    EXPECT_EQ(FrontPanelName(), "Frame1");
}

TEST_F(ReadingTest, AGarbledFileSurfacesThroughValidation) {
    struct GarbledFile {
        const char* name;
        std::string bytes;
        const char* message;
    };
    // Bytes below 85 vanish when unscrambled, so plain text leaves a name of
    // control characters but no latitude.
    const GarbledFile files[] = {
        {"empty.dri", "", "Please Enter Your Name"},
        {"random.dri", QByteArray::fromHex("00ff13fe0a0d0a8899aabbccddeeff10").toStdString(),
         "Please Enter Degree of Latitude"},
        {"text.dri", "hello\r\nworld\r\n", "Please Enter Degree of Latitude"},
        {"missing.dri", "", "Please Enter Your Name"},
    };
    for (const GarbledFile& file : files) {
        platform.messages.clear();
        if (std::string_view(file.name) != "missing.dri") {
            folder.WriteBytes(file.name, file.bytes);
        }
        OpenFrom(PathOf(file.name));
        ASSERT_EQ(platform.messages.size(), 1u) << file.name;
        EXPECT_EQ(platform.messages[0].text, file.message) << file.name;
        EXPECT_EQ(FrontPanelName(), "Frame1");
    }
}

TEST_F(ReadingTest, AHugeFileIsReadOnlyAsFarAsAReadingGoes) {
    BirthRecord record = testing::AshaRaoBirth();
    record.name = "Asha";
    record.exactOffset = ExactOffset{19800, OffsetSource::Typed, {}};
    // Past the 18th line, the offset, nothing is read as part of the reading.
    folder.WriteBytes("huge.dri", WriteReading(record, 34) + std::string(100 * 1024 * 1024, 'x'));
    OpenFrom(PathOf("huge.dri"));
    EXPECT_TRUE(platform.messages.empty());
    EXPECT_EQ(Box("txtName")->text(), "Asha");
    EXPECT_EQ(FrontPanelName(), "Frame2");
}

// A reading named on the command line opens as one chosen in the dialog.
TEST_F(ReadingTest, AReadingGivenAtStartOpensAndCalculates) {
    window.OpenReadingFile(
        folder.WriteRecord("given\xff.dri", testing::AshaRaoBirth(), testing::INDIAN_TIME_ZONE));
    EXPECT_TRUE(platform.messages.empty());
    EXPECT_TRUE(platform.openDialogs.empty());
    EXPECT_EQ(FrontPanelName(), "Frame2");
    EXPECT_EQ(window.Record().name, "Asha Rao");
    EXPECT_EQ(ArrayText("lblPlanets_Position_Graha", 1), "29 Gem 07");
}

TEST_F(ReadingTest, ABadReadingGivenAtStartSaysWhatTheDialogWouldSay) {
    const std::pair<const char*, const char*> cases[] = {
        {"given.txt", "Please Check The File."},
        {"missing.dri", "Please Enter Your Name"},
    };
    for (const auto& [name, message] : cases) {
        platform.messages.clear();
        window.OpenReadingFile(PathOf(name));
        ASSERT_EQ(platform.messages.size(), 1u) << name;
        EXPECT_EQ(platform.messages[0].text, message) << name;
        EXPECT_EQ(FrontPanelName(), "Frame1") << name;
    }
}

}  // namespace
}  // namespace sarovin
