// Order numbers as the WE-Plus order entry takes them from typed text.
#include "TDM_Torvik.h"

#include "TQIV_ArtvLesenToolsDispoWEMani.h"
#include "TRObjTab.h"
#include "TRVRTab.h"
#include "TZAM_Hausregel.h"

#include <algorithm>
#include <tuple>

namespace {

constexpr int CTabellenArtAuftraege = 2;
constexpr quint8 CKreisArtAuftrag = 7;
const QString CObjektAuftrag = QStringLiteral("ARTV");

// Split at blanks as delimited text does when the delimiter is not strict: any control character
// or blank ends a part, and double quotes keep a part together ("" is a quote inside).
QStringList BeiLeerzeichen(const QString& AText)
{
    QStringList teile;
    QString teil;
    bool inAnfuehrung = false, offen = false;
    for (qsizetype i = 0; i < AText.size(); ++i) {
        const QChar c = AText.at(i);
        if (inAnfuehrung) {
            if (c == u'"' && i + 1 < AText.size() && AText.at(i + 1) == u'"')
                teil += AText.at(++i);
            else if (c == u'"')
                inAnfuehrung = false;
            else
                teil += c;
        } else if (c == u'"') {
            inAnfuehrung = offen = true;
        } else if (c <= u' ') {
            if (offen)
                teile << teil;
            teil.clear();
            offen = false;
        } else {
            teil += c;
            offen = true;
        }
    }
    if (offen)
        teile << teil;
    return teile;
}

// Adds the order once when it has open dispositions for the current warehouse's branches.
bool MitOffenenDisposHinzu(TDM_Torvik& ADm, const TIntPair& AAuftrag, TIntPairList& AAuftragsNrN)
{
    QList<TQIV_DispoWE_Info> dispos;
    if (!AAuftrag.Defined() ||
        !ADm.OffeneDispos_4_AuftragsNr_Oder_VorgId(AAuftrag, TIntTrio(), false, ADm.GetAktLagerFilialen(), dispos))
        return false;
    if (!AAuftragsNrN.contains(AAuftrag))
        AAuftragsNrN.append(AAuftrag);
    return true;
}

} // namespace

bool TDM_Torvik::VELTAuftragsNrN_Aus_AuftragsnrStr(const QString& AText, TIntPairList& AAuftragsNrN, int& ATypedAnzahl)
{
    ATypedAnzahl = 0;
    const auto teilen = [&](const QStringList& ATeile) {
        const qsizetype vorher = AAuftragsNrN.size();
        int gefunden = 0;
        ATypedAnzahl = 0;
        for (const QString& roh : ATeile) {
            const QString teil = roh.trimmed();
            if (teil.isEmpty())
                continue;
            ++ATypedAnzahl;
            // The same order named twice is received once and still counts as found.
            if (VELTAuftragsNrAusString(teil, AAuftragsNrN))
                ++gefunden;
        }
        return std::pair(AAuftragsNrN.size() > vorher, gefunden == ATypedAnzahl && ATypedAnzahl > 0);
    };
    auto [neu, ok] = teilen(AText.split(u','));
    if (!neu)
        std::tie(neu, ok) = teilen(AText.split(u'.'));
    if (!neu)
        std::tie(neu, ok) = teilen(BeiLeerzeichen(AText));
    return ok;
}

bool TDM_Torvik::VELTAuftragsNrAusString(const QString& ATeil, TIntPairList& AAuftragsNrN)
{
    return TZAM_Hausregel::ErgebnisOhneBusy("TDM_Torvik.VELTAuftragsNrAusString", false, [&] {
        if (ATeil.startsWith(QLatin1String("ABS"), Qt::CaseInsensitive) &&
            VELTAuftragsNrAusString(ATeil.mid(3).trimmed(), AAuftragsNrN))
            return true;
        if (ATeil.contains(u'-') && MitOffenenDisposHinzu(*this, TIntPair::FromTextSecure(ATeil), AAuftragsNrN))
            return true;
        TQIV_ArtvLesenToolsDispoWEMani* mani = DispoWEMani_GoC();
        if (mani && MitOffenenDisposHinzu(*this, mani->AuftragsNr_4_EigeneAuftragsNr(ATeil), AAuftragsNrN))
            return true;
        return VELTAuftragsNrAusPosNumString(ATeil, AAuftragsNrN);
    });
}

bool TDM_Torvik::VELTAuftragsNrAusPosNumString(const QString& ATeil, TIntPairList& AAuftragsNrN)
{
    return TZAM_Hausregel::ErgebnisOhneBusy("TDM_Torvik.VELTAuftragsNrAusPosNumString", false, [&] {
        // A whole number above 0: digits only, not all of them 0.
        if (ATeil.isEmpty() || !std::all_of(ATeil.cbegin(), ATeil.cend(), [](QChar c) { return c.isDigit(); }) ||
            !std::any_of(ATeil.cbegin(), ATeil.cend(), [](QChar c) { return c != u'0'; }))
            return false;
        TRVRTab kreise;
        kreise.Laden(CTabellenArtAuftraege);
        for (const TZAM_Nummernkreis& k : kreise.Kreise()) {
            if (k.Art != CKreisArtAuftrag && !TRObjTab::GetObjektRTypExist(CObjektAuftrag, k.SatzTyp))
                continue;
            const QString praefix = QString::number(k.Nummer);
            if (!ATeil.startsWith(praefix))
                continue;
            // A serial too long for a number is unreadable and names no order, nor does 0.
            bool lesbar = false;
            const int lfd = ATeil.mid(praefix.size()).toInt(&lesbar);
            if (lesbar && lfd > 0 && MitOffenenDisposHinzu(*this, TIntPair(k.Nummer, lfd), AAuftragsNrN))
                return true;
        }
        return false;
    });
}
