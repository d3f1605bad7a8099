#pragma once

#include <QObject>

class TfrmMDE;

// The alternative scan recognition: an application-wide filter that recognises the scan prefix and
// the digits itself (for scanners whose keys do not arrive as short cuts). It consumes every
// event it acts on, so no digit arrives twice; with the protocol switched on it writes every key.
class TQIV_MDEEreignisFilter : public QObject
{
    Q_OBJECT
public:
    explicit TQIV_MDEEreignisFilter(TfrmMDE* AMaske);
    ~TQIV_MDEEreignisFilter() override;

    void SetProtokoll(bool AProtokoll) { FProtokoll = AProtokoll; }

protected:
    bool eventFilter(QObject* AObjekt, QEvent* AEvent) override;

private:
    // True when the filter acts on the key: the scan start, or a digit whose action is enabled.
    bool Handeln(int ATaste, Qt::KeyboardModifiers AModifier, const QString& AText);

    TfrmMDE* FMaske;
    bool FProtokoll = false;
    int FVerschluckt = 0; // the key whose press follows the override it acted on
};
