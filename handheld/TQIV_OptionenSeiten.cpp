#include "TQIV_OptionenSeiten.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QIntValidator>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QScrollArea>
#include <QTabWidget>
#include <QVBoxLayout>

namespace {

// Digits only, in the field's range: a number outside it is corrected when the field is left,
// so that no smaller window or larger number can be stored. An empty field stays empty.
class TBereichValidator : public QIntValidator
{
public:
    TBereichValidator(int AMin, int AMax, QObject* AParent) : QIntValidator(AMin, AMax, AParent) {}
    void fixup(QString& AText) const override
    {
        bool ok = false;
        const int n = AText.toInt(&ok);
        if (ok)
            AText = QString::number(qBound(bottom(), n, top()));
    }
};

class TAufbau
{
public:
    explicit TAufbau(QTabWidget* ASeiten) : FSeiten(ASeiten) {}

    QVBoxLayout* Seite(const QString& ACaption)
    {
        auto* rahmen = new QScrollArea;
        rahmen->setObjectName(QStringLiteral("tsh") + QString(ACaption).remove(u' ').remove(u'.'));
        rahmen->setWidgetResizable(true);
        rahmen->setFrameShape(QFrame::NoFrame);
        rahmen->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        auto* inhalt = new QWidget;
        FLayout = new QVBoxLayout(inhalt);
        FLayout->setContentsMargins(4, 4, 4, 4);
        FLayout->setSpacing(3);
        rahmen->setWidget(inhalt);
        FSeiten->addTab(rahmen, ACaption);
        return FLayout;
    }
    void Ende() { FLayout->addStretch(1); }

    QLabel* Label(const QString& AText, QLayout* ALayout = nullptr)
    {
        auto* l = new QLabel(AText);
        l->setWordWrap(true);
        Dazu(l, ALayout);
        return l;
    }
    QComboBox* Auswahl(const char* AName, const QString& ALabel = {}, QLayout* ALayout = nullptr)
    {
        if (!ALabel.isEmpty())
            Label(ALabel, ALayout);
        auto* c = new QComboBox;
        c->setObjectName(QLatin1String(AName));
        c->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
        c->setMinimumContentsLength(8);
        Dazu(c, ALayout);
        return c;
    }
    QCheckBox* Haken(const char* AName, const QString& AText, QLayout* ALayout = nullptr)
    {
        auto* c = new QCheckBox(AText);
        c->setObjectName(QLatin1String(AName));
        Dazu(c, ALayout);
        return c;
    }
    // A number field of AStellen digits taking AMin to AMax, its label in front of it.
    QLineEdit* Zahl(const char* AName, int AStellen, int AMin, int AMax, const QString& ALabel,
                    QLabel** ALabelWidget = nullptr)
    {
        auto* zeile = new QHBoxLayout;
        QLabel* l = Label(ALabel, zeile);
        if (ALabelWidget)
            *ALabelWidget = l;
        auto* e = new QLineEdit;
        e->setObjectName(QLatin1String(AName));
        e->setMaxLength(AStellen);
        e->setValidator(new TBereichValidator(AMin, AMax, e));
        e->setFixedWidth(14 * AStellen + 18);
        zeile->addWidget(e);
        FLayout->addLayout(zeile);
        return e;
    }
    // A check list with the buttons up, all, invert, down beside it.
    QListWidget* CheckListe(const char* AName, const QString& AZusatz)
    {
        auto* zeile = new QHBoxLayout;
        auto* liste = new QListWidget;
        liste->setObjectName(QLatin1String(AName));
        liste->setMinimumHeight(110);
        zeile->addWidget(liste, 1);
        auto* knoepfe = new QVBoxLayout;
        const std::pair<const char*, const char*> arten[] = {
            {"Up", "▲"}, {"Alle", "Alle"}, {"Umkehren", "Umk."}, {"Down", "▼"}};
        for (const auto& [art, text] : arten) {
            auto* b = new QPushButton(QString::fromUtf8(text));
            b->setObjectName(QStringLiteral("btnSpalte") + QLatin1String(art) + AZusatz);
            b->setFocusPolicy(Qt::NoFocus);
            b->setFixedWidth(48);
            knoepfe->addWidget(b);
        }
        knoepfe->addStretch(1);
        zeile->addLayout(knoepfe);
        FLayout->addLayout(zeile, 1);
        return liste;
    }
    QVBoxLayout* Layout() const { return FLayout; }

private:
    void Dazu(QWidget* AWidget, QLayout* ALayout) { (ALayout ? ALayout : FLayout)->addWidget(AWidget); }

