<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it_IT">
<context>
    <name>AddUserContainer</name>
    <message>
        <source>User already exists</source>
        <translation>L&apos;utente esiste già</translation>
    </message>
    <message>
        <source>Invalid username</source>
        <translation>Nome utente non valido</translation>
    </message>
    <message>
        <source>Invalid password</source>
        <translation>Password non valida</translation>
    </message>
    <message>
        <source>Invalid Username &amp; Password</source>
        <translation>Nome utente e password non validi</translation>
    </message>
    <message>
        <source>Passwords do not match</source>
        <translation>Le password non corrispondono</translation>
    </message>
    <message>
        <source>Username</source>
        <translation>Nome utente</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Password</translation>
    </message>
    <message>
        <source>Confirm Password</source>
        <translation>Conferma password</translation>
    </message>
    <message>
        <source>Lock</source>
        <translation>Blocca</translation>
    </message>
    <message>
        <source>Add User</source>
        <translation>Aggiungi utente</translation>
    </message>
</context>
<context>
    <name>DeleteUserDialog</name>
    <message>
        <source>Delete User?</source>
        <translation>Eliminare l&apos;utente?</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
    <message>
        <source>Delete User</source>
        <translation>Elimina utente</translation>
    </message>
</context>
<context>
    <name>MSDInfoDialog</name>
    <message>
        <source>Information</source>
        <translation>Informazioni</translation>
    </message>
    <message>
        <source>File share is accessible on host computer when connected.</source>
        <translation>La cartella condivisa è accessibile dal computer host quando la stampante è collegata.</translation>
    </message>
    <message>
        <source>File share is accessible on printer when disconnected from host computer.</source>
        <translation>La cartella condivisa è accessibile dalla stampante quando è scollegata dal computer host.</translation>
    </message>
    <message>
        <source>Max capacity 200MB.</source>
        <translation>Capacità massima: 200 MB.</translation>
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
        <translation>Impostazioni</translation>
    </message>
</context>
<context>
    <name>ModelDisplayTimeouts</name>
    <message>
        <source>1 minute</source>
        <translation>1 minuto</translation>
    </message>
    <message>
        <source>2 minutes</source>
        <translation>2 minuti</translation>
    </message>
    <message>
        <source>3 minutes</source>
        <translation>3 minuti</translation>
    </message>
    <message>
        <source>5 minutes</source>
        <translation>5 minuti</translation>
    </message>
    <message>
        <source>10 minutes</source>
        <translation>10 minuti</translation>
    </message>
    <message>
        <source>20 minutes</source>
        <translation>20 minuti</translation>
    </message>
    <message>
        <source>30 minutes</source>
        <translation>30 minuti</translation>
    </message>
    <message>
        <source>45 minutes</source>
        <translation>45 minuti</translation>
    </message>
    <message>
        <source>1 hour</source>
        <translation>1 ora</translation>
    </message>
    <message>
        <source>2 hours</source>
        <translation>2 ore</translation>
    </message>
    <message>
        <source>3 hours</source>
        <translation>3 ore</translation>
    </message>
    <message>
        <source>Never</source>
        <translation>Mai</translation>
    </message>
</context>
<context>
    <name>ModelMainSidebar</name>
    <message>
        <source>General</source>
        <translation>Generale</translation>
    </message>
    <message>
        <source>Printer</source>
        <translation>Stampante</translation>
    </message>
    <message>
        <source>Alignment</source>
        <translation>Allineamento</translation>
    </message>
    <message>
        <source>Presets</source>
        <translation>Preset</translation>
    </message>
    <message>
        <source>Advanced</source>
        <translation>Avanzate</translation>
    </message>
    <message>
        <source>Date &amp; Time</source>
        <translation>Data e ora</translation>
    </message>
    <message>
        <source>Networking</source>
        <translation>Rete</translation>
    </message>
    <message>
        <source>Updates</source>
        <translation>Aggiornamenti</translation>
    </message>
    <message>
        <source>Languages</source>
        <translation>Lingue</translation>
    </message>
    <message>
        <source>Users</source>
        <translation>Utenti</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Informazioni</translation>
    </message>
