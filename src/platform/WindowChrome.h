#pragma once

class QWindow;

// Gives the main window, once it exists, the frame this system shows it in.
void dressMainWindow(QWindow *window);
