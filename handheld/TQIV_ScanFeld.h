#pragma once

#include <QLineEdit>

// The scan field: the scanner's terminating key (Enter or Tab) ends the scan as the focus leaves
// the field; Verlassen is emitted once per scan.
class TQIV_ScanFeld : public QLineEdit
{
    Q_OBJECT
public:
    explicit TQIV_ScanFeld(QWidget* AParent = nullptr);

    // A scan begins: the next exit ends it.
    void Starten();
    bool Aktiv() const { return FAktiv; }

Q_SIGNALS:
    void Verlassen();

protected:
    void keyPressEvent(QKeyEvent* AEvent) override;
    void focusOutEvent(QFocusEvent* AEvent) override;

private:
    void Beenden();
    bool FAktiv = false;
};
