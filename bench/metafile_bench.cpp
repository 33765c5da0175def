// SPDX-License-Identifier: GPL-2.0-or-later
// Page recording and playing: a representative transfer page (~300 records: rectangles, lines, a dotted
// ellipse, ~150 texts in Arial 6/8/10/12 pt with Polish letters) recorded as an EMF and played at 96 and
// 600 ppi, next to the same drawing recorded and replayed with QPicture.
#include "emf/emfrecorder.h"
#include "emf/metafile.h"
#include "emf/paintercanvas.h"
#include "platform/fonts.h"

#include <QImage>
#include <QPainter>
#include <QPicture>
#include <benchmark/benchmark.h>

using namespace platform;
using namespace emf;

namespace {

constexpr int PageWidth = 1123, PageHeight = 794;

void drawPage(Canvas& c)
{
    static const QString texts[] = { QStringLiteral("   nazwa odbiorcy   "),
        QStringLiteral("Zażółć gęślą jaźń"), QStringLiteral(" tytułem "), QStringLiteral("Opłata:"),
        QStringLiteral("12 3456 7890 1234 5678 9012"), QStringLiteral("PRZEDSIĘBIORSTWO ŁÓDŹ"),
        QStringLiteral("1 234,56"), QStringLiteral(" nazwa zleceniodawcy cd. "), QStringLiteral("W") };
    static const int sizes[] = { 6, 8, 10, 12 };
    const ColorRef frames[] = { rgb(255, 0, 0), rgb(0, 0, 0), rgb(0, 100, 0), rgb(255, 164, 164) };
    for (int copy = 0; copy < 4; ++copy) {
        const int ox = (copy % 2) * 560, oy = (copy / 2) * 390;
        c.setPen(Pen { frames[copy], 1, PenStyle::Solid });
        c.setBrush(Brush { rgb(255, 228, 228), false });
        c.rectangle(ox + 25, oy + 10, ox + 540, oy + 330);
        c.setPen(Pen { 0, 1, PenStyle::Clear });
        c.setBrush(Brush { rgb(255, 255, 255), false });
        for (int row = 0; row < 6; ++row)
            c.rectangle(ox + 26, oy + 16 + row * 50, ox + 539, oy + 37 + row * 50);
        for (int width : { 1, 3, 5 }) {
            c.setPen(Pen { frames[copy], width, PenStyle::Solid });
            c.line(ox + 26, oy + 40 + width * 20, ox + 539, oy + 40 + width * 20);
            c.line(ox + 60 * width, oy + 60, ox + 60 * width, oy + 150);
        }
        c.setPen(Pen { frames[copy], 1, PenStyle::Dot });
        c.ellipse(ox + 435, oy + 300, ox + 495, oy + 368);
        c.line(ox + 26, oy + 280, ox + 539, oy + 280);
        c.setPen(Pen { frames[copy], 1, PenStyle::Solid });
        c.rectangle(ox + 25, oy + 296, ox + 280, oy + 385);
        // 36 texts per copy in four fonts, as the captions and values of one copy come in a few fonts
        for (int group = 0; group < 4; ++group) {
            FontSpec font { QStringLiteral("Arial"), sizes[group], group % 2 == 1 };
            font.color = group == 0 ? 0 : frames[copy];
            c.setFont(font);
            for (int i = 0; i < 9; ++i)
                c.textOut(ox + 30 + (group % 2) * 250, oy + 12 + (group / 2) * 150 + i * 16, TextAlign::Left,
                    texts[(i + group) % 9]);
        }
        c.removeClip();
    }
}

QByteArray recordPage()
{
    EmfRecorder recorder(PageWidth, PageHeight, 96);
    drawPage(recorder);
    return recorder.finish();
}

// The same operations with Qt's plain calls (drawRect, drawLine, drawEllipse, drawText with a QFont), for a
// QPicture that records Qt's own text items rather than positioned glyph runs.
class PlainQtCanvas : public Canvas {
public:
    explicit PlainQtCanvas(QPainter& painter)
        : m_painter(painter)
    {
    }
    int dpiX() const override { return 96; }
    int dpiY() const override { return 96; }
    void setPen(const Pen& pen) override
    {
        if (pen.style == PenStyle::Clear) {
            m_painter.setPen(Qt::NoPen);
            return;
        }
        QPen qpen(color(pen.color), std::max(1, pen.width));
        if (pen.style == PenStyle::Dot)
            qpen.setStyle(Qt::DotLine);
        m_painter.setPen(qpen);
    }
    void setBrush(const Brush& brush) override
    {
        m_painter.setBrush(brush.clear ? QBrush() : QBrush(color(brush.color)));
    }
    void setFont(const FontSpec& font) override
    {
        m_font = font;
        m_painter.setFont(drawingFont(font, 96));
    }
    void fillRect(int l, int t, int r, int b) override
    {
        m_painter.fillRect(QRect(l, t, r - l, b - t), m_painter.brush());
    }
    void rectangle(int l, int t, int r, int b) override
    {
        m_painter.drawRect(QRect(l, t, r - l - 1, b - t - 1));
    }
    void ellipse(int l, int t, int r, int b) override
    {
        m_painter.drawEllipse(QRect(l, t, r - l - 1, b - t - 1));
    }
    void line(int x1, int y1, int x2, int y2) override { m_painter.drawLine(x1, y1, x2, y2); }
    void textOut(int x, int y, TextAlign, const QString& text) override
    {
        const QPen pen = m_painter.pen();
        m_painter.setPen(color(m_font.color));
        m_painter.drawText(QPoint(x, y + m_painter.fontMetrics().ascent()), text);
        m_painter.setPen(pen);
    }
    void removeClip() override { m_painter.setClipping(false); }
    QSize textExtent(const QString& text) override { return measureText(m_font, text, 96); }

private:
    static QColor color(ColorRef c)
    {
        return QColor(int(c & 0xff), int((c >> 8) & 0xff), int((c >> 16) & 0xff));
    }
    QPainter& m_painter;
    FontSpec m_font;
};

QPicture plainPictureOfPage()
{
    QPicture picture;
    QPainter painter(&picture);
    PlainQtCanvas canvas(painter);
    drawPage(canvas);
    painter.end();
    return picture;
}

QPicture pictureOfPage()
{
    QPicture picture;
    QPainter painter(&picture);
    {
        PainterCanvas canvas(painter, 96, 96);
        drawPage(canvas);
    }
    painter.end();
    return picture;
}

QImage& target(int ppi)
{
    static QImage at96(PageWidth, PageHeight, QImage::Format_RGB32);
    static QImage at600(PageWidth * 600 / 96, PageHeight * 600 / 96, QImage::Format_RGB32);
    return ppi == 96 ? at96 : at600;
}

void BM_EmfRecordPage(benchmark::State& state)
{
    for (auto _ : state)
        benchmark::DoNotOptimize(recordPage());
    const QByteArray emf = recordPage();
    state.counters["bytes"] = double(emf.size());
    EmfRecorder counter(PageWidth, PageHeight, 96);
    drawPage(counter);
    state.counters["records"] = double(counter.recordCount() + 1);
}

void BM_QPictureRecordPage(benchmark::State& state)
{
    for (auto _ : state)
        benchmark::DoNotOptimize(pictureOfPage());
}

void BM_QPicturePlainRecordPage(benchmark::State& state)
{
    for (auto _ : state)
        benchmark::DoNotOptimize(plainPictureOfPage());
}

void BM_EmfPlayPage(benchmark::State& state)
{
    const int ppi = int(state.range(0));
    const QByteArray emf = recordPage();
    QImage& image = target(ppi);
    image.fill(Qt::white);
    for (auto _ : state) {
        QPainter painter(&image);
        playMetafile(emf, painter, QRectF(0, 0, image.width(), image.height()));
    }
}

void playPicture(benchmark::State& state, const QPicture& picture)
{
    const int ppi = int(state.range(0));
    QImage& image = target(ppi);
    image.fill(Qt::white);
    for (auto _ : state) {
        QPainter painter(&image);
        painter.scale(image.width() / double(PageWidth), image.height() / double(PageHeight));
        painter.drawPicture(0, 0, picture);
    }
}

void BM_QPicturePlayPage(benchmark::State& state)
{
    playPicture(state, pictureOfPage());
}

void BM_QPicturePlainPlayPage(benchmark::State& state)
{
    playPicture(state, plainPictureOfPage());
}

} // namespace

BENCHMARK(BM_EmfRecordPage)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_QPictureRecordPage)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_EmfPlayPage)->Arg(96)->Arg(600)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_QPicturePlayPage)->Arg(96)->Arg(600)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_QPicturePlainRecordPage)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_QPicturePlainPlayPage)->Arg(96)->Arg(600)->Unit(benchmark::kMillisecond);
