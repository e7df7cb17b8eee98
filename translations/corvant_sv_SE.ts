<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="sv_SE">
<context>
    <name>AddUserContainer</name>
    <message>
        <source>User already exists</source>
        <translation>Användaren finns redan</translation>
    </message>
    <message>
        <source>Invalid username</source>
        <translation>Ogiltigt användarnamn</translation>
    </message>
    <message>
        <source>Invalid password</source>
        <translation>Ogiltigt lösenord</translation>
    </message>
    <message>
        <source>Invalid Username &amp; Password</source>
        <translation>Ogiltigt namn och lösenord</translation>
    </message>
    <message>
        <source>Passwords do not match</source>
        <translation>Lösenorden stämmer inte överens</translation>
    </message>
    <message>
        <source>Username</source>
        <translation>Användarnamn</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Lösenord</translation>
    </message>
    <message>
        <source>Confirm Password</source>
        <translation>Bekräfta lösenord</translation>
    </message>
    <message>
        <source>Lock</source>
        <translation>Lås</translation>
    </message>
    <message>
        <source>Add User</source>
        <translation>Lägg till användare</translation>
    </message>
</context>
<context>
    <name>DeleteUserDialog</name>
    <message>
        <source>Delete User?</source>
        <translation>Ta bort användare?</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Avbryt</translation>
    </message>
    <message>
        <source>Delete User</source>
        <translation>Ta bort användare</translation>
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
        <translation>Den delade mappen är tillgänglig på värddatorn när skrivaren är ansluten.</translation>
    </message>
    <message>
        <source>File share is accessible on printer when disconnected from host computer.</source>
        <translation>Den delade mappen är tillgänglig på skrivaren när den är frånkopplad från värddatorn.</translation>
    </message>
    <message>
        <source>Max capacity 200MB.</source>
        <translation>Max. kapacitet 200 MB.</translation>
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
        <translation>Inställningar</translation>
    </message>
</context>
<context>
    <name>ModelDisplayTimeouts</name>
    <message>
        <source>1 minute</source>
        <translation>1 minut</translation>
    </message>
    <message>
        <source>2 minutes</source>
        <translation>2 minuter</translation>
    </message>
    <message>
        <source>3 minutes</source>
        <translation>3 minuter</translation>
    </message>
    <message>
        <source>5 minutes</source>
        <translation>5 minuter</translation>
    </message>
    <message>
        <source>10 minutes</source>
        <translation>10 minuter</translation>
    </message>
    <message>
        <source>20 minutes</source>
        <translation>20 minuter</translation>
    </message>
    <message>
        <source>30 minutes</source>
        <translation>30 minuter</translation>
    </message>
    <message>
        <source>45 minutes</source>
        <translation>45 minuter</translation>
    </message>
    <message>
        <source>1 hour</source>
        <translation>1 timme</translation>
    </message>
    <message>
        <source>2 hours</source>
        <translation>2 timmar</translation>
    </message>
    <message>
        <source>3 hours</source>
        <translation>3 timmar</translation>
    </message>
    <message>
        <source>Never</source>
        <translation>Aldrig</translation>
    </message>
</context>
<context>
    <name>ModelMainSidebar</name>
    <message>
        <source>General</source>
        <translation>Allmänt</translation>
    </message>
    <message>
        <source>Printer</source>
        <translation>Skrivare</translation>
    </message>
    <message>
        <source>Alignment</source>
        <translation>Inriktning</translation>
    </message>
    <message>
        <source>Presets</source>
        <translation>Förinställningar</translation>
    </message>
    <message>
        <source>Advanced</source>
        <translation>Avancerat</translation>
    </message>
    <message>
        <source>Date &amp; Time</source>
        <translation>Datum och tid</translation>
    </message>
    <message>
        <source>Networking</source>
        <translation>Nätverk</translation>
    </message>
    <message>
        <source>Updates</source>
        <translation>Uppdateringar</translation>
    </message>
    <message>
        <source>Languages</source>
        <translation>Språk</translation>
    </message>
    <message>
        <source>Users</source>
        <translation>Användare</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Om skrivaren</translation>
    </message>
