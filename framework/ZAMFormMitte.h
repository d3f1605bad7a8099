#pragma once

class QWidget;

// Centres a window on AOwner, or on the screen when there is none.
void ZAMFormMitte(QWidget* AFenster, const QWidget* AOwner);