</context>
<context>
    <name>ModifyUserDialog</name>
    <message>
        <source>Invalid new password. Please try something else.</source>
        <translation>Nuova password non valida. Sceglierne un&apos;altra.</translation>
    </message>
    <message>
        <source>Passwords do not match.</source>
        <translation>Le password non corrispondono.</translation>
    </message>
    <message>
        <source>Incorrect password.</source>
        <translation>Password errata.</translation>
    </message>
    <message>
        <source>Change User Password</source>
        <translation>Cambia password utente</translation>
    </message>
    <message>
        <source>Old Password</source>
        <translation>Password attuale</translation>
    </message>
    <message>
        <source>New Password</source>
        <translation>Nuova password</translation>
    </message>
    <message>
        <source>Confirm Password</source>
        <translation>Conferma password</translation>
    </message>
    <message>
        <source>Change Password</source>
        <translation>Cambia password</translation>
    </message>
</context>
<context>
    <name>PageAbout</name>
    <message>
        <source>Model:</source>
        <translation>Modello:</translation>
    </message>
    <message>
        <source>Serial Number:</source>
        <translation>Numero di serie:</translation>
    </message>
    <message>
        <source>Version:</source>
        <translation>Versione:</translation>
    </message>
    <message>
        <source>Available Storage:</source>
        <translation>Spazio disponibile:</translation>
    </message>
    <message>
        <source>Ethernet Address:</source>
        <translation>Indirizzo Ethernet:</translation>
    </message>
    <message>
        <source>Wireless Address:</source>
        <translation>Indirizzo Wi-Fi:</translation>
    </message>
    <message>
        <source>Head 1 Offsets (Backstop, Horizontal, BlackMark, Gap, Heat):</source>
        <translation>Offset testina 1 (battuta, orizzontale, tacca nera, gap, calore):</translation>
    </message>
    <message>
        <source>Offsets (Backstop, Horizontal, BlackMark, Gap, Heat):</source>
        <translation>Offset (battuta, orizzontale, tacca nera, gap, calore):</translation>
    </message>
    <message>
        <source>Head 2 Offsets (Backstop, Horizontal, BlackMark, Gap, Heat):</source>
        <translation>Offset testina 2 (battuta, orizzontale, tacca nera, gap, calore):</translation>
    </message>
    <message>
        <source>Calibration Values (TachL, TachH, CutT, SupT, SupR):</source>
        <translation>Valori di calibrazione (TachL, TachH, CutT, SupT, SupR):</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Informazioni</translation>
    </message>
</context>
<context>
    <name>PageDateTime</name>
    <message>
        <source>Date and Time</source>
        <translation>Data e ora</translation>
    </message>
    <message>
        <source>24 Hour Time</source>
        <translation>Formato 24 ore</translation>
    </message>
    <message>
        <source>Change the displayed times format on the top bar.</source>
        <translation>Cambia il formato dell&apos;ora mostrata nella barra superiore.</translation>
    </message>
    <message>
        <source>Time Zone</source>
        <translation>Fuso orario</translation>
    </message>
    <message>
        <source>Set the current time zone.</source>
        <translation>Imposta il fuso orario attuale.</translation>
    </message>
    <message>
        <source>Date Format</source>
        <translation>Formato data</translation>
    </message>
    <message>
        <source>Change the format of the date</source>
        <translation>Cambia il formato della data</translation>
    </message>
    <message>
        <source>Set Date and Time Automatically</source>
        <translation>Data e ora automatiche</translation>
    </message>
    <message>
        <source>Requires a valid internet connection.</source>
        <translation>Richiede una connessione Internet attiva.</translation>
    </message>
    <message>
        <source>Hours</source>
        <translation>Ore</translation>
    </message>
    <message>
        <source>Minutes</source>
        <translation>Minuti</translation>
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
        <translation>Mese</translation>
    </message>
    <message>
        <source>January</source>
        <translation>Gennaio</translation>
    </message>
    <message>
        <source>February</source>
        <translation>Febbraio</translation>
    </message>
    <message>
        <source>March</source>
        <translation>Marzo</translation>
    </message>
    <message>
        <source>April</source>
        <translation>Aprile</translation>
    </message>
    <message>
        <source>May</source>
        <translation>Maggio</translation>
    </message>
    <message>
        <source>June</source>
        <translation>Giugno</translation>
    </message>
    <message>
        <source>July</source>
        <translation>Luglio</translation>
    </message>
    <message>
        <source>August</source>
        <translation>Agosto</translation>
    </message>
    <message>
        <source>September</source>
        <translation>Settembre</translation>
    </message>
    <message>
        <source>October</source>
        <translation>Ottobre</translation>
    </message>
    <message>
        <source>November</source>
        <translation>Novembre</translation>
    </message>
    <message>
        <source>December</source>
        <translation>Dicembre</translation>
    </message>
    <message>
        <source>Day</source>
        <translation>Giorno</translation>
    </message>
    <message>
        <source>Year</source>
        <translation>Anno</translation>
    </message>
