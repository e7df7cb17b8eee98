<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es_ES">
<context>
    <name>AddUserContainer</name>
    <message>
        <source>User already exists</source>
        <translation>El usuario ya existe</translation>
    </message>
    <message>
        <source>Invalid username</source>
        <translation>Nombre de usuario no válido</translation>
    </message>
    <message>
        <source>Invalid password</source>
        <translation>Contraseña no válida</translation>
    </message>
    <message>
        <source>Invalid Username &amp; Password</source>
        <translation>Usuario y contraseña no válidos</translation>
    </message>
    <message>
        <source>Passwords do not match</source>
        <translation>Las contraseñas no coinciden</translation>
    </message>
    <message>
        <source>Username</source>
        <translation>Nombre de usuario</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Contraseña</translation>
    </message>
    <message>
        <source>Confirm Password</source>
        <translation>Confirmar contraseña</translation>
    </message>
    <message>
        <source>Lock</source>
        <translation>Bloquear</translation>
    </message>
    <message>
        <source>Add User</source>
        <translation>Añadir usuario</translation>
    </message>
</context>
<context>
    <name>DeleteUserDialog</name>
    <message>
        <source>Delete User?</source>
        <translation>¿Eliminar usuario?</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Delete User</source>
        <translation>Eliminar usuario</translation>
    </message>
</context>
<context>
    <name>MSDInfoDialog</name>
    <message>
        <source>Information</source>
        <translation>Información</translation>
    </message>
    <message>
        <source>File share is accessible on host computer when connected.</source>
        <translation>La carpeta compartida es accesible desde el ordenador host mientras la impresora está conectada.</translation>
    </message>
    <message>
        <source>File share is accessible on printer when disconnected from host computer.</source>
        <translation>La carpeta compartida es accesible desde la impresora cuando está desconectada del ordenador host.</translation>
    </message>
    <message>
        <source>Max capacity 200MB.</source>
        <translation>Capacidad máxima: 200 MB.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
</context>
<context>
    <name>MainContainer</name>
    <message>
        <source>Settings</source>
        <translation>Configuración</translation>
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
        <translation>2 minutos</translation>
    </message>
    <message>
        <source>3 minutes</source>
        <translation>3 minutos</translation>
    </message>
    <message>
        <source>5 minutes</source>
        <translation>5 minutos</translation>
    </message>
    <message>
        <source>10 minutes</source>
        <translation>10 minutos</translation>
    </message>
    <message>
        <source>20 minutes</source>
        <translation>20 minutos</translation>
    </message>
    <message>
        <source>30 minutes</source>
        <translation>30 minutos</translation>
    </message>
    <message>
        <source>45 minutes</source>
        <translation>45 minutos</translation>
    </message>
    <message>
        <source>1 hour</source>
        <translation>1 hora</translation>
    </message>
    <message>
        <source>2 hours</source>
        <translation>2 horas</translation>
    </message>
    <message>
        <source>3 hours</source>
        <translation>3 horas</translation>
    </message>
    <message>
        <source>Never</source>
        <translation>Nunca</translation>
    </message>
</context>
<context>
    <name>ModelMainSidebar</name>
    <message>
        <source>General</source>
        <translation>General</translation>
    </message>
    <message>
        <source>Printer</source>
        <translation>Impresora</translation>
    </message>
    <message>
        <source>Alignment</source>
        <translation>Alineación</translation>
    </message>
    <message>
        <source>Presets</source>
        <translation>Preajustes</translation>
    </message>
    <message>
        <source>Advanced</source>
        <translation>Avanzado</translation>
    </message>
    <message>
        <source>Date &amp; Time</source>
        <translation>Fecha y hora</translation>
    </message>
    <message>
        <source>Networking</source>
        <translation>Red</translation>
    </message>
    <message>
        <source>Updates</source>
        <translation>Actualizaciones</translation>
    </message>
    <message>
        <source>Languages</source>
        <translation>Idiomas</translation>
    </message>
    <message>
        <source>Users</source>
        <translation>Usuarios</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Acerca de</translation>
    </message>
