#pragma once
// Shows a dialog model in the Qt view registered for the model's type.

#include "platform/DialogHost.h"

#include <QPointer>
#include <QWidget>

#include <functional>
#include <map>
#include <typeindex>

namespace kip::ui {

class QtDialogHost : public platform::DialogHost {
public:
    using ViewRunner = std::function<int(platform::DialogModel&, QWidget* parent)>;

    explicit QtDialogHost(QWidget* parent = nullptr) : parent_(parent) {}
    void setParent(QWidget* parent) { parent_ = parent; }

    template <class Model, class View> void registerView() {
        runners_[std::type_index(typeid(Model))] = [](platform::DialogModel& model, QWidget* parent) {
            View view(static_cast<Model&>(model), parent);
            return view.exec();
        };
    }
    void registerRunner(std::type_index type, ViewRunner runner) { runners_[type] = std::move(runner); }
    bool hasView(const platform::DialogModel& model) const;

    // Without a view for the model the dialog counts as cancelled.
    int run(platform::DialogModel& model) override;

private:
    QPointer<QWidget> parent_;
    std::map<std::type_index, ViewRunner> runners_;
};

// Every view of this layer registered with its model.
void registerStandardViews(QtDialogHost& host);

} // namespace kip::ui
