<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="nl_NL">
<context>
    <name>AddUserContainer</name>
    <message>
        <source>User already exists</source>
        <translation>Gebruiker bestaat al</translation>
    </message>
    <message>
        <source>Invalid username</source>
        <translation>Ongeldige gebruikersnaam</translation>
    </message>
    <message>
        <source>Invalid password</source>
        <translation>Ongeldig wachtwoord</translation>
    </message>
    <message>
        <source>Invalid Username &amp; Password</source>
        <translation>Naam &amp; wachtwoord ongeldig</translation>
    </message>
    <message>
        <source>Passwords do not match</source>
        <translation>Wachtwoorden komen niet overeen</translation>
    </message>
    <message>
        <source>Username</source>
        <translation>Gebruikersnaam</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Wachtwoord</translation>
    </message>
    <message>
        <source>Confirm Password</source>
        <translation>Wachtwoord bevestigen</translation>
    </message>
    <message>
        <source>Lock</source>
        <translation>Vergrendelen</translation>
    </message>
    <message>
        <source>Add User</source>
        <translation>Gebruiker toevoegen</translation>
    </message>
</context>
<context>
    <name>DeleteUserDialog</name>
    <message>
        <source>Delete User?</source>
        <translation>Gebruiker verwijderen?</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuleren</translation>
    </message>
    <message>
        <source>Delete User</source>
        <translation>Gebruiker verwijderen</translation>
    </message>
</context>
<context>
    <name>MSDInfoDialog</name>
    <message>
        <source>Information</source>
        <translation>Informatie</translation>
    </message>
    <message>
        <source>File share is accessible on host computer when connected.</source>
        <translation>De gedeelde map is toegankelijk op de hostcomputer zolang de printer verbonden is.</translation>
    </message>
    <message>
        <source>File share is accessible on printer when disconnected from host computer.</source>
        <translation>De gedeelde map is toegankelijk op de printer wanneer deze niet met de hostcomputer verbonden is.</translation>
    </message>
    <message>
        <source>Max capacity 200MB.</source>
        <translation>Max. capaciteit 200 MB.</translation>
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
        <translation>Instellingen</translation>
    </message>
</context>
<context>
    <name>ModelDisplayTimeouts</name>
    <message>
        <source>1 minute</source>
        <translation>1 minuut</translation>
    </message>
    <message>
        <source>2 minutes</source>
        <translation>2 minuten</translation>
    </message>
    <message>
        <source>3 minutes</source>
        <translation>3 minuten</translation>
    </message>
    <message>
        <source>5 minutes</source>
        <translation>5 minuten</translation>
    </message>
    <message>
        <source>10 minutes</source>
        <translation>10 minuten</translation>
    </message>
    <message>
        <source>20 minutes</source>
        <translation>20 minuten</translation>
    </message>
    <message>
        <source>30 minutes</source>
        <translation>30 minuten</translation>
    </message>
    <message>
        <source>45 minutes</source>
        <translation>45 minuten</translation>
    </message>
    <message>
        <source>1 hour</source>
        <translation>1 uur</translation>
    </message>
    <message>
        <source>2 hours</source>
        <translation>2 uur</translation>
    </message>
    <message>
        <source>3 hours</source>
        <translation>3 uur</translation>
    </message>
    <message>
        <source>Never</source>
        <translation>Nooit</translation>
    </message>
</context>
<context>
    <name>ModelMainSidebar</name>
    <message>
        <source>General</source>
        <translation>Algemeen</translation>
    </message>
    <message>
        <source>Printer</source>
        <translation>Printer</translation>
    </message>
    <message>
        <source>Alignment</source>
        <translation>Uitlijning</translation>
    </message>
    <message>
        <source>Presets</source>
        <translation>Voorinstellingen</translation>
    </message>
    <message>
        <source>Advanced</source>
        <translation>Geavanceerd</translation>
    </message>
    <message>
        <source>Date &amp; Time</source>
        <translation>Datum en tijd</translation>
    </message>
    <message>
        <source>Networking</source>
        <translation>Netwerk</translation>
    </message>
    <message>
        <source>Updates</source>
        <translation>Updates</translation>
    </message>
    <message>
        <source>Languages</source>
        <translation>Talen</translation>
    </message>
    <message>
        <source>Users</source>
        <translation>Gebruikers</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Info</translation>
    </message>
