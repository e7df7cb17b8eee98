#pragma once

// The window's text fields are typed on Qt's on-screen keyboard, which the
// window lays out itself (OnScreenKeyboard.qml). Qt takes the input method
// when the application object is made: call this before.
namespace OnScreenKeyboard {

// Chooses Qt's keyboard, unless the environment names another input method
// (a desktop's, or none: QT_IM_MODULE set empty).
void chooseBeforeApplication();

// Qt's keyboard is the input method: the window may show it.
bool isChosen();

} // namespace OnScreenKeyboard
