#pragma once
// What printing needs from the platform: a print dialog that hands out one page surface per
// document, and a surface to draw text, lines and circles on. Coordinates are device units with
// the origin at the top left of the printable page.

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

namespace kip::platform {

struct Colour {
    std::uint8_t red = 0;
    std::uint8_t green = 0;
    std::uint8_t blue = 0;
    friend bool operator==(const Colour&, const Colour&) = default;
};

struct FontRequest {
    std::string face = "Courier";
    int points = 12;
    bool fixedPitch = true;
    // Keep the printer's own font instead (the one print that does).
    bool printerDefault = false;
};

struct PrintRequest {
    std::string documentName;
    FontRequest font;
    bool landscape = false;
};

class PrintSurface {
public:
    virtual ~PrintSurface() = default;
    // Font height plus external leading.
    virtual int lineHeight() const = 0;
    virtual int averageCharWidth() const = 0;
    virtual int pageHeight() const = 0;
    virtual int pageWidth() const = 0;

    virtual void setTextColour(Colour colour) = 0;
    virtual void drawText(int x, int y, const std::string& utf8) = 0;
    // Tabs in the text move to the next stop; stops are absolute x positions, ascending. Past the
    // last stop a tab advances by one stop width (the last stop when there is only one).
    virtual void drawTabbedText(int x, int y, const std::string& utf8, const std::vector<int>& stops) = 0;
    virtual void drawLine(int x1, int y1, int x2, int y2, int penWidth, Colour colour) = 0;
    virtual void drawCircle(int centreX, int centreY, int radius, Colour colour) = 0;

    // Ends the current page and starts the next.
    virtual void newPage() = 0;
    // Ends the last page and the document; nothing may be drawn afterwards.
    virtual void finish() = 0;
};

class Printer {
public:
    virtual ~Printer() = default;
    // Shows the print dialog (whole document only) and starts the document on the chosen printer.
    // Nothing when the user cancels.
    virtual std::unique_ptr<PrintSurface> start(const PrintRequest& request) = 0;
};

} // namespace kip::platform