</context>
<context>
    <name>ModifyUserDialog</name>
    <message>
        <source>Invalid new password. Please try something else.</source>
        <translation>Ogiltigt nytt lösenord. Välj ett annat.</translation>
    </message>
    <message>
        <source>Passwords do not match.</source>
        <translation>Lösenorden stämmer inte överens.</translation>
    </message>
    <message>
        <source>Incorrect password.</source>
        <translation>Fel lösenord.</translation>
    </message>
    <message>
        <source>Change User Password</source>
        <translation>Byt användarlösenord</translation>
    </message>
    <message>
        <source>Old Password</source>
        <translation>Nuvarande lösenord</translation>
    </message>
    <message>
        <source>New Password</source>
        <translation>Nytt lösenord</translation>
    </message>
    <message>
        <source>Confirm Password</source>
        <translation>Bekräfta lösenord</translation>
    </message>
    <message>
        <source>Change Password</source>
        <translation>Byt lösenord</translation>
    </message>
</context>
<context>
    <name>PageAbout</name>
    <message>
        <source>Model:</source>
        <translation>Modell:</translation>
    </message>
    <message>
        <source>Serial Number:</source>
        <translation>Serienummer:</translation>
    </message>
    <message>
        <source>Version:</source>
        <translation>Version:</translation>
    </message>
    <message>
        <source>Available Storage:</source>
        <translation>Tillgängligt utrymme:</translation>
    </message>
    <message>
        <source>Ethernet Address:</source>
        <translation>Ethernetadress:</translation>
    </message>
    <message>
        <source>Wireless Address:</source>
        <translation>Wi-Fi-adress:</translation>
    </message>
    <message>
        <source>Head 1 Offsets (Backstop, Horizontal, BlackMark, Gap, Heat):</source>
        <translation>Justeringar för huvud 1 (bakstopp, horisontell, svart markering, mellanrum, värme):</translation>
    </message>
    <message>
        <source>Offsets (Backstop, Horizontal, BlackMark, Gap, Heat):</source>
        <translation>Justeringar (bakstopp, horisontell, svart markering, mellanrum, värme):</translation>
    </message>
    <message>
        <source>Head 2 Offsets (Backstop, Horizontal, BlackMark, Gap, Heat):</source>
        <translation>Justeringar för huvud 2 (bakstopp, horisontell, svart markering, mellanrum, värme):</translation>
    </message>
    <message>
        <source>Calibration Values (TachL, TachH, CutT, SupT, SupR):</source>
        <translation>Kalibreringsvärden (TachL, TachH, CutT, SupT, SupR):</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Om skrivaren</translation>
    </message>
</context>
<context>
    <name>PageDateTime</name>
    <message>
        <source>Date and Time</source>
        <translation>Datum och tid</translation>
    </message>
    <message>
        <source>24 Hour Time</source>
        <translation>24-timmarsformat</translation>
    </message>
    <message>
        <source>Change the displayed times format on the top bar.</source>
        <translation>Ändra tidsformatet i fältet högst upp.</translation>
    </message>
    <message>
        <source>Time Zone</source>
        <translation>Tidszon</translation>
    </message>
    <message>
        <source>Set the current time zone.</source>
        <translation>Ange aktuell tidszon.</translation>
    </message>
    <message>
        <source>Date Format</source>
        <translation>Datumformat</translation>
    </message>
    <message>
        <source>Change the format of the date</source>
        <translation>Ändra datumformatet</translation>
    </message>
    <message>
        <source>Set Date and Time Automatically</source>
        <translation>Ställ in datum och tid automatiskt</translation>
    </message>
    <message>
        <source>Requires a valid internet connection.</source>
        <translation>Kräver en fungerande internetanslutning.</translation>
    </message>
    <message>
        <source>Hours</source>
        <translation>Timmar</translation>
    </message>
    <message>
        <source>Minutes</source>
        <translation>Minuter</translation>
    </message>
    <message>
        <source>AM</source>
        <translation>fm</translation>
    </message>
    <message>
        <source>PM</source>
        <translation>em</translation>
    </message>
    <message>
        <source>Month</source>
        <translation>Månad</translation>
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
        <translation>mars</translation>
    </message>
    <message>
        <source>April</source>
        <translation>april</translation>
    </message>
    <message>
        <source>May</source>
        <translation>maj</translation>
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
        <translation>augusti</translation>
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
        <translation>År</translation>
    </message>
