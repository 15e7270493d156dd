#include "ui/QtFolderChooser.h"

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>

namespace kip::ui {

std::optional<std::string> QtFolderChooser::chooseFolder(const std::string& title) {
    const QString folder = QFileDialog::getExistingDirectory(parent_.data(), QString::fromStdString(title),
                                                             QDir::homePath(), QFileDialog::ShowDirsOnly);
    if (folder.isEmpty() || !QFileInfo(folder).isDir())
        return std::nullopt;
    return folder.toStdString();
}

} // namespace kip::ui