    QTabWidget* FSeiten;
    QVBoxLayout* FLayout = nullptr;
};

} // namespace

TQIV_OptionenSeiten::TQIV_OptionenSeiten(QWidget* APanel)
{
    auto* rahmen = new QVBoxLayout(APanel);
    rahmen->setContentsMargins(0, 0, 0, 0);
    bgcOptionen = new QTabWidget(APanel);
    bgcOptionen->setObjectName(QStringLiteral("bgcOptionen"));
    bgcOptionen->setUsesScrollButtons(true);
    bgcOptionen->setElideMode(Qt::ElideNone);
    rahmen->addWidget(bgcOptionen);
    TAufbau a(bgcOptionen);

    a.Seite(QStringLiteral("Allgemein"));
    lblAktLager = a.Label(QStringLiteral("In welchem Lager befinden wir uns?"));
    cmbAktLager = a.Auswahl("cmbAktLager");
    cmbDruckerWBS = a.Auswahl("cmbDruckerWBS", QStringLiteral("Welcher Drucker wird für WBS verwendet?"));
    cmbDruckerWBSAuto =
        a.Auswahl("cmbDruckerWBSAuto", QStringLiteral("Alternat. WBS-Drucker für autom. erst. Aufgaben?"));
    a.Ende();

    a.Seite(QStringLiteral("Bildschirm"));
    cmbGroesse = a.Auswahl("cmbGroesse", QStringLiteral("Bitte wählen Sie die Bildschirmgröße aus."));
    edtBreite = a.Zahl("edtBreite", 4, 320, 9999, QStringLiteral("Breite (min. 320)"), &lblBreite);
    edtHoehe = a.Zahl("edtHoehe", 4, 320, 9999, QStringLiteral("Höhe (min. 320)"), &lblHoehe);
    a.Label(QStringLiteral("Sie können Ränder eingeben, die frei bleiben:"));
    edtRandOben = a.Zahl("edtRandOben", 3, 0, 999, QStringLiteral("oben"));
    edtRandUnten = a.Zahl("edtRandUnten", 3, 0, 999, QStringLiteral("unten"));
    chbAPosKorr = a.Haken("chbAPosKorr", QStringLiteral("auto. Pos.korrektur (in Ausnahmefällen nötig)"));
    a.Ende();

    a.Seite(QStringLiteral("Scanner"));
    cmbPraefix = a.Auswahl("cmbPraefix", QStringLiteral("Welcher Scann-Präfix wird verwendet?"));
    chbWMChar = a.Haken("chbWMChar", QStringLiteral("Alternative Scann-Erkennung (WM_CHAR)"));
    chbMsgDebug = a.Haken("chbMsgDebug", QStringLiteral("Ausgabe zur Problemanalyse "));
    a.Ende();

    a.Seite(QStringLiteral("WE PLUS Arbeitsweise"));
    cmbWPGeoUnsort = a.Auswahl("cmbWPGeoUnsort", QStringLiteral("Ware nach Artikeln geordnet oder unsortiert?"));
    cmbWPWeiterGeo = a.Auswahl("cmbWPWeiterGeo", QStringLiteral("Weiterbearbeitung von geordneter Ware"));
    cmbWPArtOhneDispo = a.Auswahl(
        "cmbWPArtOhneDispo",
        QStringLiteral("Unsortierte Ware: Vorgehen bei Artikeln ohne passende Dispo bzw. bei Überbelieferung"));
    a.Ende();

    a.Seite(QStringLiteral("WE PLUS RezeVudaz"));
    chbBearbDirektInEW = a.Haken(
        "chbBearbDirektInEW",
        QStringLiteral("Ware für Rezevudaz-Plus-Filiale direkt in Einweg-Beh. (anstatt FA oder Vorbereitung)"));
    a.Ende();

    a.Seite(QStringLiteral("WE PLUS Vorbelegung"));
    chbMeEingSHVorbelegen =
        a.Haken("chbMeEingSHVorbelegen", QStringLiteral("Eingabe Sortiment: Soll mit Ist vorbelegen?"));
    chbTeilsortVorbelegen =
        a.Haken("chbTeilsortVorbelegen", QStringLiteral("Weiterbearbeitung Teilsortiment: Soll mit Ist vorbelegen?"));
    a.Ende();

    a.Seite(QStringLiteral("WE PLUS Etikettendruck"));
    const char* const etikNamen[] = {"cmbWPEDAllg", "cmbWPEDVers", "cmbWPEDAbhol",
                                     "cmbWPEDBearb", "cmbWPEDFA",  "cmbWPEDEinlag"};
    const char* const etikTexte[] = {"Allgemein",   "Versand aus Lag.", "FA für KuBe",
                                     "Bearbeitung", "Filialaustausch",  "Einlagerung"};
    for (int i = 0; i < 6; ++i)
        cmbEtikDruck[i] = a.Auswahl(etikNamen[i], QString::fromUtf8(etikTexte[i]));
    a.Ende();

    a.Seite(QStringLiteral("Aufgabenliste"));
    clbSpaltenAbsort = a.CheckListe("clbSpaltenAbsort", QStringLiteral("Absort"));
    edtFontSizeAbsort = a.Zahl("edtFontSizeAbsort", 2, 0, 99, QStringLiteral("Schriftgröße"));
    cmbSortierung = a.Auswahl("cmbSortierung", QStringLiteral("Sortieren innerhalb LP nach"));

    a.Seite(QStringLiteral("Aufgabendetails"));
    auto* raster = new QGridLayout;
    const char* const positionen[] = {"Links oben",  "Rechts oben",  "Links Mitte",
                                      "Rechts Mitte", "Links unten", "Rechts unten"};
    const char* const namen[] = {"LinksOben", "RechtsOben", "LinksMitte", "RechtsMitte", "LinksUnten", "RechtsUnten"};
    for (int i = 0; i < 6; ++i) {
        auto* gruppe = new QGroupBox(QString::fromUtf8(positionen[i]));
        auto* innen = new QVBoxLayout(gruppe);
        innen->setContentsMargins(2, 2, 2, 2);
        for (int j = 0; j < 2; ++j)
            cmbDetails[2 * i + j] =
                a.Auswahl(qPrintable(QStringLiteral("cmbDetail%1%2")
                                         .arg(QLatin1String(namen[i]), j ? QStringLiteral("Alternativ")
                                                                         : QStringLiteral("Normal"))),
                          {}, innen);
        raster->addWidget(gruppe, i / 2, i % 2);
    }
    a.Layout()->addLayout(raster);
    a.Ende();

    a.Seite(QStringLiteral("Nachsortierung"));
    a.Label(QStringLiteral("Kommissionierbehälter können verwendet werden bei Nachsortierung ..."));
    chbKommBehFil = a.Haken("chbKommBehFil", QStringLiteral("... für Filialen"));
    chbKommBehVers = a.Haken("chbKommBehVers", QStringLiteral("... für die Versandbereitstellung"));
    cmbPaketversand = a.Auswahl("cmbPaketversand", QStringLiteral("Paketversand für nachsortierte Ware?"));
    chbNurLOImLaufweg = a.Haken(
        "chbNurLOImLaufweg",
        QStringLiteral("Nur Lagerplätze im Laufweg anzeigen (ggf. werden nicht alle Aufgaben angezeigt)"));
    a.Ende();

    a.Seite(QStringLiteral("Einlagerung"));
    chbLPScanZeileHalten = a.Haken(
        "chbLPScanZeileHalten", QStringLiteral("Beim Scan eines Lagerplatzes nicht in die nächste Zeile wechseln."));
    chbHerstStattVeltArtNr =
        a.Haken("chbHerstStattVeltArtNr", QStringLiteral("Hersteller-ArtNr. statt VELT-ArtNr. anzeigen."));
    a.Ende();

    a.Seite(QStringLiteral("Einlagerung WBS"));
    cmbWBSGesEinlagerung = a.Auswahl(
        "cmbWBSGesEinlagerung",
        QStringLiteral("Beim Einlagern von WBS alle Artikel ohne diese zu scannen auf einen Lagerplatz einlagern."));
    chbArtScanWBS = a.Haken("chbArtScanWBS", QStringLiteral("Artikel beim Einlagern von WBS scannen."));
    chbArtScanWBSKube = a.Haken(
        "chbArtScanWBSKube", QStringLiteral("Artikel beim Einlagern von WBS für Kundenbestellungen scannen."));
    a.Ende();

    a.Seite(QStringLiteral("Kundenbestellungen 1"));
    chbNurWennBezahlt = a.Haken("chbNurWennBezahlt", QStringLiteral("Kundenb. nur zeigen, wenn bezahlt."));
    chbNurWennKomplett =
        a.Haken("chbNurWennKomplett", QStringLiteral("Kundenb. nur zeigen, wenn komplett im Lager."));
    a.Ende();

    a.Seite(QStringLiteral("Kundenbestellungen 2"));
    chbKuBeHerkunft = a.Haken("chbKuBeHerkunft", QStringLiteral("Bei Kundenb. Herkunft auswählen."));
    chbKuBeBuchFil = a.Haken("chbKuBeBuchFil", QStringLiteral("zus. nach Buchungsfilialen aufteilen?"));
    chbKuBeDatum = a.Haken("chbKuBeDatum", QStringLiteral("Kundenb. nach Datum filtern."));
    chbKuBePosAnzahl = a.Haken("chbKuBePosAnzahl", QStringLiteral("Kundenb. nach Anzahl der Positionen zeigen."));
    a.Label(QStringLiteral("Hier können sie eingeben, wie viele Artikel auf einen Wagen passen."));
    edtWagenAnz = a.Zahl("edtWagenAnz", 4, 0, 9999, QString());
    chbEinPosFuerWagen = a.Haken(
        "chbEinPosFuerWagen", QStringLiteral("Kundenb. mit einer Aufgabe bei \"Auf Wagen passend\" einschließen."));
    a.Ende();

    a.Seite(QStringLiteral("Verkaufsraumanfos"));
    a.Label(QStringLiteral("Eilige Verkaufsraumanforderungen..."));
    edtUmlagHLPrioTimerInterval = a.Zahl("edtUmlagHLPrioTimerInterval", 3, 0, CMaxSekunden,
                                         QStringLiteral("alle x Sekunden prüfen (0 = keine Prüfung)"));
    a.Label(QStringLiteral("Bearbeitung aufschieben ..."));
    edtPrioMin = a.Zahl("edtPrioMin", 3, 0, CMaxSekunden, QStringLiteral("mindestens x Sekunden"));
    edtPrioMax = a.Zahl("edtPrioMax", 3, 0, CMaxSekunden, QStringLiteral("höchstens x Sekunden"));
    a.Label(QStringLiteral("Abgelehnte und erledigte Aufgaben ..."));
    edtFertigeLoeschen =
        a.Zahl("edtFertigeLoeschen", 3, 0, CMaxSekunden, QStringLiteral("nach x Tagen löschen (0 = nie)"));
    a.Ende();

    a.Seite(QStringLiteral("Lagerinfo LP"));
    clbSpaltenLagerinfoLO = a.CheckListe("clbSpaltenLagerinfoLO", QStringLiteral("LagerinfoLO"));
    edtFontSizeLagerinfoLO = a.Zahl("edtFontSizeLagerinfoLO", 2, 0, 99, QStringLiteral("Schriftgröße"));

    a.Seite(QStringLiteral("Lagerinfo Artikel"));
    clbSpaltenLagerinfoArt = a.CheckListe("clbSpaltenLagerinfoArt", QStringLiteral("LagerinfoArt"));
    edtFontSizeLagerinfoArt = a.Zahl("edtFontSizeLagerinfoArt", 2, 0, 99, QStringLiteral("Schriftgröße"));
    cmbSortierungArt = a.Auswahl("cmbSortierungArt", QStringLiteral("Sortieren nach"));

    a.Seite(QStringLiteral("Versandhilfe"));
    chbImmerAufKubeVBS = a.Haken(
        "chbImmerAufKubeVBS",
        QStringLiteral("Vollständig auf Versandbereitstellung liegende Bestellungen auf K-VBS sammeln?"));
    a.Ende();

    a.Seite(QStringLiteral("Belegdruck"));
    cmbDruckerARE = a.Auswahl("cmbDruckerARE", QStringLiteral("Welcher Drucker wird für ARE verwendet?"));
    cmbDruckerRetScheine =
        a.Auswahl("cmbDruckerRetScheine", QStringLiteral("Welcher Drucker wird f. Retourenscheine verw.?"));
    cmbHinweisZeigen = a.Auswahl("cmbHinweisZeigen", QStringLiteral("Hinweisfenster während Belegdruck anzeigen?"));
    chbVPDrucken = a.Haken("chbVPDrucken", QStringLiteral("Sollen Versandpapiere gedruckt werden?"));
    chbRSVPDrucken = a.Haken("chbRSVPDrucken", QStringLiteral("Rücksende-Versandpapiere drucken?"));
    a.Ende();

    a.Seite(QStringLiteral("Weitere Drucker"));
    cmbResBelDrucker = a.Auswahl("cmbResBelDrucker", QStringLiteral("Drucker für Reservierungsbelege (WE PLUS)"));
    a.Ende();

    a.Seite(QStringLiteral("Manu. Lagerbew."));
    a.Label(QStringLiteral(
        "Hier können Sie eine Filialnummer eingeben, die immer für Lagerzugänge verwendet werden soll."));
    edtLagerZugFil = new QLineEdit;
    edtLagerZugFil->setObjectName(QStringLiteral("edtLagerZugFil"));
    edtLagerZugFil->setMaxLength(4);
    edtLagerZugFil->setFixedWidth(74);
    a.Layout()->addWidget(edtLagerZugFil);
    a.Ende();

    a.Seite(QStringLiteral("Bearbeitung von Ware"));
    cmbDruckerLZV = a.Auswahl("cmbDruckerLZV", QStringLiteral("Welcher Drucker wird für LZV verwendet?"));
    a.Ende();

    a.Seite(QStringLiteral("Global"));
    chbSofortvollzugOhneWBS =
        a.Haken("chbSofortvollzugOhneWBS", QStringLiteral("Abgabe: Immer Sofortvollzug ohne WBS."));
    chbSofortvollzugOhneWBS->setEnabled(false);
    a.Ende();
}

QWidget* TQIV_OptionenSeiten::Seite(const QString& ACaption) const
{
    for (int i = 0; i < bgcOptionen->count(); ++i)
        if (bgcOptionen->tabText(i) == ACaption)
            return bgcOptionen->widget(i);
    return nullptr;
}

void TQIV_OptionenSeiten::Fokussieren(QWidget* AControl) const
{
    for (int i = 0; i < bgcOptionen->count(); ++i) {
        auto* rahmen = qobject_cast<QScrollArea*>(bgcOptionen->widget(i));
        if (!rahmen || !rahmen->widget()->isAncestorOf(AControl))
            continue;
        bgcOptionen->setCurrentIndex(i);
        rahmen->ensureWidgetVisible(AControl);
        AControl->setFocus(Qt::OtherFocusReason);
        return;
    }
}

void TQIV_OptionenSeiten::Leeren()
{
    for (QComboBox* c : bgcOptionen->findChildren<QComboBox*>())
        c->clear();
    for (QListWidget* l : bgcOptionen->findChildren<QListWidget*>())
        l->clear();
}
