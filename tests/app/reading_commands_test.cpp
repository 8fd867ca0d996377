#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>
#include <QTemporaryDir>

#include "reading/reading_file.h"
#include "tests/app/window_fixture.h"
#include "tests/support/file_size_limit.h"
#include "tests/support/sample_births.h"

namespace sarovin {
namespace {

using testing::FileSizeLimit;
using testing::WindowTest;

class ReadingTest : public WindowTest {
  protected:
    QString PathOf(const QString& name) { return folder.filePath(name); }
    void WriteBytes(const QString& path, const QByteArray& bytes) {
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    }
    QByteArray ReadBytes(const QString& path) {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }
    void SaveTo(const QString& path) {
        platform.dialogAnswers.push_back(path);
        Click("cmdSave");
    }
    void OpenFrom(const QString& path) {
        platform.dialogAnswers.push_back(path);
        Click("cmdOpen");
    }
    QByteArray ReadingBytesOf(const BirthRecord& record, int zone) {
        const std::string bytes = WriteReading(record, zone);
        return QByteArray(bytes.data(), static_cast<qsizetype>(bytes.size()));
    }

    QTemporaryDir folder;
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
    SaveTo(PathOf(QStringLiteral("asha.dri")));
    ASSERT_TRUE(QFileInfo::exists(PathOf(QStringLiteral("asha.dri"))));
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

