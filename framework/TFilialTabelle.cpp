#include "TFilialTabelle.h"

#include <QComboBox>

QList<TZAM_Lagergruppe> TFilialTabelle::Laeger(IZAM_LagerEditServer& AServer)
{
    QList<TZAM_Lagergruppe> laeger = AServer.Lagergruppen();
    laeger.removeIf([](const TZAM_Lagergruppe& g) { return g.Name == QLatin1String("OhneLager"); });
    return laeger;
}

void TFilialTabelle::Lager_Combo_fuellen(QComboBox* ACombo, IZAM_LagerEditServer& AServer)
{
    // Ask the server before touching the choice, so that a failure leaves it as it was.
    const QList<TZAM_Lagergruppe> laeger = Laeger(AServer);
    ACombo->clear();
    for (const TZAM_Lagergruppe& g : laeger)
        ACombo->addItem(QStringLiteral("%1 %2").arg(g.Nummer).arg(g.Name), g.Nummer);
}

void TFilialTabelle::Lager_Combo_einstellen(QComboBox* ACombo, int ALager)
{
    int i = ALager > 0 ? ACombo->findData(ALager) : -1;
    if (i < 0 && ACombo->count() == 1)
        i = 0;
    ACombo->setCurrentIndex(i);
}

int TFilialTabelle::Lager_Combo_auslesen(const QComboBox* ACombo)
{
    return ACombo->currentIndex() < 0 ? -1 : ACombo->currentData().toInt();
}
