<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR">
<context>
    <name>AddUserContainer</name>
    <message>
        <source>User already exists</source>
        <translation>L&apos;utilisateur existe déjà</translation>
    </message>
    <message>
        <source>Invalid username</source>
        <translation>Nom d&apos;utilisateur non valide</translation>
    </message>
    <message>
        <source>Invalid password</source>
        <translation>Mot de passe non valide</translation>
    </message>
    <message>
        <source>Invalid Username &amp; Password</source>
        <translation>Nom et mot de passe non valides</translation>
    </message>
    <message>
        <source>Passwords do not match</source>
        <translation>Les mots de passe ne correspondent pas</translation>
    </message>
    <message>
        <source>Username</source>
        <translation>Nom d&apos;utilisateur</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Mot de passe</translation>
    </message>
    <message>
        <source>Confirm Password</source>
        <translation>Confirmer le mot de passe</translation>
    </message>
    <message>
        <source>Lock</source>
        <translation>Verrouiller</translation>
    </message>
    <message>
        <source>Add User</source>
        <translation>Ajouter un utilisateur</translation>
    </message>
</context>
<context>
    <name>DeleteUserDialog</name>
    <message>
        <source>Delete User?</source>
        <translation>Supprimer l&apos;utilisateur ?</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Delete User</source>
        <translation>Supprimer l&apos;utilisateur</translation>
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
        <translation>Le partage de fichiers est accessible sur l&apos;ordinateur hôte lorsque l&apos;imprimante y est connectée.</translation>
    </message>
    <message>
        <source>File share is accessible on printer when disconnected from host computer.</source>
        <translation>Le partage de fichiers est accessible sur l&apos;imprimante lorsqu&apos;elle est déconnectée de l&apos;ordinateur hôte.</translation>
    </message>
    <message>
        <source>Max capacity 200MB.</source>
        <translation>Capacité maximale : 200 Mo.</translation>
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
        <translation>Paramètres</translation>
    </message>
</context>
<context>
    <name>ModelDisplayTimeouts</name>
    <message>
        <source>1 minute</source>
        <translation>1 minute</translation>
    </message>
    <message>
        <source>2 minutes</source>
        <translation>2 minutes</translation>
    </message>
    <message>
        <source>3 minutes</source>
        <translation>3 minutes</translation>
    </message>
    <message>
        <source>5 minutes</source>
        <translation>5 minutes</translation>
    </message>
    <message>
        <source>10 minutes</source>
        <translation>10 minutes</translation>
    </message>
    <message>
        <source>20 minutes</source>
        <translation>20 minutes</translation>
    </message>
    <message>
        <source>30 minutes</source>
        <translation>30 minutes</translation>
    </message>
    <message>
        <source>45 minutes</source>
        <translation>45 minutes</translation>
    </message>
    <message>
        <source>1 hour</source>
        <translation>1 heure</translation>
    </message>
    <message>
        <source>2 hours</source>
        <translation>2 heures</translation>
    </message>
    <message>
        <source>3 hours</source>
        <translation>3 heures</translation>
    </message>
    <message>
        <source>Never</source>
        <translation>Jamais</translation>
    </message>
</context>
<context>
    <name>ModelMainSidebar</name>
    <message>
        <source>General</source>
        <translation>Général</translation>
    </message>
    <message>
        <source>Printer</source>
        <translation>Imprimante</translation>
    </message>
    <message>
        <source>Alignment</source>
        <translation>Alignement</translation>
    </message>
    <message>
        <source>Presets</source>
        <translation>Préréglages</translation>
    </message>
    <message>
        <source>Advanced</source>
        <translation>Avancé</translation>
    </message>
    <message>
        <source>Date &amp; Time</source>
        <translation>Date et heure</translation>
    </message>
    <message>
        <source>Networking</source>
        <translation>Réseau</translation>
    </message>
    <message>
        <source>Updates</source>
        <translation>Mises à jour</translation>
    </message>
    <message>
        <source>Languages</source>
        <translation>Langues</translation>
    </message>
    <message>
        <source>Users</source>
        <translation>Utilisateurs</translation>
    </message>
    <message>
        <source>About</source>
        <translation>À propos</translation>
    </message>
