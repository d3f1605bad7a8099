#include "TZAM_BtnMenu.h"

#include "EZAM_Exception.h"
#include "TZAM_BildschirmText.h"
#include "TZAM_BtnMenuKnopf.h"
#include "ZAMFarben.h"
#include "ZAMInfoKoords.h"

#include <QFontMetrics>

#include <algorithm>

TZAM_BtnMenu::TZAM_BtnMenu(QWidget* AParent) : QWidget(AParent)
{
    setFocusPolicy(Qt::StrongFocus);
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
    // The buttons carry the menu's name.
    connect(this, &QObject::objectNameChanged, this, [this] {
        for (int i = 0; i < Count(); ++i)
            KnopfSetzen(i);
    });
}

TZAM_BtnMenu::~TZAM_BtnMenu() = default;

int TZAM_BtnMenu::Add(const TZAM_BtnMenuItem& AItem)
{
    Insert(Count(), AItem);
    return Count() - 1;
}

int TZAM_BtnMenu::Add(const QString& ALeftCaption, const QString& ARightCaption)
{
    TZAM_BtnMenuItem item;
    item.LeftCaption = ALeftCaption;
    item.RightCaption = ARightCaption;
    return Add(item);
}

void TZAM_BtnMenu::Insert(int AIndex, const TZAM_BtnMenuItem& AItem)
{
    IndexPruefen(AIndex, "Insert", Count());
    TZAM_BtnMenuItem item = AItem;
    if (item.Height <= 0)
        item.Height = FButtonHoehe;
    FItems.insert(AIndex, item);
    if (FKnoepfe.size() < FItems.size()) {
        auto* knopf = new TZAM_BtnMenuKnopf(this);
        knopf->hide(); // Anordnen shows it where it belongs
        const int nummer = int(FKnoepfe.size());
        connect(knopf, &QAbstractButton::clicked, this, [this, nummer] {
            if (nummer < Count())
                emit ButtonClick(nummer);
        });
        FKnoepfe.append(knopf);
    }
    for (int i = AIndex; i < Count(); ++i)
        KnopfSetzen(i);
    Anordnen();
}

void TZAM_BtnMenu::Clear()
{
    FItems.clear();
    FScrollOffset = 0;
    for (TZAM_BtnMenuKnopf* k : std::as_const(FKnoepfe)) {
        k->hide();
        k->setObjectName({});
    }
    Anordnen();
}

const TZAM_BtnMenuItem& TZAM_BtnMenu::Item(int AIndex) const
{
    IndexPruefen(AIndex, "Item");
    return FItems[AIndex];
}

void TZAM_BtnMenu::Item_Set(int AIndex, const TZAM_BtnMenuItem& AItem)
{
    IndexPruefen(AIndex, "Item_Set");
    const int hoehe = FItems[AIndex].Height;
    FItems[AIndex] = AItem;
    if (AItem.Height <= 0)
        FItems[AIndex].Height = hoehe;
    KnopfSetzen(AIndex);
    if (FItems[AIndex].Height != hoehe)
        Anordnen();
}

void TZAM_BtnMenu::LeftCaption_Set(int AIndex, const QString& ACaption)
{
    TZAM_BtnMenuItem item = Item(AIndex);
    item.LeftCaption = ACaption;
    Item_Set(AIndex, item);
}

void TZAM_BtnMenu::RightCaption_Set(int AIndex, const QString& ACaption)
{
    TZAM_BtnMenuItem item = Item(AIndex);
    item.RightCaption = ACaption;
    Item_Set(AIndex, item);
}

void TZAM_BtnMenu::Enabled_Set(int AIndex, bool AEnabled)
{
    TZAM_BtnMenuItem item = Item(AIndex);
    item.Enabled = AEnabled;
    Item_Set(AIndex, item);
}

QString TZAM_BtnMenu::LeftCaptionAnzeige(int AIndex) const
{
    return TZAM_BildschirmText::OhneKuerzel(Item(AIndex).LeftCaption);
}

QString TZAM_BtnMenu::RightCaptionAnzeige(int AIndex) const
{
    return TZAM_BildschirmText::OhneKuerzel(Item(AIndex).RightCaption);
}