</context>
<context>
    <name>PageGeneral</name>
    <message>
        <source>Units</source>
        <translation>Unità</translation>
    </message>
    <message>
        <source>Set the default units of all applications.</source>
        <translation>Imposta le unità predefinite di tutte le applicazioni.</translation>
    </message>
    <message>
        <source>inches</source>
        <translation>pollici</translation>
    </message>
    <message>
        <source>mm</source>
        <translation>mm</translation>
    </message>
    <message>
        <source>Display</source>
        <translation>Schermo</translation>
    </message>
    <message>
        <source>Brightness</source>
        <translation>Luminosità</translation>
    </message>
    <message>
        <source>Adjust the display brightness.</source>
        <translation>Regola la luminosità dello schermo.</translation>
    </message>
    <message>
        <source>Dimming</source>
        <translation>Attenuazione</translation>
    </message>
    <message>
        <source>Dim the display when inactive after the selected time.</source>
        <translation>Attenua lo schermo dopo il tempo di inattività selezionato.</translation>
    </message>
    <message>
        <source>Power</source>
        <translation>Spegnimento</translation>
    </message>
    <message>
        <source>Turn the display off after the period of inactivity.</source>
        <translation>Spegne lo schermo dopo questo tempo di inattività.</translation>
    </message>
    <message>
        <source>Sharing</source>
        <translation>Condivisione</translation>
    </message>
    <message>
        <source>USB Shared Folder</source>
        <translation>Cartella condivisa USB</translation>
    </message>
    <message>
        <source>Create a shared drive between printer and PC</source>
        <translation>Crea un&apos;unità condivisa tra stampante e PC</translation>
    </message>
    <message>
        <source>Home</source>
        <translation>Schermata Home</translation>
    </message>
    <message>
        <source>File / Folder</source>
        <translation>File / Cartella</translation>
    </message>
    <message>
        <source>Enable file and folder double click to open.</source>
        <translation>Consente l&apos;apertura di file e cartelle con un doppio tocco.</translation>
    </message>
    <message>
        <source>Privacy</source>
        <translation>Privacy</translation>
    </message>
    <message>
        <source>Analytics</source>
        <translation>Dati analitici</translation>
    </message>
    <message>
        <source>Help improve Varnholt software development through anonymous analytics data.</source>
        <translation>Invia dati analitici anonimi per aiutare Varnholt a migliorare il proprio software.</translation>
    </message>
    <message>
        <source>Initialization</source>
        <translation>Inizializzazione</translation>
    </message>
    <message>
        <source>Enable first boot application on the next restart</source>
        <translation>Configurazione iniziale al prossimo riavvio</translation>
    </message>
</context>
<context>
    <name>PageLanguages</name>
    <message>
        <source>Languages</source>
        <translation>Lingue</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Lingua</translation>
    </message>
    <message>
        <source>Set the system language. Change requires a restart.</source>
        <translation>Imposta la lingua del sistema. La modifica richiede un riavvio.</translation>
    </message>
    <message>
        <source>Keyboard Layout</source>
        <translation>Layout tastiera</translation>
    </message>
    <message>
        <source>Set the system keyboard layout. Change requires a restart.</source>
        <translation>Imposta il layout della tastiera del sistema. La modifica richiede un riavvio.</translation>
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
        <translation>Configurazione stampante</translation>
    </message>
    <message>
        <source>Orientation</source>
        <translation>Orientamento</translation>
    </message>
    <message>
        <source>Cut</source>
        <translation>Taglio</translation>
    </message>
    <message>
        <source>Mirror</source>
        <translation>Speculare</translation>
    </message>
    <message>
        <source>Negative</source>
        <translation>Negativo</translation>
    </message>
    <message>
        <source>Overprint</source>
        <translation>Sovrastampa</translation>
    </message>
    <message>
        <source>White Base</source>
        <translation>Base bianca</translation>
    </message>
    <message>
        <source>Print Quality</source>
        <translation>Qualità di stampa</translation>
    </message>
    <message>
        <source>Dithering Method</source>
        <translation>Metodo di dithering</translation>
    </message>
    <message>
        <source>Dithering methods affect the quality and speed of the print.</source>
        <translation>Il metodo di dithering influisce sulla qualità e sulla velocità di stampa.</translation>
    </message>
    <message>
        <source>Heat Intensity Offset</source>
        <translation>Regolazione intensità termica</translation>
    </message>
    <message>
        <source>Adjust the heat offset from the nominal recommended setting.</source>
        <translation>Regola l&apos;intensità termica rispetto al valore nominale consigliato.</translation>
    </message>
