#pragma once

#include "IZAM_SqlAbfrage.h"
#include "TQIV_DB_Query_Helper.h"

#include <QObject>
#include <memory>

// A read query of the program: a descendant writes the statement (SQL_Query_Get, naming its
// select list with Selection_Add_Feld); the query runs it through IZAM_SqlAbfrage, keeps every
// row and steps through them, handing each selected data field its values of the current row.
class TQIV_DB_Query : public QObject, public TQIV_DB_Query_Helper
{
public:
    explicit TQIV_DB_Query(QObject* AOwner = nullptr);
    ~TQIV_DB_Query() override;

    // The statement for the given engine; empty when it could not be built.
    virtual QString SQL_Query_Get(TQIV_DBConnectorTyp_erw ATyp) = 0;

    // Builds and runs the statement and goes to its first row: true when there is one. An empty
    // statement is not run (its builder has registered why) and answers false. Raises
    // EZAM_Exception when the statement fails.
    virtual bool Get_first();
    // Goes to the next row: true when there is one.
    virtual bool Get_next();

    // The current row: -1 before Get_first and after the last row.
    int AktuelleZeile() const { return FZeile; }
    bool Eof() const { return FZeile < 0; }
    int ZeilenAnzahl() const { return int(FZeilen.size()); }
    // The engine the statements run on (asks the service).
    TQIV_DBConnectorTyp_erw ConnectorTyp();

private:
    IZAM_SqlAbfrage& Dienst();
    bool ZeileUebernehmen(int AZeile);

    std::unique_ptr<IZAM_SqlAbfrage> FDienst;
    QList<QVariantList> FZeilen;
    int FZeile = -1;
};