</context>
<context>
    <name>ModifyUserDialog</name>
    <message>
        <source>Invalid new password. Please try something else.</source>
        <translation>Nouveau mot de passe non valide. Veuillez en choisir un autre.</translation>
    </message>
    <message>
        <source>Passwords do not match.</source>
        <translation>Les mots de passe ne correspondent pas.</translation>
    </message>
    <message>
        <source>Incorrect password.</source>
        <translation>Mot de passe incorrect.</translation>
    </message>
    <message>
        <source>Change User Password</source>
        <translation>Modifier le mot de passe</translation>
    </message>
    <message>
        <source>Old Password</source>
        <translation>Ancien mot de passe</translation>
    </message>
    <message>
        <source>New Password</source>
        <translation>Nouveau mot de passe</translation>
    </message>
    <message>
        <source>Confirm Password</source>
        <translation>Confirmer le mot de passe</translation>
    </message>
    <message>
        <source>Change Password</source>
        <translation>Modifier le mot de passe</translation>
    </message>
</context>
<context>
    <name>PageAbout</name>
    <message>
        <source>Model:</source>
        <translation>Modèle :</translation>
    </message>
    <message>
        <source>Serial Number:</source>
        <translation>Numéro de série :</translation>
    </message>
    <message>
        <source>Version:</source>
        <translation>Version :</translation>
    </message>
    <message>
        <source>Available Storage:</source>
        <translation>Stockage disponible :</translation>
    </message>
    <message>
        <source>Ethernet Address:</source>
        <translation>Adresse Ethernet :</translation>
    </message>
    <message>
        <source>Wireless Address:</source>
        <translation>Adresse Wi-Fi :</translation>
    </message>
    <message>
        <source>Head 1 Offsets (Backstop, Horizontal, BlackMark, Gap, Heat):</source>
        <translation>Décalages tête 1 (butée, horizontal, marque noire, espace, chauffe) :</translation>
    </message>
    <message>
        <source>Offsets (Backstop, Horizontal, BlackMark, Gap, Heat):</source>
        <translation>Décalages (butée, horizontal, marque noire, espace, chauffe) :</translation>
    </message>
    <message>
        <source>Head 2 Offsets (Backstop, Horizontal, BlackMark, Gap, Heat):</source>
        <translation>Décalages tête 2 (butée, horizontal, marque noire, espace, chauffe) :</translation>
    </message>
    <message>
        <source>Calibration Values (TachL, TachH, CutT, SupT, SupR):</source>
        <translation>Valeurs de calibrage (TachL, TachH, CutT, SupT, SupR) :</translation>
    </message>
    <message>
        <source>About</source>
        <translation>À propos</translation>
    </message>
</context>
<context>
    <name>PageDateTime</name>
    <message>
        <source>Date and Time</source>
        <translation>Date et heure</translation>
    </message>
    <message>
        <source>24 Hour Time</source>
        <translation>Format 24 heures</translation>
    </message>
    <message>
        <source>Change the displayed times format on the top bar.</source>
        <translation>Modifie le format de l&apos;heure affichée dans la barre supérieure.</translation>
    </message>
    <message>
        <source>Time Zone</source>
        <translation>Fuseau horaire</translation>
    </message>
    <message>
        <source>Set the current time zone.</source>
        <translation>Définit le fuseau horaire actuel.</translation>
    </message>
    <message>
        <source>Date Format</source>
        <translation>Format de date</translation>
    </message>
    <message>
        <source>Change the format of the date</source>
        <translation>Modifie le format de la date</translation>
    </message>
    <message>
        <source>Set Date and Time Automatically</source>
        <translation>Date et heure automatiques</translation>
    </message>
    <message>
        <source>Requires a valid internet connection.</source>
        <translation>Nécessite une connexion Internet active.</translation>
    </message>
    <message>
        <source>Hours</source>
        <translation>Heures</translation>
    </message>
    <message>
        <source>Minutes</source>
        <translation>Minutes</translation>
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
        <translation>Mois</translation>
    </message>
    <message>
        <source>January</source>
        <translation>Janvier</translation>
    </message>
    <message>
        <source>February</source>
        <translation>Février</translation>
    </message>
    <message>
        <source>March</source>
        <translation>Mars</translation>
    </message>
    <message>
        <source>April</source>
        <translation>Avril</translation>
    </message>
    <message>
        <source>May</source>
        <translation>Mai</translation>
    </message>
    <message>
        <source>June</source>
        <translation>Juin</translation>
    </message>
    <message>
        <source>July</source>
        <translation>Juillet</translation>
    </message>
    <message>
        <source>August</source>
        <translation>Août</translation>
    </message>
    <message>
        <source>September</source>
        <translation>Septembre</translation>
    </message>
    <message>
        <source>October</source>
        <translation>Octobre</translation>
    </message>
    <message>
        <source>November</source>
        <translation>Novembre</translation>
    </message>
    <message>
        <source>December</source>
        <translation>Décembre</translation>
    </message>
    <message>
        <source>Day</source>
        <translation>Jour</translation>
    </message>
    <message>
        <source>Year</source>
        <translation>Année</translation>
    </message>
