#include "TZAM_ReservierungDruck.h"

#include "EZAM_Exception.h"
#include "Glob_WWSServerFactoryClass.h"
#include "IZAM_BelegEditServer.h"
#include "IZAM_DruckerKonfig.h"
#include "TZAM_CodeForm.h"
#include "TZAM_Druckjob.h"
#include "ZAMInfoKoords.h"

#include <QTextDocument>

namespace {

const QString CMethode = QStringLiteral("TZAM_ReservierungDruck.Drucken");

QString Zelle(const QString& AText, const char* AAusrichtung = "left")
{
    return QStringLiteral("<td align=\"%1\">%2</td>").arg(QLatin1String(AAusrichtung), AText.toHtmlEscaped());
}

QString Drucker(const QString& ADrucker)
{
    if (!ADrucker.trimmed().isEmpty())
        return ADrucker;
    std::unique_ptr<IZAM_DruckerKonfig> konfig = Glob_WWSServerFactoryClass().Create<IZAM_DruckerKonfig>();
    const QString belege = konfig->DruckerFuerTyp(CZAM_DruckerTyp_Belege);
    return belege.isEmpty() ? konfig->DruckerFuerTyp(CZAM_DruckerTyp_Standard) : belege;
}

} // namespace

QString TZAM_ReservierungDruck::Druckart(const QString& ABelegNr)
{
    QString nr;
    for (QChar c : ABelegNr.trimmed()) {
        const bool ok =
            (c >= u'a' && c <= u'z') || (c >= u'A' && c <= u'Z') || (c >= u'0' && c <= u'9') || c == u'-' || c == u'_';
        nr += ok ? c : QChar(u'_');
    }
    return nr.isEmpty() ? CZAM_Druckart_Reservierung : CZAM_Druckart_Reservierung + u'-' + nr;
}

QString TZAM_ReservierungDruck::Html(const TZAM_ReservierungsDaten& ADaten)
{
    const QString kunde = ADaten.KundeName.trimmed().isEmpty() ? ADaten.Kunde.ToText() : ADaten.KundeName.trimmed();
    const QString filiale = ADaten.LieferFiliale >= 0 ? QString::number(ADaten.LieferFiliale) : QStringLiteral("-");
    QString html = QStringLiteral("<h2>Reservierung</h2><table cellspacing=\"0\" cellpadding=\"3\">");
    const auto kopf = [&](const QString& AName, const QString& AWert) {
        html += QStringLiteral("<tr>") + Zelle(AName) + Zelle(AWert) + QStringLiteral("</tr>");
    };
    kopf(QStringLiteral("Beleg-Nr.:"), ADaten.BelegNr);
    kopf(QStringLiteral("Datum:"),
         ADaten.Datum.isValid() ? ADaten.Datum.date().toString(QStringLiteral("dd.MM.yyyy")) : QString());
    kopf(QStringLiteral("Kunde:"), kunde);
    kopf(QStringLiteral("Lieferfiliale:"), filiale);
    html += QStringLiteral("</table><br/><table width=\"100%\" border=\"1\" cellspacing=\"0\" cellpadding=\"3\">"
                           "<tr><th align=\"left\">Artikel-Nr.</th><th align=\"left\">Hersteller-Art.-Nr.</th>"
                           "<th align=\"left\">Größe</th><th align=\"right\">Menge</th></tr>");
    int summe = 0;
    for (const TZAM_ReservierungsPosition& p : ADaten.Positionen) {
        html += QStringLiteral("<tr>") + Zelle(p.ArtNr > 0 ? TZAM_CodeForm::ArtNr_Text(p.ArtNr) : QString()) +
                Zelle(p.HerstellerArtNr) + Zelle(p.Groesse) + Zelle(QString::number(p.Menge), "right") +
                QStringLiteral("</tr>");
        summe += p.Menge;
    }
    html += QStringLiteral("<tr><td colspan=\"3\"><b>Summe</b></td>") + Zelle(QString::number(summe), "right") +
            QStringLiteral("</tr></table>");
    return html;
}

TZAM_DruckErgebnis TZAM_ReservierungDruck::Drucken(const TIntTrio& ABelegId, const QString& ADrucker)
{
    // Everything is read before the printer is asked, so a failure prints nothing.
    if (!Glob_ServerFactoryClass().Verfuegbar<IZAM_BelegEditServer>())
        throw EZAM_Exception(CZAM_Info_Fehler_Standard_ModulNichtVerfuegbar, QStringLiteral("BelegEditServer"),
                             CMethode);
    TZAM_ReservierungsDaten daten;
    if (!Glob_ServerFactoryClass().Create<IZAM_BelegEditServer>()->Reservierung_Lesen(ABelegId, daten))
        throw EZAM_Exception(CZAM_Info_Druck_BelegFehlt, ABelegId.ToText(), CMethode);

    QTextDocument doc;
    doc.setHtml(Html(daten));
    TZAM_Druckjob job(Drucker(ADrucker), Druckart(daten.BelegNr));
    doc.print(&job.Geraet());
    return job.Abschliessen();
}
