#include "TZAM_TcpRelais.h"

#include <QTcpSocket>

TZAM_TcpRelais::TZAM_TcpRelais(const QString& AZielHost, int AZielPort) : FZielHost(AZielHost), FZielPort(AZielPort) {}

int TZAM_TcpRelais::Lauschen()
{
    FServer = new QTcpServer(this);
    connect(FServer, &QTcpServer::newConnection, this, &TZAM_TcpRelais::Neu);
    if (!FServer->listen(QHostAddress::LocalHost, 0))
        return 0;
    return FServer->serverPort();
}

void TZAM_TcpRelais::Neu()
{
    while (QTcpSocket* client = FServer->nextPendingConnection()) {
        if (FAbweisen) {
            client->abort();
            client->deleteLater();
            continue;
        }
        auto* server = new QTcpSocket(this);
        client->setParent(this);
        FPaare.append(TPaar{client, server});
        // What the client sends before the server is reached waits in the client's buffer.
        auto weiter = [client, server] {
            if (server->state() == QAbstractSocket::ConnectedState)
                server->write(client->readAll());
        };
        connect(client, &QTcpSocket::readyRead, this, weiter);
        connect(server, &QTcpSocket::connected, this, weiter);
        connect(server, &QTcpSocket::readyRead, this, [this, client, server] {
            if (FAntwortVerlieren.exchange(false)) {
                server->readAll();
                Schliessen(client);
                return;
            }
            client->write(server->readAll());
        });
        connect(client, &QTcpSocket::disconnected, this, [this, client] { Schliessen(client); });
        connect(server, &QTcpSocket::disconnected, this, [this, client] { Schliessen(client); });
        connect(server, &QTcpSocket::errorOccurred, this, [this, client] { Schliessen(client); });
        server->connectToHost(FZielHost, quint16(FZielPort));
    }
}

void TZAM_TcpRelais::Schliessen(QTcpSocket* AClient)
{
    for (qsizetype i = 0; i < FPaare.size(); ++i) {
        if (FPaare[i].Client != AClient)
            continue;
        const TPaar p = FPaare.takeAt(i);
        p.Client->abort();
        p.Server->abort();
        p.Client->deleteLater();
        p.Server->deleteLater();
        return;
    }
}

void TZAM_TcpRelais::Trennen()
{
    while (!FPaare.isEmpty())
        Schliessen(FPaare.first().Client);
}

void TZAM_TcpRelais::Beenden()
{
    Trennen();
    delete FServer;
    FServer = nullptr;
}
