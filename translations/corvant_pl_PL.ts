<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pl_PL">
<context>
    <name>AddUserContainer</name>
    <message>
        <source>User already exists</source>
        <translation>Użytkownik już istnieje</translation>
    </message>
    <message>
        <source>Invalid username</source>
        <translation>Nieprawidłowa nazwa użytkownika</translation>
    </message>
    <message>
        <source>Invalid password</source>
        <translation>Nieprawidłowe hasło</translation>
    </message>
    <message>
        <source>Invalid Username &amp; Password</source>
        <translation>Nazwa i hasło nieprawidłowe</translation>
    </message>
    <message>
        <source>Passwords do not match</source>
        <translation>Hasła nie są zgodne</translation>
    </message>
    <message>
        <source>Username</source>
        <translation>Nazwa użytkownika</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Hasło</translation>
    </message>
    <message>
        <source>Confirm Password</source>
        <translation>Potwierdź hasło</translation>
    </message>
    <message>
        <source>Lock</source>
        <translation>Zablokuj</translation>
    </message>
    <message>
        <source>Add User</source>
        <translation>Dodaj użytkownika</translation>
    </message>
</context>
<context>
    <name>DeleteUserDialog</name>
    <message>
        <source>Delete User?</source>
        <translation>Usunąć użytkownika?</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Anuluj</translation>
    </message>
    <message>
        <source>Delete User</source>
        <translation>Usuń użytkownika</translation>
    </message>
</context>
<context>
    <name>MSDInfoDialog</name>
    <message>
        <source>Information</source>
        <translation>Informacje</translation>
    </message>
    <message>
        <source>File share is accessible on host computer when connected.</source>
        <translation>Udostępniony folder jest dostępny na komputerze hosta, gdy drukarka jest podłączona.</translation>
    </message>
    <message>
        <source>File share is accessible on printer when disconnected from host computer.</source>
        <translation>Udostępniony folder jest dostępny na drukarce po odłączeniu jej od komputera hosta.</translation>
    </message>
    <message>
        <source>Max capacity 200MB.</source>
        <translation>Maks. pojemność 200 MB.</translation>
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
        <translation>Ustawienia</translation>
    </message>
</context>
<context>
    <name>ModelDisplayTimeouts</name>
    <message>
        <source>1 minute</source>
        <translation>1 minuta</translation>
    </message>
    <message>
        <source>2 minutes</source>
        <translation>2 minuty</translation>
    </message>
    <message>
        <source>3 minutes</source>
        <translation>3 minuty</translation>
    </message>
    <message>
        <source>5 minutes</source>
        <translation>5 minut</translation>
    </message>
    <message>
        <source>10 minutes</source>
        <translation>10 minut</translation>
    </message>
    <message>
        <source>20 minutes</source>
        <translation>20 minut</translation>
    </message>
    <message>
        <source>30 minutes</source>
        <translation>30 minut</translation>
    </message>
    <message>
        <source>45 minutes</source>
        <translation>45 minut</translation>
    </message>
    <message>
        <source>1 hour</source>
        <translation>1 godzina</translation>
    </message>
    <message>
        <source>2 hours</source>
        <translation>2 godziny</translation>
    </message>
    <message>
        <source>3 hours</source>
        <translation>3 godziny</translation>
    </message>
    <message>
        <source>Never</source>
        <translation>Nigdy</translation>
    </message>
</context>
<context>
    <name>ModelMainSidebar</name>
    <message>
        <source>General</source>
        <translation>Ogólne</translation>
    </message>
    <message>
        <source>Printer</source>
        <translation>Drukarka</translation>
    </message>
    <message>
        <source>Alignment</source>
        <translation>Wyrównanie</translation>
    </message>
    <message>
        <source>Presets</source>
        <translation>Profile</translation>
    </message>
    <message>
        <source>Advanced</source>
        <translation>Zaawansowane</translation>
    </message>
    <message>
        <source>Date &amp; Time</source>
        <translation>Data i godzina</translation>
    </message>
    <message>
        <source>Networking</source>
        <translation>Sieć</translation>
    </message>
    <message>
        <source>Updates</source>
        <translation>Aktualizacje</translation>
    </message>
    <message>
        <source>Languages</source>
        <translation>Języki</translation>
    </message>
    <message>
        <source>Users</source>
        <translation>Użytkownicy</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Informacje</translation>
    </message>
