#pragma once

#include <memory>
#include <type_traits>

class TAbstractState;
class TfrmMDE;

// A state class as a value: ChangeState and GiveState take it. IstInstanz answers whether a state
// object is of the class or of a descendant; an abstract class cannot be created.
struct TStateKlasse
{
    const char* Name = "";
    bool (*IstInstanz)(const TAbstractState*) = nullptr;
    std::unique_ptr<TAbstractState> (*Erzeugen)(TfrmMDE*) = nullptr;
};

template <class S> const TStateKlasse* StateKlasse()
{
    static const TStateKlasse GKlasse{
        S::CKlassenName, [](const TAbstractState* AState) { return dynamic_cast<const S*>(AState) != nullptr; },
        []() -> std::unique_ptr<TAbstractState> (*)(TfrmMDE*) {
            if constexpr (std::is_abstract_v<S>)
                return nullptr;
            else
                return [](TfrmMDE* AMaske) -> std::unique_ptr<TAbstractState> { return std::make_unique<S>(AMaske); };
        }()};
    return &GKlasse;
}
