#include "TZAM_DruckSql.h"

#include "EZAM_Exception.h"
#include "TZAM_Datenbank.h"
#include "TZAM_DruckDatei.h"
#include "TZAM_DruckZiel.h"
#include "TZAM_Druckauftrag.h"

#include <QDateTime>
#include <QPrinterInfo>

std::unique_ptr<IZAM_DruckAuftrag> TZAM_DruckSql::Beginnen(const QString& ADrucker, const QString& AArt,
                                                           const QSizeF& ASeiteMm)
{
    const TZAM_DruckZiel ziel = TZAM_DruckZiel::Bestimmen(ADrucker);
    if (ziel.Art == TZAM_DruckZiel::dzKeiner)
        throw EZAM_Exception(CZAM_Info_Druck_KeinDrucker,
                             ADrucker.isEmpty() ? QStringLiteral("(ohne Namen)") : ADrucker,
                             QStringLiteral("TZAM_DruckSql.Beginnen"));
    QString datei;
    // A printer only the replaced printer list knows (tests) prints into a file as well.
    if (ziel.Art == TZAM_DruckZiel::dzPDF || QPrinterInfo::printerInfo(ziel.Name).isNull())
        datei = TZAM_DruckDatei::Anlegen(TZAM_DruckDatei::Ordner(FIni), AArt, QDateTime::currentDateTime());
    return std::make_unique<TZAM_Druckauftrag>(FDb, ADrucker, AArt, ASeiteMm, ziel, datei);
}

bool TZAM_DruckSql::DruckMoeglich(const QString& ADrucker)
{
    return TZAM_DruckZiel::Bestimmen(ADrucker).Art != TZAM_DruckZiel::dzKeiner;
}

bool TZAM_DruckSql::EtikettLayout_Lesen(const QString& AName, TZAM_EtikettLayout& ALayout)
{
    ALayout = TZAM_EtikettLayout{};
    const TZAM_Zeilen z = FDb.Lesen(QStringLiteral("SELECT name, breite_mm, hoehe_mm, mit_herstellernr, mit_dispo "
                                                   "FROM zam_etikett_layout WHERE name = ?"),
                                    {AName});
    if (z.IsEmpty())
        return false;
    ALayout = {z.Wert(0, 0).toString(), z.Wert(0, 1).toInt(), z.Wert(0, 2).toInt(), z.Wert(0, 3).toInt() != 0,
               z.Wert(0, 4).toInt() != 0};
    return true;
}

void TZAM_DruckSql::EtikettLayout_Anlegen(TZAM_Datenbank& ADb, const TZAM_EtikettLayout& ALayout)
{
    ADb.Schreiben(QStringLiteral("INSERT INTO zam_etikett_layout (name, breite_mm, hoehe_mm, mit_herstellernr, "
                                 "mit_dispo) VALUES (?, ?, ?, ?, ?)"),
                  {ALayout.Name, ALayout.BreiteMm, ALayout.HoeheMm, ALayout.MitHerstellerNr, ALayout.MitDispo});
}