</context>
<context>
    <name>PageGeneral</name>
    <message>
        <source>Units</source>
        <translation>Unités</translation>
    </message>
    <message>
        <source>Set the default units of all applications.</source>
        <translation>Définit les unités par défaut de toutes les applications.</translation>
    </message>
    <message>
        <source>inches</source>
        <translation>pouces</translation>
    </message>
    <message>
        <source>mm</source>
        <translation>mm</translation>
    </message>
    <message>
        <source>Display</source>
        <translation>Écran</translation>
    </message>
    <message>
        <source>Brightness</source>
        <translation>Luminosité</translation>
    </message>
    <message>
        <source>Adjust the display brightness.</source>
        <translation>Règle la luminosité de l&apos;écran.</translation>
    </message>
    <message>
        <source>Dimming</source>
        <translation>Atténuation</translation>
    </message>
    <message>
        <source>Dim the display when inactive after the selected time.</source>
        <translation>Atténue l&apos;écran après la durée d&apos;inactivité choisie.</translation>
    </message>
    <message>
        <source>Power</source>
        <translation>Extinction</translation>
    </message>
    <message>
        <source>Turn the display off after the period of inactivity.</source>
        <translation>Éteint l&apos;écran après cette durée d&apos;inactivité.</translation>
    </message>
    <message>
        <source>Sharing</source>
        <translation>Partage</translation>
    </message>
    <message>
        <source>USB Shared Folder</source>
        <translation>Dossier partagé USB</translation>
    </message>
    <message>
        <source>Create a shared drive between printer and PC</source>
        <translation>Crée un lecteur partagé entre l&apos;imprimante et le PC</translation>
    </message>
    <message>
        <source>Home</source>
        <translation>Écran d&apos;accueil</translation>
    </message>
    <message>
        <source>File / Folder</source>
        <translation>Fichier / Dossier</translation>
    </message>
    <message>
        <source>Enable file and folder double click to open.</source>
        <translation>Active l&apos;ouverture des fichiers et dossiers par double appui.</translation>
    </message>
    <message>
        <source>Privacy</source>
        <translation>Confidentialité</translation>
    </message>
    <message>
        <source>Analytics</source>
        <translation>Données d&apos;analyse</translation>
    </message>
    <message>
        <source>Help improve Varnholt software development through anonymous analytics data.</source>
        <translation>Envoie des données d&apos;analyse anonymes pour aider Varnholt à améliorer ses logiciels.</translation>
    </message>
    <message>
        <source>Initialization</source>
        <translation>Initialisation</translation>
    </message>
    <message>
        <source>Enable first boot application on the next restart</source>
        <translation>Lancer la configuration initiale au prochain redémarrage</translation>
    </message>
</context>
<context>
    <name>PageLanguages</name>
    <message>
        <source>Languages</source>
        <translation>Langues</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Langue</translation>
    </message>
    <message>
        <source>Set the system language. Change requires a restart.</source>
        <translation>Définit la langue du système. La modification nécessite un redémarrage.</translation>
    </message>
    <message>
        <source>Keyboard Layout</source>
        <translation>Disposition du clavier</translation>
    </message>
    <message>
        <source>Set the system keyboard layout. Change requires a restart.</source>
        <translation>Définit la disposition du clavier du système. La modification nécessite un redémarrage.</translation>
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
        <translation>Configuration de l&apos;imprimante</translation>
    </message>
    <message>
        <source>Orientation</source>
        <translation>Orientation</translation>
    </message>
    <message>
        <source>Cut</source>
        <translation>Coupe</translation>
    </message>
    <message>
        <source>Mirror</source>
        <translation>Miroir</translation>
    </message>
    <message>
        <source>Negative</source>
        <translation>Négatif</translation>
    </message>
    <message>
        <source>Overprint</source>
        <translation>Surimpression</translation>
    </message>
    <message>
        <source>White Base</source>
        <translation>Fond blanc</translation>
    </message>
    <message>
        <source>Print Quality</source>
        <translation>Qualité d&apos;impression</translation>
    </message>
    <message>
        <source>Dithering Method</source>
        <translation>Méthode de tramage</translation>
    </message>
    <message>
        <source>Dithering methods affect the quality and speed of the print.</source>
        <translation>La méthode de tramage influe sur la qualité et la vitesse d&apos;impression.</translation>
    </message>
    <message>
        <source>Heat Intensity Offset</source>
        <translation>Correction de chauffe</translation>
    </message>
    <message>
        <source>Adjust the heat offset from the nominal recommended setting.</source>
        <translation>Corrige la chauffe par rapport au réglage nominal recommandé.</translation>
    </message>
