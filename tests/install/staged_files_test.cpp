#include <gtest/gtest.h>

#include <QFile>
#include <QFileInfo>
#include <QStringList>
#include <QXmlStreamReader>

#include "tests/install/staging.h"

namespace sarovin::testing {
namespace {

// The parts of the AppStream metadata that name other installed files.
struct Metainfo {
    QString id;
    QString launchable;
    QStringList binaries;
    QStringList mediaTypes;
    QString newestRelease;
};

Metainfo ReadStagedMetainfo() {
    Metainfo metainfo;
    QFile file(Staged(QStringLiteral("share/metainfo/%1.metainfo.xml").arg(APP_ID)));
    if (!file.open(QIODevice::ReadOnly)) {
        return metainfo;
    }
    QXmlStreamReader xml(&file);
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement) {
            continue;
        }
        const auto name = xml.name();
        // AppStream lists the releases newest first.
        if (name == u"release" && metainfo.newestRelease.isEmpty()) {
            metainfo.newestRelease = xml.attributes().value(QStringLiteral("version")).toString();
        } else if (name == u"id") {
            metainfo.id = xml.readElementText();
        } else if (name == u"launchable") {
            metainfo.launchable = xml.readElementText();
        } else if (name == u"binary") {
            metainfo.binaries << xml.readElementText();
        } else if (name == u"mediatype") {
            metainfo.mediaTypes << xml.readElementText();
        }
    }
    EXPECT_FALSE(xml.hasError()) << xml.errorString().toStdString();
    return metainfo;
}

void ExpectProgram(const QString& name) {
    const QFileInfo program(Staged(QStringLiteral("bin/") + name));
    EXPECT_TRUE(program.isFile() && program.isExecutable()) << program.filePath().toStdString();
}

TEST(StagedInstall, DesktopEntryStartsAnInstalledProgram) {
    const QString exec = StagedDesktopEntry().value(QStringLiteral("Exec"));
    ASSERT_FALSE(exec.isEmpty());
    ExpectProgram(exec.section(u' ', 0, 0));
}

TEST(StagedInstall, DesktopEntryIconIsInstalledAtEverySize) {
    const QString icon = StagedDesktopEntry().value(QStringLiteral("Icon"));
    EXPECT_EQ(icon, APP_ID);
    for (const int size : ICON_SIZES) {
        ExpectIcon(StagedIcon(size, QStringLiteral("apps"), icon), size);
    }
}

TEST(StagedInstall, MetainfoNamesTheInstalledFiles) {
    const Metainfo metainfo = ReadStagedMetainfo();
    EXPECT_EQ(metainfo.id, APP_ID);
    EXPECT_EQ(metainfo.launchable, APP_ID + QStringLiteral(".desktop"));
    EXPECT_EQ(metainfo.binaries,
              QStringList({QStringLiteral("sarovin"), QStringLiteral("sarovin-report")}));
    for (const QString& binary : metainfo.binaries) {
        ExpectProgram(binary);
    }
    EXPECT_EQ(metainfo.mediaTypes, StagedDesktopMimeTypes());
}

TEST(StagedInstall, MetainfoNewestReleaseIsThisVersion) {
    EXPECT_EQ(ReadStagedMetainfo().newestRelease, QStringLiteral(SAROVIN_VERSION));
}

TEST(StagedInstall, ManualPagesAndPackageDocumentsAreInstalled) {
    for (const QString& path : {QStringLiteral("share/man/man1/sarovin.1.gz"),
                                QStringLiteral("share/man/man1/sarovin-report.1.gz"),
                                QStringLiteral("share/doc/sarovin/copyright"),
                                QStringLiteral("share/doc/sarovin/changelog.gz"),
                                QStringLiteral("share/doc/sarovin/changelog.Debian.gz")}) {
        EXPECT_TRUE(QFileInfo(Staged(path)).isFile()) << path.toStdString();
    }
}

}  // namespace
}  // namespace sarovin::testing
