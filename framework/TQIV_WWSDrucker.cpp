#include "TQIV_WWSDrucker.h"

#include "Glob_WWSServerFactoryClass.h"
#include "IZAM_DruckerKonfig.h"

#include <QComboBox>
#include <QPrinterInfo>
#include <QStringList>

namespace {

void NameDazu(QStringList& ANamen, const QString& AName)
{
    if (!AName.trimmed().isEmpty() && !ANamen.contains(AName, Qt::CaseInsensitive))
        ANamen.append(AName);
}

} // namespace

QString TQIV_WWSDrucker::GetPrinterByTyp(int ATyp)
{
    return Glob_WWSServerFactoryClass().Create<IZAM_DruckerKonfig>()->DruckerFuerTyp(ATyp);
}

bool TQIV_WWSDrucker::IstKonfiguriert(const QString& AName)
{
    for (const TZAM_Drucker& d : Glob_WWSServerFactoryClass().Create<IZAM_DruckerKonfig>()->Drucker())
        if (d.Name.compare(AName, Qt::CaseInsensitive) == 0)
            return true;
    return false;
}

bool TQIV_WWSDrucker::AltDruckerDefiniert(const QString& AAltDrucker, const QString& ADrucker)
{
    return !AAltDrucker.trimmed().isEmpty() && AAltDrucker.compare(ADrucker, Qt::CaseInsensitive) != 0 &&
           IstKonfiguriert(AAltDrucker);
}

QString TQIV_WWSDrucker::SystemStandardDrucker()
{
    return QPrinterInfo::defaultPrinterName();
}

void TQIV_WWSDrucker::ComboboxFuellenInclWindowsDruckerNamen(QComboBox* ACombo, bool AMitSystemDruckern)
{
    // Ask the service before touching the choice, so that a failure leaves it as it was.
    QStringList namen;
    for (const TZAM_Drucker& d : Glob_WWSServerFactoryClass().Create<IZAM_DruckerKonfig>()->Drucker())
        NameDazu(namen, d.Name);
    if (AMitSystemDruckern)
        for (const QString& n : QPrinterInfo::availablePrinterNames())
            NameDazu(namen, n);
    ACombo->clear();
    ACombo->addItems(namen);
}

void TQIV_WWSDrucker::ComboboxEinstellen(QComboBox* ACombo, const QString& AName)
{
    if (AName.isEmpty()) {
        ACombo->setCurrentIndex(-1);
        return;
    }
    int i = ACombo->findText(AName, Qt::MatchFixedString);
    if (i < 0) {
        ACombo->addItem(AName);
        i = ACombo->count() - 1;
    }
    ACombo->setCurrentIndex(i);
}

QString TQIV_WWSDrucker::ComboboxGetSelected(const QComboBox* ACombo)
{
    if (ACombo->currentIndex() < 0)
        return ACombo->isEditable() ? ACombo->currentText() : QString();
    return ACombo->itemText(ACombo->currentIndex());
}