</context>
<context>
    <name>ModifyUserDialog</name>
    <message>
        <source>Invalid new password. Please try something else.</source>
        <translation>Nieprawidłowe nowe hasło. Wybierz inne.</translation>
    </message>
    <message>
        <source>Passwords do not match.</source>
        <translation>Hasła nie są zgodne.</translation>
    </message>
    <message>
        <source>Incorrect password.</source>
        <translation>Błędne hasło.</translation>
    </message>
    <message>
        <source>Change User Password</source>
        <translation>Zmiana hasła użytkownika</translation>
    </message>
    <message>
        <source>Old Password</source>
        <translation>Stare hasło</translation>
    </message>
    <message>
        <source>New Password</source>
        <translation>Nowe hasło</translation>
    </message>
    <message>
        <source>Confirm Password</source>
        <translation>Potwierdź hasło</translation>
    </message>
    <message>
        <source>Change Password</source>
        <translation>Zmień hasło</translation>
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
        <translation>Numer seryjny:</translation>
    </message>
    <message>
        <source>Version:</source>
        <translation>Wersja:</translation>
    </message>
    <message>
        <source>Available Storage:</source>
        <translation>Dostępna pamięć:</translation>
    </message>
    <message>
        <source>Ethernet Address:</source>
        <translation>Adres Ethernet:</translation>
    </message>
    <message>
        <source>Wireless Address:</source>
        <translation>Adres Wi-Fi:</translation>
    </message>
    <message>
        <source>Head 1 Offsets (Backstop, Horizontal, BlackMark, Gap, Heat):</source>
        <translation>Korekty głowicy 1 (ogranicznik, poziomo, czarny znacznik, przerwa, grzanie):</translation>
    </message>
    <message>
        <source>Offsets (Backstop, Horizontal, BlackMark, Gap, Heat):</source>
        <translation>Korekty (ogranicznik, poziomo, czarny znacznik, przerwa, grzanie):</translation>
    </message>
    <message>
        <source>Head 2 Offsets (Backstop, Horizontal, BlackMark, Gap, Heat):</source>
        <translation>Korekty głowicy 2 (ogranicznik, poziomo, czarny znacznik, przerwa, grzanie):</translation>
    </message>
    <message>
        <source>Calibration Values (TachL, TachH, CutT, SupT, SupR):</source>
        <translation>Wartości kalibracji (TachL, TachH, CutT, SupT, SupR):</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Informacje</translation>
    </message>
</context>
<context>
    <name>PageDateTime</name>
    <message>
        <source>Date and Time</source>
        <translation>Data i godzina</translation>
    </message>
    <message>
        <source>24 Hour Time</source>
        <translation>Format 24-godzinny</translation>
    </message>
    <message>
        <source>Change the displayed times format on the top bar.</source>
        <translation>Zmienia format godziny na górnym pasku.</translation>
    </message>
    <message>
        <source>Time Zone</source>
        <translation>Strefa czasowa</translation>
    </message>
    <message>
        <source>Set the current time zone.</source>
        <translation>Ustawia bieżącą strefę czasową.</translation>
    </message>
    <message>
        <source>Date Format</source>
        <translation>Format daty</translation>
    </message>
    <message>
        <source>Change the format of the date</source>
        <translation>Zmienia format daty</translation>
    </message>
    <message>
        <source>Set Date and Time Automatically</source>
        <translation>Automatyczne ustawianie daty i godziny</translation>
    </message>
    <message>
        <source>Requires a valid internet connection.</source>
        <translation>Wymaga działającego połączenia z internetem.</translation>
    </message>
    <message>
        <source>Hours</source>
        <translation>Godziny</translation>
    </message>
    <message>
        <source>Minutes</source>
        <translation>Minuty</translation>
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
        <translation>Miesiąc</translation>
    </message>
    <message>
        <source>January</source>
        <translation>styczeń</translation>
    </message>
    <message>
        <source>February</source>
        <translation>luty</translation>
    </message>
    <message>
        <source>March</source>
        <translation>marzec</translation>
    </message>
    <message>
        <source>April</source>
        <translation>kwiecień</translation>
    </message>
    <message>
        <source>May</source>
        <translation>maj</translation>
    </message>
    <message>
        <source>June</source>
        <translation>czerwiec</translation>
    </message>
    <message>
        <source>July</source>
        <translation>lipiec</translation>
    </message>
    <message>
        <source>August</source>
        <translation>sierpień</translation>
    </message>
    <message>
        <source>September</source>
        <translation>wrzesień</translation>
    </message>
    <message>
        <source>October</source>
        <translation>październik</translation>
    </message>
    <message>
        <source>November</source>
        <translation>listopad</translation>
    </message>
    <message>
        <source>December</source>
        <translation>grudzień</translation>
    </message>
    <message>
        <source>Day</source>
        <translation>Dzień</translation>
    </message>
    <message>
        <source>Year</source>
        <translation>Rok</translation>
    </message>
