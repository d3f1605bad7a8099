#pragma once

#include <QString>
#include <memory>

class QThread;
class TZAM_TcpRelais;

// A TCP relay between the connections of a test and the PostgreSQL test server, in a thread of
// its own, that plays the faults of a network: connections cut, a server out of reach, a reply
// lost after the server did the work.
class TZAM_TcpProxy
{
public:
    TZAM_TcpProxy(const QString& AZielHost, int AZielPort);
    ~TZAM_TcpProxy();
    TZAM_TcpProxy(const TZAM_TcpProxy&) = delete;
    TZAM_TcpProxy& operator=(const TZAM_TcpProxy&) = delete;

    int Port() const { return FPort; }
    // Cuts every open connection at once.
    void Trennen();
    // While set, new connections are closed at once: the server is out of reach.
    void SetAbweisen(bool AAbweisen);
    // The next reply of the server is swallowed and its connection cut: the request did reach it.
    void NaechsteAntwortVerlieren();

private:
    std::unique_ptr<QThread> FThread;
    TZAM_TcpRelais* FRelais = nullptr;
    int FPort = 0;
};
