#include "OnScreenKeyboard.h"

#include <QByteArray>

bool OnScreenKeyboard::isChosen()
{
    return qgetenv("QT_IM_MODULE") == QByteArrayLiteral("qtvirtualkeyboard");
}

void OnScreenKeyboard::chooseBeforeApplication()
{
    if (!qEnvironmentVariableIsSet("QT_IM_MODULE"))
        qputenv("QT_IM_MODULE", QByteArrayLiteral("qtvirtualkeyboard"));
    if (!isChosen())
        return;
    // The keyboard lies inside the window; Qt's own keyboard window must
    // not open beside it.
    qputenv("QT_VIRTUALKEYBOARD_DESKTOP_DISABLE", QByteArrayLiteral("1"));
    // The window's look from the keyboard's first frame on; the style is in
    // the settings plugin's resources.
    if (!qEnvironmentVariableIsSet("QT_VIRTUALKEYBOARD_STYLE"))
        qputenv("QT_VIRTUALKEYBOARD_STYLE", QByteArrayLiteral("vhsettings"));
}