</context>
<context>
    <name>PageGeneral</name>
    <message>
        <source>Units</source>
        <translation>Jednostki</translation>
    </message>
    <message>
        <source>Set the default units of all applications.</source>
        <translation>Ustawia domyślne jednostki wszystkich aplikacji.</translation>
    </message>
    <message>
        <source>inches</source>
        <translation>cale</translation>
    </message>
    <message>
        <source>mm</source>
        <translation>mm</translation>
    </message>
    <message>
        <source>Display</source>
        <translation>Ekran</translation>
    </message>
    <message>
        <source>Brightness</source>
        <translation>Jasność</translation>
    </message>
    <message>
        <source>Adjust the display brightness.</source>
        <translation>Reguluje jasność ekranu.</translation>
    </message>
    <message>
        <source>Dimming</source>
        <translation>Przyciemnianie</translation>
    </message>
    <message>
        <source>Dim the display when inactive after the selected time.</source>
        <translation>Przyciemnia ekran po wybranym czasie bezczynności.</translation>
    </message>
    <message>
        <source>Power</source>
        <translation>Wyłączanie</translation>
    </message>
    <message>
        <source>Turn the display off after the period of inactivity.</source>
        <translation>Wyłącza ekran po wybranym czasie bezczynności.</translation>
    </message>
    <message>
        <source>Sharing</source>
        <translation>Udostępnianie</translation>
    </message>
    <message>
        <source>USB Shared Folder</source>
        <translation>Udostępniony folder USB</translation>
    </message>
    <message>
        <source>Create a shared drive between printer and PC</source>
        <translation>Tworzy dysk wspólny dla drukarki i komputera</translation>
    </message>
    <message>
        <source>Home</source>
        <translation>Ekran główny</translation>
    </message>
    <message>
        <source>File / Folder</source>
        <translation>Plik / folder</translation>
    </message>
    <message>
        <source>Enable file and folder double click to open.</source>
        <translation>Otwieranie plików i folderów dwukrotnym dotknięciem.</translation>
    </message>
    <message>
        <source>Privacy</source>
        <translation>Prywatność</translation>
    </message>
    <message>
        <source>Analytics</source>
        <translation>Dane analityczne</translation>
    </message>
    <message>
        <source>Help improve Varnholt software development through anonymous analytics data.</source>
        <translation>Anonimowe dane analityczne pomagają ulepszać oprogramowanie Varnholt.</translation>
    </message>
    <message>
        <source>Initialization</source>
        <translation>Inicjalizacja</translation>
    </message>
    <message>
        <source>Enable first boot application on the next restart</source>
        <translation>Kreator konfiguracji przy następnym uruchomieniu</translation>
    </message>
</context>
<context>
    <name>PageLanguages</name>
    <message>
        <source>Languages</source>
        <translation>Języki</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Język</translation>
    </message>
    <message>
        <source>Set the system language. Change requires a restart.</source>
        <translation>Ustawia język systemu. Zmiana wymaga ponownego uruchomienia.</translation>
    </message>
    <message>
        <source>Keyboard Layout</source>
        <translation>Układ klawiatury</translation>
    </message>
    <message>
        <source>Set the system keyboard layout. Change requires a restart.</source>
        <translation>Ustawia układ klawiatury systemu. Zmiana wymaga ponownego uruchomienia.</translation>
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
        <translation>Konfiguracja drukarki</translation>
    </message>
    <message>
        <source>Orientation</source>
        <translation>Orientacja</translation>
    </message>
    <message>
        <source>Cut</source>
        <translation>Cięcie</translation>
    </message>
    <message>
        <source>Mirror</source>
        <translation>Odbicie lustrzane</translation>
    </message>
    <message>
        <source>Negative</source>
        <translation>Negatyw</translation>
    </message>
    <message>
        <source>Overprint</source>
        <translation>Nadrukowanie</translation>
    </message>
    <message>
        <source>White Base</source>
        <translation>Biały podkład</translation>
    </message>
    <message>
        <source>Print Quality</source>
        <translation>Jakość druku</translation>
    </message>
    <message>
        <source>Dithering Method</source>
        <translation>Metoda ditheringu</translation>
    </message>
    <message>
        <source>Dithering methods affect the quality and speed of the print.</source>
        <translation>Metoda ditheringu wpływa na jakość i szybkość druku.</translation>
    </message>
    <message>
        <source>Heat Intensity Offset</source>
        <translation>Korekta grzania</translation>
    </message>
    <message>
        <source>Adjust the heat offset from the nominal recommended setting.</source>
        <translation>Koryguje intensywność grzania względem zalecanej wartości nominalnej.</translation>
    </message>
