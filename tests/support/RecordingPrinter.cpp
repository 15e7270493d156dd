#include "support/RecordingPrinter.h"

namespace kip::test {
namespace {

class RecordingSurface : public platform::PrintSurface {
public:
    RecordingSurface(const RecordingPrinter& printer, PrintedDocument& document)
        : lineHeight_(printer.lineHeight), charWidth_(printer.charWidth), pageHeight_(printer.pageHeight),
          pageWidth_(printer.pageWidth), document_(document) {}

    int lineHeight() const override { return lineHeight_; }
    int averageCharWidth() const override { return charWidth_; }
    int pageHeight() const override { return pageHeight_; }
    int pageWidth() const override { return pageWidth_; }

    void setTextColour(platform::Colour colour) override { colour_ = colour; }
    void drawText(int x, int y, const std::string& utf8) override {
        checkOpen();
        document_.texts.push_back({document_.pages - 1, x, y, utf8, false, {}, colour_});
    }
    void drawTabbedText(int x, int y, const std::string& utf8, const std::vector<int>& stops) override {
        checkOpen();
        document_.texts.push_back({document_.pages - 1, x, y, utf8, true, stops, colour_});
    }
    void drawLine(int x1, int y1, int x2, int y2, int penWidth, platform::Colour colour) override {
        checkOpen();
        document_.shapes.push_back(
            {PrintedShape::Line, document_.pages - 1, x1, y1, x2, y2, penWidth, colour});
    }
    void drawCircle(int centreX, int centreY, int radius, platform::Colour colour) override {
        checkOpen();
        document_.shapes.push_back(
            {PrintedShape::Circle, document_.pages - 1, centreX, centreY, radius, 0, 0, colour});
    }
    void newPage() override {
        checkOpen();
        ++document_.pages;
    }
    void finish() override {
        checkOpen();
        document_.finished = true;
    }

private:
    void checkOpen() {
        if (document_.finished)
            ++document_.drawnAfterFinish;
    }

    int lineHeight_;
    int charWidth_;
    int pageHeight_;
    int pageWidth_;
    platform::Colour colour_;
    PrintedDocument& document_;
};

} // namespace

std::vector<std::string> PrintedDocument::pageTexts(int page) const {
    std::vector<std::string> result;
    for (const auto& text : texts)
        if (text.page == page)
            result.push_back(text.text);
    return result;
}

std::vector<std::string> PrintedDocument::layout(int lineHeight) const {
    std::vector<std::string> result;
    for (const auto& text : texts) {
        const std::string y =
            text.y % lineHeight == 0 ? std::to_string(text.y / lineHeight) : std::to_string(text.y) + "px";
        result.push_back(std::to_string(text.page) + ":" + y + ":" + text.text);
    }
    return result;
}

std::unique_ptr<platform::PrintSurface> RecordingPrinter::start(const platform::PrintRequest& request) {
    ++dialogs;
    if (cancel)
        return nullptr;
    documents.push_back({});
    documents.back().request = request;
    return std::make_unique<RecordingSurface>(*this, documents.back());
}

} // namespace kip::test
