#include "configform/TMsgPanel.h"

#include <QPlainTextEdit>
#include <QVBoxLayout>

TMsgPanel::TMsgPanel(QWidget* parent) : QFrame(parent) {
    setObjectName("MessagePanel");
    Memo = new QPlainTextEdit(this);
    Memo->setObjectName("Memo");
    Memo->setReadOnly(true);
    // A status line longer than the panel is wide wraps: the message is read whole.
    Memo->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(Memo);
    setMinimumHeight(PanelHeight);
    resize(width(), PanelHeight);
}