</context>
<context>
    <name>PagePrinterAdvanced</name>
    <message>
        <source>Advanced</source>
        <translation>Zaawansowane</translation>
    </message>
    <message>
        <source>Tension Offset</source>
        <translation>Korekta naciągu</translation>
    </message>
    <message>
        <source>Adjust the tension offset of the ribbon.</source>
        <translation>Koryguje naciąg taśmy.</translation>
    </message>
    <message>
        <source>Ribbon Saver</source>
        <translation>Oszczędzanie taśmy</translation>
    </message>
    <message>
        <source>May decrease ribbon consumption.</source>
        <translation>Może zmniejszyć zużycie taśmy.</translation>
    </message>
    <message>
        <source>BETA</source>
        <translation>BETA</translation>
    </message>
    <message>
        <source>Calibration</source>
        <translation>Kalibracja</translation>
    </message>
    <message>
        <source>Calibrate the ribbon tach sensors. Recommended if your printer continues to display error 32, 33, 34 or 35</source>
        <translation>Kalibruje czujniki obrotów taśmy. Zalecane, jeśli drukarka nadal zgłasza błąd 32, 33, 34 lub 35</translation>
    </message>
    <message>
        <source>Calibrate Ribbon Sensor</source>
        <translation>Kalibruj czujnik taśmy</translation>
    </message>
    <message>
        <source>Calibrate the supply sensor. Recommended if your printer continues to display error 2 or 3.</source>
        <translation>Kalibruje czujnik nośnika. Zalecane, jeśli drukarka nadal zgłasza błąd 2 lub 3.</translation>
    </message>
    <message>
        <source>Calibrate Supply Sensor</source>
        <translation>Kalibruj czujnik nośnika</translation>
    </message>
    <message>
        <source>Reset Supply Sensor</source>
        <translation>Resetuj czujnik nośnika</translation>
    </message>
</context>
<context>
    <name>PagePrinterAlignment</name>
    <message>
        <source>Feed Offsets</source>
        <translation>Korekta posuwu</translation>
    </message>
    <message>
        <source>Backfeed</source>
        <translation>Cofanie</translation>
    </message>
    <message>
        <source>Adjust the backfeed amount after a cut.</source>
        <translation>Reguluje długość cofania po cięciu.</translation>
    </message>
    <message>
        <source>mm</source>
        <translation>mm</translation>
    </message>
    <message>
        <source>Feed</source>
        <translation>Posuw</translation>
    </message>
    <message>
        <source>Adjust the feed amount before cutting.</source>
        <translation>Reguluje długość posuwu przed cięciem.</translation>
    </message>
</context>
<context>
    <name>PagePrinterPresets</name>
    <message>
        <source>Manage Presets</source>
        <translation>Zarządzanie profilami</translation>
    </message>
    <message>
        <source>Preset Selection</source>
        <translation>Wybór profilu</translation>
    </message>
    <message>
        <source>Select a preset to modify or delete. Selecting &quot;Update&quot; will save the settings selected on Printer and Print Alignment pages to the currently selected preset.</source>
        <translation>Wybierz profil do zmiany lub usunięcia. Przycisk „Aktualizuj” zapisuje w wybranym profilu ustawienia ze stron Drukarka i Wyrównanie.</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Usuń</translation>
    </message>
    <message>
        <source>Update</source>
        <translation>Aktualizuj</translation>
    </message>
    <message>
        <source>Create New Preset</source>
        <translation>Nowy profil</translation>
    </message>
    <message>
        <source>Preset Name</source>
        <translation>Nazwa profilu</translation>
    </message>
    <message>
        <source>Type the name of the preset you&apos;ll be creating. Clicking &quot;Add&quot; will create the new preset with settings selected in the Printer and Print Alignment pages.</source>
        <translation>Wpisz nazwę nowego profilu. Przycisk „Dodaj” tworzy profil z ustawieniami ze stron Drukarka i Wyrównanie.</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Dodaj</translation>
    </message>
