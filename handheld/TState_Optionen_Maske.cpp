// The option pages filled from the options and read back.
#include "EZAM_Exception.h"
#include "TFilialTabelle.h"
#include "TQIV_OptionenSeiten.h"
#include "TState_Optionen.h"
#include "TZAM_CheckListe.h"
#include "TZAM_Hausregel.h"
#include "TfrmMDE.h"
#include "ZAMUtils.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>

namespace {
using S = TQIV_OptionenSeiten;

const QString CKeineSpalte = QStringLiteral("Es muss mindestens eine Spalte angezeigt werden!");

QString Zahl(int AWert)
{
    return QString::number(AWert);
}

int Zahl(const QLineEdit* AFeld, int ADefault)
{
    return zam_StrToIntDef(AFeld->text(), ADefault);
}

QVariant Wert(const QComboBox* ACombo, const QVariant& ADefault)
{
    return S::StringIntCombo_Auslesen_Testen(ACombo, ADefault);
}

QString Drucker(const QString& AName, bool ALeerNichtDrucken)
{
    return AName.isEmpty() && ALeerNichtDrucken ? S::CNichtDrucken : AName;
}

template <class T> QList<T> Spalten(const QListWidget* AListe)
{
    QList<T> spalten;
    for (int s : TZAM_CheckListe::Auslesen(AListe))
        spalten << T(s);
    return spalten;
}

template <class T> QList<int> Werte(const QList<T>& ASpalten)
{
    return QList<int>(ASpalten.cbegin(), ASpalten.cend());
}

QList<TQIV_AnzeigeInfoMDE_Detail*> Details(TQIV_AnzeigeInfo_MDE& AInfo)
{
    return {&AInfo.LinksOben,   &AInfo.RechtsOben, &AInfo.LinksMitte,
            &AInfo.RechtsMitte, &AInfo.LinksUnten, &AInfo.RechtsUnten};
}
} // namespace

