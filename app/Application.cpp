#include "app/Application.h"

#include "snmp/ErrorCatalog.h"

#include <QApplication>
#include <QMainWindow>

int RunApplication(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName("QTR-5190MX");
    LoadMessageFiles(QCoreApplication::applicationDirPath().toStdString() + "/errMSg/");
    QMainWindow window;
    window.setWindowTitle("QTR-5190MX");
    window.show();
    return QApplication::exec();
}
