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
    <name>ModelDisplayTimeouts</name>
    <message>
        <source>1 minute</source>
        <translation>1 Minute</translation>
    </message>
    <message>
        <source>2 minutes</source>
        <translation>2 Minuten</translation>
    </message>
    <message>
        <source>3 minutes</source>
        <translation>3 Minuten</translation>
    </message>
    <message>
        <source>5 minutes</source>
        <translation>5 Minuten</translation>
    </message>
    <message>
        <source>10 minutes</source>
        <translation>10 Minuten</translation>
    </message>
    <message>
        <source>20 minutes</source>
        <translation>20 Minuten</translation>
    </message>
    <message>
        <source>30 minutes</source>
        <translation>30 Minuten</translation>
    </message>
    <message>
        <source>45 minutes</source>
        <translation>45 Minuten</translation>
    </message>
    <message>
        <source>1 hour</source>
        <translation>1 Stunde</translation>
    </message>
    <message>
        <source>2 hours</source>
        <translation>2 Stunden</translation>
    </message>
    <message>
        <source>3 hours</source>
        <translation>3 Stunden</translation>
    </message>
    <message>
        <source>Never</source>
        <translation>Nie</translation>
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
    <message>
        <source>Model:</source>
        <translation>Modell:</translation>
    </message>
    <message>
        <source>Serial Number:</source>
        <translation>Seriennummer:</translation>
    </message>
    <message>
        <source>Version:</source>
        <translation>Version:</translation>
    </message>
    <message>
        <source>Available Storage:</source>
        <translation>Verfügbarer Speicher:</translation>
    </message>
    <message>
        <source>Ethernet Address:</source>
        <translation>Ethernet-Adresse:</translation>
    </message>
    <message>
        <source>Wireless Address:</source>
        <translation>WLAN-Adresse:</translation>
    </message>
    <message>
        <source>Head 1 Offsets (Backstop, Horizontal, BlackMark, Gap, Heat):</source>
        <translation>Versätze Kopf 1 (Anschlag, Horizontal, Schwarzmarke, Lücke, Hitze):</translation>
    </message>
    <message>
        <source>Offsets (Backstop, Horizontal, BlackMark, Gap, Heat):</source>
        <translation>Versätze (Anschlag, Horizontal, Schwarzmarke, Lücke, Hitze):</translation>
    </message>
    <message>
        <source>Head 2 Offsets (Backstop, Horizontal, BlackMark, Gap, Heat):</source>
        <translation>Versätze Kopf 2 (Anschlag, Horizontal, Schwarzmarke, Lücke, Hitze):</translation>
    </message>
    <message>
        <source>Calibration Values (TachL, TachH, CutT, SupT, SupR):</source>
        <translation>Kalibrierwerte (TachL, TachH, CutT, SupT, SupR):</translation>
    </message>
</context>
<context>
    <name>PageDateTime</name>
    <message>
        <source>Date and Time</source>
        <translation>Datum und Uhrzeit</translation>
    </message>
    <message>
        <source>24 Hour Time</source>
        <translation>24-Stunden-Format</translation>
    </message>
    <message>
        <source>Change the displayed times format on the top bar.</source>
        <translation>Ändert das Zeitformat in der oberen Leiste.</translation>
    </message>
    <message>
        <source>Time Zone</source>
        <translation>Zeitzone</translation>
    </message>
    <message>
        <source>Set the current time zone.</source>
        <translation>Legt die aktuelle Zeitzone fest.</translation>
    </message>
    <message>
        <source>Date Format</source>
        <translation>Datumsformat</translation>
    </message>
    <message>
        <source>Change the format of the date</source>
        <translation>Ändert das Format des Datums</translation>
    </message>
    <message>
        <source>Set Date and Time Automatically</source>
        <translation>Datum und Uhrzeit automatisch einstellen</translation>
    </message>
    <message>
        <source>Requires a valid internet connection.</source>
        <translation>Erfordert eine funktionierende Internetverbindung.</translation>
    </message>
    <message>
        <source>Hours</source>
        <translation>Stunden</translation>
    </message>
    <message>
        <source>Minutes</source>
        <translation>Minuten</translation>
    </message>
    <message>
        <source>AM</source>
        <translation>AM</translation>
    </message>
    <message>
        <source>PM</source>
        <translation>PM</translation>
    </message>
    <message>
        <source>Month</source>
        <translation>Monat</translation>
    </message>
    <message>
        <source>January</source>
        <translation>Januar</translation>
    </message>
    <message>
        <source>February</source>
        <translation>Februar</translation>
    </message>
    <message>
        <source>March</source>
        <translation>März</translation>
    </message>
    <message>
        <source>April</source>
        <translation>April</translation>
    </message>
    <message>
        <source>May</source>
        <translation>Mai</translation>
    </message>
    <message>
        <source>June</source>
        <translation>Juni</translation>
    </message>
    <message>
        <source>July</source>
        <translation>Juli</translation>
    </message>
    <message>
        <source>August</source>
        <translation>August</translation>
    </message>
    <message>
        <source>September</source>
        <translation>September</translation>
    </message>
    <message>
        <source>October</source>
        <translation>Oktober</translation>
    </message>
    <message>
        <source>November</source>
        <translation>November</translation>
    </message>
    <message>
        <source>December</source>
        <translation>Dezember</translation>
    </message>
    <message>
        <source>Day</source>
        <translation>Tag</translation>
    </message>
    <message>
        <source>Year</source>
        <translation>Jahr</translation>
    </message>
