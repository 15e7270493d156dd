#pragma once
// A print surface drawing with QPainter on a QPrinter. y is the top of a line of text. The wait
// cursor shows from the first page until the document has ended.

#include "platform/PrintSurface.h"

#include <QFont>
#include <QFontMetrics>
#include <QPainter>
#include <QPrinter>

#include <memory>

namespace kip::ui {

// The font a print asks for: "Courier" with a fixed-pitch typewriter hint, so that fontconfig picks
// a metric-compatible monospace face where no Courier is installed.
QFont printFont(const platform::FontRequest& request);

class QtPrintSurface : public platform::PrintSurface {
public:
    // Begins painting on the printer, which must be set up (output, document name, orientation).
    QtPrintSurface(std::unique_ptr<QPrinter> printer, const platform::FontRequest& font);
    ~QtPrintSurface() override;

    // False when the printer could not be started (the surface then draws nothing).
    bool active() const { return painter_.isActive(); }

    int lineHeight() const override;
    int averageCharWidth() const override;
    int pageHeight() const override;
    int pageWidth() const override;

    void setTextColour(platform::Colour colour) override;
    void drawText(int x, int y, const std::string& utf8) override;
    void drawTabbedText(int x, int y, const std::string& utf8, const std::vector<int>& stops) override;
    void drawLine(int x1, int y1, int x2, int y2, int penWidth, platform::Colour colour) override;
    void drawCircle(int centreX, int centreY, int radius, platform::Colour colour) override;
    void newPage() override;
    void finish() override;

private:
    std::unique_ptr<QPrinter> printer_;
    QPainter painter_;
    QColor textColour_ = Qt::black;
    bool waitCursor_ = false;
};

} // namespace kip::ui