</context>
<context>
    <name>PagePrinterAdvanced</name>
    <message>
        <source>Advanced</source>
        <translation>Paramètres avancés</translation>
    </message>
    <message>
        <source>Tension Offset</source>
        <translation>Correction de tension</translation>
    </message>
    <message>
        <source>Adjust the tension offset of the ribbon.</source>
        <translation>Corrige la tension du ruban par rapport à la valeur nominale.</translation>
    </message>
    <message>
        <source>Ribbon Saver</source>
        <translation>Économiseur de ruban</translation>
    </message>
    <message>
        <source>May decrease ribbon consumption.</source>
        <translation>Peut réduire la consommation de ruban.</translation>
    </message>
    <message>
        <source>BETA</source>
        <translation>BÊTA</translation>
    </message>
    <message>
        <source>Calibration</source>
        <translation>Calibrage</translation>
    </message>
    <message>
        <source>Calibrate the ribbon tach sensors. Recommended if your printer continues to display error 32, 33, 34 or 35</source>
        <translation>Calibre les capteurs tachymétriques du ruban. Recommandé si l&apos;imprimante affiche toujours l&apos;erreur 32, 33, 34 ou 35</translation>
    </message>
    <message>
        <source>Calibrate Ribbon Sensor</source>
        <translation>Calibrer le capteur de ruban</translation>
    </message>
    <message>
        <source>Calibrate the supply sensor. Recommended if your printer continues to display error 2 or 3.</source>
        <translation>Calibre le capteur de support. Recommandé si l&apos;imprimante affiche toujours l&apos;erreur 2 ou 3.</translation>
    </message>
    <message>
        <source>Calibrate Supply Sensor</source>
        <translation>Calibrer le capteur de support</translation>
    </message>
    <message>
        <source>Reset Supply Sensor</source>
        <translation>Réinitialiser le capteur de support</translation>
    </message>
</context>
<context>
    <name>PagePrinterAlignment</name>
    <message>
        <source>Feed Offsets</source>
        <translation>Décalages d&apos;avance</translation>
    </message>
    <message>
        <source>Backfeed</source>
        <translation>Recul</translation>
    </message>
    <message>
        <source>Adjust the backfeed amount after a cut.</source>
        <translation>Règle la longueur de recul après une coupe.</translation>
    </message>
    <message>
        <source>mm</source>
        <translation>mm</translation>
    </message>
    <message>
        <source>Feed</source>
        <translation>Avance</translation>
    </message>
    <message>
        <source>Adjust the feed amount before cutting.</source>
        <translation>Règle la longueur d&apos;avance avant la coupe.</translation>
    </message>
</context>
<context>
    <name>PagePrinterPresets</name>
    <message>
        <source>Manage Presets</source>
        <translation>Gérer les préréglages</translation>
    </message>
    <message>
        <source>Preset Selection</source>
        <translation>Sélection du préréglage</translation>
    </message>
    <message>
        <source>Select a preset to modify or delete. Selecting &quot;Update&quot; will save the settings selected on Printer and Print Alignment pages to the currently selected preset.</source>
        <translation>Sélectionnez un préréglage à modifier ou à supprimer. « Mettre à jour » enregistre dans le préréglage sélectionné les paramètres choisis sur les pages Imprimante et Alignement.</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Supprimer</translation>
    </message>
    <message>
        <source>Update</source>
        <translation>Mettre à jour</translation>
    </message>
    <message>
        <source>Create New Preset</source>
        <translation>Créer un préréglage</translation>
    </message>
    <message>
        <source>Preset Name</source>
        <translation>Nom du préréglage</translation>
    </message>
    <message>
        <source>Type the name of the preset you&apos;ll be creating. Clicking &quot;Add&quot; will create the new preset with settings selected in the Printer and Print Alignment pages.</source>
        <translation>Saisissez le nom du nouveau préréglage. « Ajouter » le crée avec les paramètres choisis sur les pages Imprimante et Alignement.</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Ajouter</translation>
    </message>
