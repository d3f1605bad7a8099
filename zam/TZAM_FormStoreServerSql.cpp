#include "TZAM_FormStoreServerSql.h"

#include "TZAM_Datenbank.h"
#include "TZAM_SchreibklammerSql.h"

namespace {
const QString CSchluessel = QStringLiteral("maske = ? AND programm = ? AND sprache = ? AND schluessel = ? AND idx = ?");

QVariantList Werte(const TZAM_FormName& AForm, const QString& ASchluessel, const QString& AIndex)
{
    return {AForm.Maske, AForm.Programm, AForm.Sprache, ASchluessel, AIndex};
}
} // namespace

bool TZAM_FormStoreServerSql::Vorhanden(const TZAM_FormName& AForm, const QString& ASchluessel, const QString& AIndex)
{
    return !FDb.Lesen(QStringLiteral("SELECT 1 FROM zam_formstore WHERE ") + CSchluessel + QStringLiteral(" LIMIT 1"),
                      Werte(AForm, ASchluessel, AIndex))
                .IsEmpty();
}

QStringList TZAM_FormStoreServerSql::Lesen(const TZAM_FormName& AForm, const QString& ASchluessel,
                                           const QString& AIndex)
{
    QStringList zeilen;
    const TZAM_Zeilen z = FDb.Lesen(QStringLiteral("SELECT text FROM zam_formstore WHERE ") + CSchluessel +
                                        QStringLiteral(" ORDER BY zeile"),
                                    Werte(AForm, ASchluessel, AIndex));
    for (const QVariantList& zeile : z.Zeilen())
        zeilen << zeile.at(0).toString();
    return zeilen;
}

void TZAM_FormStoreServerSql::Schreiben(const TZAM_FormName& AForm, const QString& ASchluessel, const QString& AName,
                                        const QString& AIndex, const QStringList& AZeilen)
{
    TZAM_SchreibklammerSql::Ausfuehren(FDb, QStringLiteral("TZAM_FormStoreServerSql.Schreiben"), [&] {
        FDb.Schreiben(QStringLiteral("DELETE FROM zam_formstore WHERE ") + CSchluessel,
                      Werte(AForm, ASchluessel, AIndex));
        for (int i = 0; i < AZeilen.size(); ++i)
            FDb.Schreiben(QStringLiteral("INSERT INTO zam_formstore (maske, programm, sprache, schluessel, idx, name, "
                                         "zeile, text) VALUES (?, ?, ?, ?, ?, ?, ?, ?)"),
                          Werte(AForm, ASchluessel, AIndex) + QVariantList{AName, i, AZeilen.at(i)});
    });
}
