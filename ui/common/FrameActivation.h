#pragma once

class QWidget;

// Restores the document window (MDI sub-window) that holds widget when it is
// minimized and makes it the active one; nothing when widget is in none.
void ActivateFrameOf(QWidget* widget);
