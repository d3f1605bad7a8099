#pragma once

#include "IZAM_Server.h"

#include <functional>
#include <memory>
#include <typeindex>
#include <unordered_map>

class EZAM_Exception;

// Creates the business service interfaces the data module holds. zam/ registers one creator per
// interface; an interface without creator raises the module-not-available error.
class TWWSServerFactory
{
public:
    using TErzeuger = std::function<std::unique_ptr<IZAM_Server>()>;

    template <class I>
    void Registrieren(std::function<std::unique_ptr<I>()> AErzeuger)
    {
        FErzeuger[std::type_index(typeid(I))] = [AErzeuger]() -> std::unique_ptr<IZAM_Server> { return AErzeuger(); };
    }
    template <class I>
    bool Verfuegbar() const
    {
        return FErzeuger.count(std::type_index(typeid(I))) > 0;
    }
    template <class I>
    std::unique_ptr<I> Create() const
    {
        std::unique_ptr<IZAM_Server> s = Erzeugen(std::type_index(typeid(I)), typeid(I).name());
        return std::unique_ptr<I>(dynamic_cast<I*>(s.release()));
    }
    void Leeren() { FErzeuger.clear(); }

private:
    std::unique_ptr<IZAM_Server> Erzeugen(std::type_index ATyp, const char* AName) const;
    std::unordered_map<std::type_index, TErzeuger> FErzeuger;
};

TWWSServerFactory& Glob_WWSServerFactoryClass();
// The second factory: services of optional modules (the customer-order documents). A service
// that no module registered is not available: its getter answers nil.
TWWSServerFactory& Glob_ServerFactoryClass();
