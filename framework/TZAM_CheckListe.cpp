#include "TZAM_CheckListe.h"

#include <QListWidget>

void TZAM_CheckListe::Fuellen(QListWidget* AListe, const QList<TEintrag>& AEintraege)
{
    AListe->clear();
    for (const TEintrag& e : AEintraege) {
        auto* item = new QListWidgetItem(e.second, AListe);
        item->setData(Qt::UserRole, e.first);
        item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsUserCheckable);
        item->setCheckState(Qt::Unchecked);
    }
}

void TZAM_CheckListe::Einstellen(QListWidget* AListe, const QList<int>& AWerte)
{
    for (int i = 0; i < AListe->count(); ++i)
        AListe->item(i)->setCheckState(Qt::Unchecked);
    int position = 0;
    for (int wert : AWerte) {
        if (position >= AListe->count())
            break;
        for (int j = position; j < AListe->count(); ++j) {
            if (AListe->item(j)->data(Qt::UserRole).toInt() != wert)
                continue;
            Tauschen(AListe, j, position);
            AListe->item(position)->setCheckState(Qt::Checked);
            ++position;
            break;
        }
    }
}

QList<int> TZAM_CheckListe::Auslesen(const QListWidget* AListe)
{
    QList<int> werte;
    for (int i = 0; i < AListe->count(); ++i)
        if (AListe->item(i)->checkState() == Qt::Checked)
            werte << AListe->item(i)->data(Qt::UserRole).toInt();
    return werte;
}

void TZAM_CheckListe::Hoch(QListWidget* AListe)
{
    const int i = AListe->currentRow();
    if (i > 0 && AListe->currentItem()->isSelected())
        Tauschen(AListe, i, i - 1);
}

void TZAM_CheckListe::Runter(QListWidget* AListe)
{
    const int i = AListe->currentRow();
    if (i >= 0 && i + 1 < AListe->count() && AListe->currentItem()->isSelected())
        Tauschen(AListe, i, i + 1);
}

void TZAM_CheckListe::Alle(QListWidget* AListe)
{
    for (int i = 0; i < AListe->count(); ++i)
        AListe->item(i)->setCheckState(Qt::Checked);
}

void TZAM_CheckListe::Umkehren(QListWidget* AListe)
{
    for (int i = 0; i < AListe->count(); ++i) {
        QListWidgetItem* item = AListe->item(i);
        item->setCheckState(item->checkState() == Qt::Checked ? Qt::Unchecked : Qt::Checked);
    }
}

void TZAM_CheckListe::Tauschen(QListWidget* AListe, int AVon, int ANach)
{
    if (AVon == ANach)
        return;
    const bool gewaehlt = AListe->currentRow() == AVon;
    // Take the later row first, so that the earlier index stays valid.
    const int oben = qMin(AVon, ANach), unten = qMax(AVon, ANach);
    QListWidgetItem* u = AListe->takeItem(unten);
    QListWidgetItem* o = AListe->takeItem(oben);
    AListe->insertItem(oben, u);
    AListe->insertItem(unten, o);
    if (gewaehlt)
        AListe->setCurrentRow(ANach);
}
