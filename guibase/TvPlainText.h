#pragma once

#include <QString>

class QLabel;
class QWidget;

// Text from the switch, a device profile or the operator is data: a widget shows it as written, never
// as markup. Qt guesses markup from the text itself in labels, message boxes and tooltips, and markup
// can load files (an image of /dev/zero reads without end) or draw what the switch chooses.
class TvPlainText {
public:
    // A label that shows its text literally, whatever it is given later.
    static QLabel* NewLabel(const QString& text, QWidget* parent);
    // Makes an existing label show its text literally.
    static void Apply(QLabel* label);
    // A tooltip text that shows `text` literally, its blanks, tabs and line breaks kept. Tooltips have no
    // text format of their own: a text that Qt would take as markup is escaped into a paragraph (tabs as
    // blanks to the next eighth column); any other text is returned as it is.
    static QString ToolTip(const QString& text);
};
