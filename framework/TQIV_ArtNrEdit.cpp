#include "TQIV_ArtNrEdit.h"

#include "TArtikelTools.h"

#include <QRegularExpressionValidator>

TQIV_ArtNrEdit::TQIV_ArtNrEdit(QWidget* AParent) : QLineEdit(AParent)
{
    setValidator(new QRegularExpressionValidator(QRegularExpression(QStringLiteral("\\d{0,7}")), this));
    setMaxLength(7);
}

TInt32Trio TQIV_ArtNrEdit::ProduktID() const
{
    return TArtikelTools::ArtNr_2_ProduktID(text());
}

void TQIV_ArtNrEdit::SetProduktID(const TInt32Trio& AProduktId)
{
    setText(TArtikelTools::ProduktID_2_ArtNr_Formatted(AProduktId, true));
}
