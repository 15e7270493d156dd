#pragma once

#include "app/CAboutDlg.h"
#include "ui/ModelDialog.h"

namespace kip::ui {

class AboutView : public ModelDialog {
    Q_OBJECT
public:
    AboutView(app::CAboutDlg& model, QWidget* parent);
};

} // namespace kip::ui
