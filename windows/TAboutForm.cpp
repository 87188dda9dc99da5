#include "windows/TAboutForm.h"

#include "guibase/TvPlainText.h"
#include "guibase/TvText.h"
#include "guibase/TvWindowHost.h"
#include "guibase/TvWindowRegistry.h"
#include "snmp/TvSnmpLibrary.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QPixmap>
#include <QPushButton>
#include <QVBoxLayout>
#include <QtGlobal>

#ifndef QTR_BUILD_VERSION
#define QTR_BUILD_VERSION "unknown"
#endif

namespace {

const bool TAboutFormRegistered =
    TvWindowRegistry::Register("TAboutForm", [](TvWindowHost& host, const TvMenuNode&) {
        TAboutForm form(host.HostWindow());
        form.exec();
    });

} // namespace

TAboutForm::TAboutForm(QWidget* owner) : QDialog(owner) {
    setObjectName("AboutForm");
    setWindowTitle("About QTR-5190MX Management Module");

    ProgramIcon = TvPlainText::NewLabel(QString(), this);
    ProgramIcon->setObjectName("ProgramIcon");
    ProgramIcon->setPixmap(Icon());
    ProgramIcon->setFixedSize(32, 32);
    ProductName = TvPlainText::NewLabel("Tarvo QTR-5190MX Management Module", this);
    ProductName->setObjectName("ProductName");
    QFont bold = ProductName->font();
    bold.setBold(true);
    ProductName->setFont(bold);
    Version = TvPlainText::NewLabel("Version 4.50R10", this);
    Version->setObjectName("Version");
    BuildInfo =
        TvPlainText::NewLabel(QString("Build %1\nQt %2\nnet-snmp %3")
                                  .arg(QTR_BUILD_VERSION, qVersion(), FromBytes(SnmpLibraryVersion())),
                              this);
    BuildInfo->setObjectName("BuildInfo");
    BuildInfo->setTextInteractionFlags(Qt::TextSelectableByMouse); // copied into bug reports
    QPalette dim = BuildInfo->palette();
    dim.setColor(QPalette::WindowText, dim.color(QPalette::Disabled, QPalette::WindowText));
    BuildInfo->setPalette(dim);
    BT_Ok = new QPushButton("Ok", this);
    BT_Ok->setObjectName("BT_Ok");
    BT_Ok->setDefault(true);
    connect(BT_Ok, &QPushButton::clicked, this, &QDialog::accept);

    auto* grid = new QGridLayout;
    grid->setHorizontalSpacing(12);
    grid->addWidget(ProgramIcon, 0, 0, 2, 1, Qt::AlignTop);
    grid->addWidget(ProductName, 0, 1);
    grid->addWidget(Version, 1, 1);
    grid->addWidget(BuildInfo, 2, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(BT_Ok);
    buttons->addStretch();
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(grid);
    layout->addSpacing(8);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

QPixmap TAboutForm::Icon() {
    // A small switch front: a dark case with two rows of port LEDs.
    QPixmap pixmap(32, 32);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing, false);
    p.setPen(QColor(0x20, 0x22, 0x26));
    p.setBrush(QColor(0x3a, 0x3d, 0x42));
    p.drawRect(1, 8, 29, 16);
    for (int column = 0; column < 6; ++column)
        for (int row = 0; row < 2; ++row) {
            p.fillRect(4 + column * 4, 11 + row * 6, 3, 3, QColor(0x10, 0x10, 0x10));
            p.fillRect(4 + column * 4, 11 + row * 6, 3, 1,
                       (column + row) % 3 == 0 ? QColor(0xff, 0x9a, 0x1f) : QColor(0x3c, 0xd0, 0x4a));
        }
    p.fillRect(4, 21, 2, 2, QColor(0x3c, 0xd0, 0x4a)); // power
    return pixmap;
}
