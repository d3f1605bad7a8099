#pragma once

#include "TIntTrio.h"

#include <QDate>
#include <QDateTime>
#include <QString>

QString zam_inttostr(qint64 AWert);
// Raises the conversion error for anything but an optionally signed decimal integer.
int zam_StrToInt(const QString& AText);
// The same reading without raising: ADefault for anything zam_StrToInt refuses.
int zam_StrToIntDef(const QString& AText, int ADefault);
// German number text with thousands separators and ADezimalen decimals ("1.234,56"), whatever the
// system locale: the program's "%n" texts. Rounded half away from zero; never "-0".
QString zam_ZahlText(double AWert, int ADezimalen);

// Barcode text form of a three-part key: 17 digits, the parts zero-padded to 5, 6 and 6.
QString zam_TIntTrio2String(const TIntTrio& AKey);
// Accepts exactly the 17 digits of zam_TIntTrio2String; raises the conversion error otherwise.
TIntTrio zam_String2TIntTrio(const QString& AText);
// Barcode text form of a pair (document keys on slips): 13 digits, the parts padded to 5 and 8.
QString zam_TIntPair2String(const TIntPair& AKey);
TIntPair zam_String2TIntPair(const QString& AText);

// Protocol keys as people read them: "1/000042/000017".
QString zam_FormatProtNr(const TIntTrio& AProtId);
// AText filled on the right with AZeichen up to ALaenge characters (longer texts stay as they are).
QString zam_padright_char(const QString& AText, int ALaenge, QChar AZeichen);

QDateTime zam_Now();
// A stored time as the engines give it back: "yyyy-MM-dd HH:mm:ss", with "T" or a blank between
// date and time and optionally ".zzz"; the common forms are read by hand, as a task list reads two
// per row. Invalid for anything that is not such a time.
QDateTime zam_ZeitpunktAusText(const QString& AText);
QDate zam_Date();

QString BoolToJN(bool AWert);
// "J" is true, anything else false.
bool JNToBool(const QString& AText);