</context>
<context>
    <name>ModifyUserDialog</name>
    <message>
        <source>Invalid new password. Please try something else.</source>
        <translation>La nueva contraseña no es válida. Pruebe con otra.</translation>
    </message>
    <message>
        <source>Passwords do not match.</source>
        <translation>Las contraseñas no coinciden.</translation>
    </message>
    <message>
        <source>Incorrect password.</source>
        <translation>Contraseña incorrecta.</translation>
    </message>
    <message>
        <source>Change User Password</source>
        <translation>Cambiar contraseña de usuario</translation>
    </message>
    <message>
        <source>Old Password</source>
        <translation>Contraseña actual</translation>
    </message>
    <message>
        <source>New Password</source>
        <translation>Nueva contraseña</translation>
    </message>
    <message>
        <source>Confirm Password</source>
        <translation>Confirmar contraseña</translation>
    </message>
    <message>
        <source>Change Password</source>
        <translation>Cambiar contraseña</translation>
    </message>
</context>
<context>
    <name>PageAbout</name>
    <message>
        <source>Model:</source>
        <translation>Modelo:</translation>
    </message>
    <message>
        <source>Serial Number:</source>
        <translation>Número de serie:</translation>
    </message>
    <message>
        <source>Version:</source>
        <translation>Versión:</translation>
    </message>
    <message>
        <source>Available Storage:</source>
        <translation>Almacenamiento disponible:</translation>
    </message>
    <message>
        <source>Ethernet Address:</source>
        <translation>Dirección Ethernet:</translation>
    </message>
    <message>
        <source>Wireless Address:</source>
        <translation>Dirección Wi-Fi:</translation>
    </message>
    <message>
        <source>Head 1 Offsets (Backstop, Horizontal, BlackMark, Gap, Heat):</source>
        <translation>Desplazamientos del cabezal 1 (tope, horizontal, marca negra, espacio, calor):</translation>
    </message>
    <message>
        <source>Offsets (Backstop, Horizontal, BlackMark, Gap, Heat):</source>
        <translation>Desplazamientos (tope, horizontal, marca negra, espacio, calor):</translation>
    </message>
    <message>
        <source>Head 2 Offsets (Backstop, Horizontal, BlackMark, Gap, Heat):</source>
        <translation>Desplazamientos del cabezal 2 (tope, horizontal, marca negra, espacio, calor):</translation>
    </message>
    <message>
        <source>Calibration Values (TachL, TachH, CutT, SupT, SupR):</source>
        <translation>Valores de calibración (TachL, TachH, CutT, SupT, SupR):</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Acerca de</translation>
    </message>
</context>
<context>
    <name>PageDateTime</name>
    <message>
        <source>Date and Time</source>
        <translation>Fecha y hora</translation>
    </message>
    <message>
        <source>24 Hour Time</source>
        <translation>Formato de 24 horas</translation>
    </message>
    <message>
        <source>Change the displayed times format on the top bar.</source>
        <translation>Cambia el formato de la hora mostrada en la barra superior.</translation>
    </message>
    <message>
        <source>Time Zone</source>
        <translation>Zona horaria</translation>
    </message>
    <message>
        <source>Set the current time zone.</source>
        <translation>Establece la zona horaria actual.</translation>
    </message>
    <message>
        <source>Date Format</source>
        <translation>Formato de fecha</translation>
    </message>
    <message>
        <source>Change the format of the date</source>
        <translation>Cambia el formato de la fecha</translation>
    </message>
    <message>
        <source>Set Date and Time Automatically</source>
        <translation>Fecha y hora automáticas</translation>
    </message>
    <message>
        <source>Requires a valid internet connection.</source>
        <translation>Requiere una conexión a Internet activa.</translation>
    </message>
    <message>
        <source>Hours</source>
        <translation>Horas</translation>
    </message>
    <message>
        <source>Minutes</source>
        <translation>Minutos</translation>
    </message>
    <message>
        <source>AM</source>
        <translation>a. m.</translation>
    </message>
    <message>
        <source>PM</source>
        <translation>p. m.</translation>
    </message>
    <message>
        <source>Month</source>
        <translation>Mes</translation>
    </message>
    <message>
        <source>January</source>
        <translation>Enero</translation>
    </message>
    <message>
        <source>February</source>
        <translation>Febrero</translation>
    </message>
    <message>
        <source>March</source>
        <translation>Marzo</translation>
    </message>
    <message>
        <source>April</source>
        <translation>Abril</translation>
    </message>
    <message>
        <source>May</source>
        <translation>Mayo</translation>
    </message>
    <message>
        <source>June</source>
        <translation>Junio</translation>
    </message>
    <message>
        <source>July</source>
        <translation>Julio</translation>
    </message>
    <message>
        <source>August</source>
        <translation>Agosto</translation>
    </message>
    <message>
        <source>September</source>
        <translation>Septiembre</translation>
    </message>
    <message>
        <source>October</source>
        <translation>Octubre</translation>
    </message>
    <message>
        <source>November</source>
        <translation>Noviembre</translation>
    </message>
    <message>
        <source>December</source>
        <translation>Diciembre</translation>
    </message>
    <message>
        <source>Day</source>
        <translation>Día</translation>
    </message>
    <message>
        <source>Year</source>
        <translation>Año</translation>
    </message>