</context>
<context>
    <name>PageGeneral</name>
    <message>
        <source>Units</source>
        <translation>Einheiten</translation>
    </message>
    <message>
        <source>Set the default units of all applications.</source>
        <translation>Legt die Standardeinheiten aller Anwendungen fest.</translation>
    </message>
    <message>
        <source>inches</source>
        <translation>Zoll</translation>
    </message>
    <message>
        <source>mm</source>
        <translation>mm</translation>
    </message>
    <message>
        <source>Display</source>
        <translation>Bildschirm</translation>
    </message>
    <message>
        <source>Brightness</source>
        <translation>Helligkeit</translation>
    </message>
    <message>
        <source>Adjust the display brightness.</source>
        <translation>Passt die Helligkeit des Bildschirms an.</translation>
    </message>
    <message>
        <source>Dimming</source>
        <translation>Abdunkeln</translation>
    </message>
    <message>
        <source>Dim the display when inactive after the selected time.</source>
        <translation>Dunkelt den Bildschirm nach der gewählten Zeit ohne Eingabe ab.</translation>
    </message>
    <message>
        <source>Power</source>
        <translation>Ausschalten</translation>
    </message>
    <message>
        <source>Turn the display off after the period of inactivity.</source>
        <translation>Schaltet den Bildschirm nach dieser Zeit ohne Eingabe aus.</translation>
    </message>
    <message>
        <source>Sharing</source>
        <translation>Freigabe</translation>
    </message>
    <message>
        <source>USB Shared Folder</source>
        <translation>USB-Freigabeordner</translation>
    </message>
    <message>
        <source>Create a shared drive between printer and PC</source>
        <translation>Erstellt ein gemeinsames Laufwerk für Drucker und PC</translation>
    </message>
    <message>
        <source>Home</source>
        <translation>Startseite</translation>
    </message>
    <message>
        <source>File / Folder</source>
        <translation>Datei / Ordner</translation>
    </message>
    <message>
        <source>Enable file and folder double click to open.</source>
        <translation>Dateien und Ordner per Doppeltippen öffnen.</translation>
    </message>
    <message>
        <source>Privacy</source>
        <translation>Datenschutz</translation>
    </message>
    <message>
        <source>Analytics</source>
        <translation>Analysedaten</translation>
    </message>
    <message>
        <source>Help improve Varnholt software development through anonymous analytics data.</source>
        <translation>Helfen Sie mit anonymen Analysedaten, die Software von Varnholt zu verbessern.</translation>
    </message>
    <message>
        <source>Initialization</source>
        <translation>Initialisierung</translation>
    </message>
    <message>
        <source>Enable first boot application on the next restart</source>
        <translation>Einrichtungsassistenten beim nächsten Neustart starten</translation>
    </message>