</context>
<context>
    <name>ModifyUserDialog</name>
    <message>
        <source>Invalid new password. Please try something else.</source>
        <translation>Ongeldig nieuw wachtwoord. Kies een ander wachtwoord.</translation>
    </message>
    <message>
        <source>Passwords do not match.</source>
        <translation>Wachtwoorden komen niet overeen.</translation>
    </message>
    <message>
        <source>Incorrect password.</source>
        <translation>Onjuist wachtwoord.</translation>
    </message>
    <message>
        <source>Change User Password</source>
        <translation>Gebruikerswachtwoord wijzigen</translation>
    </message>
    <message>
        <source>Old Password</source>
        <translation>Oud wachtwoord</translation>
    </message>
    <message>
        <source>New Password</source>
        <translation>Nieuw wachtwoord</translation>
    </message>
    <message>
        <source>Confirm Password</source>
        <translation>Wachtwoord bevestigen</translation>
    </message>
    <message>
        <source>Change Password</source>
        <translation>Wachtwoord wijzigen</translation>
    </message>
</context>
<context>
    <name>PageAbout</name>
    <message>
        <source>Model:</source>
        <translation>Model:</translation>
    </message>
    <message>
        <source>Serial Number:</source>
        <translation>Serienummer:</translation>
    </message>
    <message>
        <source>Version:</source>
        <translation>Versie:</translation>
    </message>
    <message>
        <source>Available Storage:</source>
        <translation>Beschikbare opslag:</translation>
    </message>
    <message>
        <source>Ethernet Address:</source>
        <translation>Ethernetadres:</translation>
    </message>
    <message>
        <source>Wireless Address:</source>
        <translation>Wifi-adres:</translation>
    </message>
    <message>
        <source>Head 1 Offsets (Backstop, Horizontal, BlackMark, Gap, Heat):</source>
        <translation>Offsets printkop 1 (aanslag, horizontaal, zwarte markering, tussenruimte, warmte):</translation>
    </message>
    <message>
        <source>Offsets (Backstop, Horizontal, BlackMark, Gap, Heat):</source>
        <translation>Offsets (aanslag, horizontaal, zwarte markering, tussenruimte, warmte):</translation>
    </message>
    <message>
        <source>Head 2 Offsets (Backstop, Horizontal, BlackMark, Gap, Heat):</source>
        <translation>Offsets printkop 2 (aanslag, horizontaal, zwarte markering, tussenruimte, warmte):</translation>
    </message>
    <message>
        <source>Calibration Values (TachL, TachH, CutT, SupT, SupR):</source>
        <translation>Kalibratiewaarden (TachL, TachH, CutT, SupT, SupR):</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Info</translation>
    </message>
</context>
<context>
    <name>PageDateTime</name>
    <message>
        <source>Date and Time</source>
        <translation>Datum en tijd</translation>
    </message>
    <message>
        <source>24 Hour Time</source>
        <translation>24-uursnotatie</translation>
    </message>
    <message>
        <source>Change the displayed times format on the top bar.</source>
        <translation>Tijdnotatie in de bovenste balk wijzigen.</translation>
    </message>
    <message>
        <source>Time Zone</source>
        <translation>Tijdzone</translation>
    </message>
    <message>
        <source>Set the current time zone.</source>
        <translation>Huidige tijdzone instellen.</translation>
    </message>
    <message>
        <source>Date Format</source>
        <translation>Datumnotatie</translation>
    </message>
    <message>
        <source>Change the format of the date</source>
        <translation>Notatie van de datum wijzigen</translation>
    </message>
    <message>
        <source>Set Date and Time Automatically</source>
        <translation>Datum en tijd automatisch instellen</translation>
    </message>
    <message>
        <source>Requires a valid internet connection.</source>
        <translation>Vereist een werkende internetverbinding.</translation>
    </message>
    <message>
        <source>Hours</source>
        <translation>Uren</translation>
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
        <translation>Maand</translation>
    </message>
    <message>
        <source>January</source>
        <translation>januari</translation>
    </message>
    <message>
        <source>February</source>
        <translation>februari</translation>
    </message>
    <message>
        <source>March</source>
        <translation>maart</translation>
    </message>
    <message>
        <source>April</source>
        <translation>april</translation>
    </message>
    <message>
        <source>May</source>
        <translation>mei</translation>
    </message>
    <message>
        <source>June</source>
        <translation>juni</translation>
    </message>
    <message>
        <source>July</source>
        <translation>juli</translation>
    </message>
    <message>
        <source>August</source>
        <translation>augustus</translation>
    </message>
    <message>
        <source>September</source>
        <translation>september</translation>
    </message>
    <message>
        <source>October</source>
        <translation>oktober</translation>
    </message>
    <message>
        <source>November</source>
        <translation>november</translation>
    </message>
    <message>
        <source>December</source>
        <translation>december</translation>
    </message>
    <message>
        <source>Day</source>
        <translation>Dag</translation>
    </message>
    <message>
        <source>Year</source>
        <translation>Jaar</translation>
    </message>