</context>
<context>
    <name>PageGeneral</name>
    <message>
        <source>Units</source>
        <translation>Unidades</translation>
    </message>
    <message>
        <source>Set the default units of all applications.</source>
        <translation>Establece las unidades predeterminadas de todas las aplicaciones.</translation>
    </message>
    <message>
        <source>inches</source>
        <translation>pulgadas</translation>
    </message>
    <message>
        <source>mm</source>
        <translation>mm</translation>
    </message>
    <message>
        <source>Display</source>
        <translation>Pantalla</translation>
    </message>
    <message>
        <source>Brightness</source>
        <translation>Brillo</translation>
    </message>
    <message>
        <source>Adjust the display brightness.</source>
        <translation>Ajusta el brillo de la pantalla.</translation>
    </message>
    <message>
        <source>Dimming</source>
        <translation>Atenuación</translation>
    </message>
    <message>
        <source>Dim the display when inactive after the selected time.</source>
        <translation>Atenúa la pantalla tras el tiempo de inactividad seleccionado.</translation>
    </message>
    <message>
        <source>Power</source>
        <translation>Apagado</translation>
    </message>
    <message>
        <source>Turn the display off after the period of inactivity.</source>
        <translation>Apaga la pantalla tras este tiempo de inactividad.</translation>
    </message>
    <message>
        <source>Sharing</source>
        <translation>Uso compartido</translation>
    </message>
    <message>
        <source>USB Shared Folder</source>
        <translation>Carpeta compartida USB</translation>
    </message>
    <message>
        <source>Create a shared drive between printer and PC</source>
        <translation>Crea una unidad compartida entre la impresora y el PC</translation>
    </message>
    <message>
        <source>Home</source>
        <translation>Pantalla de inicio</translation>
    </message>
    <message>
        <source>File / Folder</source>
        <translation>Archivo / Carpeta</translation>
    </message>
    <message>
        <source>Enable file and folder double click to open.</source>
        <translation>Permite abrir archivos y carpetas con un doble toque.</translation>
    </message>
    <message>
        <source>Privacy</source>
        <translation>Privacidad</translation>
    </message>
    <message>
        <source>Analytics</source>
        <translation>Datos de análisis</translation>
    </message>
    <message>
        <source>Help improve Varnholt software development through anonymous analytics data.</source>
        <translation>Envía datos de análisis anónimos para ayudar a Varnholt a mejorar su software.</translation>
    </message>
    <message>
        <source>Initialization</source>
        <translation>Inicialización</translation>
    </message>
    <message>
        <source>Enable first boot application on the next restart</source>
        <translation>Ejecutar la configuración inicial en el próximo reinicio</translation>
    </message>