</context>
<context>
    <name>PagePrinterAdvanced</name>
    <message>
        <source>Advanced</source>
        <translation>Impostazioni avanzate</translation>
    </message>
    <message>
        <source>Tension Offset</source>
        <translation>Regolazione tensione</translation>
    </message>
    <message>
        <source>Adjust the tension offset of the ribbon.</source>
        <translation>Regola la tensione del nastro rispetto al valore nominale.</translation>
    </message>
    <message>
        <source>Ribbon Saver</source>
        <translation>Risparmio nastro</translation>
    </message>
    <message>
        <source>May decrease ribbon consumption.</source>
        <translation>Può ridurre il consumo di nastro.</translation>
    </message>
    <message>
        <source>BETA</source>
        <translation>BETA</translation>
    </message>
    <message>
        <source>Calibration</source>
        <translation>Calibrazione</translation>
    </message>
    <message>
        <source>Calibrate the ribbon tach sensors. Recommended if your printer continues to display error 32, 33, 34 or 35</source>
        <translation>Calibra i sensori tachimetrici del nastro. Consigliato se la stampante continua a segnalare l&apos;errore 32, 33, 34 o 35</translation>
    </message>
    <message>
        <source>Calibrate Ribbon Sensor</source>
        <translation>Calibra sensore nastro</translation>
    </message>
    <message>
        <source>Calibrate the supply sensor. Recommended if your printer continues to display error 2 or 3.</source>
        <translation>Calibra il sensore del supporto. Consigliato se la stampante continua a segnalare l&apos;errore 2 o 3.</translation>
    </message>
    <message>
        <source>Calibrate Supply Sensor</source>
        <translation>Calibra sensore supporto</translation>
    </message>
    <message>
        <source>Reset Supply Sensor</source>
        <translation>Ripristina sensore supporto</translation>
    </message>
</context>
<context>
    <name>PagePrinterAlignment</name>
    <message>
        <source>Feed Offsets</source>
        <translation>Offset avanzamento</translation>
    </message>
    <message>
        <source>Backfeed</source>
        <translation>Arretramento</translation>
    </message>
    <message>
        <source>Adjust the backfeed amount after a cut.</source>
        <translation>Regola l&apos;arretramento dopo un taglio.</translation>
    </message>
    <message>
        <source>mm</source>
        <translation>mm</translation>
    </message>
    <message>
        <source>Feed</source>
        <translation>Avanzamento</translation>
    </message>
    <message>
        <source>Adjust the feed amount before cutting.</source>
        <translation>Regola l&apos;avanzamento prima del taglio.</translation>
    </message>
</context>
<context>
    <name>PagePrinterPresets</name>
    <message>
        <source>Manage Presets</source>
        <translation>Gestione preset</translation>
    </message>
    <message>
        <source>Preset Selection</source>
        <translation>Selezione preset</translation>
    </message>
    <message>
        <source>Select a preset to modify or delete. Selecting &quot;Update&quot; will save the settings selected on Printer and Print Alignment pages to the currently selected preset.</source>
        <translation>Selezionare un preset da modificare o eliminare. «Aggiorna» salva nel preset selezionato le impostazioni scelte nelle pagine Stampante e Allineamento.</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Elimina</translation>
    </message>
    <message>
        <source>Update</source>
        <translation>Aggiorna</translation>
    </message>
    <message>
        <source>Create New Preset</source>
        <translation>Crea nuovo preset</translation>
    </message>
    <message>
        <source>Preset Name</source>
        <translation>Nome preset</translation>
    </message>
    <message>
        <source>Type the name of the preset you&apos;ll be creating. Clicking &quot;Add&quot; will create the new preset with settings selected in the Printer and Print Alignment pages.</source>
        <translation>Digitare il nome del nuovo preset. «Aggiungi» lo crea con le impostazioni scelte nelle pagine Stampante e Allineamento.</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Aggiungi</translation>
    </message>
