// The page routines of the handheld option pages: filling and reading single choices.
#include "TDM_Torvik.h"
#include "TQIV_OptionenSeiten.h"
#include "TQIV_WWSDrucker.h"
#include "TZAM_Hausregel.h"
#include "ZAMShortCut.h"

#include <QComboBox>

void TQIV_OptionenSeiten::StringIntCombo_Fuellen(QComboBox* ACombo, const TEintraege& AEintraege)
{
    TZAM_Hausregel::OhneBusy(
        "StringIntCombo_Fuellen",
        [&] {
            ACombo->clear();
            for (const auto& [text, wert] : AEintraege)
                ACombo->addItem(text, wert);
        },
        false);
}

QVariant TQIV_OptionenSeiten::StringIntCombo_Auslesen_Testen(const QComboBox* ACombo, const QVariant& ADefault)
{
    return ACombo->currentIndex() < 0 ? ADefault : ACombo->currentData();
}

void TQIV_OptionenSeiten::StringIntCombo_Einstellen(QComboBox* ACombo, const QVariant& AWert)
{
    ACombo->setCurrentIndex(ACombo->findData(AWert));
}

void TQIV_OptionenSeiten::DruckerCombo_fuellen(QComboBox* ACombo, bool ANichtDrucken)
{
    ACombo->clear();
    TZAM_Hausregel::OhneBusy(
        "DruckerCombo_fuellen",
        [&] {
            TQIV_WWSDrucker::ComboboxFuellenInclWindowsDruckerNamen(ACombo, true);
            if (ANichtDrucken)
                ACombo->insertItem(0, CNichtDrucken);
        },
        false);
}

void TQIV_OptionenSeiten::Drucker_Combo_einstellen(QComboBox* ACombo, const QString& AName)
{
    TQIV_WWSDrucker::ComboboxEinstellen(ACombo, AName);
}

QString TQIV_OptionenSeiten::Drucker_Combo_auslesen(const QComboBox* ACombo)
{
    return TQIV_WWSDrucker::ComboboxGetSelected(ACombo);
}

void TQIV_OptionenSeiten::PraefixCombo_fuellen(QComboBox* ACombo)
{
    TEintraege e;
    for (const TZAM_ScanPraefix& p : CZAM_ScanPraefixMDEVorrat)
        e << qMakePair(QString(p.Caption), QVariant(int(p.ShortCut)));
    StringIntCombo_Fuellen(ACombo, e);
}

void TQIV_OptionenSeiten::HinweisCombo_fuellen(QComboBox* ACombo)
{
    static const char* const texte[] = {"Nein",        "1 Sekunde",   "2 Sekunden",  "3 Sekunden",  "5 Sekunden",
                                        "10 Sekunden", "15 Sekunden", "20 Sekunden", "30 Sekunden", "Ja"};
    TEintraege e;
    for (int i = 0; i < 10; ++i)
        e << qMakePair(QString::fromUtf8(texte[i]), QVariant(hizNein + i));
    StringIntCombo_Fuellen(ACombo, e);
}

void TQIV_OptionenSeiten::FensterGroesseCombo_fuellen(QComboBox* ACombo)
{
    StringIntCombo_Fuellen(ACombo, {{QStringLiteral("320 x 320"), int(fgr320x320)},
                                    {QStringLiteral("320 x 533"), int(fgr320x533)},
                                    {QStringLiteral("480 x 800"), int(fgr480x800)},
                                    {QStringLiteral("Eigene Eingabe"), int(fgrIndividuell)}});
}

void TQIV_OptionenSeiten::FensterGroesse_Combo_einstellen(QComboBox* ACombo, TQIV_FensterGroesse_Erw AGroesse)
{
    StringIntCombo_Einstellen(ACombo, int(AGroesse == fgrUnbekannt ? fgr320x320 : AGroesse));
}

TQIV_FensterGroesse_Erw TQIV_OptionenSeiten::FensterGroesse_Combo_auslesen(const QComboBox* ACombo)
{
    return TQIV_FensterGroesse_Erw(StringIntCombo_Auslesen_Testen(ACombo, int(fgr320x320)).toInt());
}

QList<QPair<int, QString>> TQIV_OptionenSeiten::AufgabenlisteSpalten(bool ASortierung)
{
    static const QList<int> nichtSortierbar = {21, 22, 23, 26, 30, 80, 81, 82};
    QList<QPair<int, QString>> spalten;
    for (TZAM_AufgabenListe_Spalte s : ZAMAufgabenliste_AuswaehlbareSpalten())
        if (!ASortierung || !nichtSortierbar.contains(s))
            spalten << qMakePair(s, CZAM_Aufgabenliste_Spalten(s).Caption);
    return spalten;
}

QList<QPair<int, QString>> TQIV_OptionenSeiten::LagerinfoSpalten(bool AArtikel)
{
    const QList<TSucheListeColErw>& menge = AArtikel ? CSucheListeColArt() : CSucheListeColLO();
    QList<QPair<int, QString>> spalten;
    for (TSucheListeColErw s = 1; s <= CSucheListeCol_Letzte; ++s) {
        const TSucheListeColInfo& info = CQIV_SucheListeCols(s);
        if (s == 1 || (info.Verwendbar && menge.contains(s)))
            spalten << qMakePair(s, info.Caption);
    }
    return spalten;
}

void TQIV_OptionenSeiten::AufgabenlisteSortierungCombo_fuellen(QComboBox* ACombo)
{
    TEintraege e;
    for (const auto& [spalte, caption] : AufgabenlisteSpalten(true))
        e << qMakePair(caption, QVariant(spalte));
    StringIntCombo_Fuellen(ACombo, e);
}

void TQIV_OptionenSeiten::LagerinfoSortierungCombo_fuellen(QComboBox* ACombo)
{
    TEintraege e;
    for (TSucheListeColErw s : CSucheListeColArt())
        e << qMakePair(CQIV_SucheListeCols(s).Caption, QVariant(s));
    StringIntCombo_Fuellen(ACombo, e);
}
