// SPDX-License-Identifier: GPL-2.0-or-later
// The common base of labels and data texts: the text split into display lines, auto-sizing with the
// alignment moves, and drawing the lines inside the box.
#pragma once

#include "platform/canvas.h"
#include "report/rpfont.h"
#include "report/rpprintable.h"

#include <string>
#include <vector>

namespace report {

enum TAlignment { taLeftJustify, taRightJustify, taCenter };

class TRpCustomLabel : public TRpPrintable {
public:
    using TRpPrintable::TRpPrintable;

    // Set Font, FontSize, ParentFont, Alignment and AutoSize before the caption: setting a caption
    // measures the label with them (PrepareOutput and RenderAt measure again).
    TRpFont Font;
    int FontSize = 0; // points; above 0 it decides the size whatever Font.Size says
    bool ParentFont = false; // take the band's font
    TAlignment Alignment = taLeftJustify;
    bool AutoSize = true;
    bool WordWrap = true; // no effect while AutoSize is on
    bool AutoStretch = false;

    // The font the label draws with: its own or its band's, at FontSize points when that is above 0.
    TRpFont effectiveFont() const;
    int effectivePointSize() const;
    platform::FontSpec fontSpec() const;

    // The text being printed, code-page-1250 bytes.
    const std::string& text() const { return m_text; }
    // The display lines: line feeds dropped, split at every carriage return.
    const std::vector<std::string>& displayLines() const { return m_lines; }

    // Re-measures the label (display lines, and with AutoSize the width, the aligned Left and the height).
    void measure();

    void RenderAt(int originX, int originY) override;

    // Splits a text into display lines as a label does.
    static std::vector<std::string> splitDisplayLines(const std::string& text);

protected:
    // Sets the text to print and measures the label.
    void setText(const std::string& text);
    // Sets the text to print without measuring (the render measures).
    void setTextOnly(const std::string& text) { m_text = text; }
    void attached() override { measure(); }

private:
    std::string m_text;
    std::vector<std::string> m_lines { std::string() };
};

} // namespace report
