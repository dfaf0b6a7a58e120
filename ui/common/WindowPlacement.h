#pragma once

class QWidget;

// Moves window so that it stands centred on owner when owner is on screen, else on
// window's screen: a window of its own would otherwise be placed by the system, in a
// corner away from the window the user is looking at.
void CentreOn(QWidget& window, const QWidget* owner);
