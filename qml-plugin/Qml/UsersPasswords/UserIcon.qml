import QtQuick 2.10
import librariesqml.VHComponents 1.0
import librariesqml.VHUsersConfig 1.0

// The glyph of one account: the favourite-user glyph for the account the
// module marks, the plain user glyph for the others.
Text {
    property string userName: ""

    // usersList is read so that the glyph follows changes of the accounts.
    text: (VHUsersConfigHelper.usersList, VHUsersConfigHelper.checkKey(userName))
          ? VHIconPalette.userFavoriteIcon : VHIconPalette.userIcon
    font.family: VHIconPalette.fontName
    font.preferShaping: true
    font.pixelSize: VHQmlCommonDefines.iconSize
    color: VHColorPalette.textPrimary
    verticalAlignment: Text.AlignVCenter
}
