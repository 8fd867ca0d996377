// Writes the PNG icons of the hicolor theme: the program's icon into
// SIZExSIZE/apps and the icon of a saved reading into SIZExSIZE/mimetypes,
// for every size given.
#include <QDir>
#include <QImage>
#include <QPainter>
#include <QString>
#include <iostream>

#include "dist/reading_file_icon.h"
#include "links/program_icon.h"

namespace {

QImage ProgramIconImage(int size) {
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    sarovin::ProgramIcon().paint(&painter, image.rect());
    painter.end();
    return image;
}

bool Save(const QImage& image, const QString& folder, const QString& name) {
    const QString path = QDir(folder).filePath(name + QStringLiteral(".png"));
    if (!QDir().mkpath(folder) || !image.save(path, "PNG")) {
        std::cerr << "sarovin-render-icons: cannot write " << path.toStdString() << "\n";
        return false;
    }
    return true;
}

}  // namespace

int main(int argc, char* argv[]) {
    if (argc < 5) {
        std::cerr << "Usage: sarovin-render-icons OUTPUT_DIR PROGRAM_ICON_NAME"
                     " READING_ICON_NAME SIZE...\n";
        return 2;
    }
    const QString output = QString::fromLocal8Bit(argv[1]);
    const QString programName = QString::fromLocal8Bit(argv[2]);
    const QString readingName = QString::fromLocal8Bit(argv[3]);
    for (int argument = 4; argument < argc; ++argument) {
        bool ok = false;
        const int size = QString::fromLocal8Bit(argv[argument]).toInt(&ok);
        if (!ok || size <= 0) {
            std::cerr << "sarovin-render-icons: not a size: " << argv[argument] << "\n";
            return 2;
        }
        const QString folder = QDir(output).filePath(QStringLiteral("%1x%1").arg(size));
        if (!Save(ProgramIconImage(size), folder + QStringLiteral("/apps"), programName) ||
            !Save(sarovin::ReadingFileIcon(size), folder + QStringLiteral("/mimetypes"),
                  readingName)) {
            return 1;
        }
    }
    return 0;
}
