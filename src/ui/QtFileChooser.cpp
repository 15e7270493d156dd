#include "ui/QtFileChooser.h"

#include <QDir>
#include <QFileDialog>
#include <QStringList>

namespace kip::ui {

namespace {

QStringList nameFilters(const platform::FileRequest& request) {
    QStringList filters;
    for (const auto& filter : request.filters) {
        // Qt wants "Description (*.a *.b)"; a description that already names its patterns stays.
        QString description = QString::fromStdString(filter.description);
        QString patterns = QString::fromStdString(filter.patterns).replace(';', ' ');
        if (!description.contains('('))
            description += " (" + patterns + ")";
        filters << description;
    }
    return filters;
}

} // namespace

std::optional<std::string> QtFileChooser::chooseOpen(const platform::FileRequest& request) {
    return choose(request, false);
}

std::optional<std::string> QtFileChooser::chooseSave(const platform::FileRequest& request) {
    return choose(request, true);
}

std::optional<std::string> QtFileChooser::choose(const platform::FileRequest& request, bool save) {
    QFileDialog dialog(parent_.data(), QString::fromStdString(request.title));
    dialog.setAcceptMode(save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    dialog.setFileMode(save ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
    dialog.setNameFilters(nameFilters(request));
    dialog.setDefaultSuffix(QString::fromStdString(request.defaultExtension));
    dialog.setDirectory(QDir::homePath());
    if (!request.initialName.empty())
        dialog.selectFile(QString::fromStdString(request.initialName));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return std::nullopt;
    return dialog.selectedFiles().front().toStdString();
}

} // namespace kip::ui