</context>
<context>
    <name>PageGeneral</name>
    <message>
        <source>Units</source>
        <translation>Enheter</translation>
    </message>
    <message>
        <source>Set the default units of all applications.</source>
        <translation>Ange standardenheter för alla program.</translation>
    </message>
    <message>
        <source>inches</source>
        <translation>tum</translation>
    </message>
    <message>
        <source>mm</source>
        <translation>mm</translation>
    </message>
    <message>
        <source>Display</source>
        <translation>Skärm</translation>
    </message>
    <message>
        <source>Brightness</source>
        <translation>Ljusstyrka</translation>
    </message>
    <message>
        <source>Adjust the display brightness.</source>
        <translation>Justera skärmens ljusstyrka.</translation>
    </message>
    <message>
        <source>Dimming</source>
        <translation>Nedtoning</translation>
    </message>
    <message>
        <source>Dim the display when inactive after the selected time.</source>
        <translation>Tona ned skärmen efter den valda tiden utan aktivitet.</translation>
    </message>
    <message>
        <source>Power</source>
        <translation>Avstängning</translation>
    </message>
    <message>
        <source>Turn the display off after the period of inactivity.</source>
        <translation>Stäng av skärmen efter den valda tiden utan aktivitet.</translation>
    </message>
    <message>
        <source>Sharing</source>
        <translation>Delning</translation>
    </message>
    <message>
        <source>USB Shared Folder</source>
        <translation>Delad USB-mapp</translation>
    </message>
    <message>
        <source>Create a shared drive between printer and PC</source>
        <translation>Skapa en delad enhet mellan skrivare och dator</translation>
    </message>
    <message>
        <source>Home</source>
        <translation>Hemskärm</translation>
    </message>
    <message>
        <source>File / Folder</source>
        <translation>Fil / mapp</translation>
    </message>
    <message>
        <source>Enable file and folder double click to open.</source>
        <translation>Öppna filer och mappar genom att dubbeltrycka.</translation>
    </message>
    <message>
        <source>Privacy</source>
        <translation>Integritet</translation>
    </message>
    <message>
        <source>Analytics</source>
        <translation>Analysdata</translation>
    </message>
    <message>
        <source>Help improve Varnholt software development through anonymous analytics data.</source>
        <translation>Hjälp till att förbättra Varnholts programvara genom anonyma analysdata.</translation>
    </message>
    <message>
        <source>Initialization</source>
        <translation>Initiering</translation>
    </message>
    <message>
        <source>Enable first boot application on the next restart</source>
        <translation>Starta installationsguiden vid nästa omstart</translation>
    </message>
</context>
<context>
    <name>PageLanguages</name>
    <message>
        <source>Languages</source>
        <translation>Språk</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Språk</translation>
    </message>
    <message>
        <source>Set the system language. Change requires a restart.</source>
        <translation>Ange systemspråk. Ändringen kräver omstart.</translation>
    </message>
    <message>
        <source>Keyboard Layout</source>
        <translation>Tangentbordslayout</translation>
    </message>
    <message>
        <source>Set the system keyboard layout. Change requires a restart.</source>
        <translation>Ange systemets tangentbordslayout. Ändringen kräver omstart.</translation>
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
        <translation>Wi-Fi</translation>
    </message>
