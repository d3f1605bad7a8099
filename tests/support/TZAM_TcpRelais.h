#pragma once

#include <QHostAddress>
#include <QList>
#include <QObject>
#include <QTcpServer>

#include <atomic>

class QTcpSocket;

// The working part of TZAM_TcpProxy; lives in the proxy's thread.
class TZAM_TcpRelais : public QObject
{
    Q_OBJECT
public:
    TZAM_TcpRelais(const QString& AZielHost, int AZielPort);

    std::atomic<bool> FAbweisen{false};
    std::atomic<bool> FAntwortVerlieren{false};

public Q_SLOTS:
    int Lauschen();
    void Trennen();
    void Beenden();

private:
    struct TPaar
    {
        QTcpSocket* Client;
        QTcpSocket* Server;
    };
    void Neu();
    void Schliessen(QTcpSocket* AEiner);

    QString FZielHost;
    int FZielPort;
    QTcpServer* FServer = nullptr;
    QList<TPaar> FPaare;
};
