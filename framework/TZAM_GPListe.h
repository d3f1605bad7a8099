#pragma once

#include "IZAM_GPListenServer.h"

#include <QTreeWidget>

// A list of business partners (number and name) to choose one from; the partner's key travels
// with its row.
class TZAM_GPListe : public QTreeWidget
{
    Q_OBJECT
public:
    TZAM_GPListe(const QString& AObjektName, const QString& ANamensCaption, QWidget* AParent = nullptr);

    // Replaces the rows; the row of AAuswahl (when given) becomes the current one.
    void Fuellen(const QList<TZAM_GPEintrag>& AEintraege, const TIntPair& AAuswahl = {});
    // The key of the selected row; false without a selection.
    bool Gewaehlt(TIntPair& AGepNr) const;
    bool HatAuswahl() const { return !selectedItems().isEmpty(); }
};