</context>
<context>
    <name>PageLanguages</name>
    <message>
        <source>Languages</source>
        <translation>Sprachen</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Sprache</translation>
    </message>
    <message>
        <source>Set the system language. Change requires a restart.</source>
        <translation>Legt die Systemsprache fest. Die Änderung erfordert einen Neustart.</translation>
    </message>
    <message>
        <source>Keyboard Layout</source>
        <translation>Tastaturbelegung</translation>
    </message>
    <message>
        <source>Set the system keyboard layout. Change requires a restart.</source>
        <translation>Legt die Tastaturbelegung des Systems fest. Die Änderung erfordert einen Neustart.</translation>
    </message>
</context>
<context>
    <name>PageNetworking</name>
    <message>
        <source>Ethernet</source>
        <translation>Ethernet</translation>
    </message>
    <message>
        <source>Wireless</source>
        <translation>WLAN</translation>
    </message>
</context>
<context>
    <name>PagePrinter</name>
    <message>
        <source>Printer Setup</source>
        <translation>Druckereinrichtung</translation>
    </message>
    <message>
        <source>Orientation</source>
        <translation>Ausrichtung</translation>
    </message>
    <message>
        <source>Cut</source>
        <translation>Schnitt</translation>
    </message>
    <message>
        <source>Mirror</source>
        <translation>Spiegeln</translation>
    </message>
    <message>
        <source>Negative</source>
        <translation>Negativ</translation>
    </message>
    <message>
        <source>Overprint</source>
        <translation>Überdrucken</translation>
    </message>
    <message>
        <source>White Base</source>
        <translation>Weißgrund</translation>
    </message>
    <message>
        <source>Print Quality</source>
        <translation>Druckqualität</translation>
    </message>
    <message>
        <source>Dithering Method</source>
        <translation>Rasterverfahren</translation>
    </message>
    <message>
        <source>Dithering methods affect the quality and speed of the print.</source>
        <translation>Das Rasterverfahren beeinflusst Qualität und Geschwindigkeit des Drucks.</translation>
    </message>
    <message>
        <source>Heat Intensity Offset</source>
        <translation>Heizstärke-Versatz</translation>
    </message>
    <message>
        <source>Adjust the heat offset from the nominal recommended setting.</source>
        <translation>Passt die Heizstärke gegenüber dem empfohlenen Nennwert an.</translation>
    </message>
</context>
<context>
    <name>PagePrinterAdvanced</name>
    <message>
        <source>Advanced</source>
        <translation>Erweitert</translation>
    </message>
    <message>
        <source>Tension Offset</source>
        <translation>Spannungsversatz</translation>
    </message>
    <message>
        <source>Adjust the tension offset of the ribbon.</source>
        <translation>Passt die Spannung des Farbbands an.</translation>
    </message>
    <message>
        <source>Ribbon Saver</source>
        <translation>Farbbandsparer</translation>
    </message>
    <message>
        <source>May decrease ribbon consumption.</source>
        <translation>Kann den Farbbandverbrauch senken.</translation>
    </message>
    <message>
        <source>BETA</source>
        <translation>BETA</translation>
    </message>
    <message>
        <source>Calibration</source>
        <translation>Kalibrierung</translation>
    </message>
    <message>
        <source>Calibrate the ribbon tach sensors. Recommended if your printer continues to display error 32, 33, 34 or 35</source>
        <translation>Kalibriert die Drehzahlsensoren des Farbbands. Empfohlen, wenn der Drucker weiterhin Fehler 32, 33, 34 oder 35 meldet</translation>
    </message>
    <message>
        <source>Calibrate Ribbon Sensor</source>
        <translation>Farbbandsensor kalibrieren</translation>
    </message>
    <message>
        <source>Calibrate the supply sensor. Recommended if your printer continues to display error 2 or 3.</source>
        <translation>Kalibriert den Materialsensor. Empfohlen, wenn der Drucker weiterhin Fehler 2 oder 3 meldet.</translation>
    </message>
    <message>
        <source>Calibrate Supply Sensor</source>
        <translation>Materialsensor kalibrieren</translation>
    </message>
    <message>
        <source>Reset Supply Sensor</source>
        <translation>Materialsensor zurücksetzen</translation>
    </message>