</context>
<context>
    <name>PageUpdates</name>
    <message>
        <source>Updates Available</source>
        <translation>Dostępne aktualizacje</translation>
    </message>
    <message>
        <source>Install Updates</source>
        <translation>Zainstaluj</translation>
    </message>
    <message>
        <source>System Updates</source>
        <translation>Aktualizacje systemu</translation>
    </message>
    <message>
        <source>Last Checked: </source>
        <translation>Ostatnio sprawdzono: </translation>
    </message>
    <message>
        <source>Never</source>
        <translation>Nigdy</translation>
    </message>
    <message>
        <source>Current Version:</source>
        <translation>Bieżąca wersja:</translation>
    </message>
    <message>
        <source>Available Version:</source>
        <translation>Dostępna wersja:</translation>
    </message>
    <message>
        <source>Please restart the system to complete the update.</source>
        <translation>Uruchom ponownie system, aby dokończyć aktualizację.</translation>
    </message>
    <message>
        <source>Check For Updates Automatically</source>
        <translation>Automatyczne sprawdzanie aktualizacji</translation>
    </message>
    <message>
        <source>Requires a valid internet connection.</source>
        <translation>Wymaga działającego połączenia z internetem.</translation>
    </message>
    <message>
        <source>Update Finished</source>
        <translation>Aktualizacja zakończona</translation>
    </message>
    <message>
        <source>Up To Date</source>
        <translation>System jest aktualny</translation>
    </message>
    <message>
        <source>Re-install Update</source>
        <translation>Zainstaluj ponownie</translation>
    </message>
    <message>
        <source>Check For Updates</source>
        <translation>Sprawdź aktualizacje</translation>
    </message>
    <message>
        <source>Checking for updates...</source>
        <translation>Sprawdzanie aktualizacji...</translation>
    </message>
    <message>
        <source>Updating, Please Wait...</source>
        <translation>Aktualizowanie, proszę czekać...</translation>
    </message>
    <message>
        <source>Error Updating</source>
        <translation>Błąd aktualizacji</translation>
    </message>
</context>
<context>
    <name>PageUsers</name>
    <message>
        <source>Users and Passwords</source>
        <translation>Użytkownicy i hasła</translation>
    </message>
    <message>
        <source>There are currently no users.
Adding a user will prompt for a login on reboot.</source>
        <translation>Obecnie nie ma żadnych użytkowników.
Po dodaniu użytkownika przy uruchomieniu będzie wymagane logowanie.</translation>
    </message>
</context>
<context>
    <name>PrinterButtonBar</name>
    <message>
        <source>Print Test Page</source>
        <translation>Drukuj stronę testową</translation>
    </message>
    <message>
        <source>Calibrate Supply</source>
        <translation>Kalibruj nośnik</translation>
    </message>
    <message>
        <source>Supply Status</source>
        <translation>Stan nośnika</translation>
    </message>
</context>
<context>
    <name>PrintheadOffsetsComponent</name>
    <message>
        <source>Printhead Offsets</source>
        <translation>Przesunięcie głowicy</translation>
    </message>
    <message>
        <source>Horizontal</source>
        <translation>Poziomo</translation>
    </message>
    <message>
        <source>Shift the entire print horizontally.</source>
        <translation>Przesuwa cały wydruk w poziomie.</translation>
    </message>
    <message>
        <source>dots</source>
        <translation>pkt</translation>
    </message>
    <message>
        <source>Vertical</source>
        <translation>Pionowo</translation>
    </message>
    <message>
        <source>Shift the entire print vertically.</source>
        <translation>Przesuwa cały wydruk w pionie.</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>Landscape</source>
        <translation>Pozioma</translation>
    </message>
    <message>
        <source>Landscape 180</source>
        <translation>Pozioma 180</translation>
    </message>
    <message>
        <source>Portrait</source>
        <translation>Pionowa</translation>
    </message>
    <message>
        <source>Portrait 180</source>
        <translation>Pionowa 180</translation>
    </message>
    <message>
        <source>Cut After Job</source>
        <translation>Cięcie po zadaniu</translation>
    </message>
    <message>
        <source>Cut After Page</source>
        <translation>Cięcie po stronie</translation>
    </message>
    <message>
        <source>No Cut</source>
        <translation>Bez cięcia</translation>
    </message>
    <message>
        <source>Dither</source>
        <comment>Dither method name</comment>
        <translation>dithering</translation>
    </message>
    <message>
        <source>Ordered Dither</source>
        <comment>Ordered Dither method name</comment>
        <translation>uporządkowany</translation>
    </message>
