#pragma once

#include "IZAM_Server.h"

#include <QString>
#include <QStringList>

// Which stored form settings: mask, program and language.
struct TZAM_FormName
{
    QString Maske;
    QString Programm;
    QString Sprache;
};

// Stored key/value lists of forms, per key (the terminal identification), name and index. The
// key CZAM_FormStore_Standard holds the default set for keys without entries.
class IZAM_FormStoreServer : public IZAM_Server
{
public:
    virtual bool Vorhanden(const TZAM_FormName& AForm, const QString& ASchluessel, const QString& AIndex) = 0;
    // The stored lines ("key=value"); empty when nothing is stored.
    virtual QStringList Lesen(const TZAM_FormName& AForm, const QString& ASchluessel, const QString& AIndex) = 0;
    virtual void Schreiben(const TZAM_FormName& AForm, const QString& ASchluessel, const QString& AName,
                           const QString& AIndex, const QStringList& AZeilen) = 0;
};

inline const QString CZAM_FormStore_Standard = QStringLiteral("*STANDARD*");