</context>
<context>
    <name>PagePrinter</name>
    <message>
        <source>Printer Setup</source>
        <translation>Skrivarinställningar</translation>
    </message>
    <message>
        <source>Orientation</source>
        <translation>Orientering</translation>
    </message>
    <message>
        <source>Cut</source>
        <translation>Skärning</translation>
    </message>
    <message>
        <source>Mirror</source>
        <translation>Spegelvänd</translation>
    </message>
    <message>
        <source>Negative</source>
        <translation>Negativ</translation>
    </message>
    <message>
        <source>Overprint</source>
        <translation>Övertryck</translation>
    </message>
    <message>
        <source>White Base</source>
        <translation>Vitt underlag</translation>
    </message>
    <message>
        <source>Print Quality</source>
        <translation>Utskriftskvalitet</translation>
    </message>
    <message>
        <source>Dithering Method</source>
        <translation>Ditheringmetod</translation>
    </message>
    <message>
        <source>Dithering methods affect the quality and speed of the print.</source>
        <translation>Ditheringmetoden påverkar utskriftens kvalitet och hastighet.</translation>
    </message>
    <message>
        <source>Heat Intensity Offset</source>
        <translation>Värmejustering</translation>
    </message>
    <message>
        <source>Adjust the heat offset from the nominal recommended setting.</source>
        <translation>Justera värmen i förhållande till den rekommenderade nominella inställningen.</translation>
    </message>
</context>
<context>
    <name>PagePrinterAdvanced</name>
    <message>
        <source>Advanced</source>
        <translation>Avancerat</translation>
    </message>
    <message>
        <source>Tension Offset</source>
        <translation>Spänningsjustering</translation>
    </message>
    <message>
        <source>Adjust the tension offset of the ribbon.</source>
        <translation>Justera färgbandets spänning.</translation>
    </message>
    <message>
        <source>Ribbon Saver</source>
        <translation>Färgbandsbesparing</translation>
    </message>
    <message>
        <source>May decrease ribbon consumption.</source>
        <translation>Kan minska förbrukningen av färgband.</translation>
    </message>
    <message>
        <source>BETA</source>
        <translation>BETA</translation>
    </message>
    <message>
        <source>Calibration</source>
        <translation>Kalibrering</translation>
    </message>
    <message>
        <source>Calibrate the ribbon tach sensors. Recommended if your printer continues to display error 32, 33, 34 or 35</source>
        <translation>Kalibrera färgbandets varvtalssensorer. Rekommenderas om skrivaren fortsätter att visa fel 32, 33, 34 eller 35</translation>
    </message>
    <message>
        <source>Calibrate Ribbon Sensor</source>
        <translation>Kalibrera färgbandssensor</translation>
    </message>
    <message>
        <source>Calibrate the supply sensor. Recommended if your printer continues to display error 2 or 3.</source>
        <translation>Kalibrera mediasensorn. Rekommenderas om skrivaren fortsätter att visa fel 2 eller 3.</translation>
    </message>
    <message>
        <source>Calibrate Supply Sensor</source>
        <translation>Kalibrera mediasensor</translation>
    </message>
    <message>
        <source>Reset Supply Sensor</source>
        <translation>Återställ mediasensor</translation>
    </message>
</context>
<context>
    <name>PagePrinterAlignment</name>
    <message>
        <source>Feed Offsets</source>
        <translation>Matningsjustering</translation>
    </message>
    <message>
        <source>Backfeed</source>
        <translation>Bakmatning</translation>
    </message>
    <message>
        <source>Adjust the backfeed amount after a cut.</source>
        <translation>Justera bakmatningen efter skärning.</translation>
    </message>
    <message>
        <source>mm</source>
        <translation>mm</translation>
    </message>
    <message>
        <source>Feed</source>
        <translation>Matning</translation>
    </message>
    <message>
        <source>Adjust the feed amount before cutting.</source>
        <translation>Justera matningen före skärning.</translation>
    </message>
</context>
<context>
    <name>PagePrinterPresets</name>
    <message>
        <source>Manage Presets</source>
        <translation>Hantera förinställningar</translation>
    </message>
    <message>
        <source>Preset Selection</source>
        <translation>Val av förinställning</translation>
    </message>
    <message>
        <source>Select a preset to modify or delete. Selecting &quot;Update&quot; will save the settings selected on Printer and Print Alignment pages to the currently selected preset.</source>
        <translation>Välj en förinställning att ändra eller ta bort. ”Uppdatera” sparar inställningarna från sidorna Skrivare och Inriktning i den valda förinställningen.</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Ta bort</translation>
    </message>
    <message>
        <source>Update</source>
        <translation>Uppdatera</translation>
    </message>
    <message>
        <source>Create New Preset</source>
        <translation>Skapa ny förinställning</translation>
    </message>
    <message>
        <source>Preset Name</source>
        <translation>Namn på förinställning</translation>
    </message>
    <message>
        <source>Type the name of the preset you&apos;ll be creating. Clicking &quot;Add&quot; will create the new preset with settings selected in the Printer and Print Alignment pages.</source>
        <translation>Skriv namnet på den nya förinställningen. ”Lägg till” skapar den med inställningarna från sidorna Skrivare och Inriktning.</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Lägg till</translation>
    </message>
