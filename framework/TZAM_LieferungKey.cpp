#include "TZAM_LieferungKey.h"

namespace {
const QChar CTrenner = u';';
}

void LieferungKeyClear(TZAM_LieferungKey& AKey)
{
    AKey.ScanIdents.clear();
}

QString LieferungKeyToStr(const TZAM_LieferungKey& AKey)
{
    QStringList teile;
    teile.reserve(AKey.ScanIdents.size());
    for (const TIntTrio& i : AKey.ScanIdents)
        teile << i.ToText();
    return teile.join(CTrenner);
}

void StrToLieferungKey(const QString& AText, TZAM_LieferungKey& AKey, QString& ARest)
{
    LieferungKeyClear(AKey);
    ARest.clear();
    if (AText.isEmpty())
        return;
    qsizetype anfang = 0;
    while (true) {
        const qsizetype ende = AText.indexOf(CTrenner, anfang);
        const QString teil = AText.mid(anfang, ende < 0 ? -1 : ende - anfang);
        bool gelesen = false;
        // Only the display form as written above: digits and "-"; a negative part is no identifier.
        if (!teil.isEmpty() && teil.count(u'-') == 2 && !teil.startsWith(u'-') && !teil.contains(u"--")) {
            const TIntTrio i = TIntTrio::FromTextDef(teil, TIntTrio(-1, -1, -1));
            if (i != TIntTrio(-1, -1, -1) && i.ToText() == teil) {
                AKey.ScanIdents.append(i);
                gelesen = true;
            }
        }
        if (!gelesen) {
            ARest = AText.mid(anfang > 0 ? anfang - 1 : 0);
            return;
        }
        if (ende < 0)
            return;
        anfang = ende + 1;
    }
}
