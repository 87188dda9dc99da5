#pragma once

#include <QFormLayout>
#include <QLabel>
#include <QString>

#include "guibase/TvPlainText.h"

// A form row whose label is the field's buddy: the field gets its accessible name and mnemonic.
inline QLabel* AddLabelledRow(QFormLayout* form, const QString& caption, QWidget* field) {
    auto* label = TvPlainText::NewLabel(caption, field->parentWidget());
    label->setBuddy(field);
    form->addRow(label, field);
    return label;
}