</context>
<context>
    <name>PageUpdates</name>
    <message>
        <source>Updates Available</source>
        <translation>Uppdateringar tillgängliga</translation>
    </message>
    <message>
        <source>Install Updates</source>
        <translation>Installera</translation>
    </message>
    <message>
        <source>System Updates</source>
        <translation>Systemuppdateringar</translation>
    </message>
    <message>
        <source>Last Checked: </source>
        <translation>Senast sökt: </translation>
    </message>
    <message>
        <source>Never</source>
        <translation>Aldrig</translation>
    </message>
    <message>
        <source>Current Version:</source>
        <translation>Aktuell version:</translation>
    </message>
    <message>
        <source>Available Version:</source>
        <translation>Tillgänglig version:</translation>
    </message>
    <message>
        <source>Please restart the system to complete the update.</source>
        <translation>Starta om systemet för att slutföra uppdateringen.</translation>
    </message>
    <message>
        <source>Check For Updates Automatically</source>
        <translation>Sök efter uppdateringar automatiskt</translation>
    </message>
    <message>
        <source>Requires a valid internet connection.</source>
        <translation>Kräver en fungerande internetanslutning.</translation>
    </message>
    <message>
        <source>Update Finished</source>
        <translation>Uppdateringen är klar</translation>
    </message>
    <message>
        <source>Up To Date</source>
        <translation>Systemet är uppdaterat</translation>
    </message>
    <message>
        <source>Re-install Update</source>
        <translation>Installera om</translation>
    </message>
    <message>
        <source>Check For Updates</source>
        <translation>Sök efter uppdateringar</translation>
    </message>
    <message>
        <source>Checking for updates...</source>
        <translation>Söker efter uppdateringar...</translation>
    </message>
    <message>
        <source>Updating, Please Wait...</source>
        <translation>Uppdaterar, vänta...</translation>
    </message>
    <message>
        <source>Error Updating</source>
        <translation>Fel vid uppdatering</translation>
    </message>
</context>
<context>
    <name>PageUsers</name>
    <message>
        <source>Users and Passwords</source>
        <translation>Användare och lösenord</translation>
    </message>
    <message>
        <source>There are currently no users.
Adding a user will prompt for a login on reboot.</source>
        <translation>Det finns inga användare just nu.
När en användare har lagts till krävs inloggning vid omstart.</translation>
    </message>
</context>
<context>
    <name>PrinterButtonBar</name>
    <message>
        <source>Print Test Page</source>
        <translation>Skriv ut testsida</translation>
    </message>
    <message>
        <source>Calibrate Supply</source>
        <translation>Kalibrera media</translation>
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
        <translation>Skrivhuvudsförskjutning</translation>
    </message>
    <message>
        <source>Horizontal</source>
        <translation>Horisontell</translation>
    </message>
    <message>
        <source>Shift the entire print horizontally.</source>
        <translation>Flytta hela utskriften horisontellt.</translation>
    </message>
    <message>
        <source>dots</source>
        <translation>punkter</translation>
    </message>
    <message>
        <source>Vertical</source>
        <translation>Vertikal</translation>
    </message>
    <message>
        <source>Shift the entire print vertically.</source>
        <translation>Flytta hela utskriften vertikalt.</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>Landscape</source>
        <translation>Liggande</translation>
    </message>
    <message>
        <source>Landscape 180</source>
        <translation>Liggande 180</translation>
    </message>
    <message>
        <source>Portrait</source>
        <translation>Stående</translation>
    </message>
    <message>
        <source>Portrait 180</source>
        <translation>Stående 180</translation>
    </message>
    <message>
        <source>Cut After Job</source>
        <translation>Skär efter jobb</translation>
    </message>
    <message>
        <source>Cut After Page</source>
        <translation>Skär efter sida</translation>
    </message>
    <message>
        <source>No Cut</source>
        <translation>Ingen skärning</translation>
    </message>
    <message>
        <source>Dither</source>
        <comment>Dither method name</comment>
        <translation>dithering</translation>
    </message>
    <message>
        <source>Ordered Dither</source>
        <comment>Ordered Dither method name</comment>
        <translation>ordnad dithering</translation>
    </message>
