#pragma once

#include "TQIV_Optionen_OBMDE.h"

#include <QList>
#include <QPair>
#include <QString>
#include <QVariant>
#include <array>

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QTabWidget;
class QWidget;

// The option pages of the handheld screen: the page control bgcOptionen on pnlConfig with its
// 23 pages. The screen owns the controls; the options state fills them from the options and reads
// them back. The page routines fill and read single controls; the fillers register a failure
// under their own names and leave the control empty.
class TQIV_OptionenSeiten
{
public:
    static inline const QString CNichtDrucken = QStringLiteral("*** nicht drucken ***");
    // The largest number the urgent-request fields take.
    static constexpr int CMaxSekunden = 999;

    // Builds the pages on APanel (pnlConfig).
    explicit TQIV_OptionenSeiten(QWidget* APanel);

    // The page of a caption; null for an unknown caption.
    QWidget* Seite(const QString& ACaption) const;
    // Shows the page that holds AControl and gives it the focus.
    void Fokussieren(QWidget* AControl) const;
    // Every choice and check list of the pages, to empty them.
    void Leeren();

    QTabWidget* bgcOptionen = nullptr;
    // "Allgemein"
    QLabel* lblAktLager = nullptr;
    QComboBox *cmbAktLager = nullptr, *cmbDruckerWBS = nullptr, *cmbDruckerWBSAuto = nullptr;
    // "Bildschirm"
    QComboBox* cmbGroesse = nullptr;
    QLabel *lblBreite = nullptr, *lblHoehe = nullptr;
    QLineEdit *edtBreite = nullptr, *edtHoehe = nullptr, *edtRandOben = nullptr, *edtRandUnten = nullptr;
    QCheckBox* chbAPosKorr = nullptr;
    // "Scanner"
    QComboBox* cmbPraefix = nullptr;
    QCheckBox *chbWMChar = nullptr, *chbMsgDebug = nullptr;
    // "WE PLUS ..."
    QComboBox *cmbWPGeoUnsort = nullptr, *cmbWPWeiterGeo = nullptr, *cmbWPArtOhneDispo = nullptr;
    QCheckBox *chbBearbDirektInEW = nullptr, *chbMeEingSHVorbelegen = nullptr, *chbTeilsortVorbelegen = nullptr;
    // Label printing: Allgemein, Versand, Abholung (FA für KuBe), Bearbeitung, FA (Filialaustausch), Einlagerung.
    std::array<QComboBox*, 6> cmbEtikDruck{};
    // "Aufgabenliste"
    QListWidget* clbSpaltenAbsort = nullptr;
    QLineEdit* edtFontSizeAbsort = nullptr;
    QComboBox* cmbSortierung = nullptr;
    // "Aufgabendetails": per position (links oben, rechts oben, links Mitte, rechts Mitte, links
    // unten, rechts unten) the normal and the alternative column.
    std::array<QComboBox*, 12> cmbDetails{};
    // "Nachsortierung"
    QCheckBox *chbKommBehFil = nullptr, *chbKommBehVers = nullptr, *chbNurLOImLaufweg = nullptr;
    QComboBox* cmbPaketversand = nullptr;
    // "Einlagerung", "Einlagerung WBS"
    QCheckBox *chbLPScanZeileHalten = nullptr, *chbHerstStattVeltArtNr = nullptr;
    QComboBox* cmbWBSGesEinlagerung = nullptr;
    QCheckBox *chbArtScanWBS = nullptr, *chbArtScanWBSKube = nullptr;
    // "Kundenbestellungen 1", "Kundenbestellungen 2"
    QCheckBox *chbNurWennBezahlt = nullptr, *chbNurWennKomplett = nullptr;
    QCheckBox *chbKuBeHerkunft = nullptr, *chbKuBeBuchFil = nullptr, *chbKuBeDatum = nullptr,
              *chbKuBePosAnzahl = nullptr, *chbEinPosFuerWagen = nullptr;
    QLineEdit* edtWagenAnz = nullptr;
    // "Verkaufsraumanfos"
    QLineEdit *edtUmlagHLPrioTimerInterval = nullptr, *edtPrioMin = nullptr, *edtPrioMax = nullptr,
              *edtFertigeLoeschen = nullptr;
    // "Lagerinfo LP", "Lagerinfo Artikel"
    QListWidget *clbSpaltenLagerinfoLO = nullptr, *clbSpaltenLagerinfoArt = nullptr;
    QLineEdit *edtFontSizeLagerinfoLO = nullptr, *edtFontSizeLagerinfoArt = nullptr;
    QComboBox* cmbSortierungArt = nullptr;
    // "Versandhilfe", "Belegdruck", "Weitere Drucker", "Manu. Lagerbew.", "Bearbeitung von Ware", "Global"
    QCheckBox* chbImmerAufKubeVBS = nullptr;
    QComboBox *cmbDruckerARE = nullptr, *cmbDruckerRetScheine = nullptr, *cmbHinweisZeigen = nullptr;
    QCheckBox *chbVPDrucken = nullptr, *chbRSVPDrucken = nullptr;
    QComboBox* cmbResBelDrucker = nullptr;
    QLineEdit* edtLagerZugFil = nullptr;
    QComboBox* cmbDruckerLZV = nullptr;
    QCheckBox* chbSofortvollzugOhneWBS = nullptr;

    // The page routines.
    using TEintraege = QList<QPair<QString, QVariant>>;
    static void StringIntCombo_Fuellen(QComboBox* ACombo, const TEintraege& AEintraege);
    // The value of the selected entry; ADefault when nothing is selected.
    static QVariant StringIntCombo_Auslesen_Testen(const QComboBox* ACombo, const QVariant& ADefault);
    // Selects the entry of the value, none when there is none.
    static void StringIntCombo_Einstellen(QComboBox* ACombo, const QVariant& AWert);
    // The printers of the configuration and the machine; ANichtDrucken puts "*** nicht drucken ***" first.
    static void DruckerCombo_fuellen(QComboBox* ACombo, bool ANichtDrucken);
    static void Drucker_Combo_einstellen(QComboBox* ACombo, const QString& AName);
    static QString Drucker_Combo_auslesen(const QComboBox* ACombo);
    static void PraefixCombo_fuellen(QComboBox* ACombo);
    static void HinweisCombo_fuellen(QComboBox* ACombo);
    static void FensterGroesseCombo_fuellen(QComboBox* ACombo);
    static void FensterGroesse_Combo_einstellen(QComboBox* ACombo, TQIV_FensterGroesse_Erw AGroesse);
    static TQIV_FensterGroesse_Erw FensterGroesse_Combo_auslesen(const QComboBox* ACombo);
    static void AufgabenlisteSortierungCombo_fuellen(QComboBox* ACombo);
    static void LagerinfoSortierungCombo_fuellen(QComboBox* ACombo);
    // The task-list columns a user may choose, with their captions; ASortierung leaves out the
    // columns a list cannot be sorted by within a place.
    static QList<QPair<int, QString>> AufgabenlisteSpalten(bool ASortierung);
    // The search-list columns of the place or the article list, column 1 always among them.
    static QList<QPair<int, QString>> LagerinfoSpalten(bool AArtikel);
};
