#include "Glob_WWSServerFactoryClass.h"

#include "EZAM_Exception.h"
#include "ZAMInfoKoords.h"

std::unique_ptr<IZAM_Server> TWWSServerFactory::Erzeugen(std::type_index ATyp, const char* AName) const
{
    const auto it = FErzeuger.find(ATyp);
    if (it == FErzeuger.end())
        throw EZAM_Exception(CZAM_Info_Fehler_Standard_ModulNichtVerfuegbar, QString::fromLatin1(AName));
    return it->second();
}

TWWSServerFactory& Glob_WWSServerFactoryClass()
{
    static TWWSServerFactory GFactory;
    return GFactory;
}

TWWSServerFactory& Glob_ServerFactoryClass()
{
    static TWWSServerFactory GFactory;
    return GFactory;
}
