#include "TAbstractBTNListState.h"

#include "TZAM_BtnMenu.h"
#include "TfrmMDE.h"

#include <QFontMetrics>

namespace {

QString ErsteZeile(const QString& AText)
{
    QString t = AText;
    t.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    return t.section(u'\n', 0, 0);
}

} // namespace

QWidget* TAbstractBTNListState::ActivePanel()
{
    return FMaske->pnlBtnMenu;
}

bool TAbstractBTNListState::FontSizeEinstellen(int AMaxBreite, int AMinGroesse)
{
    TZAM_BtnMenu* menu = btnmButtons();
    QFont schrift = menu->font();
    int groesse = schrift.pointSize();
    for (int i = 0; i < menu->Count(); ++i) {
        const QString text = ErsteZeile(menu->LeftCaptionAnzeige(i)) + ErsteZeile(menu->RightCaptionAnzeige(i));
        for (;;) {
            QFont f = schrift;
            f.setPointSize(groesse);
            if (QFontMetrics(f).horizontalAdvance(text) <= AMaxBreite)
                break;
            if (groesse <= AMinGroesse)
                return false;
            --groesse;
        }
    }
    schrift.setPointSize(groesse);
    menu->setFont(schrift);
    return true;
}

void TAbstractBTNListState::LeftCaptionKuerzen(int AMaxBreite)
{
    TZAM_BtnMenu* menu = btnmButtons();
    const QFontMetrics fm(menu->font());
    for (int i = 0; i < menu->Count(); ++i) {
        const QString rechts = ErsteZeile(menu->RightCaptionAnzeige(i));
        QString voll = menu->Item(i).LeftCaption;
        voll.replace(QLatin1String("\r\n"), QLatin1String("\n"));
        QString links = voll.section(u'\n', 0, 0);
        const QString rest = voll.section(u'\n', 1);
        if (fm.horizontalAdvance(menu->LeftCaptionAnzeige(i).section(u'\n', 0, 0) + rechts) <= AMaxBreite)
            continue;
        int schritt = 4;
        while (!links.isEmpty()) {
            links.chop(qMin(schritt, int(links.size())));
            schritt = 1;
            QString angezeigt = links;
            angezeigt.remove(u'&');
            if (fm.horizontalAdvance(angezeigt + QStringLiteral("... ") + rechts) <= AMaxBreite)
                break;
        }
        TZAM_BtnMenuItem item = menu->Item(i);
        item.LeftCaption = links + QStringLiteral("...");
        if (!rest.isEmpty())
            item.LeftCaption += QStringLiteral("\r\n") + rest;
        menu->Item_Set(i, item);
    }
}

void TAbstractBTNListState::KnoepfeEinpassen()
{
    TZAM_BtnMenu* menu = btnmButtons();
    if (!FontSizeEinstellen(menu->width() - 8, 10))
        LeftCaptionKuerzen(menu->width() - 8);
    FMaske->BtnMenu_BlaetterbtnsSchalten();
    menu->setFocus();
}