</context>
<context>
    <name>PageGeneral</name>
    <message>
        <source>Units</source>
        <translation>Eenheden</translation>
    </message>
    <message>
        <source>Set the default units of all applications.</source>
        <translation>Standaardeenheden voor alle toepassingen instellen.</translation>
    </message>
    <message>
        <source>inches</source>
        <translation>inch</translation>
    </message>
    <message>
        <source>mm</source>
        <translation>mm</translation>
    </message>
    <message>
        <source>Display</source>
        <translation>Scherm</translation>
    </message>
    <message>
        <source>Brightness</source>
        <translation>Helderheid</translation>
    </message>
    <message>
        <source>Adjust the display brightness.</source>
        <translation>Helderheid van het scherm aanpassen.</translation>
    </message>
    <message>
        <source>Dimming</source>
        <translation>Dimmen</translation>
    </message>
    <message>
        <source>Dim the display when inactive after the selected time.</source>
        <translation>Scherm dimmen na de gekozen tijd zonder activiteit.</translation>
    </message>
    <message>
        <source>Power</source>
        <translation>Uitschakelen</translation>
    </message>
    <message>
        <source>Turn the display off after the period of inactivity.</source>
        <translation>Scherm uitschakelen na de gekozen tijd zonder activiteit.</translation>
    </message>
    <message>
        <source>Sharing</source>
        <translation>Delen</translation>
    </message>
    <message>
        <source>USB Shared Folder</source>
        <translation>Gedeelde USB-map</translation>
    </message>
    <message>
        <source>Create a shared drive between printer and PC</source>
        <translation>Een gedeeld station voor printer en pc maken</translation>
    </message>
    <message>
        <source>Home</source>
        <translation>Startscherm</translation>
    </message>
    <message>
        <source>File / Folder</source>
        <translation>Bestand / map</translation>
    </message>
    <message>
        <source>Enable file and folder double click to open.</source>
        <translation>Bestanden en mappen openen door dubbel te tikken.</translation>
    </message>
    <message>
        <source>Privacy</source>
        <translation>Privacy</translation>
    </message>
    <message>
        <source>Analytics</source>
        <translation>Analysegegevens</translation>
    </message>
    <message>
        <source>Help improve Varnholt software development through anonymous analytics data.</source>
        <translation>Help de software van Varnholt te verbeteren met anonieme analysegegevens.</translation>
    </message>
    <message>
        <source>Initialization</source>
        <translation>Initialisatie</translation>
    </message>
    <message>
        <source>Enable first boot application on the next restart</source>
        <translation>Configuratieassistent bij de volgende herstart starten</translation>
    </message>
</context>
<context>
    <name>PageLanguages</name>
    <message>
        <source>Languages</source>
        <translation>Talen</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Taal</translation>
    </message>
    <message>
        <source>Set the system language. Change requires a restart.</source>
        <translation>Systeemtaal instellen. Een wijziging vereist een herstart.</translation>
    </message>
    <message>
        <source>Keyboard Layout</source>
        <translation>Toetsenbordindeling</translation>
    </message>
    <message>
        <source>Set the system keyboard layout. Change requires a restart.</source>
        <translation>Toetsenbordindeling van het systeem instellen. Een wijziging vereist een herstart.</translation>
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
        <translation>Wifi</translation>
    </message>
