#include "guibase/TvPlainText.h"

#include <QLabel>
#include <QTextDocument>

QLabel* TvPlainText::NewLabel(const QString& text, QWidget* parent) {
    auto* label = new QLabel(parent);
    Apply(label);
    label->setText(text);
    return label;
}

void TvPlainText::Apply(QLabel* label) {
    label->setTextFormat(Qt::PlainText);
    // Plain text has no links to follow; nothing is opened from a label.
    label->setOpenExternalLinks(false);
}

QString TvPlainText::ToolTip(const QString& text) {
    // A tooltip is taken as markup exactly when this guess says so; otherwise it is shown as it is.
    if (!Qt::mightBeRichText(text))
        return text;
    // Tabs to every eighth column, as a plain tooltip sets them; blanks and line breaks kept, no wrapping.
    QString expanded;
    int column = 0;
    for (const QChar c : text) {
        if (c == u'\n') {
            expanded += c;
            column = 0;
        } else if (c == u'\t') {
            do
                expanded += u' ';
            while (++column % 8 != 0);
        } else {
            expanded += c;
            ++column;
        }
    }
    return QStringLiteral("<p style='white-space:pre'>") + expanded.toHtmlEscaped() + QStringLiteral("</p>");
}
