// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/Gdi.h"

#include "platform/PictureCache.h"

#include <QResource>
#include <QFontMetrics>
#include <QHash>
#include <QIconEngine>
#include <QPainter>
#include <QRawFont>
#include <QSet>
#include <QtGlobal>

#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace {

constexpr int kIconSize = 32;
// GDI's pitch-and-family byte keeps the family in its high nibble.
constexpr int kFamilyMask = 0xf0;
constexpr int kFamilyModern = 0x30;
// Asked for "height 0", GDI picks a reasonable default size.
constexpr int kDefaultCellHeight = 16;

QString IconPath(int resourceId, const char* extension)
{
    return QStringLiteral(":/icons/%1.%2").arg(resourceId).arg(QLatin1String(extension));
}

QString BitmapPath(int resourceId, const char* extension)
{
    return QStringLiteral(":/bitmaps/%1.%2").arg(resourceId).arg(QLatin1String(extension));
}

// Whether the compiled-in resources hold the file. Asked of the file itself,
// Qt reads the first bytes of its contents, which brings a page of an SVG
// that nothing draws into the program's memory for each icon; the names in
// the file's folder lie apart from any contents. Resources are all
// registered before the first picture is looked for.
struct ResourceFolder : QResource {
    using QResource::children;
    using QResource::QResource;
};

bool HasResourceFile(const QString& path)
{
    static auto* folders = new QHash<QString, QSet<QString>>;
    const qsizetype slash = path.lastIndexOf(QLatin1Char('/'));
    const QString folder = path.left(slash);
    auto found = folders->constFind(folder);
    if (found == folders->constEnd()) {
        const QStringList names = ResourceFolder(folder).children();
        found = folders->insert(folder, QSet<QString>(names.begin(), names.end()));
    }
    return found->contains(path.mid(slash + 1));
}

// The file behind a resource id: an SVG if there is one, else a PNG.
QString ResolveResource(QString (*makePath)(int, const char*), int resourceId)
{
    for (const char* extension : { "svg", "png" }) {
        QString path = makePath(resourceId, extension);
        if (HasResourceFile(path))
            return path;
    }
    return {};
}

void WarnMissingOnce(const char* kind, int resourceId)
{
    static QSet<QString> warned;
    const QString key = QStringLiteral("%1 %2").arg(QLatin1String(kind)).arg(resourceId);
    if (warned.contains(key))
        return;
    warned.insert(key);
    qWarning("platform: %s resource %d is missing", kind, resourceId);
}

// Rounded up, unlike QFontMetrics::descent(), so descenders stay inside.
int RoundedUpDepth(qreal descent)
{
    return static_cast<int>(std::ceil(descent - 1e-6));
}

QFont::Weight ToQFontWeight(int weight)
{
    if (weight <= 0)
        return QFont::Normal;
    return static_cast<QFont::Weight>(std::clamp(weight, 1, 1000));
}

QFont BaseFont(const QString& family, int weight, bool italic)
{
    QFont font(family);
    font.setWeight(ToQFontWeight(weight));
    font.setItalic(italic);
    // Text widths must add up character by character, as they did on the old
    // system: no kerning, and full hinting for whole-pixel advances.
    font.setKerning(false);
    font.setHintingPreference(QFont::PreferFullHinting);
    font.setStyleStrategy(QFont::PreferMatch);
    return font;
}

} // namespace

int CellDescent(const QFont& font)
{
    return RoundedUpDepth(QFontMetricsF(font).descent());
}

QColor ToQColor(COLORREF colour)
{
    return QColor(GetRValue(colour), GetGValue(colour), GetBValue(colour));
}

bool CPen::CreatePen(int style, int width, COLORREF colour)
{
    if (style != PS_SOLID && style != PS_DOT && style != PS_NULL) {
        qWarning("platform: pen style %d is not supported", style);
        return false;
    }
    m_nStyle = style;
    // Width 0 is the one-pixel cosmetic pen.
    m_nWidth = std::max(1, width);
    // Like GDI, a wide pen cannot be dotted.
    if (m_nStyle == PS_DOT && m_nWidth > 1)
        m_nStyle = PS_SOLID;
    m_clrColour = colour;
    return true;
}

bool CBrush::CreateSolidBrush(COLORREF colour)
{
    m_bNull = false;
    m_clrColour = colour;
    return true;
}

CBrush CBrush::Null()
{
    CBrush brush;
    brush.m_bNull = true;
    return brush;
}