</context>
<context>
    <name>RestartHint</name>
    <message>
        <source>Please restart for this setting to take effect.</source>
        <translation>Starta om för att inställningen ska börja gälla.</translation>
    </message>
</context>
<context>
    <name>UpdateHelper</name>
    <message>
        <source>No update source is configured.</source>
        <translation>Ingen uppdateringskälla har konfigurerats.</translation>
    </message>
    <message>
        <source>The update source offers no valid release.</source>
        <translation>Uppdateringskällan erbjuder ingen giltig version.</translation>
    </message>
    <message>
        <source>No update is available. Check for updates first.</source>
        <translation>Ingen uppdatering är tillgänglig. Sök efter uppdateringar först.</translation>
    </message>
    <message>
        <source>The update could not be installed.</source>
        <translation>Uppdateringen kunde inte installeras.</translation>
    </message>
    <message>
        <source>The update source cannot be reached.</source>
        <translation>Det går inte att nå uppdateringskällan.</translation>
    </message>
    <message>
        <source>The update could not be downloaded.</source>
        <translation>Uppdateringen kunde inte laddas ned.</translation>
    </message>
    <message>
        <source>The downloaded update is damaged.</source>
        <translation>Den nedladdade uppdateringen är skadad.</translation>
    </message>
    <message>
        <source>The update could not be stored on this device.</source>
        <translation>Uppdateringen kunde inte sparas på den här enheten.</translation>
    </message>
</context>
<context>
    <name>VHLocaleLanguages</name>
    <message>
        <source>English (US)</source>
        <translation>Engelska (USA)</translation>
    </message>
    <message>
        <source>English (US, international)</source>
        <translation>Engelska (USA, internationell)</translation>
    </message>
    <message>
        <source>English (Dvorak)</source>
        <translation>Engelska (Dvorak)</translation>
    </message>
    <message>
        <source>English (UK)</source>
        <translation>Engelska (Storbritannien)</translation>
    </message>
    <message>
        <source>German</source>
        <translation>Tyska</translation>
    </message>
    <message>
        <source>German (no dead keys)</source>
        <translation>Tyska (utan döda tangenter)</translation>
    </message>
    <message>
        <source>French</source>
        <translation>Franska</translation>
    </message>
    <message>
        <source>Spanish</source>
        <translation>Spanska</translation>
    </message>
    <message>
        <source>Italian</source>
        <translation>Italienska</translation>
    </message>
    <message>
        <source>Portuguese (Brazil)</source>
        <translation>Portugisiska (Brasilien)</translation>
    </message>
    <message>
        <source>Dutch</source>
        <translation>Nederländska</translation>
    </message>
    <message>
        <source>Polish</source>
        <translation>Polska</translation>
    </message>
    <message>
        <source>Swedish</source>
        <translation>Svenska</translation>
    </message>
    <message>
        <source>Japanese</source>
        <translation>Japanska</translation>
    </message>
</context>
<context>
    <name>VHWiFiAccessPointDelegate</name>
    <message>
        <source>Connected</source>
        <translation>Ansluten</translation>
    </message>
    <message>
        <source>Saved</source>
        <translation>Sparad</translation>
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
        <translation>Ansluten</translation>
    </message>
    <message>
        <source>Saved</source>
        <translation>Sparad</translation>
    </message>
    <message>
        <source>Not connected</source>
        <translation>Inte ansluten</translation>
    </message>
    <message>
        <source>Security</source>
        <translation>Säkerhet</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Ingen</translation>
    </message>
    <message>
        <source>Signal strength</source>
        <translation>Signalstyrka</translation>
    </message>
    <message>
        <source>Access point</source>
        <translation>Åtkomstpunkt</translation>
    </message>
    <message>
        <source>IP address</source>
        <translation>IP-adress</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Stäng</translation>
    </message>
    <message>
        <source>Forget Network</source>
        <translation>Glöm nätverk</translation>
    </message>