</context>
<context>
    <name>PagePrinter</name>
    <message>
        <source>Printer Setup</source>
        <translation>Printerinstellingen</translation>
    </message>
    <message>
        <source>Orientation</source>
        <translation>Afdrukstand</translation>
    </message>
    <message>
        <source>Cut</source>
        <translation>Snijden</translation>
    </message>
    <message>
        <source>Mirror</source>
        <translation>Spiegelen</translation>
    </message>
    <message>
        <source>Negative</source>
        <translation>Negatief</translation>
    </message>
    <message>
        <source>Overprint</source>
        <translation>Overdrukken</translation>
    </message>
    <message>
        <source>White Base</source>
        <translation>Witte ondergrond</translation>
    </message>
    <message>
        <source>Print Quality</source>
        <translation>Afdrukkwaliteit</translation>
    </message>
    <message>
        <source>Dithering Method</source>
        <translation>Ditheringmethode</translation>
    </message>
    <message>
        <source>Dithering methods affect the quality and speed of the print.</source>
        <translation>De ditheringmethode beïnvloedt de kwaliteit en snelheid van het afdrukken.</translation>
    </message>
    <message>
        <source>Heat Intensity Offset</source>
        <translation>Offset warmte-intensiteit</translation>
    </message>
    <message>
        <source>Adjust the heat offset from the nominal recommended setting.</source>
        <translation>Warmte aanpassen ten opzichte van de aanbevolen nominale instelling.</translation>
    </message>
</context>
<context>
    <name>PagePrinterAdvanced</name>
    <message>
        <source>Advanced</source>
        <translation>Geavanceerd</translation>
    </message>
    <message>
        <source>Tension Offset</source>
        <translation>Spanningsoffset</translation>
    </message>
    <message>
        <source>Adjust the tension offset of the ribbon.</source>
        <translation>Spanning van het lint aanpassen.</translation>
    </message>
    <message>
        <source>Ribbon Saver</source>
        <translation>Lintbesparing</translation>
    </message>
    <message>
        <source>May decrease ribbon consumption.</source>
        <translation>Kan het lintverbruik verminderen.</translation>
    </message>
    <message>
        <source>BETA</source>
        <translation>BETA</translation>
    </message>
    <message>
        <source>Calibration</source>
        <translation>Kalibratie</translation>
    </message>
    <message>
        <source>Calibrate the ribbon tach sensors. Recommended if your printer continues to display error 32, 33, 34 or 35</source>
        <translation>De toerentalsensoren van het lint kalibreren. Aanbevolen als de printer fout 32, 33, 34 of 35 blijft melden</translation>
    </message>
    <message>
        <source>Calibrate Ribbon Sensor</source>
        <translation>Lintsensor kalibreren</translation>
    </message>
    <message>
        <source>Calibrate the supply sensor. Recommended if your printer continues to display error 2 or 3.</source>
        <translation>De mediasensor kalibreren. Aanbevolen als de printer fout 2 of 3 blijft melden.</translation>
    </message>
    <message>
        <source>Calibrate Supply Sensor</source>
        <translation>Mediasensor kalibreren</translation>
    </message>
    <message>
        <source>Reset Supply Sensor</source>
        <translation>Mediasensor resetten</translation>
    </message>
</context>
<context>
    <name>PagePrinterAlignment</name>
    <message>
        <source>Feed Offsets</source>
        <translation>Doorvoeroffsets</translation>
    </message>
    <message>
        <source>Backfeed</source>
        <translation>Terugvoer</translation>
    </message>
    <message>
        <source>Adjust the backfeed amount after a cut.</source>
        <translation>Terugvoer na het snijden aanpassen.</translation>
    </message>
    <message>
        <source>mm</source>
        <translation>mm</translation>
    </message>
    <message>
        <source>Feed</source>
        <translation>Doorvoer</translation>
    </message>
    <message>
        <source>Adjust the feed amount before cutting.</source>
        <translation>Doorvoer vóór het snijden aanpassen.</translation>
    </message>
