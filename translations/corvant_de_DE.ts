<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>AddUserContainer</name>
    <message>
        <source>User already exists</source>
        <translation>Benutzer existiert bereits</translation>
    </message>
    <message>
        <source>Invalid username</source>
        <translation>Ungültiger Benutzername</translation>
    </message>
    <message>
        <source>Invalid password</source>
        <translation>Ungültiges Passwort</translation>
    </message>
    <message>
        <source>Invalid Username &amp; Password</source>
        <translation>Name &amp; Passwort ungültig</translation>
    </message>
    <message>
        <source>Passwords do not match</source>
        <translation>Passwörter stimmen nicht überein</translation>
    </message>
    <message>
        <source>Username</source>
        <translation>Benutzername</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Passwort</translation>
    </message>
    <message>
        <source>Confirm Password</source>
        <translation>Passwort bestätigen</translation>
    </message>
    <message>
        <source>Lock</source>
        <translation>Sperren</translation>
    </message>
    <message>
        <source>Add User</source>
        <translation>Benutzer hinzufügen</translation>
    </message>
</context>
<context>
    <name>DeleteUserDialog</name>
    <message>
        <source>Delete User?</source>
        <translation>Benutzer löschen?</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Delete User</source>
        <translation>Benutzer löschen</translation>
    </message>
</context>
<context>
    <name>MSDInfoDialog</name>
    <message>
        <source>Information</source>
        <translation>Information</translation>
    </message>
    <message>
        <source>File share is accessible on host computer when connected.</source>
        <translation>Die Dateifreigabe ist auf dem Host-Computer erreichbar, solange der Drucker verbunden ist.</translation>
    </message>
    <message>
        <source>File share is accessible on printer when disconnected from host computer.</source>
        <translation>Die Dateifreigabe ist auf dem Drucker erreichbar, wenn er vom Host-Computer getrennt ist.</translation>
    </message>
    <message>
        <source>Max capacity 200MB.</source>
        <translation>Maximale Kapazität 200 MB.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>MainContainer</name>
    <message>
        <source>Settings</source>
        <translation>Einstellungen</translation>
    </message>
</context>
<context>
    <name>ModelMainSidebar</name>
    <message>
        <source>General</source>
        <translation>Allgemein</translation>
    </message>
    <message>
        <source>Printer</source>
        <translation>Drucker</translation>
    </message>
    <message>
        <source>Alignment</source>
        <translation>Ausrichtung</translation>
    </message>
    <message>
        <source>Presets</source>
        <translation>Voreinstellungen</translation>
    </message>
    <message>
        <source>Advanced</source>
        <translation>Erweitert</translation>
    </message>
    <message>
        <source>Date &amp; Time</source>
        <translation>Datum &amp; Uhrzeit</translation>
    </message>
    <message>
        <source>Networking</source>
        <translation>Netzwerk</translation>
    </message>
    <message>
        <source>Updates</source>
        <translation>Updates</translation>
    </message>
    <message>
        <source>Languages</source>
        <translation>Sprachen</translation>
    </message>
    <message>
        <source>Users</source>
        <translation>Benutzer</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Info</translation>
    </message>
</context>
<context>
    <name>ModifyUserDialog</name>
    <message>
        <source>Change User Password</source>
        <translation>Benutzerpasswort ändern</translation>
    </message>
    <message>
        <source>Invalid new password. Please try something else.</source>
        <translation>Ungültiges neues Passwort. Bitte versuchen Sie ein anderes.</translation>
    </message>
    <message>
        <source>Passwords do not match.</source>
        <translation>Passwörter stimmen nicht überein.</translation>
    </message>
    <message>
        <source>Incorrect password.</source>
        <translation>Falsches Passwort.</translation>
    </message>
    <message>
        <source>Old Password</source>
        <translation>Altes Passwort</translation>
    </message>
    <message>
        <source>New Password</source>
        <translation>Neues Passwort</translation>
    </message>
    <message>
        <source>Confirm Password</source>
        <translation>Passwort bestätigen</translation>
    </message>
    <message>
        <source>Change Password</source>
        <translation>Passwort ändern</translation>
    </message>