</context>
<context>
    <name>PagePrinterAlignment</name>
    <message>
        <source>Feed Offsets</source>
        <translation>Vorschubversatz</translation>
    </message>
    <message>
        <source>Backfeed</source>
        <translation>Rückzug</translation>
    </message>
    <message>
        <source>Adjust the backfeed amount after a cut.</source>
        <translation>Passt den Rückzug nach einem Schnitt an.</translation>
    </message>
    <message>
        <source>mm</source>
        <translation>mm</translation>
    </message>
    <message>
        <source>Feed</source>
        <translation>Vorschub</translation>
    </message>
    <message>
        <source>Adjust the feed amount before cutting.</source>
        <translation>Passt den Vorschub vor dem Schneiden an.</translation>
    </message>
</context>
<context>
    <name>PagePrinterPresets</name>
    <message>
        <source>Manage Presets</source>
        <translation>Voreinstellungen verwalten</translation>
    </message>
    <message>
        <source>Preset Selection</source>
        <translation>Voreinstellung wählen</translation>
    </message>
    <message>
        <source>Select a preset to modify or delete. Selecting &quot;Update&quot; will save the settings selected on Printer and Print Alignment pages to the currently selected preset.</source>
        <translation>Wählen Sie eine Voreinstellung zum Ändern oder Löschen. &quot;Aktualisieren&quot; speichert die Einstellungen der Seiten Drucker und Ausrichtung in der gewählten Voreinstellung.</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Löschen</translation>
    </message>
    <message>
        <source>Update</source>
        <translation>Aktualisieren</translation>
    </message>
    <message>
        <source>Create New Preset</source>
        <translation>Neue Voreinstellung anlegen</translation>
    </message>
    <message>
        <source>Preset Name</source>
        <translation>Name der Voreinstellung</translation>
    </message>
    <message>
        <source>Type the name of the preset you&apos;ll be creating. Clicking &quot;Add&quot; will create the new preset with settings selected in the Printer and Print Alignment pages.</source>
        <translation>Geben Sie den Namen der neuen Voreinstellung ein. &quot;Hinzufügen&quot; legt sie mit den Einstellungen der Seiten Drucker und Ausrichtung an.</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Hinzufügen</translation>
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
    <name>PrinterButtonBar</name>
    <message>
        <source>Print Test Page</source>
        <translation>Testseite drucken</translation>
    </message>
    <message>
        <source>Calibrate Supply</source>
        <translation>Material kalibrieren</translation>
    </message>
    <message>
        <source>Supply Status</source>
        <translation>Materialstatus</translation>
    </message>
</context>
<context>
    <name>PrintheadOffsetsComponent</name>
    <message>
        <source>Printhead Offsets</source>
        <translation>Druckkopfversatz</translation>
    </message>
    <message>
        <source>Horizontal</source>
        <translation>Horizontal</translation>
    </message>
    <message>
        <source>Shift the entire print horizontally.</source>
        <translation>Verschiebt den gesamten Druck waagerecht.</translation>
    </message>
    <message>
        <source>dots</source>
        <translation>Punkte</translation>
    </message>
    <message>
        <source>Vertical</source>
        <translation>Vertikal</translation>
    </message>
    <message>
        <source>Shift the entire print vertically.</source>
        <translation>Verschiebt den gesamten Druck senkrecht.</translation>
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
    <name>RestartHint</name>
    <message>
        <source>Please restart for this setting to take effect.</source>
        <translation>Bitte neu starten, damit die Einstellung wirksam wird.</translation>
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
    <name>VHWiFiAccessPointDelegate</name>
    <message>
        <source>Connected</source>
        <translation>Verbunden</translation>
    </message>
    <message>
        <source>Saved</source>
        <translation>Gespeichert</translation>
    </message>
