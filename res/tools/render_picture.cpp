// SPDX-License-Identifier: GPL-3.0-or-later
// Draws a picture ahead of time, as the program draws it at run time:
//   render_picture PICTURE.svg RATIO OUTPUT.pixels [RATIO OUTPUT.pixels]...
// writes the picture at its own size and each whole ratio as its bare
// pixels, which the program then uses instead of parsing the SVG. Runs during the
// build, often without a display, so it needs only QtGui's raster painter
// and no platform plugin.

#include "platform/PictureCache.h"

#include <QDir>
#include <QFileInfo>
#include <QImage>
#include <QSaveFile>
#include <QString>

#include <cstdio>

int main(int argc, char** argv)
{
    if (argc < 4 || argc % 2 != 0) {
        std::fprintf(stderr, "usage: render_picture PICTURE.svg RATIO OUTPUT.pixels [RATIO OUTPUT.pixels]...\n");
        return 2;
    }
    const QString picture = QString::fromLocal8Bit(argv[1]);
    for (int index = 2; index < argc; index += 2) {
        bool ok = false;
        const int ratio = QString::fromLocal8Bit(argv[index]).toInt(&ok);
        if (!ok || ratio < 1 || ratio > 8) {
            std::fprintf(stderr, "render_picture: bad ratio %s\n", argv[index]);
            return 2;
        }
        const QImage image = CPictureCache::Draw(picture, QSize(), ratio);
        if (image.isNull()) {
            std::fprintf(stderr, "render_picture: cannot read %s\n", argv[1]);
            return 1;
        }
        const QString output = QString::fromLocal8Bit(argv[index + 1]);
        QSaveFile file(output);
        if (!QDir().mkpath(QFileInfo(output).path()) || !file.open(QIODevice::WriteOnly) || !CPictureCache::SavePreDrawn(image, file)
            || !file.commit()) {
            std::fprintf(stderr, "render_picture: cannot write %s\n", argv[index + 1]);
            return 1;
        }
    }
    return 0;
}