</context>
<context>
    <name>PageAbout</name>
    <message>
        <source>About</source>
        <translation>Info</translation>
    </message>
</context>
<context>
    <name>PageDateTime</name>
    <message>
        <source>Date &amp; Time</source>
        <translation>Datum &amp; Uhrzeit</translation>
    </message>
</context>
<context>
    <name>PageGeneral</name>
    <message>
        <source>General</source>
        <translation>Allgemein</translation>
    </message>
</context>
<context>
    <name>PageLanguages</name>
    <message>
        <source>Languages</source>
        <translation>Sprachen</translation>
    </message>
</context>
<context>
    <name>PageNetworking</name>
    <message>
        <source>Networking</source>
        <translation>Netzwerk</translation>
    </message>
</context>
<context>
    <name>PagePrinter</name>
    <message>
        <source>Printer</source>
        <translation>Drucker</translation>
    </message>
</context>
<context>
    <name>PagePrinterAdvanced</name>
    <message>
        <source>Advanced</source>
        <translation>Erweitert</translation>
    </message>
</context>
<context>
    <name>PagePrinterAlignment</name>
    <message>
        <source>Alignment</source>
        <translation>Ausrichtung</translation>
    </message>
</context>
<context>
    <name>PagePrinterPresets</name>
    <message>
        <source>Presets</source>
        <translation>Voreinstellungen</translation>
    </message>
</context>
<context>
    <name>PageUpdates</name>
    <message>
        <source>Updates Available</source>
        <translation>Updates verfügbar</translation>
    </message>
    <message>
        <source>Install Updates</source>
        <translation>Updates installieren</translation>
    </message>
    <message>
        <source>System Updates</source>
        <translation>System-Updates</translation>
    </message>
    <message>
        <source>Last Checked: </source>
        <translation>Zuletzt geprüft: </translation>
    </message>
    <message>
        <source>Never</source>
        <translation>Nie</translation>
    </message>
    <message>
        <source>Current Version:</source>
        <translation>Aktuelle Version:</translation>
    </message>
    <message>
        <source>Available Version:</source>
        <translation>Verfügbare Version:</translation>
    </message>
    <message>
        <source>Please restart the system to complete the update.</source>
        <translation>Bitte starten Sie das System neu, um das Update abzuschließen.</translation>
    </message>
    <message>
        <source>Check For Updates Automatically</source>
        <translation>Automatisch nach Updates suchen</translation>
    </message>
    <message>
        <source>Requires a valid internet connection.</source>
        <translation>Erfordert eine funktionierende Internetverbindung.</translation>
    </message>
    <message>
        <source>Update Finished</source>
        <translation>Update abgeschlossen</translation>
    </message>
    <message>
        <source>Up To Date</source>
        <translation>Auf dem neuesten Stand</translation>
    </message>
    <message>
        <source>Re-install Update</source>
        <translation>Update neu installieren</translation>
    </message>
    <message>
        <source>Check For Updates</source>
        <translation>Nach Updates suchen</translation>
    </message>
    <message>
        <source>Checking for updates...</source>
        <translation>Suche nach Updates...</translation>
    </message>
    <message>
        <source>Updating, Please Wait...</source>
        <translation>Update läuft, bitte warten...</translation>
    </message>
    <message>
        <source>Error Updating</source>
        <translation>Fehler beim Update</translation>
    </message>
</context>
<context>
    <name>PageUsers</name>
    <message>
        <source>Users and Passwords</source>
        <translation>Benutzer und Passwörter</translation>
    </message>
    <message>
        <source>There are currently no users.
Adding a user will prompt for a login on reboot.</source>
        <translation>Derzeit gibt es keine Benutzer.
