#pragma once

#include <QObject>
#include <QString>

class QLocalServer;

// One running copy per switch. The first copy listens under a local socket named after its search
// title; a later copy with the same title asks it to come to the front and ends.
class TvSingleInstance : public QObject {
    Q_OBJECT
public:
    explicit TvSingleInstance(const QString& title, QObject* parent = nullptr);
    ~TvSingleInstance() override;

    // Local socket name for a title: private to the user, safe for any bytes in the title.
    static QString ServerName(const QString& title);

    // Asks a copy listening under `title` to activate its window. True when one was reached.
    static bool ActivateRunning(const QString& title, int timeoutMs = 2000);

    // Starts listening; a socket left behind by a copy that died is replaced. False when another live
    // copy holds the name or the socket cannot be made.
    bool Listen();

signals:
    void activateRequested();

private:
    void OnNewConnection();

    QString name_;
    QLocalServer* server_;
};
