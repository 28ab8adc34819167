#pragma once

#include <QColor>
#include <QString>

class QLabel;
class QPushButton;

namespace ulvanta {

// Whether a dialog adds a new entry or edits the current one.
enum class DialogMode { Add, Edit };

// The default button answers Enter; every other button leaves Enter to it.
enum class ButtonRole { Default, Other };

QPushButton* makeButton(const QString& caption, const QString& objectName,
                        ButtonRole role = ButtonRole::Other);

// A framed box that shows one colour.
QLabel* makeSwatch(const QString& objectName);
void showSwatch(QLabel* swatch, const QColor& colour);

} // namespace ulvanta
