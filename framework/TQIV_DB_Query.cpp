#include "TQIV_DB_Query.h"

#include "EZAM_Exception.h"
#include "Glob_WWSServerFactoryClass.h"
#include "ZAMInfoKoords.h"

TQIV_DB_Query::TQIV_DB_Query(QObject* AOwner) : QObject(AOwner) {}

TQIV_DB_Query::~TQIV_DB_Query() = default;

IZAM_SqlAbfrage& TQIV_DB_Query::Dienst()
{
    if (!FDienst)
        FDienst = Glob_WWSServerFactoryClass().Create<IZAM_SqlAbfrage>();
    if (!FDienst)
        throw EZAM_Exception(CZAM_Info_Fehler_Standard_ModulNichtVerfuegbar, QStringLiteral("IZAM_SqlAbfrage"),
                             QStringLiteral("TQIV_DB_Query.Dienst"));
    return *FDienst;
}

TQIV_DBConnectorTyp_erw TQIV_DB_Query::ConnectorTyp()
{
    return Dienst().ConnectorTyp();
}

bool TQIV_DB_Query::Get_first()
{
    FZeilen.clear();
    FZeile = -1;
    FAuswahl.clear();
    const QString sql = SQL_Query_Get(ConnectorTyp());
    if (sql.isEmpty()) {
        FAuswahl.clear();
        return false;
    }
    FZeilen = Dienst().Abfragen(sql);
    return ZeileUebernehmen(0);
}

bool TQIV_DB_Query::Get_next()
{
    return ZeileUebernehmen(FZeile < 0 ? int(FZeilen.size()) : FZeile + 1);
}

bool TQIV_DB_Query::ZeileUebernehmen(int AZeile)
{
    if (AZeile < 0 || AZeile >= FZeilen.size()) {
        FZeile = -1;
        for (const TAuswahl& a : FAuswahl)
            a.Feld->Leeren();
        return false;
    }
    const QVariantList& zeile = FZeilen.at(AZeile);
    int spalten = 0;
    for (const TAuswahl& a : FAuswahl)
        spalten += a.Spalten;
    if (spalten != zeile.size())
        throw EZAM_Exception(CZAM_Info_Fehler_Standard_IllegalerParameter,
                             QStringLiteral("%1 Spalten gelesen, %2 ausgewählt").arg(zeile.size()).arg(spalten),
                             QStringLiteral("TQIV_DB_Query.Zeile"));
    FZeile = AZeile;
    int i = 0;
    for (const TAuswahl& a : FAuswahl) {
        a.Feld->WerteSetzen(zeile.mid(i, a.Spalten));
        i += a.Spalten;
    }
    return true;
}
