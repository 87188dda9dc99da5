#pragma once

#include <QFrame>

class QPlainTextEdit;

// The message panel at the bottom of a panel: one memo that receives the binding's status lines.
class TMsgPanel : public QFrame {
    Q_OBJECT

public:
    static constexpr int PanelHeight = 50;

    explicit TMsgPanel(QWidget* parent);

    QPlainTextEdit* Memo = nullptr;
};
