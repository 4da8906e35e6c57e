#pragma once

class QWidget;

// The window sees keys before its controls: Enter moves the focus to the next control in tab
// order and is swallowed; on a focused button it presses the button. Covers the controls that
// exist when it is called.
void installEnterMovesFocus(QWidget* window);