QString SubstituteFace(const QString& face)
{
    static const QHash<QString, QString> substitutes {
        { QStringLiteral("arial"), QStringLiteral("Liberation Sans") },
        { QStringLiteral("arial cyr"), QStringLiteral("Liberation Sans") },
        { QStringLiteral("ms sans serif"), QStringLiteral("Liberation Sans") },
        { QStringLiteral("_sans"), QStringLiteral("Liberation Sans") },
        { QStringLiteral("geneva"), QStringLiteral("Liberation Sans") },
        { QStringLiteral("helvetica"), QStringLiteral("Liberation Sans") },
        { QStringLiteral("liberation sans"), QStringLiteral("Liberation Sans") },
        { QStringLiteral("courier"), QStringLiteral("Liberation Mono") },
        { QStringLiteral("courier new"), QStringLiteral("Liberation Mono") },
        { QStringLiteral("liberation mono"), QStringLiteral("Liberation Mono") },
    };
    return substitutes.value(face.trimmed().toLower(), QStringLiteral("Liberation Sans"));
}

int SubstituteStretch(const QString& face)
{
    // "_sans" asked the old font mapper for whatever Swiss face it had, which
    // was narrower than Arial; the captions laid out for it collide with the
    // text beside them at Liberation Sans' full width.
    return face.trimmed().compare(QLatin1String("_sans"), Qt::CaseInsensitive) == 0 ? 95 : QFont::Unstretched;
}

namespace {

// A font fitted to a cell, with the whole-pixel ascent and rounded-up
// depth that fitting measured.
struct FittedFont {
    QFont font;
    int ascent = 0;
    int descent = 0;
};

FittedFont FitToCellHeight(const QString& face, int cellHeight, int weight, bool italic)
{
    const QString family = SubstituteFace(face);
    const int stretch = SubstituteStretch(face);
    const QString style = QStringLiteral("%1|%2|%3|%4").arg(family).arg(weight).arg(italic).arg(stretch);
    const QString key = QStringLiteral("%1|%2").arg(style).arg(cellHeight);
    static QHash<QString, FittedFont> cache;
    auto found = cache.constFind(key);
    if (found != cache.constEnd())
        return *found;

    FittedFont fitted { BaseFont(family, weight, italic) };
    QFont& font = fitted.font;
    font.setStretch(stretch);
    // Each size a QFont is measured at loads a font engine of its own, which
    // asks fontconfig for its settings all over again; a raw font resized
    // from one engine of the style measures the same face without that. That
    // one engine is opened at the size such a cell usually takes, so that it
    // is mostly also the engine the text is drawn with. Font engines must not
    // outlive the font database, so these are never freed.
    static auto* measuringFonts = new QHash<QString, QRawFont>;
    auto measuring = measuringFonts->find(style);
    if (measuring == measuringFonts->end()) {
        QFont likely = font;
        likely.setPixelSize(std::max(1, (cellHeight * 7 + 4) / 8));
        measuring = measuringFonts->insert(style, QRawFont::fromFont(likely));
    }
    int pixelSize = std::max(1, cellHeight);
    for (; pixelSize >= 1; --pixelSize) {
        if (measuring->isValid()) {
            measuring->setPixelSize(pixelSize);
            fitted.ascent = qRound(measuring->ascent());
            fitted.descent = RoundedUpDepth(measuring->descent());
        } else {
            font.setPixelSize(pixelSize);
            fitted.ascent = QFontMetrics(font).ascent();
            fitted.descent = CellDescent(font);
        }
        if (pixelSize == 1 || fitted.ascent + fitted.descent <= cellHeight)
            break;
    }
    font.setPixelSize(pixelSize);
    cache.insert(key, fitted);
    return fitted;
}

} // namespace

QFont FontForCellHeight(const QString& face, int cellHeight, int weight, bool italic)
{
    return FitToCellHeight(face, cellHeight, weight, italic).font;
}

namespace {

struct FontRequest {
    QString face;
    int height;
    int weight;
    bool italic;
    bool operator==(const FontRequest&) const = default;
};

size_t qHash(const FontRequest& request, size_t seed = 0)
{
    return qHashMulti(seed, request.face, request.height, request.weight, request.italic);
}

struct CreatedFont {
    QFont font;
    int cellHeight;
    int ascent;
};

} // namespace

bool CFont::CreateFont(int height, int weight, bool italic, int pitchAndFamily, const QString& face)
{
    QString chosenFace = face;
    if (chosenFace.isEmpty())
        chosenFace = (pitchAndFamily & kFamilyMask) == kFamilyModern ? QStringLiteral("Courier") : QStringLiteral("Arial");
    m_request = Request { chosenFace, height, weight, italic };
    return true;
}

