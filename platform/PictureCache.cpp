// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/PictureCache.h"

#include <QFile>
#include <QHash>
#include <QImage>
#include <QIODevice>
#include <QResource>
#include <QSysInfo>
#include <QtEndian>
#include <QPainter>
#include <QSvgRenderer>
#include <QXmlStreamReader>

#include <memory>

namespace {

struct RasterKey {
    QSize size;
    qreal devicePixelRatio;
    bool operator==(const RasterKey&) const = default;
};

size_t qHash(const RasterKey& key, size_t seed = 0)
{
    return qHashMulti(seed, key.size.width(), key.size.height(), key.devicePixelRatio);
}

struct Picture {
    // The file is read when first needed: not at all while pictures drawn
    // ahead of time serve every ratio asked for.
    bool read = false;
    // An SVG's bytes stay, so that drawing it at another ratio reads no
    // file; its parsed document, many times larger, only until it is drawn.
    QByteArray data;
    std::shared_ptr<QSvgRenderer> svg;
    // Any other format is decoded once and kept.
    QImage image;
    bool unreadable = false;
    QSize size;
    QHash<RasterKey, QPixmap> rasters;
};

int g_loadCount = 0;
int g_rasterCount = 0;

bool IsSvg(const QString& path)
{
    return path.endsWith(QLatin1String(".svg"), Qt::CaseInsensitive);
}

// A length of the root element in whole pixels ("120" or "120px"), else 0.
int WholePixels(QStringView length)
{
    if (length.endsWith(QLatin1String("px")))
        length.chop(2);
    bool ok = false;
    const int pixels = length.toInt(&ok);
    return ok && pixels > 0 ? pixels : 0;
}

// The size the root element states, read without parsing the document.
QSize StatedSvgSize(const QByteArray& data)
{
    QXmlStreamReader reader(data);
    while (!reader.atEnd()) {
        if (reader.readNext() != QXmlStreamReader::StartElement)
            continue;
        if (reader.name() != QLatin1String("svg"))
            return {};
        const QXmlStreamAttributes attributes = reader.attributes();
        const QSize size(WholePixels(attributes.value(QLatin1String("width"))),
            WholePixels(attributes.value(QLatin1String("height"))));
        return size.isEmpty() ? QSize() : size;
    }
    return {};
}

QHash<QString, Picture>& Pictures()
{
    static QHash<QString, Picture> pictures;
    return pictures;
}

Picture& Find(const QString& path)
{
    return Pictures()[path];
}

void Read(Picture& picture, const QString& path)
{
    if (picture.read)
        return;
    picture.read = true;
    QFile file(path);
    if (file.open(QIODevice::ReadOnly))
        picture.data = file.readAll();
    if (picture.data.isEmpty())
        picture.unreadable = true;
    else if (IsSvg(path) && picture.size.isEmpty())
        picture.size = StatedSvgSize(picture.data);
}

bool Parse(Picture& picture, const QString& path)
{
    Read(picture, path);
    if (picture.unreadable || picture.svg || !picture.image.isNull())
        return !picture.unreadable;
    ++g_loadCount;
    if (IsSvg(path)) {
        auto svg = std::make_shared<QSvgRenderer>(picture.data);
        if (svg->isValid()) {
            picture.svg = svg;
            picture.size = svg->defaultSize();
        }
    } else {
        picture.image = QImage::fromData(picture.data);
        picture.size = picture.image.size();
        picture.data.clear();
    }
    picture.unreadable = !picture.svg && picture.image.isNull();
    if (picture.unreadable)
        picture.size = QSize();
    return !picture.unreadable;
}

QSize DeviceSize(QSize logicalSize, qreal devicePixelRatio)
{
    return (QSizeF(logicalSize) * devicePixelRatio).toSize();
}

QImage Rasterise(const Picture& picture, QSize logicalSize, qreal devicePixelRatio)
{
    const QSize deviceSize = DeviceSize(logicalSize, devicePixelRatio);
    QImage image(deviceSize, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    {
        QPainter painter(&image);
        if (picture.svg) {
            picture.svg->render(&painter, QRectF(QPointF(0, 0), QSizeF(deviceSize)));
        } else {
            painter.setRenderHint(QPainter::SmoothPixmapTransform);
            painter.drawImage(QRect(QPoint(0, 0), deviceSize), picture.image);
        }
    }
    return image;
}

// "folder/name.svg" drawn ahead of time at a whole ratio:
// "folder/name@<ratio>x.pixels".
QString PreDrawnPath(const QString& path, qreal devicePixelRatio)
{
    const int ratio = qRound(devicePixelRatio);
    if (ratio < 1 || ratio != devicePixelRatio || !IsSvg(path))
        return {};
    return path.chopped(4) + QStringLiteral("@%1x.pixels").arg(ratio);
}

// A picture drawn ahead of time is its pixels as drawn, premultiplied ARGB
// words in little-endian order, after a header of four such words: the
// magic, a version, the width and the height. Compiled in uncompressed, the
// picture is used where it lies, with nothing to decode; compressed, it is
// unpacked once.
constexpr quint32 kPixelsMagic = 0x58505952; // "RYPX"
constexpr quint32 kPixelsVersion = 1;
constexpr int kPixelsHeaderWords = 4;

// The image the words describe, pointing into them; null unless they hold
// exactly one well-formed picture.
QImage WrapPixels(const uchar* bytes, qint64 size)
{
    if (QSysInfo::ByteOrder != QSysInfo::LittleEndian || size < qint64(kPixelsHeaderWords * sizeof(quint32)))
        return {};
    const auto* words = reinterpret_cast<const quint32*>(bytes);
    const quint32 width = words[2];
    const quint32 height = words[3];
    if (words[0] != kPixelsMagic || words[1] != kPixelsVersion || width == 0 || height == 0 || width > 4096 || height > 4096
        || size != qint64((kPixelsHeaderWords + width * height) * sizeof(quint32)))
        return {};
    return QImage(reinterpret_cast<const uchar*>(words + kPixelsHeaderWords), int(width), int(height),
        int(width * sizeof(quint32)), QImage::Format_ARGB32_Premultiplied);
}

QImage MapPreDrawn(const QString& preDrawn)
{
    if (preDrawn.isEmpty())
        return {};
    const QResource resource(preDrawn);
    if (!resource.isValid())
        return {};
    // Resources are never unloaded while the program runs, so an image may
    // point into them; painting only reads it.
    if (resource.compressionAlgorithm() == QResource::NoCompression)
        return WrapPixels(resource.data(), resource.size());
    const QByteArray bytes = resource.uncompressedData();
    return WrapPixels(reinterpret_cast<const uchar*>(bytes.constData()), bytes.size()).copy();
}

// The picture drawn ahead of time at exactly this size and ratio, or null.
QImage ReadPreDrawn(const QString& path, QSize logicalSize, qreal devicePixelRatio)
{
    const QImage image = MapPreDrawn(PreDrawnPath(path, devicePixelRatio));
    if (image.isNull() || image.size() != DeviceSize(logicalSize, devicePixelRatio))
        return {};
    ++g_loadCount;
    return image;
}

// Kept in its own format: an opaque picture would otherwise be turned into
// one without alpha, which copies a picture that lies in the program's
// resources.
QPixmap ToPixmap(const QImage& image, qreal devicePixelRatio)
{
    QPixmap pixmap = QPixmap::fromImage(image, Qt::NoFormatConversion);
    pixmap.setDevicePixelRatio(devicePixelRatio);
    return pixmap;
}

} // namespace

QSize CPictureCache::Size(const QString& path)
{
    Picture& picture = Find(path);
    if (picture.size.isEmpty() && !picture.read) {
        // Drawn ahead of time at ratio 1, a picture has its own size.
        picture.size = MapPreDrawn(PreDrawnPath(path, 1)).size();
    }
    if (picture.size.isEmpty())
        Read(picture, path);
    if (picture.size.isEmpty())
        Parse(picture, path);
    return picture.size;
}

QPixmap CPictureCache::Pixmap(const QString& path, QSize logicalSize, qreal devicePixelRatio)
{
    Picture& picture = Find(path);
    const RasterKey key { logicalSize, devicePixelRatio };
    auto found = picture.rasters.constFind(key);
    if (found != picture.rasters.constEnd())
        return *found;
    if (logicalSize.isEmpty())
        return {};
    const QImage preDrawn = ReadPreDrawn(path, logicalSize, devicePixelRatio);
    if (!preDrawn.isNull())
        return *picture.rasters.insert(key, ToPixmap(preDrawn, devicePixelRatio));
    if (!Parse(picture, path))
        return {};
    ++g_rasterCount;
    const QPixmap pixmap = ToPixmap(Rasterise(picture, logicalSize, devicePixelRatio), devicePixelRatio);
    picture.svg.reset();
    return *picture.rasters.insert(key, pixmap);
}

QImage CPictureCache::Draw(const QString& path, QSize logicalSize, qreal devicePixelRatio)
{
    Picture picture;
    if (!Parse(picture, path))
        return {};
    if (logicalSize.isEmpty())
        logicalSize = picture.size;
    QImage image = Rasterise(picture, logicalSize, devicePixelRatio);
    image.setDevicePixelRatio(devicePixelRatio);
    return image;
}

bool CPictureCache::SavePreDrawn(const QImage& image, QIODevice& device)
{
    const QImage pixels = image.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    if (pixels.isNull())
        return false;
    QByteArray data;
    data.reserve(qsizetype((kPixelsHeaderWords + pixels.width() * pixels.height()) * sizeof(quint32)));
    const auto append = [&data](quint32 word) {
        const quint32 little = qToLittleEndian(word);
        data.append(reinterpret_cast<const char*>(&little), sizeof little);
    };
    for (const quint32 word : { kPixelsMagic, kPixelsVersion, quint32(pixels.width()), quint32(pixels.height()) })
        append(word);
    for (int y = 0; y < pixels.height(); ++y) {
        const auto* line = reinterpret_cast<const quint32*>(pixels.constScanLine(y));
        for (int x = 0; x < pixels.width(); ++x)
            append(line[x]);
    }
    return device.write(data) == data.size();
}

QImage CPictureCache::PreDrawn(const QString& path, qreal devicePixelRatio)
{
    return MapPreDrawn(PreDrawnPath(path, devicePixelRatio));
}

int CPictureCache::LoadCount()
{
    return g_loadCount;
}

int CPictureCache::RasterCount()
{
    return g_rasterCount;
}