</context>
<context>
    <name>PageLanguages</name>
    <message>
        <source>Languages</source>
        <translation>Idiomas</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Idioma</translation>
    </message>
    <message>
        <source>Set the system language. Change requires a restart.</source>
        <translation>Establece el idioma del sistema. El cambio requiere reiniciar.</translation>
    </message>
    <message>
        <source>Keyboard Layout</source>
        <translation>Distribución del teclado</translation>
    </message>
    <message>
        <source>Set the system keyboard layout. Change requires a restart.</source>
        <translation>Establece la distribución del teclado del sistema. El cambio requiere reiniciar.</translation>
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
        <translation>Configuración de la impresora</translation>
    </message>
    <message>
        <source>Orientation</source>
        <translation>Orientación</translation>
    </message>
    <message>
        <source>Cut</source>
        <translation>Corte</translation>
    </message>
    <message>
        <source>Mirror</source>
        <translation>Espejo</translation>
    </message>
    <message>
        <source>Negative</source>
        <translation>Negativo</translation>
    </message>
    <message>
        <source>Overprint</source>
        <translation>Sobreimpresión</translation>
    </message>
    <message>
        <source>White Base</source>
        <translation>Base blanca</translation>
    </message>
    <message>
        <source>Print Quality</source>
        <translation>Calidad de impresión</translation>
    </message>
    <message>
        <source>Dithering Method</source>
        <translation>Método de tramado</translation>
    </message>
    <message>
        <source>Dithering methods affect the quality and speed of the print.</source>
        <translation>El método de tramado influye en la calidad y la velocidad de impresión.</translation>
    </message>
    <message>
        <source>Heat Intensity Offset</source>
        <translation>Ajuste de intensidad térmica</translation>
    </message>
    <message>
        <source>Adjust the heat offset from the nominal recommended setting.</source>
        <translation>Ajusta la intensidad térmica respecto al valor nominal recomendado.</translation>
    </message>
</context>
<context>
    <name>PagePrinterAdvanced</name>
    <message>
        <source>Advanced</source>
        <translation>Configuración avanzada</translation>
    </message>
    <message>
        <source>Tension Offset</source>
        <translation>Ajuste de tensión</translation>
    </message>
    <message>
        <source>Adjust the tension offset of the ribbon.</source>
        <translation>Ajusta la tensión de la cinta respecto al valor nominal.</translation>
    </message>
    <message>
        <source>Ribbon Saver</source>
        <translation>Ahorro de cinta</translation>
    </message>
    <message>
        <source>May decrease ribbon consumption.</source>
        <translation>Puede reducir el consumo de cinta.</translation>
    </message>
    <message>
        <source>BETA</source>
        <translation>BETA</translation>
    </message>
    <message>
        <source>Calibration</source>
        <translation>Calibración</translation>
    </message>
    <message>
        <source>Calibrate the ribbon tach sensors. Recommended if your printer continues to display error 32, 33, 34 or 35</source>
        <translation>Calibra los sensores tacométricos de la cinta. Recomendado si la impresora sigue mostrando el error 32, 33, 34 o 35</translation>
    </message>
    <message>
        <source>Calibrate Ribbon Sensor</source>
        <translation>Calibrar sensor de cinta</translation>
    </message>
    <message>
        <source>Calibrate the supply sensor. Recommended if your printer continues to display error 2 or 3.</source>
        <translation>Calibra el sensor de soporte. Recomendado si la impresora sigue mostrando el error 2 o 3.</translation>
    </message>
    <message>
        <source>Calibrate Supply Sensor</source>
        <translation>Calibrar sensor de soporte</translation>
    </message>
    <message>
        <source>Reset Supply Sensor</source>
        <translation>Restablecer sensor de soporte</translation>
    </message>
</context>
<context>
    <name>PagePrinterAlignment</name>
    <message>
        <source>Feed Offsets</source>
        <translation>Desplazamiento de avance</translation>
    </message>
    <message>
        <source>Backfeed</source>
        <translation>Retroceso</translation>
    </message>
    <message>
        <source>Adjust the backfeed amount after a cut.</source>
        <translation>Ajusta el retroceso después de un corte.</translation>
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
        <translation>Ajusta el avance antes del corte.</translation>
    </message>
</context>
<context>
    <name>PagePrinterPresets</name>
    <message>
        <source>Manage Presets</source>
        <translation>Gestionar preajustes</translation>
    </message>
    <message>
        <source>Preset Selection</source>
        <translation>Selección de preajuste</translation>
    </message>
    <message>
        <source>Select a preset to modify or delete. Selecting &quot;Update&quot; will save the settings selected on Printer and Print Alignment pages to the currently selected preset.</source>
        <translation>Seleccione un preajuste para modificarlo o eliminarlo. «Actualizar» guarda en el preajuste seleccionado la configuración elegida en las páginas Impresora y Alineación.</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Eliminar</translation>
    </message>
    <message>
        <source>Update</source>
        <translation>Actualizar</translation>
    </message>
    <message>
        <source>Create New Preset</source>
        <translation>Crear preajuste</translation>
    </message>
    <message>
        <source>Preset Name</source>
        <translation>Nombre del preajuste</translation>
    </message>
    <message>
        <source>Type the name of the preset you&apos;ll be creating. Clicking &quot;Add&quot; will create the new preset with settings selected in the Printer and Print Alignment pages.</source>
        <translation>Escriba el nombre del nuevo preajuste. «Añadir» lo crea con la configuración elegida en las páginas Impresora y Alineación.</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Añadir</translation>
    </message>