void TState_Optionen::Optionen_2_Maske(const TQIV_Optionen_OBMDE& AOptionen)
{
    S& s = Seiten();
    const TQIV_Optionen_OBMDE& o = AOptionen;

    TFilialTabelle::Lager_Combo_einstellen(s.cmbAktLager, o.Allgemein.AktLager);
    s.lblAktLager->setVisible(s.cmbAktLager->count() > 1);
    s.cmbAktLager->setVisible(s.cmbAktLager->count() > 1);
    S::Drucker_Combo_einstellen(s.cmbDruckerWBS, o.Allgemein.DruckerWBS);
    S::Drucker_Combo_einstellen(s.cmbDruckerWBSAuto, o.Allgemein.DruckerWBSAuto);

    S::FensterGroesse_Combo_einstellen(s.cmbGroesse, o.Fenster.FensterGroesse);
    const bool eigene = o.Fenster.FensterGroesse == fgrIndividuell;
    s.edtBreite->setText(eigene ? Zahl(o.Fenster.FensterBreite) : QString());
    s.edtHoehe->setText(eigene ? Zahl(o.Fenster.FensterHoehe) : QString());
    for (QWidget* w : std::initializer_list<QWidget*>{s.edtBreite, s.edtHoehe, s.lblBreite, s.lblHoehe})
        w->setEnabled(eigene);
    s.edtRandOben->setText(Zahl(o.Fenster.RandOben));
    s.edtRandUnten->setText(Zahl(o.Fenster.RandUnten));
    s.chbAPosKorr->setChecked(o.Fenster.AutomPositionsKorrektur);

    S::StringIntCombo_Einstellen(s.cmbPraefix, int(o.Scanner.Praefix));
    s.chbWMChar->setChecked(o.Scanner.WMCharAuswerten);
    s.chbMsgDebug->setChecked(o.Scanner.MessageDebugAusgabe);

    const TQIV_Optionen_OBMDE::TWEPlus& w = o.WEPlus;
    S::StringIntCombo_Einstellen(s.cmbWPGeoUnsort, int(w.GeordnetUnsortiert));
    S::StringIntCombo_Einstellen(s.cmbWPWeiterGeo, int(w.WeiterberarbGeordnet));
    S::StringIntCombo_Einstellen(s.cmbWPArtOhneDispo, int(w.ArtikelOhneDispo));
    s.chbBearbDirektInEW->setChecked(w.BearbDirektInEW);
    s.chbMeEingSHVorbelegen->setChecked(w.MeEingSHVorbelegen);
    s.chbTeilsortVorbelegen->setChecked(w.TeilsortVorbelegen);
    const TQIV_WEPEtikettendruck etiketten[] = {w.EtikDruckAllg, w.EtikDruckVersand, w.EtikDruckAbholung,
                                                w.EtikDruckBearb, w.EtikDruckFA, w.EtikDruckEinlag};
    for (int i = 0; i < 6; ++i)
        S::StringIntCombo_Einstellen(s.cmbEtikDruck[i], int(etiketten[i]));

    TZAM_CheckListe::Einstellen(s.clbSpaltenAbsort, Werte(o.Nachsort.ListeSpalten));
    s.edtFontSizeAbsort->setText(Zahl(o.Nachsort.ListeFontSize));
    S::StringIntCombo_Einstellen(s.cmbSortierung, o.Nachsort.Sortierung);
    TQIV_AnzeigeInfo_MDE details = o.Nachsort.DetailAnzeige;
    const auto positionen = Details(details);
    for (int i = 0; i < 6; ++i) {
        S::StringIntCombo_Einstellen(s.cmbDetails[2 * i], positionen[i]->Normal);
        S::StringIntCombo_Einstellen(s.cmbDetails[2 * i + 1], positionen[i]->Alternativ);
    }

    s.chbKommBehFil->setChecked(o.NachsortAllg.KommBehErlaubt);
    s.chbKommBehVers->setChecked(o.NachsortAllg.KommBehErlaubtVersand);
    S::StringIntCombo_Einstellen(s.cmbPaketversand, o.NachsortAllg.Paketversand);
    s.chbNurLOImLaufweg->setChecked(o.NachsortAllg.NurLOImLaufweg);
    s.chbLPScanZeileHalten->setChecked(o.Einlagerung.LPScanZeileHalten);
    s.chbHerstStattVeltArtNr->setChecked(o.Einlagerung.HerstStattVeltArtNr);
    S::StringIntCombo_Einstellen(s.cmbWBSGesEinlagerung, o.Einlagerung.WBSGesEinlagerung);
    s.chbArtScanWBS->setChecked(o.Einlagerung.ArtScanWBS);
    s.chbArtScanWBSKube->setChecked(o.Einlagerung.ArtScanWBSKube);

    const TQIV_Optionen_OBMDE::TNachsortKube& k = o.NachsortKube;
    s.chbNurWennBezahlt->setChecked(k.NurWennBezahlt);
    s.chbNurWennKomplett->setChecked(k.NurWennKomplettImLag);
    s.chbKuBeHerkunft->setChecked(k.HerkunftWaehlen);
    s.chbKuBeBuchFil->setEnabled(k.HerkunftWaehlen);
    s.chbKuBeBuchFil->setChecked(k.HerkunftWaehlen && k.BuchFilWaehlen);
    s.chbKuBeDatum->setChecked(k.DatumFiltern);
    s.chbKuBePosAnzahl->setChecked(k.PosAnzahlWaehlen);
    s.edtWagenAnz->setText(Zahl(k.WagenAnz));
    s.chbEinPosFuerWagen->setChecked(k.EinPosFuerWagen);

    s.edtUmlagHLPrioTimerInterval->setText(QString::number(o.UmlagHL.PrioTimerIntervall));
    FMaske->FEdtUmlagHLPrioTimerInterval_LastText = s.edtUmlagHLPrioTimerInterval->text();
    s.edtPrioMin->setText(QString::number(o.UmlagHL.PrioAufschiebenMin));
    s.edtPrioMax->setText(QString::number(o.UmlagHL.PrioAufschiebenMax));
    s.edtFertigeLoeschen->setText(Zahl(o.UmlagHL.FertigeLoeschenTage));

    TZAM_CheckListe::Einstellen(s.clbSpaltenLagerinfoLO, Werte(o.Lagerinfo.ListeSpaltenLO));
    s.edtFontSizeLagerinfoLO->setText(Zahl(o.Lagerinfo.ListeFontSizeLO));
    TZAM_CheckListe::Einstellen(s.clbSpaltenLagerinfoArt, Werte(o.Lagerinfo.ListeSpaltenArt));
    s.edtFontSizeLagerinfoArt->setText(Zahl(o.Lagerinfo.ListeFontSizeArt));
    S::StringIntCombo_Einstellen(s.cmbSortierungArt, o.Lagerinfo.SortierungArt);

    s.chbImmerAufKubeVBS->setChecked(o.Versandhilfe.ImmerAufKubeVBS);
    S::Drucker_Combo_einstellen(s.cmbDruckerARE, Drucker(o.Belegdruck.DruckerARE, true));
    S::Drucker_Combo_einstellen(s.cmbDruckerRetScheine, Drucker(o.Belegdruck.DruckerRetScheine, true));
    S::StringIntCombo_Einstellen(s.cmbHinweisZeigen,
                                 int(o.Belegdruck.HinweisZeigen == hizUnbekannt ? hizJa : o.Belegdruck.HinweisZeigen));
    s.chbVPDrucken->setChecked(o.Belegdruck.VPDrucken);
    s.chbRSVPDrucken->setChecked(o.Belegdruck.RuecksendeVPDrucken);
    S::Drucker_Combo_einstellen(s.cmbResBelDrucker, o.WeitereDrucker.ResBelDrucker);
    s.edtLagerZugFil->setText(o.ManuLagerBew.LagerZugFil > 0 ? Zahl(o.ManuLagerBew.LagerZugFil) : QString());
    S::Drucker_Combo_einstellen(s.cmbDruckerLZV, o.Bearbeitung.DruckerLZV);
    s.chbSofortvollzugOhneWBS->setChecked(o.Nachsort.SofortvollzugOhneWBS);
}

