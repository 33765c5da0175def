#include "platform/fonts.h"

#include <QDir>
#include <QFontDatabase>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QHash>
#include <QScreen>
#include <cmath>

namespace platform {

void loadApplicationFonts()
{
    static bool loaded = false;
    if (loaded)
        return;
    loaded = true;
    // Wine's Tahoma lies outside fontconfig's folders.
    const QDir wine(QStringLiteral("/usr/share/wine/fonts"));
    for (const QString& name : { QStringLiteral("tahoma.ttf"), QStringLiteral("tahomabd.ttf") }) {
        if (wine.exists(name))
            QFontDatabase::addApplicationFont(wine.filePath(name));
    }
}

QString substituteFace(const QString& requested)
{
    static const QHash<QString, QString> table {
        { QStringLiteral("arial"), QStringLiteral("Liberation Sans") },
        { QStringLiteral("helvetica"), QStringLiteral("Liberation Sans") },
        { QStringLiteral("ms sans serif"), QStringLiteral("Liberation Sans") },
        { QStringLiteral("times new roman"), QStringLiteral("Liberation Serif") },
        { QStringLiteral("courier new"), QStringLiteral("Liberation Mono") },
        { QStringLiteral("courier"), QStringLiteral("Liberation Mono") },
    };
    const QString key = requested.trimmed().toLower();
    if (key == QLatin1String("tahoma")) {
        return QFontDatabase::families().contains(QStringLiteral("Tahoma"))
            ? QStringLiteral("Tahoma")
            : QStringLiteral("Liberation Sans");
    }
    return table.value(key, requested);
}

int fontPixelHeight(int pointSize, int ppi)
{
    const double pixels = double(pointSize) * ppi / 72.0;
    return -int(std::floor(pixels + 0.5)); // half away from zero, sizes are positive
}

static QFont baseFont(const FontSpec& fontRequest, int pixelSize)
{
    QFont font(substituteFace(fontRequest.face));
    font.setPixelSize(std::max(1, pixelSize));
    font.setBold(fontRequest.bold);
    font.setItalic(fontRequest.italic);
    font.setUnderline(fontRequest.underline);
    font.setStrikeOut(fontRequest.strikeOut);
    font.setKerning(false);
    // A fixed-pitch request whose named face is proportional keeps the named face.
    font.setFixedPitch(fontRequest.fixedPitch);
    font.setStyleStrategy(QFont::StyleStrategy(QFont::PreferMatch));
    return font;
}

QFont measuringFont(const FontSpec& fontRequest, int ppi)
{
    return measuringFontForPixels(fontRequest, -fontPixelHeight(fontRequest.pointSize, ppi));
}

QFont drawingFont(const FontSpec& fontRequest, int ppi)
{
    return drawingFontForPixels(fontRequest, -fontPixelHeight(fontRequest.pointSize, ppi));
}

QFont measuringFontForPixels(const FontSpec& fontRequest, int pixelSize)
{
    QFont font = baseFont(fontRequest, pixelSize);
    font.setHintingPreference(QFont::PreferFullHinting);
    font.setStyleStrategy(QFont::StyleStrategy(QFont::NoAntialias | QFont::PreferMatch));
    return font;
}

QFont drawingFontForPixels(const FontSpec& fontRequest, int pixelSize)
{
    QFont font = baseFont(fontRequest, pixelSize);
    font.setHintingPreference(QFont::PreferFullHinting);
    font.setStyleStrategy(QFont::StyleStrategy(QFont::PreferAntialias | QFont::PreferMatch));
    return font;
}

QSize measureText(const FontSpec& fontRequest, const QString& text, int ppi)
{
    const QFontMetrics metrics(measuringFont(fontRequest, ppi));
    int width = 0;
    for (int advance : textAdvances(fontRequest, text, ppi))
        width += advance;
    return QSize(width, metrics.height());
}

std::vector<int> textAdvances(const FontSpec& fontRequest, const QString& text, int ppi)
{
    const QFontMetrics metrics(measuringFont(fontRequest, ppi));
    std::vector<int> advances;
    advances.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        if (c.isHighSurrogate() && i + 1 < text.size()) {
            advances.push_back(metrics.horizontalAdvance(text.mid(i, 2)));
            advances.push_back(0);
            ++i;
        } else {
            advances.push_back(metrics.horizontalAdvance(c));
        }
    }
    return advances;
}

int screenPpi()
{
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        return std::max(1, int(std::lround(screen->logicalDotsPerInch())));
    return 96;
}

QSize referenceTextExtent(const FontSpec& fontRequest, const QString& text)
{
    return measureText(fontRequest, text, screenPpi());
}

} // namespace platform