</context>
<context>
    <name>PagePrinterPresets</name>
    <message>
        <source>Manage Presets</source>
        <translation>Voorinstellingen beheren</translation>
    </message>
    <message>
        <source>Preset Selection</source>
        <translation>Voorinstelling kiezen</translation>
    </message>
    <message>
        <source>Select a preset to modify or delete. Selecting &quot;Update&quot; will save the settings selected on Printer and Print Alignment pages to the currently selected preset.</source>
        <translation>Kies een voorinstelling om te wijzigen of te verwijderen. Met &quot;Bijwerken&quot; worden de instellingen van de pagina&apos;s Printer en Uitlijning in de gekozen voorinstelling opgeslagen.</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Verwijderen</translation>
    </message>
    <message>
        <source>Update</source>
        <translation>Bijwerken</translation>
    </message>
    <message>
        <source>Create New Preset</source>
        <translation>Nieuwe voorinstelling maken</translation>
    </message>
    <message>
        <source>Preset Name</source>
        <translation>Naam voorinstelling</translation>
    </message>
    <message>
        <source>Type the name of the preset you&apos;ll be creating. Clicking &quot;Add&quot; will create the new preset with settings selected in the Printer and Print Alignment pages.</source>
        <translation>Typ de naam van de nieuwe voorinstelling. Met &quot;Toevoegen&quot; wordt deze gemaakt met de instellingen van de pagina&apos;s Printer en Uitlijning.</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Toevoegen</translation>
    </message>
</context>
<context>
    <name>PageUpdates</name>
    <message>
        <source>Updates Available</source>
        <translation>Updates beschikbaar</translation>
    </message>
    <message>
        <source>Install Updates</source>
        <translation>Updates installeren</translation>
    </message>
    <message>
        <source>System Updates</source>
        <translation>Systeemupdates</translation>
    </message>
    <message>
        <source>Last Checked: </source>
        <translation>Laatst gecontroleerd: </translation>
    </message>
    <message>
        <source>Never</source>
        <translation>Nooit</translation>
    </message>
    <message>
        <source>Current Version:</source>
        <translation>Huidige versie:</translation>
    </message>
    <message>
        <source>Available Version:</source>
        <translation>Beschikbare versie:</translation>
    </message>
    <message>
        <source>Please restart the system to complete the update.</source>
        <translation>Start het systeem opnieuw op om de update te voltooien.</translation>
    </message>
    <message>
        <source>Check For Updates Automatically</source>
        <translation>Automatisch controleren op updates</translation>
    </message>
    <message>
        <source>Requires a valid internet connection.</source>
        <translation>Vereist een werkende internetverbinding.</translation>
    </message>
    <message>
        <source>Update Finished</source>
        <translation>Update voltooid</translation>
    </message>
    <message>
        <source>Up To Date</source>
        <translation>Up-to-date</translation>
    </message>
    <message>
        <source>Re-install Update</source>
        <translation>Update opnieuw installeren</translation>
    </message>
    <message>
        <source>Check For Updates</source>
        <translation>Controleren op updates</translation>
    </message>
    <message>
        <source>Checking for updates...</source>
        <translation>Controleren op updates...</translation>
    </message>
    <message>
        <source>Updating, Please Wait...</source>
        <translation>Bijwerken, even geduld...</translation>
    </message>
    <message>
        <source>Error Updating</source>
        <translation>Updatefout</translation>
    </message>
</context>
<context>
    <name>PageUsers</name>
    <message>
        <source>Users and Passwords</source>
        <translation>Gebruikers en wachtwoorden</translation>
    </message>
    <message>
        <source>There are currently no users.
Adding a user will prompt for a login on reboot.</source>
        <translation>Er zijn momenteel geen gebruikers.
Na het toevoegen van een gebruiker wordt bij het opstarten om aanmelding gevraagd.</translation>
    </message>
</context>
<context>
    <name>PrinterButtonBar</name>
    <message>
        <source>Print Test Page</source>
        <translation>Testpagina afdrukken</translation>
    </message>
    <message>
        <source>Calibrate Supply</source>
        <translation>Media kalibreren</translation>
    </message>
    <message>
        <source>Supply Status</source>
        <translation>Mediastatus</translation>
    </message>
