#pragma once

#include "IZAM_Server.h"
#include "TInfoKoord.h"

#include <QRectF>
#include <QSizeF>
#include <QString>
#include <memory>

class QPainter;
class QPagedPaintDevice;

// Refusals of the print module. Nothing is printed and no job recorded after any of them.
inline const TInfoKoord CZAM_Info_Druck_KeinDrucker{"DRUCK", 1001};    // unknown printer, no default
inline const TInfoKoord CZAM_Info_Druck_OrdnerGesperrt{"DRUCK", 1002}; // output folder not writable
inline const TInfoKoord CZAM_Info_Druck_Fehlgeschlagen{"DRUCK", 1003}; // the printer or file refused the job
// A label layout that is not stored (insert: its name).
inline const TInfoKoord CZAM_Info_Lager_EtikettVorlageFehlt{"LAGER", 1015};

// The printer name that always writes a PDF file into the output folder.
inline const QString CZAM_Drucker_PDF = QStringLiteral("PDF");

// A stored label layout (zam_etikett_layout).
struct TZAM_EtikettLayout
{
    QString Name;
    int BreiteMm = 0;
    int HoeheMm = 0;
    bool MitHerstellerNr = true; // the manufacturer's article number is printed
    bool MitDispo = true;        // the disposition is printed
};

// What a finished job left: its record in zam_druckauftrag, the PDF file (empty for a job on a
// system printer) and the number of pages. A job without pages leaves nothing: id 0, no file.
struct TZAM_DruckErgebnis
{
    qint64 Id = 0;
    QString Datei;
    int Seiten = 0;
};

// One running print job. Draw either with Painter() (the first call starts page 1, NeueSeite
// starts the next) or hand Geraet() to a painter of your own such as QTextDocument::print, never
// both. Coordinates are device units with the origin at the page's top-left corner; the page has
// no margins. A job destroyed or cancelled before Abschliessen prints nothing: a PDF file is
// removed, a system job aborted, nothing recorded.
class IZAM_DruckAuftrag
{
public:
    virtual ~IZAM_DruckAuftrag() = default;

    virtual QPainter& Painter() = 0;
    virtual void NeueSeite() = 0;
    virtual QPagedPaintDevice& Geraet() = 0;
    // The whole page in device units, and how many device units make a millimetre.
    virtual QRectF Seite() const = 0;
    virtual double EinheitenJeMm() const = 0;
    // Ends the job, hands it to the printer (or closes the file) and records it.
    virtual TZAM_DruckErgebnis Abschliessen() = 0;
    virtual void Abbrechen() = 0;
};

// The print module: every printed document goes through it.
// - A printer the machine knows prints there.
// - The name "PDF", or any name on a machine without printers, writes a PDF file into the output
//   folder ([Drucken] Ausgabeordner of the ini file; without it the folder "Druck" in the user's
//   data directory), named <kind>_<yyyyMMdd-HHmmss-zzz>_<n>.pdf with the first n that is free
//   (the file is created exclusively, so two jobs never share a name).
// - Any other name on a machine with printers goes to its default printer.
// Every finished job with pages is a row of zam_druckauftrag: time (ms since 1970), the printer
// name asked for, the kind, the PDF file (empty on a system printer) and the pages.
class IZAM_Druck : public IZAM_Server
{
public:
    // Starts a job of the kind (a short word such as "Etikett" or "WBS"; it names the file) with
    // pages of the size in millimetres (empty: A4 portrait). Raises CZAM_Info_Druck_KeinDrucker
    // when an unknown printer has no default to go to, CZAM_Info_Druck_OrdnerGesperrt when the
    // output folder cannot be written.
    virtual std::unique_ptr<IZAM_DruckAuftrag> Beginnen(const QString& ADrucker, const QString& AArt,
                                                        const QSizeF& ASeiteMm = {}) = 0;
    // Whether Beginnen finds somewhere to print the name (the folder is not tried).
    virtual bool DruckMoeglich(const QString& ADrucker) = 0;
    // False when no layout has the name.
    virtual bool EtikettLayout_Lesen(const QString& AName, TZAM_EtikettLayout& ALayout) = 0;
};
