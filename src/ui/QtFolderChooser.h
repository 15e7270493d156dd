#pragma once

#include "platform/FolderChooser.h"

#include <QPointer>
#include <QWidget>

namespace kip::ui {

class QtFolderChooser : public platform::FolderChooser {
public:
    explicit QtFolderChooser(QWidget* parent = nullptr) : parent_(parent) {}
    void setParent(QWidget* parent) { parent_ = parent; }
    std::optional<std::string> chooseFolder(const std::string& title) override;

private:
    QPointer<QWidget> parent_;
};

} // namespace kip::ui