</context>
<context>
    <name>RestartHint</name>
    <message>
        <source>Please restart for this setting to take effect.</source>
        <translation>Ustawienie zacznie działać po ponownym uruchomieniu.</translation>
    </message>
</context>
<context>
    <name>UpdateHelper</name>
    <message>
        <source>No update source is configured.</source>
        <translation>Nie skonfigurowano źródła aktualizacji.</translation>
    </message>
    <message>
        <source>The update source offers no valid release.</source>
        <translation>Źródło aktualizacji nie oferuje prawidłowej wersji.</translation>
    </message>
    <message>
        <source>No update is available. Check for updates first.</source>
        <translation>Brak dostępnej aktualizacji. Najpierw sprawdź aktualizacje.</translation>
    </message>
    <message>
        <source>The update could not be installed.</source>
        <translation>Nie udało się zainstalować aktualizacji.</translation>
    </message>
    <message>
        <source>The update source cannot be reached.</source>
        <translation>Źródło aktualizacji jest niedostępne.</translation>
    </message>
    <message>
        <source>The update could not be downloaded.</source>
        <translation>Nie udało się pobrać aktualizacji.</translation>
    </message>
    <message>
        <source>The downloaded update is damaged.</source>
        <translation>Pobrana aktualizacja jest uszkodzona.</translation>
    </message>
    <message>
        <source>The update could not be stored on this device.</source>
        <translation>Nie udało się zapisać aktualizacji na tym urządzeniu.</translation>
    </message>
</context>
<context>
    <name>VHLocaleLanguages</name>
    <message>
        <source>English (US)</source>
        <translation>Angielski (USA)</translation>
    </message>
    <message>
        <source>English (US, international)</source>
        <translation>Angielski (USA, międzynarodowy)</translation>
    </message>
    <message>
        <source>English (Dvorak)</source>
        <translation>Angielski (Dvorak)</translation>
    </message>
    <message>
        <source>English (UK)</source>
        <translation>Angielski (Wielka Brytania)</translation>
    </message>
    <message>
        <source>German</source>
        <translation>Niemiecki</translation>
    </message>
    <message>
        <source>German (no dead keys)</source>
        <translation>Niemiecki (bez martwych klawiszy)</translation>
    </message>
    <message>
        <source>French</source>
        <translation>Francuski</translation>
    </message>
    <message>
        <source>Spanish</source>
        <translation>Hiszpański</translation>
    </message>
    <message>
        <source>Italian</source>
        <translation>Włoski</translation>
    </message>
    <message>
        <source>Portuguese (Brazil)</source>
        <translation>Portugalski (Brazylia)</translation>
    </message>
    <message>
        <source>Dutch</source>
        <translation>Niderlandzki</translation>
    </message>
    <message>
        <source>Polish</source>
        <translation>Polski</translation>
    </message>
    <message>
        <source>Swedish</source>
        <translation>Szwedzki</translation>
    </message>
    <message>
        <source>Japanese</source>
        <translation>Japoński</translation>
    </message>
</context>
<context>
    <name>VHWiFiAccessPointDelegate</name>
    <message>
        <source>Connected</source>
        <translation>Połączono</translation>
    </message>
    <message>
        <source>Saved</source>
        <translation>Zapisana</translation>
    </message>
