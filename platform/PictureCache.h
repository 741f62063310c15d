#pragma once

#include <QPixmap>
#include <QSize>
#include <QString>

// Pictures from files (SVG, or any image format Qt reads), kept for the
// whole run: each file is read once, and each picture parsed and rasterised
// once per logical size and device pixel ratio, so that painting never
// touches a file and a repaint parses nothing. The pictures a program draws
// are few and fixed, so nothing is ever evicted.
class CPictureCache
{
public:
    // The picture's own size in logical pixels, or an empty size when the
    // file is missing or unreadable. An SVG whose root element states its
    // size in whole pixels is not parsed for this: a picture that is sized
    // but never shown costs no more than reading its file.
    static QSize Size(const QString& path);
    // The picture scaled to logicalSize at the given ratio; null when the
    // file is missing or unreadable.
    static QPixmap Pixmap(const QString& path, QSize logicalSize, qreal devicePixelRatio);

    // How many files have been parsed, and how many pictures rasterised,
    // since start-up.
    static int LoadCount();
    static int RasterCount();
};
