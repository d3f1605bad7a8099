#include "ZAMDialogKnoepfe.h"

#include <QHBoxLayout>
#include <QPushButton>

QHBoxLayout* ZAMDialogKnoepfe(QPushButton*& AOK, QPushButton*& AAbbrechen)
{
    auto* zeile = new QHBoxLayout;
    zeile->addStretch();
    AOK = new QPushButton(QStringLiteral("OK"));
    AOK->setObjectName(QStringLiteral("btnOK"));
    AAbbrechen = new QPushButton(QStringLiteral("Abbrechen"));
    AAbbrechen->setObjectName(QStringLiteral("btnAbbrechen"));
    for (QPushButton* b : {AOK, AAbbrechen}) {
        b->setAutoDefault(false);
        b->setMinimumHeight(40);
        zeile->addWidget(b);
    }
    return zeile;
}
