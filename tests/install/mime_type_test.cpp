#include <gtest/gtest.h>

#include <QFile>
#include <QMimeDatabase>
#include <QStringList>
#include <QTemporaryDir>

#include "reading/reading_write.h"
#include "tests/install/staging.h"
#include "tests/support/sample_births.h"

namespace sarovin::testing {
namespace {

TEST(StagedMimeType, SavedReadingIsRecognised) {
    const QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    const QString path = folder.filePath(QStringLiteral("x.dri"));
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    const std::string reading = WriteReading(AshaRaoBirth(), INDIAN_TIME_ZONE);
    file.write(reading.data(), static_cast<qint64>(reading.size()));
    file.close();

    EXPECT_EQ(QMimeDatabase().mimeTypeForFile(path).name(), READING_TYPE);
}

TEST(StagedMimeType, NameAloneIsEnough) {
    EXPECT_EQ(QMimeDatabase()
                  .mimeTypeForFile(QStringLiteral("x.dri"), QMimeDatabase::MatchExtension)
                  .name(),
              READING_TYPE);
}

// Sarovin refuses names that do not end in lower-case "dri".
TEST(StagedMimeType, UpperCaseNameIsNotAReading) {
    EXPECT_NE(QMimeDatabase()
                  .mimeTypeForFile(QStringLiteral("X.DRI"), QMimeDatabase::MatchExtension)
                  .name(),
              READING_TYPE);
}

TEST(StagedMimeType, TypeIsDescribedAndItsIconInstalled) {
    const QMimeType type = QMimeDatabase().mimeTypeForName(READING_TYPE);
    ASSERT_TRUE(type.isValid());
    // Qt falls back to the type's name when the file gives no comment.
    EXPECT_NE(type.comment(), type.name());
    for (const int size : ICON_SIZES) {
        ExpectIcon(StagedIcon(size, QStringLiteral("mimetypes"), type.iconName()), size);
    }
}

TEST(StagedMimeType, DesktopEntryOpensSavedReadings) {
    EXPECT_EQ(StagedDesktopMimeTypes(), QStringList{READING_TYPE});
}

}  // namespace
}  // namespace sarovin::testing
