// Where a window opens: wholly inside the area its screen leaves to windows (without the
// desktop's panels), whatever the screen's size and scale factor.
#pragma once

class QWidget;

// Moves the window, its frame included as far as it is known, by the least distance that puts
// it inside that area; a window that fits where it stands stays there. One larger than the area
// keeps its top left corner inside it.
void keepInsideScreen(QWidget *window);

// Does so each time the window shows, once the showing is over and its frame known, after the
// window system or Qt has placed it (Qt centres a dialog over its owner).
void keepInsideScreenWhenShown(QWidget *window);
