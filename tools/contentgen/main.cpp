// Generates the sign pictures and program icons shipped in the content folder.
// Everything is drawn with QPainter so the output is reproducible from source.

#include "appicon.h"
#include "icofile.h"
#include "signpicture.h"

#include <QDir>
#include <QGuiApplication>
#include <QImageWriter>
#include <QSaveFile>
#include <QTextStream>

#include <cstdio>

namespace {

bool writeImage(const QImage &image, const QString &fileName, const QByteArray &format,
                int quality = -1)
{
    QImageWriter writer(fileName, format);
    if (quality >= 0)
        writer.setQuality(quality);
    if (!writer.write(image)) {
        std::fprintf(stderr, "kelt_contentgen: cannot write %s: %s\n", qPrintable(fileName),
                     qPrintable(writer.errorString()));
        return false;
    }
    return true;
}

bool writeBytes(const QByteArray &bytes, const QString &fileName)
{
    QSaveFile file(fileName);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit()) {
        std::fprintf(stderr, "kelt_contentgen: cannot write %s\n", qPrintable(fileName));
        return false;
    }
    return true;
}

} // namespace

int main(int argc, char **argv)
{
    // Painting text-free images needs no display; default to offscreen when unset.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);

    const QStringList args = QCoreApplication::arguments();
    if (args.size() != 2) {
        std::fprintf(stderr, "usage: kelt_contentgen <content-folder>\n");
        return 2;
    }
    const QDir content(args.at(1));
    const QString pictures = content.filePath(QStringLiteral("pictures"));
    const QString icons = content.filePath(QStringLiteral("icon"));
    if (!QDir().mkpath(pictures) || !QDir().mkpath(icons)) {
        std::fprintf(stderr, "kelt_contentgen: cannot create folders under %s\n",
                     qPrintable(content.path()));
        return 1;
    }

    bool ok = true;
    // Each picture also at twice the size, for screens scaled to 2; the program picks it by
    // the "@2x" name.
    for (const QString &key : SignPicture::signKeys()) {
        const QString base = pictures + QLatin1Char('/') + key;
        ok &= writeImage(SignPicture::render(key, 200), base + ".jpg", "jpeg", 90);
        ok &= writeImage(SignPicture::render(key, 400), base + "@2x.jpg", "jpeg", 90);
    }
    // The icon at every size the desktop asks for and at twice each of them (96 and 512 are
    // the doubles that no plain size already gives).
    for (const int size : {16, 32, 48, 64, 96, 128, 256, 512}) {
        ok &= writeImage(AppIcon::render(size), icons + QStringLiteral("/kelt-%1.png").arg(size),
                         "png");
    }
    // The executable's icon: the windows' 32 x 32, 256-colour image, and beside it the sizes
    // the Windows shell shows up to 256 x 256 (which it reads as PNG), in full colour.
    QList<IcoFile::Entry> entries{{AppIcon::render(32), IcoFile::Entry::Indexed}};
    for (const int size : {16, 24, 32, 48, 64, 128})
        entries.append({AppIcon::render(size), IcoFile::Entry::Argb});
    entries.append({AppIcon::render(256), IcoFile::Entry::Png});
    if (!IcoFile::write(entries, icons + QStringLiteral("/kelt.ico"))) {
        std::fprintf(stderr, "kelt_contentgen: cannot write kelt.ico\n");
        ok = false;
    }
    ok &= writeBytes(AppIcon::svg(256), icons + QStringLiteral("/kelt.svg"));
    return ok ? 0 : 1;
}