</context>
<context>
    <name>PageUpdates</name>
    <message>
        <source>Updates Available</source>
        <translation>Mises à jour disponibles</translation>
    </message>
    <message>
        <source>Install Updates</source>
        <translation>Installer les mises à jour</translation>
    </message>
    <message>
        <source>System Updates</source>
        <translation>Mises à jour du système</translation>
    </message>
    <message>
        <source>Last Checked: </source>
        <translation>Dernière vérification : </translation>
    </message>
    <message>
        <source>Never</source>
        <translation>Jamais</translation>
    </message>
    <message>
        <source>Current Version:</source>
        <translation>Version actuelle :</translation>
    </message>
    <message>
        <source>Available Version:</source>
        <translation>Version disponible :</translation>
    </message>
    <message>
        <source>Please restart the system to complete the update.</source>
        <translation>Redémarrez le système pour terminer la mise à jour.</translation>
    </message>
    <message>
        <source>Check For Updates Automatically</source>
        <translation>Rechercher automatiquement les mises à jour</translation>
    </message>
    <message>
        <source>Requires a valid internet connection.</source>
        <translation>Nécessite une connexion Internet active.</translation>
    </message>
    <message>
        <source>Update Finished</source>
        <translation>Mise à jour terminée</translation>
    </message>
    <message>
        <source>Up To Date</source>
        <translation>Système à jour</translation>
    </message>
    <message>
        <source>Re-install Update</source>
        <translation>Réinstaller la mise à jour</translation>
    </message>
    <message>
        <source>Check For Updates</source>
        <translation>Rechercher des mises à jour</translation>
    </message>
    <message>
        <source>Checking for updates...</source>
        <translation>Recherche de mises à jour...</translation>
    </message>
    <message>
        <source>Updating, Please Wait...</source>
        <translation>Mise à jour en cours, veuillez patienter...</translation>
    </message>
    <message>
        <source>Error Updating</source>
        <translation>Échec de la mise à jour</translation>
    </message>
</context>
<context>
    <name>PageUsers</name>
    <message>
        <source>Users and Passwords</source>
        <translation>Utilisateurs et mots de passe</translation>
    </message>
    <message>
        <source>There are currently no users.
Adding a user will prompt for a login on reboot.</source>
        <translation>Aucun utilisateur n&apos;est défini.
Après l&apos;ajout d&apos;un utilisateur, une connexion sera demandée au redémarrage.</translation>
    </message>
</context>
<context>
    <name>PrinterButtonBar</name>
    <message>
        <source>Print Test Page</source>
        <translation>Imprimer une page de test</translation>
    </message>
    <message>
        <source>Calibrate Supply</source>
        <translation>Calibrer le support</translation>
    </message>
    <message>
        <source>Supply Status</source>
        <translation>État du support</translation>
    </message>
</context>
<context>
    <name>PrintheadOffsetsComponent</name>
    <message>
        <source>Printhead Offsets</source>
        <translation>Décalages de la tête</translation>
    </message>
    <message>
        <source>Horizontal</source>
        <translation>Horizontal</translation>
    </message>
    <message>
        <source>Shift the entire print horizontally.</source>
        <translation>Décale l&apos;ensemble de l&apos;impression horizontalement.</translation>
    </message>
    <message>
        <source>dots</source>
        <translation>points</translation>
    </message>
    <message>
        <source>Vertical</source>
        <translation>Vertical</translation>
    </message>
    <message>
        <source>Shift the entire print vertically.</source>
        <translation>Décale l&apos;ensemble de l&apos;impression verticalement.</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>Landscape</source>
        <translation>Paysage</translation>
    </message>
    <message>
        <source>Landscape 180</source>
        <translation>Paysage 180</translation>
    </message>
    <message>
        <source>Portrait</source>
        <translation>Portrait</translation>
    </message>
    <message>
        <source>Portrait 180</source>
        <translation>Portrait 180</translation>
    </message>
    <message>
        <source>Cut After Job</source>
        <translation>Coupe par tâche</translation>
    </message>
    <message>
        <source>Cut After Page</source>
        <translation>Coupe par page</translation>
    </message>
    <message>
        <source>No Cut</source>
        <translation>Sans coupe</translation>
    </message>
    <message>
        <source>Dither</source>
        <comment>Dither method name</comment>
        <translation>(tramage)</translation>
    </message>
    <message>
        <source>Ordered Dither</source>
        <comment>Ordered Dither method name</comment>
        <translation>(tramage ordonné)</translation>
    </message>
