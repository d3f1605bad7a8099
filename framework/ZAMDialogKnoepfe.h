#pragma once

class QHBoxLayout;
class QPushButton;

// The "OK" and "Abbrechen" buttons of a choice dialog (object names btnOK, btnAbbrechen), on the
// right of a row, 40 pixels high, neither a default button.
QHBoxLayout* ZAMDialogKnoepfe(QPushButton*& AOK, QPushButton*& AAbbrechen);
