#pragma once
// Message boxes of the program as Qt message boxes.

#include "platform/Prompter.h"

#include <QPointer>
#include <QWidget>

namespace kip::ui {

class QtPrompter : public platform::Prompter {
public:
    explicit QtPrompter(QWidget* parent = nullptr) : parent_(parent) {}
    void setParent(QWidget* parent) { parent_ = parent; }
    platform::Answer show(const platform::Message& message) override;

private:
    QPointer<QWidget> parent_;
};

} // namespace kip::ui
