#pragma once

#include "TInt32Trio.h"

#include <QLineEdit>

// The framework's article-number edit: takes our article number (up to 7 digits) and yields the
// product that carries it.
class TQIV_ArtNrEdit : public QLineEdit
{
    Q_OBJECT
public:
    explicit TQIV_ArtNrEdit(QWidget* AParent = nullptr);

    // The product of the typed number; the empty product when no article carries it. Raises the
    // framework's errors of the article service.
    TInt32Trio ProduktID() const;
    // Shows the article number of a product in its fixed form; empty for a product without article.
    void SetProduktID(const TInt32Trio& AProduktId);
};
