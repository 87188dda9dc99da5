#include "configform/TMsgPanel.h"

#include <QPlainTextEdit>
#include <QVBoxLayout>

TMsgPanel::TMsgPanel(QWidget* parent) : QFrame(parent) {
    setObjectName("MessagePanel");
    Memo = new QPlainTextEdit(this);
    Memo->setObjectName("Memo");
    Memo->setReadOnly(true);
    Memo->setLineWrapMode(QPlainTextEdit::NoWrap);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(Memo);
    setMinimumHeight(PanelHeight);
    resize(width(), PanelHeight);
}