</context>
<context>
    <name>RestartHint</name>
    <message>
        <source>Please restart for this setting to take effect.</source>
        <translation>Redémarrez pour que ce paramètre prenne effet.</translation>
    </message>
</context>
<context>
    <name>UpdateHelper</name>
    <message>
        <source>No update source is configured.</source>
        <translation>Aucune source de mise à jour n&apos;est configurée.</translation>
    </message>
    <message>
        <source>The update source offers no valid release.</source>
        <translation>La source de mise à jour ne propose aucune version valide.</translation>
    </message>
    <message>
        <source>No update is available. Check for updates first.</source>
        <translation>Aucune mise à jour disponible. Recherchez d&apos;abord les mises à jour.</translation>
    </message>
    <message>
        <source>The update could not be installed.</source>
        <translation>La mise à jour n&apos;a pas pu être installée.</translation>
    </message>
    <message>
        <source>The update source cannot be reached.</source>
        <translation>La source de mise à jour est injoignable.</translation>
    </message>
    <message>
        <source>The update could not be downloaded.</source>
        <translation>La mise à jour n&apos;a pas pu être téléchargée.</translation>
    </message>
    <message>
        <source>The downloaded update is damaged.</source>
        <translation>La mise à jour téléchargée est endommagée.</translation>
    </message>
    <message>
        <source>The update could not be stored on this device.</source>
        <translation>La mise à jour n&apos;a pas pu être enregistrée sur cet appareil.</translation>
    </message>
</context>
<context>
    <name>VHLocaleLanguages</name>
    <message>
        <source>English (US)</source>
        <translation>Anglais (États-Unis)</translation>
    </message>
    <message>
        <source>English (US, international)</source>
        <translation>Anglais (États-Unis, international)</translation>
    </message>
    <message>
        <source>English (Dvorak)</source>
        <translation>Anglais (Dvorak)</translation>
    </message>
    <message>
        <source>English (UK)</source>
        <translation>Anglais (Royaume-Uni)</translation>
    </message>
    <message>
        <source>German</source>
        <translation>Allemand</translation>
    </message>
    <message>
        <source>German (no dead keys)</source>
        <translation>Allemand (sans touches mortes)</translation>
    </message>
    <message>
        <source>French</source>
        <translation>Français</translation>
    </message>
    <message>
        <source>Spanish</source>
        <translation>Espagnol</translation>
    </message>
    <message>
        <source>Italian</source>
        <translation>Italien</translation>
    </message>
    <message>
        <source>Portuguese (Brazil)</source>
        <translation>Portugais (Brésil)</translation>
    </message>
    <message>
        <source>Dutch</source>
        <translation>Néerlandais</translation>
    </message>
    <message>
        <source>Polish</source>
        <translation>Polonais</translation>
    </message>
    <message>
        <source>Swedish</source>
        <translation>Suédois</translation>
    </message>
    <message>
        <source>Japanese</source>
        <translation>Japonais</translation>
    </message>
</context>
<context>
    <name>VHWiFiAccessPointDelegate</name>
    <message>
        <source>Connected</source>
        <translation>Connecté</translation>
    </message>
    <message>
        <source>Saved</source>
        <translation>Enregistré</translation>
    </message>
</context>
<context>
    <name>VHWiFiDialog</name>
    <message>
        <source>Status</source>
        <translation>État</translation>
    </message>
    <message>
        <source>Connected</source>
        <translation>Connecté</translation>
    </message>
    <message>
        <source>Saved</source>
        <translation>Enregistré</translation>
    </message>
    <message>
        <source>Not connected</source>
        <translation>Non connecté</translation>
    </message>
    <message>
        <source>Security</source>
        <translation>Sécurité</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Ouvert</translation>
    </message>
    <message>
        <source>Signal strength</source>
        <translation>Puissance du signal</translation>
    </message>
    <message>
        <source>Access point</source>
        <translation>Point d&apos;accès</translation>
    </message>
    <message>
        <source>IP address</source>
        <translation>Adresse IP</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>Forget Network</source>
        <translation>Oublier ce réseau</translation>
    </message>
