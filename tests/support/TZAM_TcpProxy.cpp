#include "TZAM_TcpProxy.h"

#include "TZAM_TcpRelais.h"

#include <QThread>

TZAM_TcpProxy::TZAM_TcpProxy(const QString& AZielHost, int AZielPort) : FThread(std::make_unique<QThread>())
{
    FRelais = new TZAM_TcpRelais(AZielHost, AZielPort);
    FRelais->moveToThread(FThread.get());
    QObject::connect(FThread.get(), &QThread::finished, FRelais, &QObject::deleteLater);
    FThread->start();
    QMetaObject::invokeMethod(FRelais, &TZAM_TcpRelais::Lauschen, Qt::BlockingQueuedConnection, &FPort);
}

TZAM_TcpProxy::~TZAM_TcpProxy()
{
    QMetaObject::invokeMethod(FRelais, &TZAM_TcpRelais::Beenden, Qt::BlockingQueuedConnection);
    FThread->quit();
    FThread->wait();
}

void TZAM_TcpProxy::Trennen() { QMetaObject::invokeMethod(FRelais, &TZAM_TcpRelais::Trennen, Qt::BlockingQueuedConnection); }

void TZAM_TcpProxy::SetAbweisen(bool AAbweisen) { FRelais->FAbweisen = AAbweisen; }

void TZAM_TcpProxy::NaechsteAntwortVerlieren() { FRelais->FAntwortVerlieren = true; }
