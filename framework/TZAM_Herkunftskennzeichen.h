#pragma once

#include <QChar>
#include <QString>

// The origin mark of a customer order or external order: one character, null without origin.
using TZAM_Herkunftskennzeichen_erw = QChar;

// The display name of an origin mark; an unknown mark is named by its character.
QString CZAM_Herkunftskennzeichen_2_string(TZAM_Herkunftskennzeichen_erw AHerkunft);
