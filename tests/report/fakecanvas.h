// SPDX-License-Identifier: GPL-2.0-or-later
// A page canvas for report tests: it logs every drawing call with its device coordinates, measures text as
// the real recorder does, and hands back a real (empty) EMF of the page size so the page store works.
#pragma once

#include "emf/emfrecorder.h"
#include "platform/canvas.h"
#include "platform/fonts.h"
#include "report/rppagerecorder.h"

#include <QByteArray>
#include <QString>
#include <memory>
#include <vector>

namespace reporttest {

struct Call {
    QString op; // "fillRect", "rectangle", "ellipse", "line", "textOut", "removeClip"
    int a = 0, b = 0, c = 0, d = 0; // coordinates as passed
    QString text;
    platform::TextAlign align = platform::TextAlign::Left;
    platform::Pen pen;
    platform::Brush brush;
    platform::FontSpec font;
};

class LoggingCanvas : public platform::Canvas {
public:
    explicit LoggingCanvas(int ppi)
        : m_ppi(ppi)
    {
    }
    int dpiX() const override { return m_ppi; }
    int dpiY() const override { return m_ppi; }
    void setPen(const platform::Pen& pen) override { m_pen = pen; }
    void setBrush(const platform::Brush& brush) override { m_brush = brush; }
    void setFont(const platform::FontSpec& font) override { m_font = font; }
    void fillRect(int l, int t, int r, int b) override { log("fillRect", l, t, r, b); }
    void rectangle(int l, int t, int r, int b) override { log("rectangle", l, t, r, b); }
    void ellipse(int l, int t, int r, int b) override { log("ellipse", l, t, r, b); }
    void line(int x1, int y1, int x2, int y2) override { log("line", x1, y1, x2, y2); }
    void textOut(int x, int y, platform::TextAlign align, const QString& text) override
    {
        log("textOut", x, y, 0, 0);
        calls.back().text = text;
        calls.back().align = align;
    }
    void removeClip() override { log("removeClip", 0, 0, 0, 0); }
    QSize textExtent(const QString& text) override { return platform::measureText(m_font, text, m_ppi); }

    std::vector<Call> calls;

private:
    void log(const char* op, int a, int b, int c, int d)
    {
        calls.push_back(Call { QString::fromLatin1(op), a, b, c, d, QString(), platform::TextAlign::Left,
            m_pen, m_brush, m_font });
    }
    int m_ppi;
    platform::Pen m_pen;
    platform::Brush m_brush;
    platform::FontSpec m_font;
};

struct RecordedPage {
    int width = 0;
    int height = 0;
    std::vector<Call> calls;
};

// Collects the pages of a target; the recorder keeps the calls after the page is stored.
class LoggingRecorderFactory {
public:
    report::TRpPageRecorderFactory factory()
    {
        return [this](int w, int h, int ppi) -> std::unique_ptr<report::TRpPageRecorder> {
            pages.push_back(std::make_shared<RecordedPage>());
            pages.back()->width = w;
            pages.back()->height = h;
            return std::make_unique<Recorder>(pages.back(), w, h, ppi);
        };
    }
    std::vector<std::shared_ptr<RecordedPage>> pages;

private:
    class Recorder : public report::TRpPageRecorder {
    public:
        Recorder(std::shared_ptr<RecordedPage> page, int w, int h, int ppi)
            : m_page(std::move(page))
            , m_canvas(ppi)
            , m_w(w)
            , m_h(h)
            , m_ppi(ppi)
        {
        }
        platform::Canvas& canvas() override { return m_canvas; }
        QByteArray finish() override
        {
            m_page->calls = m_canvas.calls;
            return emf::EmfRecorder(m_w, m_h, m_ppi).finish();
        }

    private:
        std::shared_ptr<RecordedPage> m_page;
        LoggingCanvas m_canvas;
        int m_w, m_h, m_ppi;
    };
};

} // namespace reporttest
