#include "TZAMFormStore.h"

#include "EZAM_Exception.h"
#include "Glob_WWSServerFactoryClass.h"
#include "ZAMInfoKoords.h"

TZAMFormStore::TZAMFormStore(QObject* AOwner) : QObject(AOwner) {}

TZAMFormStore::~TZAMFormStore() = default;

// Created on first use, so that a form holding a store can be built without the service.
IZAM_FormStoreServer& TZAMFormStore::Server()
{
    if (!FServer)
        FServer = Glob_WWSServerFactoryClass().Create<IZAM_FormStoreServer>();
    return *FServer;
}

QStringList& TZAMFormStore::Liste(const char* AMethode)
{
    if (!FListe)
        throw EZAM_Exception(CZAM_Info_Fehler_Standard_IllegalerParameter, QStringLiteral("keine Liste"),
                             QString::fromLatin1(AMethode));
    return *FListe;
}

bool TZAMFormStore::Vorhanden(const QString& ASchluessel, const QString& AIndex)
{
    return Server().Vorhanden(FFormName, ASchluessel, AIndex);
}

bool TZAMFormStore::StandardVorhanden()
{
    return Vorhanden(CZAM_FormStore_Standard, FIndexName);
}

void TZAMFormStore::Restore(const QString& ASchluessel, const QString& AIndex)
{
    QStringList& liste = Liste("TZAMFormStore.Restore");
    liste = Server().Lesen(FFormName, ASchluessel, AIndex);
    if (OnRestoreEnd)
        OnRestoreEnd(this);
}

void TZAMFormStore::RestoreStandard()
{
    Restore(CZAM_FormStore_Standard, FIndexName);
}

void TZAMFormStore::Store(const QString& ASchluessel, const QString& AName, const QString& AIndex)
{
    QStringList& liste = Liste("TZAMFormStore.Store");
    if (OnStoreStart)
        OnStoreStart(this);
    Server().Schreiben(FFormName, ASchluessel, AName, AIndex, liste);
}

void TZAMFormStore::StoreStandard(const QString& AName)
{
    Store(CZAM_FormStore_Standard, AName, FIndexName);
}
