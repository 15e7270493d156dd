#pragma once
// A printer whose documents are kept in memory, to check layouts and page breaks exactly.

#include "platform/PrintSurface.h"

#include <deque>
#include <memory>
#include <string>
#include <vector>

namespace kip::test {

struct PrintedText {
    int page = 0; // 0-based
    int x = 0;
    int y = 0;
    std::string text;
    bool tabbed = false;
    std::vector<int> stops; // with tabbed only
    platform::Colour colour;
};

struct PrintedShape {
    enum Kind { Line, Circle } kind = Line;
    int page = 0;
    int x1 = 0, y1 = 0, x2 = 0, y2 = 0; // a circle: centre in x1/y1, radius in x2
    int penWidth = 0;
    platform::Colour colour;
};

// One document as it reached the printer.
struct PrintedDocument {
    platform::PrintRequest request;
    std::vector<PrintedText> texts;
    std::vector<PrintedShape> shapes;
    int pages = 1;
    bool finished = false;
    int drawnAfterFinish = 0; // anything drawn or a page begun after the document ended

    // The texts of one page, top to bottom in the order drawn.
    std::vector<std::string> pageTexts(int page) const;
    // Every text as "page:y:text" with y in line heights (y / lineHeight), to compare whole layouts.
    std::vector<std::string> layout(int lineHeight) const;
};

class RecordingPrinter : public platform::Printer {
public:
    // Device metrics of every surface it hands out.
    int lineHeight = 10;
    int charWidth = 6;
    int pageHeight = 200;
    int pageWidth = 500;
    bool cancel = false; // the user cancels the print dialog

    std::unique_ptr<platform::PrintSurface> start(const platform::PrintRequest& request) override;

    int dialogs = 0; // print dialogs shown
    std::deque<PrintedDocument> documents;
    const PrintedDocument& last() const { return documents.back(); }
};

} // namespace kip::test