</context>
<context>
    <name>PageUpdates</name>
    <message>
        <source>Updates Available</source>
        <translation>Aggiornamenti disponibili</translation>
    </message>
    <message>
        <source>Install Updates</source>
        <translation>Installa aggiornamenti</translation>
    </message>
    <message>
        <source>System Updates</source>
        <translation>Aggiornamenti di sistema</translation>
    </message>
    <message>
        <source>Last Checked: </source>
        <translation>Ultimo controllo: </translation>
    </message>
    <message>
        <source>Never</source>
        <translation>Mai</translation>
    </message>
    <message>
        <source>Current Version:</source>
        <translation>Versione attuale:</translation>
    </message>
    <message>
        <source>Available Version:</source>
        <translation>Versione disponibile:</translation>
    </message>
    <message>
        <source>Please restart the system to complete the update.</source>
        <translation>Riavviare il sistema per completare l&apos;aggiornamento.</translation>
    </message>
    <message>
        <source>Check For Updates Automatically</source>
        <translation>Cerca aggiornamenti automaticamente</translation>
    </message>
    <message>
        <source>Requires a valid internet connection.</source>
        <translation>Richiede una connessione Internet attiva.</translation>
    </message>
    <message>
        <source>Update Finished</source>
        <translation>Aggiornamento completato</translation>
    </message>
    <message>
        <source>Up To Date</source>
        <translation>Sistema aggiornato</translation>
    </message>
    <message>
        <source>Re-install Update</source>
        <translation>Reinstalla aggiornamento</translation>
    </message>
    <message>
        <source>Check For Updates</source>
        <translation>Cerca aggiornamenti</translation>
    </message>
    <message>
        <source>Checking for updates...</source>
        <translation>Ricerca aggiornamenti in corso...</translation>
    </message>
    <message>
        <source>Updating, Please Wait...</source>
        <translation>Aggiornamento in corso, attendere...</translation>
    </message>
    <message>
        <source>Error Updating</source>
        <translation>Errore durante l&apos;aggiornamento</translation>
    </message>
</context>
<context>
    <name>PageUsers</name>
    <message>
        <source>Users and Passwords</source>
        <translation>Utenti e password</translation>
    </message>
    <message>
        <source>There are currently no users.
Adding a user will prompt for a login on reboot.</source>
        <translation>Al momento non ci sono utenti.
Dopo l&apos;aggiunta di un utente, al riavvio verrà richiesto l&apos;accesso.</translation>
    </message>
</context>
<context>
    <name>PrinterButtonBar</name>
    <message>
        <source>Print Test Page</source>
        <translation>Stampa pagina di prova</translation>
    </message>
    <message>
        <source>Calibrate Supply</source>
        <translation>Calibra supporto</translation>
    </message>
    <message>
        <source>Supply Status</source>
        <translation>Stato supporto</translation>
    </message>
</context>
<context>
    <name>PrintheadOffsetsComponent</name>
    <message>
        <source>Printhead Offsets</source>
        <translation>Offset testina di stampa</translation>
    </message>
    <message>
        <source>Horizontal</source>
        <translation>Orizzontale</translation>
    </message>
    <message>
        <source>Shift the entire print horizontally.</source>
        <translation>Sposta l&apos;intera stampa in orizzontale.</translation>
    </message>
    <message>
        <source>dots</source>
        <translation>punti</translation>
    </message>
    <message>
        <source>Vertical</source>
        <translation>Verticale</translation>
    </message>
    <message>
        <source>Shift the entire print vertically.</source>
        <translation>Sposta l&apos;intera stampa in verticale.</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>Landscape</source>
        <translation>Orizzontale</translation>
    </message>
    <message>
        <source>Landscape 180</source>
        <translation>Orizzontale 180</translation>
    </message>
    <message>
        <source>Portrait</source>
        <translation>Verticale</translation>
    </message>
    <message>
        <source>Portrait 180</source>
        <translation>Verticale 180</translation>
    </message>
    <message>
        <source>Cut After Job</source>
        <translation>Taglio per lavoro</translation>
    </message>
    <message>
        <source>Cut After Page</source>
        <translation>Taglio per pagina</translation>
    </message>
    <message>
        <source>No Cut</source>
        <translation>Nessun taglio</translation>
    </message>
    <message>
        <source>Dither</source>
        <comment>Dither method name</comment>
        <translation>(dithering)</translation>
    </message>
    <message>
        <source>Ordered Dither</source>
        <comment>Ordered Dither method name</comment>
        <translation>(dithering ordinato)</translation>
    </message>