</context>
<context>
    <name>PageUpdates</name>
    <message>
        <source>Updates Available</source>
        <translation>Actualizaciones disponibles</translation>
    </message>
    <message>
        <source>Install Updates</source>
        <translation>Instalar actualizaciones</translation>
    </message>
    <message>
        <source>System Updates</source>
        <translation>Actualizaciones del sistema</translation>
    </message>
    <message>
        <source>Last Checked: </source>
        <translation>Última comprobación: </translation>
    </message>
    <message>
        <source>Never</source>
        <translation>Nunca</translation>
    </message>
    <message>
        <source>Current Version:</source>
        <translation>Versión actual:</translation>
    </message>
    <message>
        <source>Available Version:</source>
        <translation>Versión disponible:</translation>
    </message>
    <message>
        <source>Please restart the system to complete the update.</source>
        <translation>Reinicie el sistema para completar la actualización.</translation>
    </message>
    <message>
        <source>Check For Updates Automatically</source>
        <translation>Buscar actualizaciones automáticamente</translation>
    </message>
    <message>
        <source>Requires a valid internet connection.</source>
        <translation>Requiere una conexión a Internet activa.</translation>
    </message>
    <message>
        <source>Update Finished</source>
        <translation>Actualización completada</translation>
    </message>
    <message>
        <source>Up To Date</source>
        <translation>Sistema actualizado</translation>
    </message>
    <message>
        <source>Re-install Update</source>
        <translation>Reinstalar actualización</translation>
    </message>
    <message>
        <source>Check For Updates</source>
        <translation>Buscar actualizaciones</translation>
    </message>
    <message>
        <source>Checking for updates...</source>
        <translation>Buscando actualizaciones...</translation>
    </message>
    <message>
        <source>Updating, Please Wait...</source>
        <translation>Actualizando, espere...</translation>
    </message>
    <message>
        <source>Error Updating</source>
        <translation>Error al actualizar</translation>
    </message>
</context>
<context>
    <name>PageUsers</name>
    <message>
        <source>Users and Passwords</source>
        <translation>Usuarios y contraseñas</translation>
    </message>
    <message>
        <source>There are currently no users.
Adding a user will prompt for a login on reboot.</source>
        <translation>Actualmente no hay usuarios.
Si añade un usuario, se pedirá iniciar sesión al reiniciar.</translation>
    </message>
</context>
<context>
    <name>PrinterButtonBar</name>
    <message>
        <source>Print Test Page</source>
        <translation>Imprimir página de prueba</translation>
    </message>
    <message>
        <source>Calibrate Supply</source>
        <translation>Calibrar soporte</translation>
    </message>
    <message>
        <source>Supply Status</source>
        <translation>Estado del soporte</translation>
    </message>
</context>
<context>
    <name>PrintheadOffsetsComponent</name>
    <message>
        <source>Printhead Offsets</source>
        <translation>Desplazamiento del cabezal</translation>
    </message>
    <message>
        <source>Horizontal</source>
        <translation>Horizontal</translation>
    </message>
    <message>
        <source>Shift the entire print horizontally.</source>
        <translation>Desplaza toda la impresión en horizontal.</translation>
    </message>
    <message>
        <source>dots</source>
        <translation>puntos</translation>
    </message>
    <message>
        <source>Vertical</source>
        <translation>Vertical</translation>
    </message>
    <message>
        <source>Shift the entire print vertically.</source>
        <translation>Desplaza toda la impresión en vertical.</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>Landscape</source>
        <translation>Horizontal</translation>
    </message>
    <message>
        <source>Landscape 180</source>
        <translation>Horizontal 180</translation>
    </message>
    <message>
        <source>Portrait</source>
        <translation>Vertical</translation>
    </message>
    <message>
        <source>Portrait 180</source>
        <translation>Vertical 180</translation>
    </message>
    <message>
        <source>Cut After Job</source>
        <translation>Corte por trabajo</translation>
    </message>
    <message>
        <source>Cut After Page</source>
        <translation>Corte por página</translation>
    </message>
    <message>
        <source>No Cut</source>
        <translation>Sin corte</translation>
    </message>
    <message>
        <source>Dither</source>
        <comment>Dither method name</comment>
        <translation>(tramado)</translation>
    </message>
    <message>
        <source>Ordered Dither</source>
        <comment>Ordered Dither method name</comment>
        <translation>(tramado ordenado)</translation>
    </message>
