#pragma once

#include "IZAM_Server.h"

#include <QString>
#include <array>

// The five key texts of a mask-file record (language, program, mask, part, terminal or index).
using TZAM_MaskfileSchluessel = std::array<QString, 5>;

// The framework's mask file (zam_maskfile): records of stored configuration, each found exactly
// by its five key texts (letter case and blanks count), with a text body.
class IZAM_MaskfileServer : public IZAM_Server
{
public:
    // False, with an empty body, when no record has the keys.
    virtual bool Lesen(const TZAM_MaskfileSchluessel& ASchluessel, QString& AInhalt) = 0;
    // Stores the record, replacing a record of the same keys.
    virtual void Schreiben(const TZAM_MaskfileSchluessel& ASchluessel, const QString& AInhalt) = 0;
};