    OpenFrom(PathOf(QStringLiteral("asha.dri")));
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

TEST_F(ReadingTest, TheSaveDialogHasItsSettingsAndOffersTheLastPath) {
    EnterDelhiBirth();
    Click("cmdCalculate");
    SaveTo(PathOf(QStringLiteral("first.dri")));
    SaveTo({});
    ASSERT_EQ(platform.saveDialogs.size(), 2u);
    EXPECT_EQ(platform.saveDialogs[0].title, "Sarovin");
    EXPECT_EQ(platform.saveDialogs[0].filter, "Sarovin (*.dri)");
    EXPECT_EQ(platform.saveDialogs[0].defaultSuffix, "dri");
    EXPECT_TRUE(platform.saveDialogs[0].initialPath.isEmpty());
    EXPECT_EQ(platform.saveDialogs[1].initialPath, PathOf(QStringLiteral("first.dri")));
    EXPECT_TRUE(platform.messages.empty());
}

TEST_F(ReadingTest, ASavedFileHoldsTheRecordAndTheZoneRow) {
    EnterDelhiBirth();
    List("cboTimeZone")->setCurrentIndex(57);
    Click("cmdCalculate");
    SaveTo(PathOf(QStringLiteral("golden.dri")));
    EXPECT_EQ(ReadBytes(PathOf(QStringLiteral("golden.dri"))), ReadingBytesOf(window.Record(), 57));
}

TEST_F(ReadingTest, AFailedSaveSaysSoAndKeepsTheOldFile) {
    EnterDelhiBirth();
    Click("cmdCalculate");
    const QString path = PathOf(QStringLiteral("old.dri"));
    WriteBytes(path, QByteArrayLiteral("old reading"));
    {
        const FileSizeLimit limit(32);
        SaveTo(path);
    }
    EXPECT_EQ(ReadBytes(path), "old reading");
    EXPECT_EQ(QDir(folder.path()).entryList(QDir::Files), QStringList{"old.dri"});
    ASSERT_EQ(platform.messages.size(), 1u);
    EXPECT_EQ(platform.messages[0].text, "The reading could not be saved.");
    EXPECT_EQ(platform.messages[0].icon, MessageIcon::Error);
}

TEST_F(ReadingTest, ASaveThatCannotBeWrittenSaysSo) {
    EnterDelhiBirth();
    Click("cmdCalculate");
    const QString path = PathOf(QStringLiteral("folder.dri"));
    ASSERT_TRUE(QDir(folder.path()).mkdir(QStringLiteral("folder.dri")));
    SaveTo(path);
    ASSERT_EQ(platform.messages.size(), 1u);
    EXPECT_EQ(platform.messages[0].text, "The reading could not be saved.");
    EXPECT_TRUE(QFileInfo(path).isDir());
    EXPECT_EQ(FrontPanelName(), "Frame2");
}

TEST_F(ReadingTest, DialogsStartInTheDocumentsThenInTheFolderLastUsed) {
    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    EnterDelhiBirth();
    Click("cmdCalculate");
    SaveTo(PathOf(QStringLiteral("first.dri")));
    OpenFrom({});
    QTemporaryDir other;
    WriteBytes(other.filePath(QStringLiteral("other.dri")),
               ReadingBytesOf(testing::AshaRaoBirth(), 34));
    OpenFrom(other.filePath(QStringLiteral("other.dri")));
    SaveTo({});
    ASSERT_EQ(platform.saveDialogs.size(), 2u);
    ASSERT_EQ(platform.openDialogs.size(), 2u);
    EXPECT_EQ(platform.saveDialogs[0].startFolder, documents);
    EXPECT_EQ(platform.openDialogs[0].startFolder, QFileInfo(folder.path()).absoluteFilePath());
    EXPECT_EQ(platform.openDialogs[1].startFolder, QFileInfo(folder.path()).absoluteFilePath());
    EXPECT_EQ(platform.saveDialogs[1].startFolder, QFileInfo(other.path()).absoluteFilePath());
}

TEST_F(ReadingTest, ANameNotEndingInLowerCaseDriIsRefused) {
    const BirthRecord record{};
    for (const char* name : {"reading.DRI", "reading.Dri", "reading.txt"}) {
        platform.messages.clear();
        WriteBytes(PathOf(QString::fromLatin1(name)), ReadingBytesOf(record, 0));
        Box("txtName")->setText(QStringLiteral("Kept"));
        OpenFrom(PathOf(QString::fromLatin1(name)));
        ASSERT_EQ(platform.messages.size(), 1u) << name;
        EXPECT_EQ(platform.messages[0].text, "Please Check The File.");
        EXPECT_EQ(platform.messages[0].icon, MessageIcon::Error);
        EXPECT_EQ(Box("txtName")->text(), "Kept");
    }
    ASSERT_EQ(platform.openDialogs.size(), 3u);
    EXPECT_EQ(platform.openDialogs[0].title, "Select the source file");
    EXPECT_EQ(platform.openDialogs[0].filter, "Sarovin (*.dri)");
    EXPECT_TRUE(platform.openDialogs[0].initialPath.isEmpty());
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
        QByteArray bytes;
        const char* message;
    };
    // Bytes below 85 vanish when unscrambled, so plain text leaves a name of
    // control characters but no latitude.
    const GarbledFile files[] = {
        {"empty.dri", QByteArray(), "Please Enter Your Name"},
        {"random.dri", QByteArray::fromHex("00ff13fe0a0d0a8899aabbccddeeff10"),
         "Please Enter Degree of Latitude"},
        {"text.dri", QByteArrayLiteral("hello\r\nworld\r\n"), "Please Enter Degree of Latitude"},
        {"missing.dri", QByteArray(), "Please Enter Your Name"},
    };
    for (const GarbledFile& file : files) {
        platform.messages.clear();
        if (QString::fromLatin1(file.name) != "missing.dri") {
            WriteBytes(PathOf(QString::fromLatin1(file.name)), file.bytes);
        }
        OpenFrom(PathOf(QString::fromLatin1(file.name)));
        ASSERT_EQ(platform.messages.size(), 1u) << file.name;
        EXPECT_EQ(platform.messages[0].text, file.message) << file.name;
        EXPECT_EQ(FrontPanelName(), "Frame1");
    }
}

TEST_F(ReadingTest, AHugeFileIsReadOnlyAsFarAsAReadingGoes) {
    BirthRecord record = testing::AshaRaoBirth();
    record.name = "Asha";
    QByteArray bytes = ReadingBytesOf(record, 34);
    bytes.append(QByteArray(100 * 1024 * 1024, 'x'));
    WriteBytes(PathOf(QStringLiteral("huge.dri")), bytes);
    OpenFrom(PathOf(QStringLiteral("huge.dri")));
    EXPECT_TRUE(platform.messages.empty());
    EXPECT_EQ(Box("txtName")->text(), "Asha");
    EXPECT_EQ(FrontPanelName(), "Frame2");
}

// A reading named on the command line opens as one chosen in the dialog.
TEST_F(ReadingTest, AReadingGivenAtStartOpensAndCalculates) {
    const QString path = PathOf(QStringLiteral("given.dri"));
    WriteBytes(path, ReadingBytesOf(testing::AshaRaoBirth(), testing::INDIAN_TIME_ZONE));
    window.OpenReadingFile(path);
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
        window.OpenReadingFile(PathOf(QString::fromLatin1(name)));
        ASSERT_EQ(platform.messages.size(), 1u) << name;
        EXPECT_EQ(platform.messages[0].text, message) << name;
        EXPECT_EQ(FrontPanelName(), "Frame1") << name;
    }
}

}  // namespace
}  // namespace sarovin