</context>
<context>
    <name>RestartHint</name>
    <message>
        <source>Please restart for this setting to take effect.</source>
        <translation>Reinicie para que este cambio surta efecto.</translation>
    </message>
</context>
<context>
    <name>UpdateHelper</name>
    <message>
        <source>No update source is configured.</source>
        <translation>No hay ningún origen de actualizaciones configurado.</translation>
    </message>
    <message>
        <source>The update source offers no valid release.</source>
        <translation>El origen de actualizaciones no ofrece ninguna versión válida.</translation>
    </message>
    <message>
        <source>No update is available. Check for updates first.</source>
        <translation>No hay ninguna actualización disponible. Busque actualizaciones primero.</translation>
    </message>
    <message>
        <source>The update could not be installed.</source>
        <translation>No se ha podido instalar la actualización.</translation>
    </message>
    <message>
        <source>The update source cannot be reached.</source>
        <translation>No se puede acceder al origen de actualizaciones.</translation>
    </message>
    <message>
        <source>The update could not be downloaded.</source>
        <translation>No se ha podido descargar la actualización.</translation>
    </message>
    <message>
        <source>The downloaded update is damaged.</source>
        <translation>La actualización descargada está dañada.</translation>
    </message>
    <message>
        <source>The update could not be stored on this device.</source>
        <translation>No se ha podido guardar la actualización en este dispositivo.</translation>
    </message>
</context>
<context>
    <name>VHLocaleLanguages</name>
    <message>
        <source>English (US)</source>
        <translation>Inglés (EE. UU.)</translation>
    </message>
    <message>
        <source>English (US, international)</source>
        <translation>Inglés (EE. UU., internacional)</translation>
    </message>
    <message>
        <source>English (Dvorak)</source>
        <translation>Inglés (Dvorak)</translation>
    </message>
    <message>
        <source>English (UK)</source>
        <translation>Inglés (Reino Unido)</translation>
    </message>
    <message>
        <source>German</source>
        <translation>Alemán</translation>
    </message>
    <message>
        <source>German (no dead keys)</source>
        <translation>Alemán (sin teclas muertas)</translation>
    </message>
    <message>
        <source>French</source>
        <translation>Francés</translation>
    </message>
    <message>
        <source>Spanish</source>
        <translation>Español</translation>
    </message>
    <message>
        <source>Italian</source>
        <translation>Italiano</translation>
    </message>
    <message>
        <source>Portuguese (Brazil)</source>
        <translation>Portugués (Brasil)</translation>
    </message>
    <message>
        <source>Dutch</source>
        <translation>Neerlandés</translation>
    </message>
    <message>
        <source>Polish</source>
        <translation>Polaco</translation>
    </message>
    <message>
        <source>Swedish</source>
        <translation>Sueco</translation>
    </message>
    <message>
        <source>Japanese</source>
        <translation>Japonés</translation>
    </message>
</context>
<context>
    <name>VHWiFiAccessPointDelegate</name>
    <message>
        <source>Connected</source>
        <translation>Conectada</translation>
    </message>
    <message>
        <source>Saved</source>
        <translation>Guardada</translation>
    </message>