</context>
<context>
    <name>VHWiFiDialogEthernet</name>
    <message>
        <source>Enter an address such as 192.168.1.20.</source>
        <translation>Saisissez une adresse telle que 192.168.1.20.</translation>
    </message>
    <message>
        <source>This address names the whole network, not a device.</source>
        <translation>Cette adresse désigne tout le réseau, pas un appareil.</translation>
    </message>
    <message>
        <source>Enter a netmask such as 255.255.255.0.</source>
        <translation>Saisissez un masque de sous-réseau tel que 255.255.255.0.</translation>
    </message>
    <message>
        <source>Enter the router&apos;s address, such as 192.168.1.1.</source>
        <translation>Saisissez l&apos;adresse du routeur, par exemple 192.168.1.1.</translation>
    </message>
    <message>
        <source>The gateway must be in the same network as the address.</source>
        <translation>La passerelle doit se trouver dans le même réseau que l&apos;adresse.</translation>
    </message>
    <message>
        <source>The gateway cannot be the printer&apos;s own address.</source>
        <translation>La passerelle ne peut pas être l&apos;adresse de l&apos;imprimante elle-même.</translation>
    </message>
    <message>
        <source>Ethernet Settings</source>
        <translation>Paramètres Ethernet</translation>
    </message>
    <message>
        <source>Obtain the address automatically (DHCP)</source>
        <translation>Obtenir l&apos;adresse automatiquement (DHCP)</translation>
    </message>
    <message>
        <source>IP address</source>
        <translation>Adresse IP</translation>
    </message>
    <message>
        <source>Netmask</source>
        <translation>Masque de sous-réseau</translation>
    </message>
    <message>
        <source>Gateway</source>
        <translation>Passerelle</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Enregistrer</translation>
    </message>
</context>
<context>
    <name>VHWiFiDialogPassword</name>
    <message>
        <source>This network is open: no password is needed.</source>
        <translation>Ce réseau est ouvert : aucun mot de passe n&apos;est nécessaire.</translation>
    </message>
    <message>
        <source>The password of this network is saved. Type a new one only if it has changed.</source>
        <translation>Le mot de passe de ce réseau est enregistré. N&apos;en saisissez un nouveau que s&apos;il a changé.</translation>
    </message>
    <message>
        <source>Enter the password of this network.</source>
        <translation>Saisissez le mot de passe de ce réseau.</translation>
    </message>
    <message>
        <source>Saved password</source>
        <translation>Mot de passe enregistré</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Mot de passe</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Connect</source>
        <translation>Connecter</translation>
    </message>
</context>
<context>
    <name>WifiClientIPC</name>
    <message>
        <source>No Wi-Fi device is available.</source>
        <translation>Aucun adaptateur Wi-Fi n&apos;est disponible.</translation>
    </message>
    <message>
        <source>%1 is out of range.</source>
        <translation>%1 est hors de portée.</translation>
    </message>
    <message>
        <source>Connecting to %1 …</source>
        <translation>Connexion à %1 …</translation>
    </message>
    <message>
        <source>%1 needs a sign-in that this printer does not support.</source>
        <translation>%1 exige une authentification que cette imprimante ne prend pas en charge.</translation>
    </message>
    <message>
        <source>Enter the password of %1.</source>
        <translation>Saisissez le mot de passe de %1.</translation>
    </message>
    <message>
        <source>This cannot be the password of %1: check its length.</source>
        <translation>Ce mot de passe ne peut pas être celui de %1 : vérifiez sa longueur.</translation>
    </message>
    <message>
        <source>Could not connect to %1.</source>
        <translation>Impossible de se connecter à %1.</translation>
    </message>
    <message>
        <source>Connected to %1.</source>
        <translation>Connecté à %1.</translation>
    </message>
    <message>
        <source>The password of %1 was not accepted.</source>
        <translation>Le mot de passe de %1 a été refusé.</translation>
    </message>
</context>
</TS>
