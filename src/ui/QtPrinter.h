#pragma once
// Printing through Qt: the standard print dialog (the whole document only), then a QPainter on the
// chosen QPrinter, which may also be the dialog's PDF file.

#include "platform/PrintSurface.h"

#include <QPointer>
#include <QWidget>

#include <optional>
#include <string>

class QPrintDialog;

namespace kip::ui {

class QtPrinter : public platform::Printer {
public:
    explicit QtPrinter(QWidget* parent = nullptr) : parent_(parent) {}
    void setParent(QWidget* parent) { parent_ = parent; }

    // Prints every following document into this PDF file without asking (tests, scripted use);
    // nullopt brings the print dialog back.
    void printToPdf(std::optional<std::string> path) { pdfPath_ = std::move(path); }

    // Nothing when the dialog is cancelled or the printer (or PDF file) cannot be started; the
    // latter is said in a message box when the dialog was shown.
    std::unique_ptr<platform::PrintSurface> start(const platform::PrintRequest& request) override;

    // Whole document only: no page range, no selection, no current page.
    static void limitToWholeDocument(QPrintDialog& dialog);

private:
    QPointer<QWidget> parent_;
    std::optional<std::string> pdfPath_;
};

} // namespace kip::ui