</context>
<context>
    <name>PrintheadOffsetsComponent</name>
    <message>
        <source>Printhead Offsets</source>
        <translation>Printkopoffsets</translation>
    </message>
    <message>
        <source>Horizontal</source>
        <translation>Horizontaal</translation>
    </message>
    <message>
        <source>Shift the entire print horizontally.</source>
        <translation>De volledige afdruk horizontaal verschuiven.</translation>
    </message>
    <message>
        <source>dots</source>
        <translation>punten</translation>
    </message>
    <message>
        <source>Vertical</source>
        <translation>Verticaal</translation>
    </message>
    <message>
        <source>Shift the entire print vertically.</source>
        <translation>De volledige afdruk verticaal verschuiven.</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>Landscape</source>
        <translation>Liggend</translation>
    </message>
    <message>
        <source>Landscape 180</source>
        <translation>Liggend 180</translation>
    </message>
    <message>
        <source>Portrait</source>
        <translation>Staand</translation>
    </message>
    <message>
        <source>Portrait 180</source>
        <translation>Staand 180</translation>
    </message>
    <message>
        <source>Cut After Job</source>
        <translation>Snijden na taak</translation>
    </message>
    <message>
        <source>Cut After Page</source>
        <translation>Snijden na pagina</translation>
    </message>
    <message>
        <source>No Cut</source>
        <translation>Niet snijden</translation>
    </message>
    <message>
        <source>Dither</source>
        <comment>Dither method name</comment>
        <translation>dithering</translation>
    </message>
    <message>
        <source>Ordered Dither</source>
        <comment>Ordered Dither method name</comment>
        <translation>geordende dithering</translation>
    </message>
</context>
<context>
    <name>RestartHint</name>
    <message>
        <source>Please restart for this setting to take effect.</source>
        <translation>Start opnieuw op om deze instelling toe te passen.</translation>
    </message>
</context>
<context>
    <name>UpdateHelper</name>
    <message>
        <source>No update source is configured.</source>
        <translation>Er is geen updatebron ingesteld.</translation>
    </message>
    <message>
        <source>The update source offers no valid release.</source>
        <translation>De updatebron biedt geen geldige versie.</translation>
    </message>
    <message>
        <source>No update is available. Check for updates first.</source>
        <translation>Geen update beschikbaar. Controleer eerst op updates.</translation>
    </message>
    <message>
        <source>The update could not be installed.</source>
        <translation>De update kon niet worden geïnstalleerd.</translation>
    </message>
    <message>
        <source>The update source cannot be reached.</source>
        <translation>De updatebron is niet bereikbaar.</translation>
    </message>
    <message>
        <source>The update could not be downloaded.</source>
        <translation>De update kon niet worden gedownload.</translation>
    </message>
    <message>
        <source>The downloaded update is damaged.</source>
        <translation>De gedownloade update is beschadigd.</translation>
    </message>
    <message>
        <source>The update could not be stored on this device.</source>
        <translation>De update kon niet op dit apparaat worden opgeslagen.</translation>
    </message>
</context>
<context>
    <name>VHLocaleLanguages</name>
    <message>
        <source>English (US)</source>
        <translation>Engels (VS)</translation>
    </message>
    <message>
        <source>English (US, international)</source>
        <translation>Engels (VS, internationaal)</translation>
    </message>
    <message>
        <source>English (Dvorak)</source>
        <translation>Engels (Dvorak)</translation>
    </message>
    <message>
        <source>English (UK)</source>
        <translation>Engels (VK)</translation>
    </message>
    <message>
        <source>German</source>
        <translation>Duits</translation>
    </message>
    <message>
        <source>German (no dead keys)</source>
        <translation>Duits (zonder dode toetsen)</translation>
    </message>
    <message>
        <source>French</source>
        <translation>Frans</translation>
    </message>
    <message>
        <source>Spanish</source>
        <translation>Spaans</translation>
    </message>
    <message>
        <source>Italian</source>
        <translation>Italiaans</translation>
    </message>
    <message>
        <source>Portuguese (Brazil)</source>
        <translation>Portugees (Brazilië)</translation>
    </message>
    <message>
        <source>Dutch</source>
        <translation>Nederlands</translation>
    </message>
    <message>
        <source>Polish</source>
        <translation>Pools</translation>
    </message>
    <message>
        <source>Swedish</source>
        <translation>Zweeds</translation>
    </message>
    <message>
        <source>Japanese</source>
        <translation>Japans</translation>
    </message>