bool TState_Optionen::Optionen_Auslesen(TQIV_Optionen_OBMDE& AOptionen)
{
    return TZAM_Hausregel::ErgebnisOhneBusy("TState_Optionen.Optionen_Auslesen", false, [&] {
        S& s = Seiten();
        TQIV_Optionen_OBMDE& o = AOptionen;

        o.Nachsort.ListeSpalten = Spalten<TZAM_AufgabenListe_Spalte>(s.clbSpaltenAbsort);
        if (o.Nachsort.ListeSpalten.isEmpty())
            return Warnung(s.clbSpaltenAbsort, CKeineSpalte);
        o.Lagerinfo.ListeSpaltenLO = Spalten<TSucheListeColErw>(s.clbSpaltenLagerinfoLO);
        if (o.Lagerinfo.ListeSpaltenLO.isEmpty())
            return Warnung(s.clbSpaltenLagerinfoLO, CKeineSpalte);
        o.Lagerinfo.ListeSpaltenArt = Spalten<TSucheListeColErw>(s.clbSpaltenLagerinfoArt);
        if (o.Lagerinfo.ListeSpaltenArt.isEmpty())
            return Warnung(s.clbSpaltenLagerinfoArt, CKeineSpalte);

        o.Nachsort.Sortierung = Wert(s.cmbSortierung, CZAM_AufgabenListe_Spalte_Keine).toInt();
        o.Allgemein.DruckerWBSAuto = S::Drucker_Combo_auslesen(s.cmbDruckerWBSAuto);
        o.Allgemein.DruckerWBS = S::Drucker_Combo_auslesen(s.cmbDruckerWBS);
        if (o.Allgemein.DruckerWBS.isEmpty())
            return Warnung(s.cmbDruckerWBS, QStringLiteral("Es muss ein Drucker ausgewählt werden!"));

        const int prioMin = Zahl(s.edtPrioMin, 0), prioMax = Zahl(s.edtPrioMax, 0);
        if (prioMax < prioMin)
            return Warnung(s.edtPrioMax, QStringLiteral("\"Mindestens\" muss kleiner als \"höchstens\" sein!"));
        o.UmlagHL.PrioTimerIntervall = quint32(Zahl(s.edtUmlagHLPrioTimerInterval, 0));
        o.UmlagHL.PrioAufschiebenMin = quint32(prioMin);
        o.UmlagHL.PrioAufschiebenMax = quint32(prioMax);
        o.UmlagHL.FertigeLoeschenTage = Zahl(s.edtFertigeLoeschen, 0);

        if (s.cmbPraefix->currentIndex() < 0)
            return Warnung(s.cmbPraefix, QStringLiteral("Es muss ein Prärix ausgewählt werden!"));
        o.Scanner.Praefix = TZAM_ShortCut(s.cmbPraefix->currentData().toInt());

        o.Scanner.WMCharAuswerten = s.chbWMChar->isChecked();
        o.Scanner.MessageDebugAusgabe = s.chbMsgDebug->isChecked();
        TQIV_Optionen_OBMDE::TWEPlus& w = o.WEPlus;
        w.GeordnetUnsortiert = TQIV_WEPVorgehensweise(Wert(s.cmbWPGeoUnsort, int(wpvFragen)).toInt());
        w.WeiterberarbGeordnet = TQIV_WEPWeiterarbeit(Wert(s.cmbWPWeiterGeo, int(wpwFragen)).toInt());
        w.ArtikelOhneDispo = TQIV_WEPArtikelOhneDispo(Wert(s.cmbWPArtOhneDispo, int(aodImmerEinlagern)).toInt());
        TQIV_WEPEtikettendruck* etiketten[] = {&w.EtikDruckAllg, &w.EtikDruckVersand, &w.EtikDruckAbholung,
                                               &w.EtikDruckBearb, &w.EtikDruckFA, &w.EtikDruckEinlag};
        const TQIV_WEPEtikettendruck keinEtikett[] = {wpeStandard, wpeNie, wpeAllgemein,
                                                      wpeAllgemein, wpeAllgemein, wpeAllgemein};
        for (int i = 0; i < 6; ++i)
            *etiketten[i] = TQIV_WEPEtikettendruck(Wert(s.cmbEtikDruck[i], int(keinEtikett[i])).toInt());
        w.MeEingSHVorbelegen = s.chbMeEingSHVorbelegen->isChecked();
        w.TeilsortVorbelegen = s.chbTeilsortVorbelegen->isChecked();
        w.BearbDirektInEW = s.chbBearbDirektInEW->isChecked();
        o.Einlagerung.WBSGesEinlagerung = Wert(s.cmbWBSGesEinlagerung, QChar(u'N')).toChar();
        o.NachsortAllg.Paketversand = Wert(s.cmbPaketversand, QChar(u'N')).toChar();

        TQIV_Optionen_OBMDE::TFenster& f = o.Fenster;
        f.FensterGroesse = S::FensterGroesse_Combo_auslesen(s.cmbGroesse);
        f.FensterBreite = 0;
        f.FensterHoehe = 0;
        if (f.FensterGroesse == fgrIndividuell) {
            f.FensterBreite = qMax(320, Zahl(s.edtBreite, 320));
            f.FensterHoehe = qMax(320, Zahl(s.edtHoehe, 320));
        }
        f.RandOben = Zahl(s.edtRandOben, 0);
        f.RandUnten = Zahl(s.edtRandUnten, 0);
        f.AutomPositionsKorrektur = s.chbAPosKorr->isChecked();

        o.Allgemein.AktLager = TFilialTabelle::Lager_Combo_auslesen(s.cmbAktLager);
        if (o.Allgemein.AktLager <= 0)
            return Warnung(s.cmbAktLager, QStringLiteral("Es muss eine Filiale ausgewählt werden"));

        const auto positionen = Details(o.Nachsort.DetailAnzeige);
        for (int i = 0; i < 6; ++i) {
            positionen[i]->Normal = Wert(s.cmbDetails[2 * i], CZAM_AufgabenListe_Spalte_Keine).toInt();
            positionen[i]->Alternativ = Wert(s.cmbDetails[2 * i + 1], CZAM_AufgabenListe_Spalte_Keine).toInt();
        }
        o.Nachsort.ListeFontSize = qint16(Zahl(s.edtFontSizeAbsort, 11));
        o.Lagerinfo.ListeFontSizeLO = qint16(Zahl(s.edtFontSizeLagerinfoLO, 11));
        o.Lagerinfo.ListeFontSizeArt = qint16(Zahl(s.edtFontSizeLagerinfoArt, 11));
        o.Nachsort.SofortvollzugOhneWBS = s.chbSofortvollzugOhneWBS->isChecked();
        TQIV_Optionen_OBMDE::TNachsortKube& k = o.NachsortKube;
        k.NurWennBezahlt = s.chbNurWennBezahlt->isChecked();
        k.NurWennKomplettImLag = s.chbNurWennKomplett->isChecked();
        k.HerkunftWaehlen = s.chbKuBeHerkunft->isChecked();
        k.BuchFilWaehlen = s.chbKuBeBuchFil->isChecked();
        k.DatumFiltern = s.chbKuBeDatum->isChecked();
        k.PosAnzahlWaehlen = s.chbKuBePosAnzahl->isChecked();
        bool zahl = false;
        k.WagenAnz = s.edtWagenAnz->text().trimmed().toInt(&zahl);
        if (!zahl)
            throw EZAM_KonvertFehler(s.edtWagenAnz->text());
        k.EinPosFuerWagen = s.chbEinPosFuerWagen->isChecked();
        o.NachsortAllg.KommBehErlaubt = s.chbKommBehFil->isChecked();
        o.NachsortAllg.KommBehErlaubtVersand = s.chbKommBehVers->isChecked();
        o.NachsortAllg.NurLOImLaufweg = s.chbNurLOImLaufweg->isChecked();
        o.Einlagerung.LPScanZeileHalten = s.chbLPScanZeileHalten->isChecked();
        o.Einlagerung.HerstStattVeltArtNr = s.chbHerstStattVeltArtNr->isChecked();
        o.Einlagerung.ArtScanWBS = s.chbArtScanWBS->isChecked();
        o.Einlagerung.ArtScanWBSKube = s.chbArtScanWBSKube->isChecked();
        o.Versandhilfe.ImmerAufKubeVBS = s.chbImmerAufKubeVBS->isChecked();

        o.Belegdruck.DruckerARE = S::Drucker_Combo_auslesen(s.cmbDruckerARE);
        if (o.Belegdruck.DruckerARE.isEmpty())
            return Warnung(s.cmbDruckerARE, QStringLiteral("Es muss ein Drucker für AREs ausgewählt werden."));

        o.Bearbeitung.DruckerLZV = S::Drucker_Combo_auslesen(s.cmbDruckerLZV);
        o.Belegdruck.HinweisZeigen = TQIV_HinweisZeigen_Erw(Wert(s.cmbHinweisZeigen, int(hizJa)).toInt());
        o.WeitereDrucker.ResBelDrucker = S::Drucker_Combo_auslesen(s.cmbResBelDrucker);
        o.Lagerinfo.SortierungArt = Wert(s.cmbSortierungArt, CSucheListeCol_Keine).toInt();
        o.Belegdruck.VPDrucken = s.chbVPDrucken->isChecked();
        o.Belegdruck.RuecksendeVPDrucken = s.chbRSVPDrucken->isChecked();
        o.Belegdruck.DruckerRetScheine = S::Drucker_Combo_auslesen(s.cmbDruckerRetScheine);
        if (o.Belegdruck.DruckerRetScheine.isEmpty())
            return Warnung(s.cmbDruckerRetScheine,
                           QStringLiteral("Es muss ein Drucker für Retourenscheine ausgewählt werden."));

        o.ManuLagerBew.LagerZugFil = Zahl(s.edtLagerZugFil, 0);
        return true;
    });
}
