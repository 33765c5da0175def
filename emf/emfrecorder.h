// SPDX-License-Identifier: GPL-2.0-or-later
// A Canvas that records a page as a complete enhanced metafile (EMF) of a fixed pixel size at a given
// resolution: every operation becomes GDI records in order, texts carry their whole-pixel advance arrays.
#pragma once

#include "platform/canvas.h"

#include <QByteArray>
#include <QString>
#include <cstdint>
#include <vector>

namespace emf {

class EmfRecorder : public platform::Canvas {
public:
    EmfRecorder(int widthPx, int heightPx, int ppi);
    ~EmfRecorder() override;

    EmfRecorder(const EmfRecorder&) = delete;
    EmfRecorder& operator=(const EmfRecorder&) = delete;

    int dpiX() const override { return m_ppi; }
    int dpiY() const override { return m_ppi; }

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

    // Ends the recording (EMR_EOF, header patched) and returns the EMF bytes; the recorder is then spent
    // and ignores further drawing.
    QByteArray finish();

    int recordCount() const { return m_records; }

private:
    enum class Slot { Pen, Brush, Font };

    void append(char* record); // takes a libUEMF record and frees it
    // Selects the pen and brush for a shape; false once the page is finished.
    bool beginFilledShape();
    void appendRaw(const QByteArray& record);
    std::uint32_t allocateHandle();
    void selectPen(const platform::Pen& pen);
    void selectBrush(const platform::Brush& brush);
    void selectFont();
    void selectStock(std::uint32_t stock, Slot slot);
    void replaceObject(Slot slot, std::uint32_t handle);
    void setTextColor(platform::ColorRef color);
    void setTextAlign(std::uint32_t align);

    int m_width;
    int m_height;
    int m_ppi;
    bool m_finished = false;
    QByteArray m_bytes;
    int m_records = 0;
    std::vector<bool> m_handles; // index = handle; handle 0 is the metafile itself
    std::uint32_t m_maxHandle = 0;

    platform::Pen m_pen;
    platform::Brush m_brush;
    platform::FontSpec m_font;
    // What the recorded device context holds now; objects are written only when a drawing needs them.
    bool m_penRecorded = false;
    bool m_brushRecorded = false;
    bool m_fontRecorded = false;
    platform::Pen m_recordedPen;
    platform::Brush m_recordedBrush;
    platform::FontSpec m_recordedFont;
    std::uint32_t m_selected[3] = { 0, 0, 0 }; // our handle selected per slot, 0 = a stock object
    platform::ColorRef m_textColor = 0;
    std::uint32_t m_textAlign = 0;
};

} // namespace emf
