#pragma once

#include <gtest/gtest.h>

#include <QDir>
#include <QImage>
#include <QString>
#include <QStringList>

#include "tests/install/desktop_entry.h"

namespace sarovin::testing {

inline const QString APP_ID = QStringLiteral(SAROVIN_APP_ID);
inline const QString READING_TYPE = QStringLiteral("application/x-sarovin-reading");
// The sizes desktops look for in the hicolor theme.
inline constexpr int ICON_SIZES[] = {16, 24, 32, 48, 64, 128, 256};

// A path inside the staged installation.
inline QString Staged(const QString& path) {
    return QDir(QStringLiteral(SAROVIN_STAGING)).filePath(path);
}

inline QString StagedIcon(int size, const QString& context, const QString& name) {
    return Staged(
        QStringLiteral("share/icons/hicolor/%1x%1/%2/%3.png").arg(size).arg(context, name));
}

// Right size, and drawn: the middle of every icon is covered.
inline void ExpectIcon(const QString& path, int size) {
    const QImage icon(path);
    ASSERT_FALSE(icon.isNull()) << path.toStdString();
    EXPECT_EQ(icon.size(), QSize(size, size)) << path.toStdString();
    EXPECT_EQ(qAlpha(icon.pixel(size / 2, size / 2)), 255) << path.toStdString();
}

inline QHash<QString, QString> StagedDesktopEntry() {
    return ReadDesktopEntry(Staged(QStringLiteral("share/applications/%1.desktop").arg(APP_ID)));
}

// The MIME types the staged desktop entry says the program opens.
inline QStringList StagedDesktopMimeTypes() {
    return StagedDesktopEntry().value(QStringLiteral("MimeType")).split(u';', Qt::SkipEmptyParts);
}

}  // namespace sarovin::testing