</context>
<context>
    <name>RestartHint</name>
    <message>
        <source>Please restart for this setting to take effect.</source>
        <translation>Riavviare per rendere effettiva l&apos;impostazione.</translation>
    </message>
</context>
<context>
    <name>UpdateHelper</name>
    <message>
        <source>No update source is configured.</source>
        <translation>Nessuna origine degli aggiornamenti configurata.</translation>
    </message>
    <message>
        <source>The update source offers no valid release.</source>
        <translation>L&apos;origine degli aggiornamenti non offre alcuna versione valida.</translation>
    </message>
    <message>
        <source>No update is available. Check for updates first.</source>
        <translation>Nessun aggiornamento disponibile. Cercare prima gli aggiornamenti.</translation>
    </message>
    <message>
        <source>The update could not be installed.</source>
        <translation>Impossibile installare l&apos;aggiornamento.</translation>
    </message>
    <message>
        <source>The update source cannot be reached.</source>
        <translation>Impossibile raggiungere l&apos;origine degli aggiornamenti.</translation>
    </message>
    <message>
        <source>The update could not be downloaded.</source>
        <translation>Impossibile scaricare l&apos;aggiornamento.</translation>
    </message>
    <message>
        <source>The downloaded update is damaged.</source>
        <translation>L&apos;aggiornamento scaricato è danneggiato.</translation>
    </message>
    <message>
        <source>The update could not be stored on this device.</source>
        <translation>Impossibile salvare l&apos;aggiornamento su questo dispositivo.</translation>
    </message>
</context>
<context>
    <name>VHLocaleLanguages</name>
    <message>
        <source>English (US)</source>
        <translation>Inglese (USA)</translation>
    </message>
    <message>
        <source>English (US, international)</source>
        <translation>Inglese (USA, internazionale)</translation>
    </message>
    <message>
        <source>English (Dvorak)</source>
        <translation>Inglese (Dvorak)</translation>
    </message>
    <message>
        <source>English (UK)</source>
        <translation>Inglese (Regno Unito)</translation>
    </message>
    <message>
        <source>German</source>
        <translation>Tedesco</translation>
    </message>
    <message>
        <source>German (no dead keys)</source>
        <translation>Tedesco (senza tasti morti)</translation>
    </message>
    <message>
        <source>French</source>
        <translation>Francese</translation>
    </message>
    <message>
        <source>Spanish</source>
        <translation>Spagnolo</translation>
    </message>
    <message>
        <source>Italian</source>
        <translation>Italiano</translation>
    </message>
    <message>
        <source>Portuguese (Brazil)</source>
        <translation>Portoghese (Brasile)</translation>
    </message>
    <message>
        <source>Dutch</source>
        <translation>Olandese</translation>
    </message>
    <message>
        <source>Polish</source>
        <translation>Polacco</translation>
    </message>
    <message>
        <source>Swedish</source>
        <translation>Svedese</translation>
    </message>
    <message>
        <source>Japanese</source>
        <translation>Giapponese</translation>
    </message>
</context>
<context>
    <name>VHWiFiAccessPointDelegate</name>
    <message>
        <source>Connected</source>
        <translation>Connessa</translation>
    </message>
    <message>
        <source>Saved</source>
        <translation>Salvata</translation>
    </message>