</context>
<context>
    <name>VHWiFiDialog</name>
    <message>
        <source>Status</source>
        <translation>Stan</translation>
    </message>
    <message>
        <source>Connected</source>
        <translation>Połączono</translation>
    </message>
    <message>
        <source>Saved</source>
        <translation>Zapisana</translation>
    </message>
    <message>
        <source>Not connected</source>
        <translation>Nie połączono</translation>
    </message>
    <message>
        <source>Security</source>
        <translation>Zabezpieczenia</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Brak</translation>
    </message>
    <message>
        <source>Signal strength</source>
        <translation>Siła sygnału</translation>
    </message>
    <message>
        <source>Access point</source>
        <translation>Punkt dostępu</translation>
    </message>
    <message>
        <source>IP address</source>
        <translation>Adres IP</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Zamknij</translation>
    </message>
    <message>
        <source>Forget Network</source>
        <translation>Zapomnij sieć</translation>
    </message>
</context>
<context>
    <name>VHWiFiDialogEthernet</name>
    <message>
        <source>Enter an address such as 192.168.1.20.</source>
        <translation>Wprowadź adres, np. 192.168.1.20.</translation>
    </message>
    <message>
        <source>This address names the whole network, not a device.</source>
        <translation>Ten adres oznacza całą sieć, a nie urządzenie.</translation>
    </message>
    <message>
        <source>Enter a netmask such as 255.255.255.0.</source>
        <translation>Wprowadź maskę sieci, np. 255.255.255.0.</translation>
    </message>
    <message>
        <source>Enter the router&apos;s address, such as 192.168.1.1.</source>
        <translation>Wprowadź adres routera, np. 192.168.1.1.</translation>
    </message>
    <message>
        <source>The gateway must be in the same network as the address.</source>
        <translation>Brama musi należeć do tej samej sieci co adres.</translation>
    </message>
    <message>
        <source>The gateway cannot be the printer&apos;s own address.</source>
        <translation>Bramą nie może być adres samej drukarki.</translation>
    </message>
    <message>
        <source>Ethernet Settings</source>
        <translation>Ustawienia Ethernet</translation>
    </message>
    <message>
        <source>Obtain the address automatically (DHCP)</source>
        <translation>Uzyskaj adres automatycznie (DHCP)</translation>
    </message>
    <message>
        <source>IP address</source>
        <translation>Adres IP</translation>
    </message>
    <message>
        <source>Netmask</source>
        <translation>Maska sieci</translation>
    </message>
    <message>
        <source>Gateway</source>
        <translation>Brama</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Anuluj</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Zapisz</translation>
    </message>
</context>
<context>
    <name>VHWiFiDialogPassword</name>
    <message>
        <source>This network is open: no password is needed.</source>
        <translation>Ta sieć jest otwarta: hasło nie jest potrzebne.</translation>
    </message>
    <message>
        <source>The password of this network is saved. Type a new one only if it has changed.</source>
        <translation>Hasło tej sieci jest zapisane. Wpisz nowe tylko wtedy, gdy zostało zmienione.</translation>
    </message>
    <message>
        <source>Enter the password of this network.</source>
        <translation>Wprowadź hasło tej sieci.</translation>
    </message>
    <message>
        <source>Saved password</source>
        <translation>Zapisane hasło</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Hasło</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Zamknij</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Anuluj</translation>
    </message>
    <message>
        <source>Connect</source>
        <translation>Połącz</translation>
    </message>
</context>
<context>
    <name>WifiClientIPC</name>
    <message>
        <source>No Wi-Fi device is available.</source>
        <translation>Brak dostępnego urządzenia Wi-Fi.</translation>
    </message>
    <message>
        <source>%1 is out of range.</source>
        <translation>Sieć %1 jest poza zasięgiem.</translation>
    </message>
    <message>
        <source>Connecting to %1 …</source>
        <translation>Łączenie z siecią %1 …</translation>
    </message>
    <message>
        <source>%1 needs a sign-in that this printer does not support.</source>
        <translation>Sieć %1 wymaga logowania, którego ta drukarka nie obsługuje.</translation>
    </message>
    <message>
        <source>Enter the password of %1.</source>
        <translation>Wprowadź hasło sieci %1.</translation>
    </message>
    <message>
        <source>This cannot be the password of %1: check its length.</source>
        <translation>To nie może być hasło sieci %1: sprawdź jego długość.</translation>
    </message>
    <message>
        <source>Could not connect to %1.</source>
        <translation>Nie można połączyć z siecią %1.</translation>
    </message>
    <message>
        <source>Connected to %1.</source>
        <translation>Połączono z siecią %1.</translation>
    </message>
    <message>
        <source>The password of %1 was not accepted.</source>
        <translation>Hasło sieci %1 nie zostało zaakceptowane.</translation>
    </message>
</context>
</TS>