Mit dem ersten Benutzer wird beim Neustart eine Anmeldung verlangt.</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>Landscape</source>
        <translation>Querformat</translation>
    </message>
    <message>
        <source>Portrait</source>
        <translation>Hochformat</translation>
    </message>
    <message>
        <source>Landscape 180</source>
        <translation>Querformat 180</translation>
    </message>
    <message>
        <source>Portrait 180</source>
        <translation>Hochformat 180</translation>
    </message>
    <message>
        <source>No Cut</source>
        <translation>Kein Schnitt</translation>
    </message>
    <message>
        <source>Cut After Page</source>
        <translation>Schnitt nach jeder Seite</translation>
    </message>
    <message>
        <source>Cut After Job</source>
        <translation>Schnitt nach jedem Auftrag</translation>
    </message>
    <message>
        <source>Dither</source>
        <comment>Dither method name</comment>
        <translation>Rasterung</translation>
    </message>
    <message>
        <source>Ordered Dither</source>
        <comment>Ordered Dither method name</comment>
        <translation>geordnete Rasterung</translation>
    </message>
</context>
<context>
    <name>UpdateHelper</name>
    <message>
        <source>No update source is configured.</source>
        <translation>Es ist keine Update-Quelle eingerichtet.</translation>
    </message>
    <message>
        <source>The update source offers no valid release.</source>
        <translation>Die Update-Quelle bietet keine gültige Version an.</translation>
    </message>
    <message>
        <source>No update is available. Check for updates first.</source>
        <translation>Kein Update verfügbar. Suchen Sie zuerst nach Updates.</translation>
    </message>
    <message>
        <source>The update could not be installed.</source>
        <translation>Das Update konnte nicht installiert werden.</translation>
    </message>
    <message>
        <source>The update source cannot be reached.</source>
        <translation>Die Update-Quelle ist nicht erreichbar.</translation>
    </message>
    <message>
        <source>The update could not be downloaded.</source>
        <translation>Das Update konnte nicht heruntergeladen werden.</translation>
    </message>
    <message>
        <source>The downloaded update is damaged.</source>
        <translation>Das heruntergeladene Update ist beschädigt.</translation>
    </message>
    <message>
        <source>The update could not be stored on this device.</source>
        <translation>Das Update konnte auf diesem Gerät nicht gespeichert werden.</translation>
    </message>
</context>
<context>
    <name>VHLocaleLanguages</name>
    <message>
        <source>English (US)</source>
        <translation>Englisch (USA)</translation>
    </message>
    <message>
        <source>English (US, international)</source>
        <translation>Englisch (USA, international)</translation>
    </message>
    <message>
        <source>English (Dvorak)</source>
        <translation>Englisch (Dvorak)</translation>
    </message>
    <message>
        <source>English (UK)</source>
        <translation>Englisch (GB)</translation>
    </message>
    <message>
        <source>German</source>
        <translation>Deutsch</translation>
    </message>
    <message>
        <source>German (no dead keys)</source>
        <translation>Deutsch (ohne Tottasten)</translation>
    </message>
    <message>
        <source>French</source>
        <translation>Französisch</translation>
    </message>
    <message>
        <source>Spanish</source>
        <translation>Spanisch</translation>
    </message>
    <message>
        <source>Italian</source>
        <translation>Italienisch</translation>
    </message>
    <message>
        <source>Portuguese (Brazil)</source>
        <translation>Portugiesisch (Brasilien)</translation>
    </message>
    <message>
        <source>Dutch</source>
        <translation>Niederländisch</translation>
    </message>
    <message>
        <source>Polish</source>
        <translation>Polnisch</translation>
    </message>
    <message>
        <source>Swedish</source>
        <translation>Schwedisch</translation>
    </message>
    <message>
        <source>Japanese</source>
        <translation>Japanisch</translation>
    </message>
</context>
<context>
    <name>VHWiFiDialog</name>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
</context>
<context>
    <name>VHWiFiDialogEthernet</name>
    <message>
        <source>Ethernet Settings</source>
        <translation>Ethernet-Einstellungen</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
</context>
<context>
    <name>VHWiFiDialogPassword</name>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
</context>
</TS>
