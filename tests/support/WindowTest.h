#pragma once

#include "snmp/SNMPGlobals.h"

#include <QAbstractItemModel>
#include <QDialog>
#include <QItemSelectionModel>
#include <QPushButton>
#include <QString>
#include <QStringList>
#include <QTimer>
#include <QTreeView>

#include <cstdint>
#include <functional>
#include <memory>
#include <string>

// Helpers shared by the tests of the dedicated windows.
namespace WindowTest {

// Points the session at the simulated switch on `port`: SNMPv2c with its communities, a short timeout.
inline void UseSimulator(std::uint16_t port) {
    gSNMPDevice.Address = "127.0.0.1";
    gSNMPDevice.Port = port;
    gSNMPSecurity.Version = 1;
    gSNMPSecurity.ReadCommunity = "rdcomm";
    gSNMPSecurity.WriteCommunity = "wrtcomm";
    gSNMPTimeout = 100;
}

// The variables of the SET requests the agent logged after `from` (its log's length earlier), as "OID" or
// "OID refused with error N".
inline QStringList Sets(const std::string& log, size_t from) {
    QStringList sets;
    for (const QString& line : QString::fromStdString(log.substr(from)).split('\n'))
        if (line.startsWith("SET")) {
            // "SET <version> <community or user> .<oid>[ refused with error <n>]"
            const QStringList words = line.split(' ', Qt::SkipEmptyParts);
            if (words.size() >= 4)
                sets << QStringList(words.mid(3)).join(' ').mid(1);
        }
    return sets;
}

inline QStringList Column(const QTreeView* view, int column) {
    QStringList cells;
    const QAbstractItemModel* model = view->model();
    for (int r = 0; r < model->rowCount(); ++r)
        cells << model->index(r, column).data().toString();
    return cells;
}

inline QStringList Row(const QTreeView* view, int row) {
    QStringList cells;
    const QAbstractItemModel* model = view->model();
    for (int c = 0; c < model->columnCount(); ++c)
        cells << model->index(row, c).data().toString();
    return cells;
}

// Selects the line whose cell in `column` is `key`; false when there is none.
inline bool SelectRow(QTreeView* view, const QString& key, int column = 0) {
    const QAbstractItemModel* model = view->model();
    for (int r = 0; r < model->rowCount(); ++r)
        if (model->index(r, column).data().toString() == key) {
            view->selectionModel()->select(model->index(r, 0),
                                           QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
            return true;
        }
    return false;
}

// Clicks `button`, which shows `dialog` modally, and runs `act` inside the dialog's loop; a dialog that
// `act` leaves open is closed, so that a failing test cannot hang. When the click opens no dialog (a
// button held off, say), `act` does not run: it would run later, on what the caller has left.
inline void WhileModal(QPushButton* button, QDialog* dialog, const std::function<void()>& act) {
    auto open = std::make_shared<bool>(true);
    QTimer::singleShot(0, dialog, [dialog, act, open] {
        if (!*open)
            return;
        act();
        if (dialog->isVisible())
            dialog->reject();
    });
    button->click();
    *open = false;
}

} // namespace WindowTest
