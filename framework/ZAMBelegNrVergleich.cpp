#include "ZAMBelegNrVergleich.h"

#include "TVRItem.h"

namespace {
int Vergleichen(const QString& A, const QString& B)
{
    qsizetype i = 0, j = 0;
    while (i < A.size() && j < B.size()) {
        if (A[i].isDigit() && B[j].isDigit()) {
            qsizetype ei = i, ej = j;
            while (ei < A.size() && A[ei].isDigit())
                ++ei;
            while (ej < B.size() && B[ej].isDigit())
                ++ej;
            // Without leading zeros the longer run is the larger number.
            QStringView za = QStringView(A).mid(i, ei - i), zb = QStringView(B).mid(j, ej - j);
            while (za.size() > 1 && za.front() == QLatin1Char('0'))
                za = za.mid(1);
            while (zb.size() > 1 && zb.front() == QLatin1Char('0'))
                zb = zb.mid(1);
            if (za.size() != zb.size())
                return za.size() < zb.size() ? -1 : 1;
            if (const int c = za.compare(zb); c != 0)
                return c < 0 ? -1 : 1;
            i = ei, j = ej;
            continue;
        }
        if (A[i] != B[j])
            return A[i] < B[j] ? -1 : 1;
        ++i, ++j;
    }
    return A.size() - i == B.size() - j ? 0 : (A.size() - i < B.size() - j ? -1 : 1);
}
} // namespace

int ZAMBelegNrVergleich(const TVRItem& A, const TVRItem& B)
{
    return Vergleichen(A.AlsText(), B.AlsText());
}
