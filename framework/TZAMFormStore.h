#pragma once

#include "IZAM_FormStoreServer.h"

#include <QObject>
#include <QStringList>
#include <functional>
#include <memory>

// Stores the key/value list of its owner in the framework's form store, per key (usually the
// terminal identification), name and index. Not a window: a component of the form that owns it.
class TZAMFormStore : public QObject
{
    Q_OBJECT
public:
    using TEreignis = std::function<void(QObject* ASender)>;

    explicit TZAMFormStore(QObject* AOwner = nullptr);
    ~TZAMFormStore() override;

    TZAM_FormName& FormName() { return FFormName; }
    const TZAM_FormName& FormName() const { return FFormName; }
    void SetFormName(const TZAM_FormName& AFormName) { FFormName = AFormName; }
    const QString& IndexName() const { return FIndexName; }
    void SetIndexName(const QString& AIndexName) { FIndexName = AIndexName; }

    // Kept for the owner; the store itself never restores or stores on its own.
    bool AutoRestore() const { return FAutoRestore; }
    void SetAutoRestore(bool AWert) { FAutoRestore = AWert; }
    bool AutoStore() const { return FAutoStore; }
    void SetAutoStore(bool AWert) { FAutoStore = AWert; }
    bool AutoStoreSkip() const { return FAutoStoreSkip; }
    void SetAutoStoreSkip(bool AWert) { FAutoStoreSkip = AWert; }

    // The owner's list that Restore fills and Store writes; not owned.
    QStringList* GespeicherteListe() const { return FListe; }
    void SetGespeicherteListe(QStringList* AListe) { FListe = AListe; }

    // After Restore has filled the list.
    TEreignis OnRestoreEnd;
    // Before Store writes the list, so the owner can put its values into it.
    TEreignis OnStoreStart;

    bool Vorhanden(const QString& ASchluessel, const QString& AIndex);
    // The default set lives under CZAM_FormStore_Standard and the store's IndexName.
    bool StandardVorhanden();
    // Replaces the list by the stored lines (empty when none), then OnRestoreEnd.
    void Restore(const QString& ASchluessel, const QString& AIndex);
    void RestoreStandard();
    // OnStoreStart, then writes the list.
    void Store(const QString& ASchluessel, const QString& AName, const QString& AIndex);
    void StoreStandard(const QString& AName);

private:
    IZAM_FormStoreServer& Server();
    QStringList& Liste(const char* AMethode);

    TZAM_FormName FFormName;
    QString FIndexName;
    bool FAutoRestore = false;
    bool FAutoStore = false;
    bool FAutoStoreSkip = false;
    QStringList* FListe = nullptr;
    std::unique_ptr<IZAM_FormStoreServer> FServer;
};
