<?xml version='1.0' encoding='utf-8'?>
<TS version="2.1" language="de_DE">
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
        <source>Updates</source>
        <translation>Updates</translation>
    </message>
</context>
<context>
    <name>PageUsers</name>
    <message>
        <source>Users</source>
        <translation>Benutzer</translation>
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