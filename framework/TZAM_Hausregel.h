#pragma once

#include <QString>
#include <functional>
#include <type_traits>

// The house convention of every handler, in one place:
// PreventAutoTermination first (a dropped input still restarts the idle period), return at once
// while the busy flag is set, set it for the handler's duration and clear it on every way out,
// hand an EZAM_Exception to RegisterException under the literal "Class.Method" name and answer
// the neutral result. A booking bracket that the exception leaves open is abandoned at once.
// Programming faults (other exceptions) are not caught, but the busy flag and the bracket are
// still put right.
class TZAM_Hausregel
{
public:
    enum TOption : unsigned {
        hrBusyTest = 1,   // return at once while the busy flag is set
        hrPrevent = 2,    // restart the idle period
        hrZeigen = 4,     // show the registered message
        hrTerminate = 8,  // end with FehlerTerminate (destroy handlers)
        hrStandard = hrBusyTest | hrPrevent | hrZeigen,
    };

    // Runs ABody; true when it ran to its end.
    static bool Ausfuehren(bool& ABusy, const char* AName, const std::function<void()>& ABody)
    {
        return Kern(&ABusy, AName, hrStandard, ABody);
    }

    // Runs ABody and answers its result, or ANeutral when the handler was busy or failed.
    template <class R, class F>
    static R Ergebnis(bool& ABusy, const char* AName, R ANeutral, F&& ABody)
    {
        R r = ANeutral;
        Kern(&ABusy, AName, hrStandard, [&] { r = ABody(); });
        return r;
    }

    // Ergebnis without the busy test, for operations that call each other (the data module's).
    template <class R, class F>
    static R ErgebnisOhneBusy(const char* AName, R ANeutral, F&& ABody)
    {
        R r = ANeutral;
        Kern(nullptr, AName, hrZeigen, [&] { r = ABody(); });
        return r;
    }

    // Without the busy test: timers that must run while the form is busy, answers under IgnoreBusy.
    static bool OhneBusy(const char* AName, const std::function<void()>& ABody, bool APrevent = true)
    {
        return Kern(nullptr, AName, APrevent ? (hrPrevent | hrZeigen) : hrZeigen, ABody);
    }

    // Destroy handlers: failures are registered without showing them; ends with FehlerTerminate.
    static void Zerstoeren(const char* AName, const std::function<void()>& ABody)
    {
        Kern(nullptr, AName, hrTerminate, ABody);
    }

    // The general form; ABusy may be null.
    static bool Kern(bool* ABusy, const char* AName, unsigned AOptionen, const std::function<void()>& ABody);

    // The event-loop level of the innermost handler that runs in the main thread, -1 when none. A
    // handler that looks at the event loop (processEvents) is still at its level; a modal form it
    // opened runs one level higher.
    static int HandlerEbene();
    // The text of the failure registered last (in this thread); empty before the first.
    static QString LetzterFehler();
};