</context>
<context>
    <name>VHWiFiDialog</name>
    <message>
        <source>Status</source>
        <translation>Estado</translation>
    </message>
    <message>
        <source>Connected</source>
        <translation>Conectada</translation>
    </message>
    <message>
        <source>Saved</source>
        <translation>Guardada</translation>
    </message>
    <message>
        <source>Not connected</source>
        <translation>No conectada</translation>
    </message>
    <message>
        <source>Security</source>
        <translation>Seguridad</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Abierta</translation>
    </message>
    <message>
        <source>Signal strength</source>
        <translation>Intensidad de la señal</translation>
    </message>
    <message>
        <source>Access point</source>
        <translation>Punto de acceso</translation>
    </message>
    <message>
        <source>IP address</source>
        <translation>Dirección IP</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>Forget Network</source>
        <translation>Olvidar red</translation>
    </message>
</context>
<context>
    <name>VHWiFiDialogEthernet</name>
    <message>
        <source>Enter an address such as 192.168.1.20.</source>
        <translation>Introduzca una dirección como 192.168.1.20.</translation>
    </message>
    <message>
        <source>This address names the whole network, not a device.</source>
        <translation>Esta dirección designa toda la red, no un dispositivo.</translation>
    </message>
    <message>
        <source>Enter a netmask such as 255.255.255.0.</source>
        <translation>Introduzca una máscara de subred como 255.255.255.0.</translation>
    </message>
    <message>
        <source>Enter the router&apos;s address, such as 192.168.1.1.</source>
        <translation>Introduzca la dirección del router, por ejemplo 192.168.1.1.</translation>
    </message>
    <message>
        <source>The gateway must be in the same network as the address.</source>
        <translation>La puerta de enlace debe estar en la misma red que la dirección.</translation>
    </message>
    <message>
        <source>The gateway cannot be the printer&apos;s own address.</source>
        <translation>La puerta de enlace no puede ser la dirección de la propia impresora.</translation>
    </message>
    <message>
        <source>Ethernet Settings</source>
        <translation>Configuración de Ethernet</translation>
    </message>
    <message>
        <source>Obtain the address automatically (DHCP)</source>
        <translation>Obtener la dirección automáticamente (DHCP)</translation>
    </message>
    <message>
        <source>IP address</source>
        <translation>Dirección IP</translation>
    </message>
    <message>
        <source>Netmask</source>
        <translation>Máscara de subred</translation>
    </message>
    <message>
        <source>Gateway</source>
        <translation>Puerta de enlace</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Guardar</translation>
    </message>
</context>
<context>
    <name>VHWiFiDialogPassword</name>
    <message>
        <source>This network is open: no password is needed.</source>
        <translation>Esta red está abierta: no se necesita contraseña.</translation>
    </message>
    <message>
        <source>The password of this network is saved. Type a new one only if it has changed.</source>
        <translation>La contraseña de esta red está guardada. Escriba una nueva solo si ha cambiado.</translation>
    </message>
    <message>
        <source>Enter the password of this network.</source>
        <translation>Introduzca la contraseña de esta red.</translation>
    </message>
    <message>
        <source>Saved password</source>
        <translation>Contraseña guardada</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Contraseña</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Connect</source>
        <translation>Conectar</translation>
    </message>
</context>
<context>
    <name>WifiClientIPC</name>
    <message>
        <source>No Wi-Fi device is available.</source>
        <translation>No hay ningún adaptador Wi-Fi disponible.</translation>
    </message>
    <message>
        <source>%1 is out of range.</source>
        <translation>%1 está fuera de alcance.</translation>
    </message>
    <message>
        <source>Connecting to %1 …</source>
        <translation>Conectando a %1 …</translation>
    </message>
    <message>
        <source>%1 needs a sign-in that this printer does not support.</source>
        <translation>%1 requiere un tipo de autenticación que esta impresora no admite.</translation>
    </message>
    <message>
        <source>Enter the password of %1.</source>
        <translation>Introduzca la contraseña de %1.</translation>
    </message>
    <message>
        <source>This cannot be the password of %1: check its length.</source>
        <translation>Esta no puede ser la contraseña de %1: compruebe su longitud.</translation>
    </message>
    <message>
        <source>Could not connect to %1.</source>
        <translation>No se ha podido conectar a %1.</translation>
    </message>
    <message>
        <source>Connected to %1.</source>
        <translation>Conectado a %1.</translation>
    </message>
    <message>
        <source>The password of %1 was not accepted.</source>
        <translation>No se ha aceptado la contraseña de %1.</translation>
    </message>
</context>
</TS>
