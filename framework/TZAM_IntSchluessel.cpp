#include "TZAM_IntSchluessel.h"

#include "EZAM_Exception.h"

#include <QStringList>

namespace ZAMSchluesselText {
namespace {

QChar Trenner(TVELT_StructNum_Delim ADelim)
{
    switch (ADelim) {
    case svdBindestrich: return u'-';
    case svdPunkt: return u'.';
    case svdSchraegstrich: return u'/';
    case svdLeerzeichen: return u' ';
    case svdDoppelpunkt: return u':';
    case svdOhne: break;
    }
    return QChar();
}

QString TeilFest(qint32 ATeil, int ABreite)
{
    if (ATeil < 0)
        throw EZAM_KonvertFehler(QStringLiteral("Negativer Schlüsselteil %1").arg(ATeil));
    const QString s = QString::number(ATeil);
    if (s.size() > ABreite)
        throw EZAM_KonvertFehler(QStringLiteral("Schlüsselteil %1 ist breiter als %2 Stellen").arg(s).arg(ABreite));
    return s.rightJustified(ABreite, u'0');
}

qint32 TeilLesen(QStringView ATeil, const QString& AGanz)
{
    if (ATeil.isEmpty() || ATeil.size() > 10)
        throw EZAM_KonvertFehler(AGanz);
    for (QChar c : ATeil)
        if (c < u'0' || c > u'9')
            throw EZAM_KonvertFehler(AGanz);
    bool ok = false;
    const qlonglong v = ATeil.toLongLong(&ok);
    if (!ok || v > std::numeric_limits<qint32>::max())
        throw EZAM_KonvertFehler(AGanz);
    return static_cast<qint32>(v);
}

} // namespace

QString Formatiert(const qint32* ATeile, int AAnzahl, TVELT_StructNum_Delim ADelim, bool AFuehrendeNullen,
                   bool ALeerWennNull, int AStellen)
{
    bool null = true;
    for (int i = 0; i < AAnzahl; ++i)
        null = null && ATeile[i] == 0;
    if (null && ALeerWennNull)
        return {};
    if (ADelim == svdOhne) {
        QString s;
        for (int i = 0; i < AAnzahl; ++i)
            s += TeilFest(ATeile[i], AStellen);
        return s;
    }
    QStringList teile;
    for (int i = 0; i < AAnzahl; ++i) {
        QString t = QString::number(ATeile[i]);
        if (AFuehrendeNullen && ATeile[i] >= 0)
            t = t.rightJustified(AStellen, u'0');
        teile << t;
    }
    return teile.join(Trenner(ADelim));
}

QString FesteBreite(const qint32* ATeile, const int* ABreiten, int AAnzahl)
{
    QString s;
    for (int i = 0; i < AAnzahl; ++i)
        s += TeilFest(ATeile[i], ABreiten[i]);
    return s;
}

void Lesen(const QString& AText, qint32* ATeile, int AAnzahl)
{
    const QString text = AText.trimmed();
    for (QChar d : {u'-', u'.', u'/', u' ', u':'}) {
        if (!text.contains(d))
            continue;
        const QList<QStringView> teile = QStringView(text).split(d);
        if (teile.size() != AAnzahl)
            throw EZAM_KonvertFehler(AText);
        for (int i = 0; i < AAnzahl; ++i)
            ATeile[i] = TeilLesen(teile[i], AText);
        return;
    }
    if (text.size() != 9 * AAnzahl)
        throw EZAM_KonvertFehler(AText);
    for (int i = 0; i < AAnzahl; ++i)
        ATeile[i] = TeilLesen(QStringView(text).mid(9 * i, 9), AText);
}

void LesenFesteBreite(const QString& AText, qint32* ATeile, const int* ABreiten, int AAnzahl)
{
    int gesamt = 0;
    for (int i = 0; i < AAnzahl; ++i)
        gesamt += ABreiten[i];
    if (AText.size() != gesamt)
        throw EZAM_KonvertFehler(AText);
    int pos = 0;
    for (int i = 0; i < AAnzahl; ++i) {
        ATeile[i] = TeilLesen(QStringView(AText).mid(pos, ABreiten[i]), AText);
        pos += ABreiten[i];
    }
}

} // namespace ZAMSchluesselText
