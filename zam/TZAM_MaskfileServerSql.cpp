#include "TZAM_MaskfileServerSql.h"

#include "TZAM_Datenbank.h"

namespace {
QVariantList Werte(const TZAM_MaskfileSchluessel& A)
{
    return {A[0], A[1], A[2], A[3], A[4]};
}
} // namespace

bool TZAM_MaskfileServerSql::Lesen(const TZAM_MaskfileSchluessel& ASchluessel, QString& AInhalt)
{
    AInhalt.clear();
    const TZAM_Zeilen z = FDb.Lesen(QStringLiteral("SELECT inhalt FROM zam_maskfile WHERE schluessel1 = ? AND "
                                                   "schluessel2 = ? AND schluessel3 = ? AND schluessel4 = ? AND "
                                                   "schluessel5 = ?"),
                                    Werte(ASchluessel));
    if (z.IsEmpty())
        return false;
    AInhalt = z.Wert(0, 0).toString();
    return true;
}

void TZAM_MaskfileServerSql::Schreiben(const TZAM_MaskfileSchluessel& ASchluessel, const QString& AInhalt)
{
    FDb.Schreiben(QStringLiteral("INSERT INTO zam_maskfile (schluessel1, schluessel2, schluessel3, schluessel4, "
                                 "schluessel5, inhalt) VALUES (?, ?, ?, ?, ?, ?) ON CONFLICT (schluessel1, "
                                 "schluessel2, schluessel3, schluessel4, schluessel5) DO UPDATE SET "
                                 "inhalt = excluded.inhalt"),
                  Werte(ASchluessel) << AInhalt);
}
