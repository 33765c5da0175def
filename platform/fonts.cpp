// SPDX-License-Identifier: GPL-2.0-or-later
#include "platform/fonts.h"

#include <QDir>
#include <QFontDatabase>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QHash>
#include <QScreen>
#include <algorithm>
#include <atomic>
#include <cmath>
#include <memory>

namespace platform {

namespace {

// A measuring font with the advances it has given so far. Building a QFont and asking it for an advance
// costs far more than the measuring itself, and a page measures the same few fonts thousands of times.
class Measurer {
public:
    Measurer(const FontSpec& fontRequest, int ppi)
        : m_request(fontRequest)
        , m_ppi(ppi)
        , m_metrics(measuringFont(fontRequest, ppi))
    {
    }
    bool measures(const FontSpec& fontRequest, int ppi) const
    {
        return m_ppi == ppi && m_request.pointSize == fontRequest.pointSize
            && m_request.bold == fontRequest.bold && m_request.italic == fontRequest.italic
            && m_request.underline == fontRequest.underline && m_request.strikeOut == fontRequest.strikeOut
            && m_request.fixedPitch == fontRequest.fixedPitch && m_request.face == fontRequest.face;
    }
    int height() const { return m_metrics.height(); }
    int advance(QChar c)
    {
        auto found = m_advances.constFind(c.unicode());
        if (found == m_advances.cend())
            found = m_advances.insert(c.unicode(), m_metrics.horizontalAdvance(c));
        return *found;
    }
    int advance(const QString& surrogatePair) const { return m_metrics.horizontalAdvance(surrogatePair); }

private:
    FontSpec m_request;
    int m_ppi;
    QFontMetrics m_metrics;
    QHash<char16_t, int> m_advances;
};

// Whether Tahoma is installed: -1 until asked.
std::atomic<int> tahomaKnown = -1;

// The measurers of this thread, the latest used first; the fonts that app fonts can change are few.
thread_local std::vector<std::unique_ptr<Measurer>> measurers;

Measurer& measurer(const FontSpec& fontRequest, int ppi)
{
    for (auto it = measurers.begin(); it != measurers.end(); ++it) {
        if ((*it)->measures(fontRequest, ppi)) {
            if (it != measurers.begin())
                std::rotate(measurers.begin(), it, it + 1);
            return *measurers.front();
        }
    }
    constexpr std::size_t kept = 32;
    if (measurers.size() == kept)
        measurers.pop_back();
    measurers.insert(measurers.begin(), std::make_unique<Measurer>(fontRequest, ppi));
    return *measurers.front();
}

} // namespace

void loadApplicationFonts()
{
    static bool loaded = false;
    if (loaded)
        return;
    loaded = true;
    measurers.clear(); // a face named before may be another one now
    tahomaKnown = -1;
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
        // Listing the families costs as much as a window's first fonts: asked once, and again after the
        // application's fonts are loaded.
        if (tahomaKnown < 0)
            tahomaKnown = QFontDatabase::families().contains(QStringLiteral("Tahoma")) ? 1 : 0;
        return tahomaKnown ? QStringLiteral("Tahoma") : QStringLiteral("Liberation Sans");
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
    Measurer& m = measurer(fontRequest, ppi);
    int width = 0;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        if (c.isHighSurrogate() && i + 1 < text.size()) {
            width += m.advance(text.mid(i, 2));
            ++i;
        } else {
            width += m.advance(c);
        }
    }
    return QSize(width, m.height());
}

std::vector<int> textAdvances(const FontSpec& fontRequest, const QString& text, int ppi)
{
    Measurer& m = measurer(fontRequest, ppi);
    std::vector<int> advances;
    advances.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        if (c.isHighSurrogate() && i + 1 < text.size()) {
            advances.push_back(m.advance(text.mid(i, 2)));
            advances.push_back(0);
            ++i;
        } else {
            advances.push_back(m.advance(c));
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
