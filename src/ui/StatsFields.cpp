#include "ui/StatsFields.h"

#include <QFontDatabase>
#include <QFontInfo>
#include <QFontMetrics>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>

namespace kip::ui {

QFont statsFixedFont(int points) {
    QFont font = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    font.setStyleHint(QFont::TypeWriter);
    font.setFixedPitch(true);
    if (points > 0)
        font.setPointSize(points);
    // The desktop's monospace face is not always one of fixed pitch (fontconfig may hand out a face
    // whose widths differ), and then columns no longer line up: fall back to a known fixed face.
    for (const char* family : {"DejaVu Sans Mono", "Liberation Mono", "Courier"}) {
        if (QFontInfo(font).fixedPitch())
            break;
        font.setFamily(family);
    }
    return font;
}

QLineEdit* statsValueField(QWidget* parent, const QString& name, const QString& text, int characters,
                           Qt::Alignment alignment) {
    auto* field = new QLineEdit(text, parent);
    field->setObjectName(name);
    field->setReadOnly(true);
    field->setFocusPolicy(Qt::TabFocus);
    field->setFont(statsFixedFont());
    field->setAlignment(alignment | Qt::AlignVCenter);
    const QFontMetrics metrics(field->font());
    field->setFixedWidth(metrics.horizontalAdvance(QString(characters, '0')) + 12);
    return field;
}

QHBoxLayout* statsButtons(QWidget* parent, std::function<void()> ok, std::function<void()> print,
                          std::function<void()> help) {
    auto* row = new QHBoxLayout;
    row->addStretch();
    auto* okButton = new QPushButton("OK", parent);
    okButton->setObjectName("ok");
    okButton->setDefault(true);
    QObject::connect(okButton, &QPushButton::clicked, parent, std::move(ok));
    row->addWidget(okButton);
    if (print) {
        auto* printButton = new QPushButton("Print", parent);
        printButton->setObjectName("print");
        QObject::connect(printButton, &QPushButton::clicked, parent, std::move(print));
        row->addWidget(printButton);
    }
    auto* helpButton = new QPushButton("Help", parent);
    helpButton->setObjectName("help");
    QObject::connect(helpButton, &QPushButton::clicked, parent, std::move(help));
    row->addWidget(helpButton);
    return row;
}

} // namespace kip::ui