</context>
<context>
    <name>VHWiFiAccessPointDelegate</name>
    <message>
        <source>Connected</source>
        <translation>Verbonden</translation>
    </message>
    <message>
        <source>Saved</source>
        <translation>Opgeslagen</translation>
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
        <translation>Verbonden</translation>
    </message>
    <message>
        <source>Saved</source>
        <translation>Opgeslagen</translation>
    </message>
    <message>
        <source>Not connected</source>
        <translation>Niet verbonden</translation>
    </message>
    <message>
        <source>Security</source>
        <translation>Beveiliging</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Open</translation>
    </message>
    <message>
        <source>Signal strength</source>
        <translation>Signaalsterkte</translation>
    </message>
    <message>
        <source>Access point</source>
        <translation>Toegangspunt</translation>
    </message>
    <message>
        <source>IP address</source>
        <translation>IP-adres</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Sluiten</translation>
    </message>
    <message>
        <source>Forget Network</source>
        <translation>Netwerk vergeten</translation>
    </message>
</context>
<context>
    <name>VHWiFiDialogEthernet</name>
    <message>
        <source>Enter an address such as 192.168.1.20.</source>
        <translation>Voer een adres in, zoals 192.168.1.20.</translation>
    </message>
    <message>
        <source>This address names the whole network, not a device.</source>
        <translation>Dit adres duidt het hele netwerk aan, geen apparaat.</translation>
    </message>
    <message>
        <source>Enter a netmask such as 255.255.255.0.</source>
        <translation>Voer een netmasker in, zoals 255.255.255.0.</translation>
    </message>
    <message>
        <source>Enter the router&apos;s address, such as 192.168.1.1.</source>
        <translation>Voer het adres van de router in, zoals 192.168.1.1.</translation>
    </message>
    <message>
        <source>The gateway must be in the same network as the address.</source>
        <translation>De gateway moet in hetzelfde netwerk liggen als het adres.</translation>
    </message>
    <message>
        <source>The gateway cannot be the printer&apos;s own address.</source>
        <translation>De gateway kan niet het eigen adres van de printer zijn.</translation>
    </message>
    <message>
        <source>Ethernet Settings</source>
        <translation>Ethernetinstellingen</translation>
    </message>
    <message>
        <source>Obtain the address automatically (DHCP)</source>
        <translation>Adres automatisch verkrijgen (DHCP)</translation>
    </message>
    <message>
        <source>IP address</source>
        <translation>IP-adres</translation>
    </message>
    <message>
        <source>Netmask</source>
        <translation>Netmasker</translation>
    </message>
    <message>
        <source>Gateway</source>
        <translation>Gateway</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuleren</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Opslaan</translation>
    </message>
</context>
<context>
    <name>VHWiFiDialogPassword</name>
    <message>
        <source>This network is open: no password is needed.</source>
        <translation>Dit netwerk is open: er is geen wachtwoord nodig.</translation>
    </message>
    <message>
        <source>The password of this network is saved. Type a new one only if it has changed.</source>
        <translation>Het wachtwoord van dit netwerk is opgeslagen. Typ alleen een nieuw wachtwoord als het gewijzigd is.</translation>
    </message>
    <message>
        <source>Enter the password of this network.</source>
        <translation>Voer het wachtwoord van dit netwerk in.</translation>
    </message>
    <message>
        <source>Saved password</source>
        <translation>Opgeslagen wachtwoord</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Wachtwoord</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Sluiten</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuleren</translation>
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
        <translation>Er is geen wifi-apparaat beschikbaar.</translation>
    </message>
    <message>
        <source>%1 is out of range.</source>
        <translation>%1 is buiten bereik.</translation>
    </message>
    <message>
        <source>Connecting to %1 …</source>
        <translation>Verbinden met %1 …</translation>
    </message>
    <message>
        <source>%1 needs a sign-in that this printer does not support.</source>
        <translation>%1 vereist een aanmelding die deze printer niet ondersteunt.</translation>
    </message>
    <message>
        <source>Enter the password of %1.</source>
        <translation>Voer het wachtwoord van %1 in.</translation>
    </message>
    <message>
        <source>This cannot be the password of %1: check its length.</source>
        <translation>Dit kan niet het wachtwoord van %1 zijn: controleer de lengte.</translation>
    </message>
    <message>
        <source>Could not connect to %1.</source>
        <translation>Kan geen verbinding maken met %1.</translation>
    </message>
    <message>
        <source>Connected to %1.</source>
        <translation>Verbonden met %1.</translation>
    </message>
    <message>
        <source>The password of %1 was not accepted.</source>
        <translation>Het wachtwoord van %1 is niet geaccepteerd.</translation>
    </message>
</context>
</TS>
