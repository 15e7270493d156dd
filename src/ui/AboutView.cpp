#include "ui/AboutView.h"

#include "ui/Resources.h"

#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>

namespace kip::ui {

AboutView::AboutView(app::CAboutDlg& model, QWidget* parent)
    : ModelDialog(parent, app::CAboutDlg::title(), "about") {
    initResources();
    setObjectName("aboutView");
    auto* icon = new QLabel(this);
    icon->setPixmap(QPixmap(":/kipgolf.png").scaled(64, 64, Qt::KeepAspectRatio, Qt::SmoothTransformation));

    auto* name = new QLabel(app::CAboutDlg::productName(), this);
    QFont bold = name->font();
    bold.setBold(true);
    bold.setPointSizeF(bold.pointSizeF() * 1.4);
    name->setFont(bold);
    auto* version = new QLineEdit(QString::fromStdString(app::CAboutDlg::versionText()), this);
    version->setObjectName("version");
    version->setReadOnly(true);
    version->setFrame(false);
    version->setStyleSheet("background: transparent;");

    auto* ok = new QPushButton("OK", this);
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, [this] { finish(platform::dialogOk); });

    auto* texts = new QVBoxLayout;
    texts->addWidget(name);
    texts->addWidget(version);
    texts->addStretch();
    auto* top = new QHBoxLayout;
    top->addWidget(icon, 0, Qt::AlignTop);
    top->addSpacing(12);
    top->addLayout(texts, 1);
    top->addWidget(ok, 0, Qt::AlignTop);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    setFixedSize(sizeHint().expandedTo(QSize(360, 110)));

    if (model.splash())
        QTimer::singleShot(app::CAboutDlg::splashMilliseconds, this, [this] { finish(platform::dialogOk); });
}

} // namespace kip::ui
