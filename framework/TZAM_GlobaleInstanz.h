#pragma once

#include "Glob_WWSServerFactoryClass.h"

#include <memory>

// A global instance of the framework shared by whoever holds it: the first GetInstance creates
// it through the service factory, the last ReleaseInstance frees it.
template <class I>
class TZAM_GlobaleInstanz
{
public:
    static I* GetInstance()
    {
        if (!FInstanz)
            FInstanz = Glob_WWSServerFactoryClass().Create<I>();
        ++FAnzahl;
        return FInstanz.get();
    }
    static void ReleaseInstance()
    {
        if (FAnzahl > 0 && --FAnzahl == 0)
            FInstanz.reset();
    }

private:
    static inline std::unique_ptr<I> FInstanz;
    static inline int FAnzahl = 0;
};
