#pragma once

#include "platform/FileChooser.h"

#include <QPointer>
#include <QWidget>

namespace kip::ui {

class QtFileChooser : public platform::FileChooser {
public:
    explicit QtFileChooser(QWidget* parent = nullptr) : parent_(parent) {}
    void setParent(QWidget* parent) { parent_ = parent; }
    std::optional<std::string> chooseOpen(const platform::FileRequest& request) override;
    std::optional<std::string> chooseSave(const platform::FileRequest& request) override;

private:
    std::optional<std::string> choose(const platform::FileRequest& request, bool save);

    QPointer<QWidget> parent_;
};

} // namespace kip::ui
