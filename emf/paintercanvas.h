// SPDX-License-Identifier: GPL-2.0-or-later
// A Canvas on a QPainter (printer page, scratch page, tests): the same operations and GDI pixel rules as a
// played page, fonts at the canvas resolution with the measured whole-pixel advances.
#pragma once

#include "platform/canvas.h"

#include <memory>

class QPainter;

namespace emf {

class MetafileRenderer;

class PainterCanvas : public platform::Canvas {
public:
    PainterCanvas(QPainter& painter, int dpiX, int dpiY);
    ~PainterCanvas() override;

    int dpiX() const override { return m_dpiX; }
    int dpiY() const override { return m_dpiY; }

    void setPen(const platform::Pen& pen) override;
    void setBrush(const platform::Brush& brush) override;
    void setFont(const platform::FontSpec& font) override;

    void fillRect(int left, int top, int right, int bottom) override;
    void rectangle(int left, int top, int right, int bottom) override;
    void ellipse(int left, int top, int right, int bottom) override;
    void line(int x1, int y1, int x2, int y2) override;
    void textOut(int x, int y, platform::TextAlign align, const QString& text) override;
    void removeClip() override;

    QSize textExtent(const QString& text) override;

private:
    QPainter& m_painter;
    int m_dpiX;
    int m_dpiY;
    platform::Pen m_pen;
    platform::Brush m_brush;
    platform::FontSpec m_font;
    std::unique_ptr<MetafileRenderer> m_renderer;
};

} // namespace emf