</context>
<context>
    <name>VHWiFiDialog</name>
    <message>
        <source>Status</source>
        <translation>Status</translation>
    </message>
    <message>
        <source>Connected</source>
        <translation>Verbunden</translation>
    </message>
    <message>
        <source>Saved</source>
        <translation>Gespeichert</translation>
    </message>
    <message>
        <source>Not connected</source>
        <translation>Nicht verbunden</translation>
    </message>
    <message>
        <source>Security</source>
        <translation>Sicherheit</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Offen</translation>
    </message>
    <message>
        <source>Signal strength</source>
        <translation>Signalstärke</translation>
    </message>
    <message>
        <source>Access point</source>
        <translation>Zugangspunkt</translation>
    </message>
    <message>
        <source>IP address</source>
        <translation>IP-Adresse</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>Forget Network</source>
        <translation>Netzwerk vergessen</translation>
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
    <message>
        <source>Enter an address such as 192.168.1.20.</source>
        <translation>Geben Sie eine Adresse wie 192.168.1.20 ein.</translation>
    </message>
    <message>
        <source>This address names the whole network, not a device.</source>
        <translation>Diese Adresse bezeichnet das ganze Netzwerk, kein Gerät.</translation>
    </message>
    <message>
        <source>Enter a netmask such as 255.255.255.0.</source>
        <translation>Geben Sie eine Netzmaske wie 255.255.255.0 ein.</translation>
    </message>
    <message>
        <source>Enter the router&apos;s address, such as 192.168.1.1.</source>
        <translation>Geben Sie die Adresse des Routers ein, z. B. 192.168.1.1.</translation>
    </message>
    <message>
        <source>The gateway must be in the same network as the address.</source>
        <translation>Das Gateway muss im selben Netzwerk liegen wie die Adresse.</translation>
    </message>
    <message>
        <source>The gateway cannot be the printer&apos;s own address.</source>
        <translation>Das Gateway kann nicht die Adresse des Druckers sein.</translation>
    </message>
    <message>
        <source>Obtain the address automatically (DHCP)</source>
        <translation>Adresse automatisch beziehen (DHCP)</translation>
    </message>
    <message>
        <source>IP address</source>
        <translation>IP-Adresse</translation>
    </message>
    <message>
        <source>Netmask</source>
        <translation>Netzmaske</translation>
    </message>
    <message>
        <source>Gateway</source>
        <translation>Gateway</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Speichern</translation>
    </message>
</context>
<context>
    <name>VHWiFiDialogPassword</name>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>This network is open: no password is needed.</source>
        <translation>Dieses Netzwerk ist offen: Es wird kein Passwort benötigt.</translation>
    </message>
    <message>
        <source>The password of this network is saved. Type a new one only if it has changed.</source>
        <translation>Das Passwort dieses Netzwerks ist gespeichert. Geben Sie nur dann ein neues ein, wenn es sich geändert hat.</translation>
    </message>
    <message>
        <source>Enter the password of this network.</source>
        <translation>Geben Sie das Passwort dieses Netzwerks ein.</translation>
    </message>
    <message>
        <source>Saved password</source>
        <translation>Gespeichertes Passwort</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Passwort</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>Connect</source>
        <translation>Verbinden</translation>
    </message>
</context>
<context>
    <name>WifiClientIPC</name>
    <message>
        <source>No Wi-Fi device is available.</source>
        <translation>Es ist kein WLAN-Gerät vorhanden.</translation>
    </message>
    <message>
        <source>%1 is out of range.</source>
        <translation>%1 ist außer Reichweite.</translation>
    </message>
    <message>
        <source>Connecting to %1 …</source>
        <translation>Verbinde mit %1 …</translation>
    </message>
    <message>
        <source>%1 needs a sign-in that this printer does not support.</source>
        <translation>%1 verlangt eine Anmeldung, die dieser Drucker nicht unterstützt.</translation>
    </message>
    <message>
        <source>Enter the password of %1.</source>
        <translation>Geben Sie das Passwort von %1 ein.</translation>
    </message>
    <message>
        <source>This cannot be the password of %1: check its length.</source>
        <translation>Das kann nicht das Passwort von %1 sein: Prüfen Sie seine Länge.</translation>
    </message>
    <message>
        <source>Could not connect to %1.</source>
        <translation>Verbindung mit %1 fehlgeschlagen.</translation>
    </message>
    <message>
        <source>Connected to %1.</source>
        <translation>Mit %1 verbunden.</translation>
    </message>
    <message>
        <source>The password of %1 was not accepted.</source>
        <translation>Das Passwort von %1 wurde nicht angenommen.</translation>
    </message>
</context>
</TS>
