#pragma once

#include <QDialog>

class QLabel;
class QPushButton;

// "About QTR-5190MX Management Module": the product, its version, and what a bug report needs (the
// build and the Qt and net-snmp versions the program runs with).
class TAboutForm : public QDialog {
    Q_OBJECT

public:
    explicit TAboutForm(QWidget* owner);

    QLabel* ProgramIcon = nullptr;
    QLabel* ProductName = nullptr;
    QLabel* Version = nullptr;
    QLabel* BuildInfo = nullptr;
    QPushButton* BT_Ok = nullptr;

    // The picture shown beside the product line, 32 x 32.
    static QPixmap Icon();
};
