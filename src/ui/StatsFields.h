#pragma once
// Pieces the statistics dialogs share: read-only value fields in a fixed-pitch face, so that figures
// line up, and the OK / Print / Help button row.

#include <QFont>
#include <QString>

#include <functional>

class QHBoxLayout;
class QLineEdit;
class QWidget;

namespace kip::ui {

QFont statsFixedFont(int points = 0);
// A read-only field showing text right-aligned, wide enough for `characters` characters.
QLineEdit* statsValueField(QWidget* parent, const QString& name, const QString& text, int characters,
                           Qt::Alignment alignment = Qt::AlignRight);
// "OK", optionally "Print", and "Help", right-aligned.
QHBoxLayout* statsButtons(QWidget* parent, std::function<void()> ok, std::function<void()> print,
                          std::function<void()> help);

} // namespace kip::ui
