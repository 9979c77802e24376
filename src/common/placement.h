#pragma once

class QWidget;

// Puts a top-level window in the middle of the screen's free area, at its current size.
void centreOnScreen(QWidget *window);