void TZAM_BtnMenu::BeginUpdate()
{
    ++FUpdateZaehler;
}

void TZAM_BtnMenu::EndUpdate()
{
    if (FUpdateZaehler > 0 && --FUpdateZaehler == 0)
        Anordnen();
}

void TZAM_BtnMenu::ButtonHoehe_Set(int AHoehe)
{
    if (AHoehe <= 0)
        throw EZAM_Exception(CZAM_Info_Fehler_Standard_IllegalerParameter, QStringLiteral("Buttonhöhe %1").arg(AHoehe),
                             QStringLiteral("TZAM_BtnMenu.ButtonHoehe_Set"));
    FButtonHoehe = AHoehe;
}

void TZAM_BtnMenu::Schriftgroesse_Set(int AGroesse)
{
    QFont f = font();
    ZAMSchriftHoeheSetzen(f, AGroesse);
    setFont(f);
}

int TZAM_BtnMenu::TextBreite(const QString& AText) const
{
    return QFontMetrics(font()).horizontalAdvance(AText);
}

int TZAM_BtnMenu::ButtonTop(int AIndex) const
{
    IndexPruefen(AIndex, "ButtonTop");
    int y = -FScrollOffset;
    for (int i = 0; i < AIndex; ++i)
        y += FItems[i].Height;
    return y;
}

int TZAM_BtnMenu::ButtonBottom(int AIndex) const
{
    return ButtonTop(AIndex) + FItems[AIndex].Height;
}

int TZAM_BtnMenu::InhaltHoehe() const
{
    int h = 0;
    for (const TZAM_BtnMenuItem& item : FItems)
        h += item.Height;
    return h;
}

void TZAM_BtnMenu::SetScrollOffset(int AOffset)
{
    FScrollOffset = AOffset;
    Anordnen();
}

bool TZAM_BtnMenu::ZifferDruecken(int AZiffer)
{
    if (AZiffer < 0 || AZiffer > 9 || !isEnabled())
        return false;
    const QChar ziffer(u'0' + AZiffer);
    for (int i = 0; i < Count(); ++i) {
        if (FItems[i].Enabled && FItems[i].Kuerzel() == ziffer) {
            FKnoepfe[i]->click();
            return true;
        }
    }
    return false;
}

void TZAM_BtnMenu::resizeEvent(QResizeEvent* AEvent)
{
    QWidget::resizeEvent(AEvent);
    Anordnen();
}

void TZAM_BtnMenu::IndexPruefen(int AIndex, const char* AMethode, int AGrenze) const
{
    const int grenze = AGrenze < 0 ? Count() - 1 : AGrenze;
    if (AIndex < 0 || AIndex > grenze)
        throw EZAM_Exception(CZAM_Info_Fehler_Standard_IllegalerParameter,
                             QStringLiteral("Button %1 von %2").arg(AIndex).arg(Count()),
                             QStringLiteral("TZAM_BtnMenu.") + QLatin1String(AMethode));
}

void TZAM_BtnMenu::KnopfSetzen(int AIndex)
{
    const TZAM_BtnMenuItem& item = FItems[AIndex];
    TZAM_BtnMenuKnopf* knopf = FKnoepfe[AIndex];
    const QString name = objectName().isEmpty() ? QStringLiteral("btnmButtons") : objectName();
    knopf->setObjectName(name + u'_' + QString::number(AIndex));
    knopf->Captions_Set(item.LeftCaption, item.RightCaption);
    knopf->setEnabled(item.Enabled);
}

void TZAM_BtnMenu::Anordnen()
{
    if (FUpdateZaehler > 0)
        return;
    FScrollOffset = std::clamp(FScrollOffset, 0, std::max(0, InhaltHoehe() - height()));
    int y = -FScrollOffset;
    for (int i = 0; i < Count(); ++i) {
        const int h = FItems[i].Height;
        FKnoepfe[i]->setGeometry(0, y, width(), h);
        // Out of sight is hidden: the dump and the script runner see what a person sees.
        FKnoepfe[i]->setVisible(y + h > 0 && y < height());
        y += h;
    }
}