</context>
<context>
    <name>VHWiFiDialog</name>
    <message>
        <source>Status</source>
        <translation>Stato</translation>
    </message>
    <message>
        <source>Connected</source>
        <translation>Connessa</translation>
    </message>
    <message>
        <source>Saved</source>
        <translation>Salvata</translation>
    </message>
    <message>
        <source>Not connected</source>
        <translation>Non connessa</translation>
    </message>
    <message>
        <source>Security</source>
        <translation>Sicurezza</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Aperta</translation>
    </message>
    <message>
        <source>Signal strength</source>
        <translation>Intensità del segnale</translation>
    </message>
    <message>
        <source>Access point</source>
        <translation>Punto di accesso</translation>
    </message>
    <message>
        <source>IP address</source>
        <translation>Indirizzo IP</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Chiudi</translation>
    </message>
    <message>
        <source>Forget Network</source>
        <translation>Dimentica rete</translation>
    </message>
</context>
<context>
    <name>VHWiFiDialogEthernet</name>
    <message>
        <source>Enter an address such as 192.168.1.20.</source>
        <translation>Immettere un indirizzo come 192.168.1.20.</translation>
    </message>
    <message>
        <source>This address names the whole network, not a device.</source>
        <translation>Questo indirizzo indica l&apos;intera rete, non un dispositivo.</translation>
    </message>
    <message>
        <source>Enter a netmask such as 255.255.255.0.</source>
        <translation>Immettere una subnet mask come 255.255.255.0.</translation>
    </message>
    <message>
        <source>Enter the router&apos;s address, such as 192.168.1.1.</source>
        <translation>Immettere l&apos;indirizzo del router, ad esempio 192.168.1.1.</translation>
    </message>
    <message>
        <source>The gateway must be in the same network as the address.</source>
        <translation>Il gateway deve trovarsi nella stessa rete dell&apos;indirizzo.</translation>
    </message>
    <message>
        <source>The gateway cannot be the printer&apos;s own address.</source>
        <translation>Il gateway non può essere l&apos;indirizzo della stampante stessa.</translation>
    </message>
    <message>
        <source>Ethernet Settings</source>
        <translation>Impostazioni Ethernet</translation>
    </message>
    <message>
        <source>Obtain the address automatically (DHCP)</source>
        <translation>Ottieni l&apos;indirizzo automaticamente (DHCP)</translation>
    </message>
    <message>
        <source>IP address</source>
        <translation>Indirizzo IP</translation>
    </message>
    <message>
        <source>Netmask</source>
        <translation>Subnet mask</translation>
    </message>
    <message>
        <source>Gateway</source>
        <translation>Gateway</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Salva</translation>
    </message>
</context>
<context>
    <name>VHWiFiDialogPassword</name>
    <message>
        <source>This network is open: no password is needed.</source>
        <translation>Questa rete è aperta: non serve alcuna password.</translation>
    </message>
    <message>
        <source>The password of this network is saved. Type a new one only if it has changed.</source>
        <translation>La password di questa rete è salvata. Digitarne una nuova solo se è cambiata.</translation>
    </message>
    <message>
        <source>Enter the password of this network.</source>
        <translation>Immettere la password di questa rete.</translation>
    </message>
    <message>
        <source>Saved password</source>
        <translation>Password salvata</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Password</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Chiudi</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
    <message>
        <source>Connect</source>
        <translation>Connetti</translation>
    </message>
</context>
<context>
    <name>WifiClientIPC</name>
    <message>
        <source>No Wi-Fi device is available.</source>
        <translation>Nessun adattatore Wi-Fi disponibile.</translation>
    </message>
    <message>
        <source>%1 is out of range.</source>
        <translation>%1 è fuori portata.</translation>
    </message>
    <message>
        <source>Connecting to %1 …</source>
        <translation>Connessione a %1 …</translation>
    </message>
    <message>
        <source>%1 needs a sign-in that this printer does not support.</source>
        <translation>%1 richiede un tipo di autenticazione non supportato da questa stampante.</translation>
    </message>
    <message>
        <source>Enter the password of %1.</source>
        <translation>Immettere la password di %1.</translation>
    </message>
    <message>
        <source>This cannot be the password of %1: check its length.</source>
        <translation>Questa non può essere la password di %1: verificarne la lunghezza.</translation>
    </message>
    <message>
        <source>Could not connect to %1.</source>
        <translation>Impossibile connettersi a %1.</translation>
    </message>
    <message>
        <source>Connected to %1.</source>
        <translation>Connesso a %1.</translation>
    </message>
    <message>
        <source>The password of %1 was not accepted.</source>
        <translation>La password di %1 non è stata accettata.</translation>
    </message>
</context>
</TS>