void CFont::Measure() const
{
    const Request& asked = *m_request;
    // Views create their fonts at every paint, and measuring a font asks its
    // engine each time; what a request gives never changes during a run.
    static QHash<FontRequest, CreatedFont> created;
    const FontRequest request { asked.face, asked.height, asked.weight, asked.italic };
    auto found = created.constFind(request);
    if (found == created.constEnd()) {
        if (asked.height >= 0) {
            // Fitting measured the font already; its engine opens when it
            // first draws.
            const FittedFont fitted
                = FitToCellHeight(asked.face, asked.height == 0 ? kDefaultCellHeight : asked.height, asked.weight, asked.italic);
            const int cellHeight = asked.height > 0 ? asked.height : fitted.ascent + fitted.descent;
            found = created.insert(request, { fitted.font, cellHeight, cellHeight - fitted.descent });
        } else {
            // A negative height is the character height, which is the em size.
            QFont font = BaseFont(SubstituteFace(asked.face), asked.weight, asked.italic);
            font.setStretch(SubstituteStretch(asked.face));
            font.setPixelSize(std::max(1, std::abs(asked.height)));
            const int descent = CellDescent(font);
            const int cellHeight = QFontMetrics(font).ascent() + descent;
            found = created.insert(request, { font, cellHeight, cellHeight - descent });
        }
    }
    m_font = found->font;
    m_nCellHeight = found->cellHeight;
    m_nAscent = found->ascent;
    m_request.reset();
}

bool CFont::Create(const QString& face, int cellHeight, int weight, bool italic)
{
    return CreateFont(cellHeight, weight, italic, 0, face);
}

CIcon::CIcon(int resourceId)
    : m_nResourceId(resourceId)
{
}

bool CIcon::IsNull() const
{
    return ResolveResource(IconPath, m_nResourceId).isEmpty();
}

QPixmap CIcon::Pixmap(qreal devicePixelRatio) const
{
    const QString path = ResolveResource(IconPath, m_nResourceId);
    if (path.isEmpty()) {
        WarnMissingOnce("icon", m_nResourceId);
        return {};
    }
    return CPictureCache::Pixmap(path, QSize(kIconSize, kIconSize), devicePixelRatio);
}

namespace {

class LazyIconEngine final : public QIconEngine
{
public:
    explicit LazyIconEngine(const CIcon& icon)
        : m_icon(icon)
    {
    }

    QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) override
    {
        return scaledPixmap(size, mode, state, 1.0);
    }

    QPixmap scaledPixmap(const QSize& size, QIcon::Mode, QIcon::State, qreal scale) override
    {
        const QSize deviceSize = (QSizeF(size) * scale).toSize();
        QPixmap pixmap = m_icon.Pixmap(deviceSize.width() > kIconSize || deviceSize.height() > kIconSize ? 2.0 : 1.0);
        if (!pixmap.isNull() && pixmap.size() != deviceSize)
            pixmap = pixmap.scaled(deviceSize, Qt::KeepAspectRatio, Qt::SmoothTransformation);
        pixmap.setDevicePixelRatio(scale);
        return pixmap;
    }

    void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode, QIcon::State state) override
    {
        painter->drawPixmap(rect, scaledPixmap(rect.size(), mode, state, painter->device()->devicePixelRatioF()));
    }

    QList<QSize> availableSizes(QIcon::Mode, QIcon::State) override
    {
        return { QSize(kIconSize, kIconSize), QSize(2 * kIconSize, 2 * kIconSize) };
    }

    QIconEngine* clone() const override { return new LazyIconEngine(m_icon); }

private:
    CIcon m_icon;
};

} // namespace

QIcon CIcon::ToQIcon() const
{
    return QIcon(new LazyIconEngine(*this));
}

HICON LoadIconResource(int resourceId)
{
    // Handles outlive everything that draws with them, so they are never freed.
    static auto* icons = new QHash<int, const CIcon*>;
    auto found = icons->constFind(resourceId);
    if (found != icons->constEnd())
        return *found;
    const CIcon* icon = new CIcon(resourceId);
    icons->insert(resourceId, icon);
    return icon;
}

bool CBitmap::LoadBitmap(int resourceId)
{
    *this = CBitmap();
    const QString path = ResolveResource(BitmapPath, resourceId);
    if (path.isEmpty()) {
        WarnMissingOnce("bitmap", resourceId);
        return false;
    }
    // Only the size is needed now: the picture is drawn when first painted.
    const QSize size = CPictureCache::Size(path);
    if (size.isEmpty()) {
        qWarning("platform: bitmap resource %d cannot be read", resourceId);
        return false;
    }
    m_nResourceId = resourceId;
    m_strPath = path;
    m_size = { size.width(), size.height() };
    return true;
}

QPixmap CBitmap::Pixmap(qreal devicePixelRatio) const
{
    if (IsNull())
        return {};
    return CPictureCache::Pixmap(m_strPath, QSize(m_size.cx, m_size.cy), devicePixelRatio);
}