</context>
<context>
    <name>VHWiFiDialogEthernet</name>
    <message>
        <source>Enter an address such as 192.168.1.20.</source>
        <translation>Ange en adress, t.ex. 192.168.1.20.</translation>
    </message>
    <message>
        <source>This address names the whole network, not a device.</source>
        <translation>Adressen avser hela nätverket, inte en enhet.</translation>
    </message>
    <message>
        <source>Enter a netmask such as 255.255.255.0.</source>
        <translation>Ange en nätmask, t.ex. 255.255.255.0.</translation>
    </message>
    <message>
        <source>Enter the router&apos;s address, such as 192.168.1.1.</source>
        <translation>Ange routerns adress, t.ex. 192.168.1.1.</translation>
    </message>
    <message>
        <source>The gateway must be in the same network as the address.</source>
        <translation>Gatewayen måste finnas i samma nätverk som adressen.</translation>
    </message>
    <message>
        <source>The gateway cannot be the printer&apos;s own address.</source>
        <translation>Gatewayen kan inte vara skrivarens egen adress.</translation>
    </message>
    <message>
        <source>Ethernet Settings</source>
        <translation>Ethernetinställningar</translation>
    </message>
    <message>
        <source>Obtain the address automatically (DHCP)</source>
        <translation>Hämta adress automatiskt (DHCP)</translation>
    </message>
    <message>
        <source>IP address</source>
        <translation>IP-adress</translation>
    </message>
    <message>
        <source>Netmask</source>
        <translation>Nätmask</translation>
    </message>
    <message>
        <source>Gateway</source>
        <translation>Gateway</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Avbryt</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Spara</translation>
    </message>
</context>
<context>
    <name>VHWiFiDialogPassword</name>
    <message>
        <source>This network is open: no password is needed.</source>
        <translation>Nätverket är öppet: inget lösenord behövs.</translation>
    </message>
    <message>
        <source>The password of this network is saved. Type a new one only if it has changed.</source>
        <translation>Lösenordet för nätverket är sparat. Ange ett nytt endast om det har ändrats.</translation>
    </message>
    <message>
        <source>Enter the password of this network.</source>
        <translation>Ange lösenordet för nätverket.</translation>
    </message>
    <message>
        <source>Saved password</source>
        <translation>Sparat lösenord</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Lösenord</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Stäng</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Avbryt</translation>
    </message>
    <message>
        <source>Connect</source>
        <translation>Anslut</translation>
    </message>
</context>
<context>
    <name>WifiClientIPC</name>
    <message>
        <source>No Wi-Fi device is available.</source>
        <translation>Ingen Wi-Fi-enhet är tillgänglig.</translation>
    </message>
    <message>
        <source>%1 is out of range.</source>
        <translation>%1 är utom räckhåll.</translation>
    </message>
    <message>
        <source>Connecting to %1 …</source>
        <translation>Ansluter till %1 …</translation>
    </message>
    <message>
        <source>%1 needs a sign-in that this printer does not support.</source>
        <translation>%1 kräver en inloggning som skrivaren inte stöder.</translation>
    </message>
    <message>
        <source>Enter the password of %1.</source>
        <translation>Ange lösenordet för %1.</translation>
    </message>
    <message>
        <source>This cannot be the password of %1: check its length.</source>
        <translation>Det här kan inte vara lösenordet för %1: kontrollera längden.</translation>
    </message>
    <message>
        <source>Could not connect to %1.</source>
        <translation>Det gick inte att ansluta till %1.</translation>
    </message>
    <message>
        <source>Connected to %1.</source>
        <translation>Ansluten till %1.</translation>
    </message>
    <message>
        <source>The password of %1 was not accepted.</source>
        <translation>Lösenordet för %1 godkändes inte.</translation>
    </message>
</context>
</TS>
