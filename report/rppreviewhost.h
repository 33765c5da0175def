// What PreviewReport needs of the preview side: a window shown for a page target, which owns that target
// from then on and tells the report when it closes (TRpReport::previewClosed).
#pragma once

namespace report {

class TRpPrinter;

class TRpPreviewHost {
public:
    virtual ~TRpPreviewHost() = default;
    // Shows a preview window for the target; the window takes ownership of it (a QObject: parent it or
    // delete it when the window goes) and shows its pages as they become available.
    virtual void showPreview(TRpPrinter* target) = 0;
    // Whether a preview window still shows the target.
    virtual bool showsPreview(const TRpPrinter* target) const = 0;
};

} // namespace report
