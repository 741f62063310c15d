// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QImage>
#include <QIODevice>
#include <QPixmap>
#include <QSize>
#include <QString>

// Pictures from files (SVG, or any image format Qt reads), kept for the
// whole run: each file is read once, and each picture parsed and rasterised
// once per logical size and device pixel ratio, so that painting never
// touches a file and a repaint parses nothing. The pictures a program draws
// are few and fixed, so nothing is ever evicted.
//
// A picture may come drawn ahead of time: beside the resource
// "folder/name.svg", the resource "folder/name@2x.pixels" holds it at ratio
// 2 (any whole ratio alike), drawn by Draw() and written by SavePreDrawn()
// when the program was built. When its pixels fit the size asked for, they
// are used, where they lie when stored uncompressed, instead of parsing and
// drawing the SVG, which costs many times more; otherwise the SVG is drawn
// as usual.
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

    // The picture drawn as Pixmap() draws it, at logicalSize (its own size
    // when empty) and the given ratio, ignoring any picture drawn ahead of
    // time; null when the file is missing or unreadable. Nothing is kept.
    static QImage Draw(const QString& path, QSize logicalSize, qreal devicePixelRatio);

    // Writes an image as a picture drawn ahead of time.
    static bool SavePreDrawn(const QImage& image, QIODevice& device);
    // The picture drawn ahead of time for the SVG at path and this ratio,
    // pointing into the program's resources; null when there is none.
    static QImage PreDrawn(const QString& path, qreal devicePixelRatio);

    // How many files have been parsed (a picture drawn ahead of time counts
    // when it is decoded), and how many pictures rasterised, since start-up.
    static int LoadCount();
    static int RasterCount();
};
