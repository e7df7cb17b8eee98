<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_BR">
<context>
    <name>AddUserContainer</name>
    <message>
        <source>User already exists</source>
        <translation>O usuário já existe</translation>
    </message>
    <message>
        <source>Invalid username</source>
        <translation>Nome de usuário inválido</translation>
    </message>
    <message>
        <source>Invalid password</source>
        <translation>Senha inválida</translation>
    </message>
    <message>
        <source>Invalid Username &amp; Password</source>
        <translation>Usuário e senha inválidos</translation>
    </message>
    <message>
        <source>Passwords do not match</source>
        <translation>As senhas não coincidem</translation>
    </message>
    <message>
        <source>Username</source>
        <translation>Nome de usuário</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Senha</translation>
    </message>
    <message>
        <source>Confirm Password</source>
        <translation>Confirmar senha</translation>
    </message>
    <message>
        <source>Lock</source>
        <translation>Bloquear</translation>
    </message>
    <message>
        <source>Add User</source>
        <translation>Adicionar usuário</translation>
    </message>
</context>
<context>
    <name>DeleteUserDialog</name>
    <message>
        <source>Delete User?</source>
        <translation>Excluir usuário?</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Delete User</source>
        <translation>Excluir usuário</translation>
    </message>
</context>
<context>
    <name>MSDInfoDialog</name>
    <message>
        <source>Information</source>
        <translation>Informações</translation>
    </message>
    <message>
        <source>File share is accessible on host computer when connected.</source>
        <translation>A pasta compartilhada fica acessível no computador host enquanto a impressora está conectada.</translation>
    </message>
    <message>
        <source>File share is accessible on printer when disconnected from host computer.</source>
        <translation>A pasta compartilhada fica acessível na impressora quando ela está desconectada do computador host.</translation>
    </message>
    <message>
        <source>Max capacity 200MB.</source>
        <translation>Capacidade máxima: 200 MB.</translation>
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
        <translation>Configurações</translation>
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
        <translation>Geral</translation>
    </message>
    <message>
        <source>Printer</source>
        <translation>Impressora</translation>
    </message>
    <message>
        <source>Alignment</source>
        <translation>Alinhamento</translation>
    </message>
    <message>
        <source>Presets</source>
        <translation>Predefinições</translation>
    </message>
    <message>
        <source>Advanced</source>
        <translation>Avançado</translation>
    </message>
    <message>
        <source>Date &amp; Time</source>
        <translation>Data e hora</translation>
    </message>
    <message>
        <source>Networking</source>
        <translation>Rede</translation>
    </message>
    <message>
        <source>Updates</source>
        <translation>Atualizações</translation>
    </message>
    <message>
        <source>Languages</source>
        <translation>Idiomas</translation>
    </message>
    <message>
        <source>Users</source>
        <translation>Usuários</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Sobre</translation>
    </message>
</context>
<context>
    <name>ModifyUserDialog</name>
    <message>
        <source>Invalid new password. Please try something else.</source>
        <translation>Nova senha inválida. Tente outra.</translation>
    </message>
    <message>
        <source>Passwords do not match.</source>
        <translation>As senhas não coincidem.</translation>
    </message>
    <message>
        <source>Incorrect password.</source>
        <translation>Senha incorreta.</translation>
    </message>
    <message>
        <source>Change User Password</source>
        <translation>Alterar senha do usuário</translation>
    </message>
    <message>
        <source>Old Password</source>
        <translation>Senha atual</translation>
    </message>
    <message>
        <source>New Password</source>
        <translation>Nova senha</translation>
    </message>
    <message>
        <source>Confirm Password</source>
        <translation>Confirmar senha</translation>
    </message>
    <message>
        <source>Change Password</source>
        <translation>Alterar senha</translation>
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
        <translation>Número de série:</translation>
    </message>
    <message>
        <source>Version:</source>
        <translation>Versão:</translation>
    </message>
    <message>
        <source>Available Storage:</source>
        <translation>Armazenamento disponível:</translation>
    </message>
    <message>
        <source>Ethernet Address:</source>
        <translation>Endereço Ethernet:</translation>
    </message>
    <message>
        <source>Wireless Address:</source>
        <translation>Endereço Wi-Fi:</translation>
    </message>
    <message>
        <source>Head 1 Offsets (Backstop, Horizontal, BlackMark, Gap, Heat):</source>
        <translation>Deslocamentos da cabeça 1 (batente, horizontal, marca preta, espaço, calor):</translation>
    </message>
    <message>
        <source>Offsets (Backstop, Horizontal, BlackMark, Gap, Heat):</source>
        <translation>Deslocamentos (batente, horizontal, marca preta, espaço, calor):</translation>
    </message>
    <message>
        <source>Head 2 Offsets (Backstop, Horizontal, BlackMark, Gap, Heat):</source>
        <translation>Deslocamentos da cabeça 2 (batente, horizontal, marca preta, espaço, calor):</translation>
    </message>
    <message>
        <source>Calibration Values (TachL, TachH, CutT, SupT, SupR):</source>
        <translation>Valores de calibração (TachL, TachH, CutT, SupT, SupR):</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Sobre</translation>
    </message>
</context>
<context>
    <name>PageDateTime</name>
    <message>
        <source>Date and Time</source>
        <translation>Data e hora</translation>
    </message>
    <message>
        <source>24 Hour Time</source>
        <translation>Formato de 24 horas</translation>
    </message>
    <message>
        <source>Change the displayed times format on the top bar.</source>
        <translation>Altera o formato da hora exibida na barra superior.</translation>
    </message>
    <message>
        <source>Time Zone</source>
        <translation>Fuso horário</translation>
    </message>
    <message>
        <source>Set the current time zone.</source>
        <translation>Define o fuso horário atual.</translation>
    </message>
    <message>
        <source>Date Format</source>
        <translation>Formato da data</translation>
    </message>
    <message>
        <source>Change the format of the date</source>
        <translation>Altera o formato da data</translation>
    </message>
    <message>
        <source>Set Date and Time Automatically</source>
        <translation>Data e hora automáticas</translation>
    </message>
    <message>
        <source>Requires a valid internet connection.</source>
        <translation>Requer uma conexão ativa com a Internet.</translation>
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
        <translation>AM</translation>
    </message>
    <message>
        <source>PM</source>
        <translation>PM</translation>
    </message>
    <message>
        <source>Month</source>
        <translation>Mês</translation>
    </message>
    <message>
        <source>January</source>
        <translation>Janeiro</translation>
    </message>
    <message>
        <source>February</source>
        <translation>Fevereiro</translation>
    </message>
    <message>
        <source>March</source>
        <translation>Março</translation>
    </message>
    <message>
        <source>April</source>
        <translation>Abril</translation>
    </message>
    <message>
        <source>May</source>
        <translation>Maio</translation>
    </message>
    <message>
        <source>June</source>
        <translation>Junho</translation>
    </message>
    <message>
        <source>July</source>
        <translation>Julho</translation>
    </message>
    <message>
        <source>August</source>
        <translation>Agosto</translation>
    </message>
    <message>
        <source>September</source>
        <translation>Setembro</translation>
    </message>
    <message>
        <source>October</source>
        <translation>Outubro</translation>
    </message>
    <message>
        <source>November</source>
        <translation>Novembro</translation>
    </message>
    <message>
        <source>December</source>
        <translation>Dezembro</translation>
    </message>
    <message>
        <source>Day</source>
        <translation>Dia</translation>
    </message>
    <message>
        <source>Year</source>
        <translation>Ano</translation>
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
        <translation>Define as unidades padrão de todos os aplicativos.</translation>
    </message>
    <message>
        <source>inches</source>
        <translation>polegadas</translation>
    </message>
    <message>
        <source>mm</source>
        <translation>mm</translation>
    </message>
    <message>
        <source>Display</source>
        <translation>Tela</translation>
    </message>
    <message>
        <source>Brightness</source>
        <translation>Brilho</translation>
    </message>
    <message>
        <source>Adjust the display brightness.</source>
        <translation>Ajusta o brilho da tela.</translation>
    </message>
    <message>
        <source>Dimming</source>
        <translation>Escurecimento</translation>
    </message>
    <message>
        <source>Dim the display when inactive after the selected time.</source>
        <translation>Escurece a tela após o tempo de inatividade selecionado.</translation>
    </message>
    <message>
        <source>Power</source>
        <translation>Desligamento</translation>
    </message>
    <message>
        <source>Turn the display off after the period of inactivity.</source>
        <translation>Desliga a tela após este tempo de inatividade.</translation>
    </message>
    <message>
        <source>Sharing</source>
        <translation>Compartilhamento</translation>
    </message>
    <message>
        <source>USB Shared Folder</source>
        <translation>Pasta compartilhada USB</translation>
    </message>
    <message>
        <source>Create a shared drive between printer and PC</source>
        <translation>Cria uma unidade compartilhada entre a impressora e o PC</translation>
    </message>
    <message>
        <source>Home</source>
        <translation>Tela inicial</translation>
    </message>
    <message>
        <source>File / Folder</source>
        <translation>Arquivo / Pasta</translation>
    </message>
    <message>
        <source>Enable file and folder double click to open.</source>
        <translation>Permite abrir arquivos e pastas com um toque duplo.</translation>
    </message>
    <message>
        <source>Privacy</source>
        <translation>Privacidade</translation>
    </message>
    <message>
        <source>Analytics</source>
        <translation>Dados de análise</translation>
    </message>
    <message>
        <source>Help improve Varnholt software development through anonymous analytics data.</source>
        <translation>Envia dados de análise anônimos para ajudar a Varnholt a aprimorar seu software.</translation>
    </message>
    <message>
        <source>Initialization</source>
        <translation>Inicialização</translation>
    </message>
    <message>
        <source>Enable first boot application on the next restart</source>
        <translation>Executar a configuração inicial na próxima reinicialização</translation>
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
        <translation>Define o idioma do sistema. A alteração requer reinicialização.</translation>
    </message>
    <message>
        <source>Keyboard Layout</source>
        <translation>Layout do teclado</translation>
    </message>
    <message>
        <source>Set the system keyboard layout. Change requires a restart.</source>
        <translation>Define o layout do teclado do sistema. A alteração requer reinicialização.</translation>
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
        <translation>Configuração da impressora</translation>
    </message>
    <message>
        <source>Orientation</source>
        <translation>Orientação</translation>
    </message>
    <message>
        <source>Cut</source>
        <translation>Corte</translation>
    </message>
    <message>
        <source>Mirror</source>
        <translation>Espelhar</translation>
    </message>
    <message>
        <source>Negative</source>
        <translation>Negativo</translation>
    </message>
    <message>
        <source>Overprint</source>
        <translation>Sobreimpressão</translation>
    </message>
    <message>
        <source>White Base</source>
        <translation>Base branca</translation>
    </message>
    <message>
        <source>Print Quality</source>
        <translation>Qualidade de impressão</translation>
    </message>
    <message>
        <source>Dithering Method</source>
        <translation>Método de pontilhado</translation>
    </message>
    <message>
        <source>Dithering methods affect the quality and speed of the print.</source>
        <translation>O método de pontilhado afeta a qualidade e a velocidade da impressão.</translation>
    </message>
    <message>
        <source>Heat Intensity Offset</source>
        <translation>Ajuste de intensidade térmica</translation>
    </message>
    <message>
        <source>Adjust the heat offset from the nominal recommended setting.</source>
        <translation>Ajusta a intensidade térmica em relação ao valor nominal recomendado.</translation>
    </message>
</context>
<context>
    <name>PagePrinterAdvanced</name>
    <message>
        <source>Advanced</source>
        <translation>Configurações avançadas</translation>
    </message>
    <message>
        <source>Tension Offset</source>
        <translation>Ajuste de tensão</translation>
    </message>
    <message>
        <source>Adjust the tension offset of the ribbon.</source>
        <translation>Ajusta a tensão da fita em relação ao valor nominal.</translation>
    </message>
    <message>
        <source>Ribbon Saver</source>
        <translation>Economia de fita</translation>
    </message>
    <message>
        <source>May decrease ribbon consumption.</source>
        <translation>Pode reduzir o consumo de fita.</translation>
    </message>
    <message>
        <source>BETA</source>
        <translation>BETA</translation>
    </message>
    <message>
        <source>Calibration</source>
        <translation>Calibração</translation>
    </message>
    <message>
        <source>Calibrate the ribbon tach sensors. Recommended if your printer continues to display error 32, 33, 34 or 35</source>
        <translation>Calibra os sensores tacométricos da fita. Recomendado se a impressora continuar exibindo o erro 32, 33, 34 ou 35</translation>
    </message>
    <message>
        <source>Calibrate Ribbon Sensor</source>
        <translation>Calibrar sensor da fita</translation>
    </message>
    <message>
        <source>Calibrate the supply sensor. Recommended if your printer continues to display error 2 or 3.</source>
        <translation>Calibra o sensor de mídia. Recomendado se a impressora continuar exibindo o erro 2 ou 3.</translation>
    </message>
    <message>
        <source>Calibrate Supply Sensor</source>
        <translation>Calibrar sensor de mídia</translation>
    </message>
    <message>
        <source>Reset Supply Sensor</source>
        <translation>Redefinir sensor de mídia</translation>
    </message>
</context>
<context>
    <name>PagePrinterAlignment</name>
    <message>
        <source>Feed Offsets</source>
        <translation>Deslocamento de avanço</translation>
    </message>
    <message>
        <source>Backfeed</source>
        <translation>Recuo</translation>
    </message>
    <message>
        <source>Adjust the backfeed amount after a cut.</source>
        <translation>Ajusta o recuo após um corte.</translation>
    </message>
    <message>
        <source>mm</source>
        <translation>mm</translation>
    </message>
    <message>
        <source>Feed</source>
        <translation>Avanço</translation>
    </message>
    <message>
        <source>Adjust the feed amount before cutting.</source>
        <translation>Ajusta o avanço antes do corte.</translation>
    </message>
</context>
<context>
    <name>PagePrinterPresets</name>
    <message>
        <source>Manage Presets</source>
        <translation>Gerenciar predefinições</translation>
    </message>
    <message>
        <source>Preset Selection</source>
        <translation>Seleção de predefinição</translation>
    </message>
    <message>
        <source>Select a preset to modify or delete. Selecting &quot;Update&quot; will save the settings selected on Printer and Print Alignment pages to the currently selected preset.</source>
        <translation>Selecione uma predefinição para modificar ou excluir. &quot;Atualizar&quot; salva na predefinição selecionada as configurações escolhidas nas páginas Impressora e Alinhamento.</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Excluir</translation>
    </message>
    <message>
        <source>Update</source>
        <translation>Atualizar</translation>
    </message>
    <message>
        <source>Create New Preset</source>
        <translation>Criar predefinição</translation>
    </message>
    <message>
        <source>Preset Name</source>
        <translation>Nome da predefinição</translation>
    </message>
    <message>
        <source>Type the name of the preset you&apos;ll be creating. Clicking &quot;Add&quot; will create the new preset with settings selected in the Printer and Print Alignment pages.</source>
        <translation>Digite o nome da nova predefinição. &quot;Adicionar&quot; cria a predefinição com as configurações escolhidas nas páginas Impressora e Alinhamento.</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Adicionar</translation>
    </message>
</context>
<context>
    <name>PageUpdates</name>
    <message>
        <source>Updates Available</source>
        <translation>Atualizações disponíveis</translation>
    </message>
    <message>
        <source>Install Updates</source>
        <translation>Instalar atualizações</translation>
    </message>
    <message>
        <source>System Updates</source>
        <translation>Atualizações do sistema</translation>
    </message>
    <message>
        <source>Last Checked: </source>
        <translation>Última verificação: </translation>
    </message>
    <message>
        <source>Never</source>
        <translation>Nunca</translation>
    </message>
    <message>
        <source>Current Version:</source>
        <translation>Versão atual:</translation>
    </message>
    <message>
        <source>Available Version:</source>
        <translation>Versão disponível:</translation>
    </message>
    <message>
        <source>Please restart the system to complete the update.</source>
        <translation>Reinicie o sistema para concluir a atualização.</translation>
    </message>
    <message>
        <source>Check For Updates Automatically</source>
        <translation>Verificar atualizações automaticamente</translation>
    </message>
    <message>
        <source>Requires a valid internet connection.</source>
        <translation>Requer uma conexão ativa com a Internet.</translation>
    </message>
    <message>
        <source>Update Finished</source>
        <translation>Atualização concluída</translation>
    </message>
    <message>
        <source>Up To Date</source>
        <translation>Sistema atualizado</translation>
    </message>
    <message>
        <source>Re-install Update</source>
        <translation>Reinstalar atualização</translation>
    </message>
    <message>
        <source>Check For Updates</source>
        <translation>Verificar atualizações</translation>
    </message>
    <message>
        <source>Checking for updates...</source>
        <translation>Verificando atualizações...</translation>
    </message>
    <message>
        <source>Updating, Please Wait...</source>
        <translation>Atualizando, aguarde...</translation>
    </message>
    <message>
        <source>Error Updating</source>
        <translation>Erro na atualização</translation>
    </message>
</context>
<context>
    <name>PageUsers</name>
    <message>
        <source>Users and Passwords</source>
        <translation>Usuários e senhas</translation>
    </message>
    <message>
        <source>There are currently no users.
Adding a user will prompt for a login on reboot.</source>
        <translation>No momento não há usuários.
Após adicionar um usuário, o login será solicitado ao reiniciar.</translation>
    </message>
</context>
<context>
    <name>PrinterButtonBar</name>
    <message>
        <source>Print Test Page</source>
        <translation>Imprimir página de teste</translation>
    </message>
    <message>
        <source>Calibrate Supply</source>
        <translation>Calibrar mídia</translation>
    </message>
    <message>
        <source>Supply Status</source>
        <translation>Status da mídia</translation>
    </message>
</context>
<context>
    <name>PrintheadOffsetsComponent</name>
    <message>
        <source>Printhead Offsets</source>
        <translation>Deslocamento da cabeça</translation>
    </message>
    <message>
        <source>Horizontal</source>
        <translation>Horizontal</translation>
    </message>
    <message>
        <source>Shift the entire print horizontally.</source>
        <translation>Desloca toda a impressão na horizontal.</translation>
    </message>
    <message>
        <source>dots</source>
        <translation>pontos</translation>
    </message>
    <message>
        <source>Vertical</source>
        <translation>Vertical</translation>
    </message>
    <message>
        <source>Shift the entire print vertically.</source>
        <translation>Desloca toda a impressão na vertical.</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>Landscape</source>
        <translation>Paisagem</translation>
    </message>
    <message>
        <source>Landscape 180</source>
        <translation>Paisagem 180</translation>
    </message>
    <message>
        <source>Portrait</source>
        <translation>Retrato</translation>
    </message>
    <message>
        <source>Portrait 180</source>
        <translation>Retrato 180</translation>
    </message>
    <message>
        <source>Cut After Job</source>
        <translation>Corte por trabalho</translation>
    </message>
    <message>
        <source>Cut After Page</source>
        <translation>Corte por página</translation>
    </message>
    <message>
        <source>No Cut</source>
        <translation>Sem corte</translation>
    </message>
    <message>
        <source>Dither</source>
        <comment>Dither method name</comment>
        <translation>(pontilhado)</translation>
    </message>
    <message>
        <source>Ordered Dither</source>
        <comment>Ordered Dither method name</comment>
        <translation>(pontilhado ordenado)</translation>
    </message>
</context>
<context>
    <name>RestartHint</name>
    <message>
        <source>Please restart for this setting to take effect.</source>
        <translation>Reinicie para que esta configuração entre em vigor.</translation>
    </message>
</context>
<context>
    <name>UpdateHelper</name>
    <message>
        <source>No update source is configured.</source>
        <translation>Nenhuma fonte de atualização está configurada.</translation>
    </message>
    <message>
        <source>The update source offers no valid release.</source>
        <translation>A fonte de atualização não oferece nenhuma versão válida.</translation>
    </message>
    <message>
        <source>No update is available. Check for updates first.</source>
        <translation>Nenhuma atualização disponível. Verifique se há atualizações primeiro.</translation>
    </message>
    <message>
        <source>The update could not be installed.</source>
        <translation>Não foi possível instalar a atualização.</translation>
    </message>
    <message>
        <source>The update source cannot be reached.</source>
        <translation>Não foi possível acessar a fonte de atualização.</translation>
    </message>
    <message>
        <source>The update could not be downloaded.</source>
        <translation>Não foi possível baixar a atualização.</translation>
    </message>
    <message>
        <source>The downloaded update is damaged.</source>
        <translation>A atualização baixada está danificada.</translation>
    </message>
    <message>
        <source>The update could not be stored on this device.</source>
        <translation>Não foi possível armazenar a atualização neste dispositivo.</translation>
    </message>
</context>
<context>
    <name>VHLocaleLanguages</name>
    <message>
        <source>English (US)</source>
        <translation>Inglês (EUA)</translation>
    </message>
    <message>
        <source>English (US, international)</source>
        <translation>Inglês (EUA, internacional)</translation>
    </message>
    <message>
        <source>English (Dvorak)</source>
        <translation>Inglês (Dvorak)</translation>
    </message>
    <message>
        <source>English (UK)</source>
        <translation>Inglês (Reino Unido)</translation>
    </message>
    <message>
        <source>German</source>
        <translation>Alemão</translation>
    </message>
    <message>
        <source>German (no dead keys)</source>
        <translation>Alemão (sem teclas mortas)</translation>
    </message>
    <message>
        <source>French</source>
        <translation>Francês</translation>
    </message>
    <message>
        <source>Spanish</source>
        <translation>Espanhol</translation>
    </message>
    <message>
        <source>Italian</source>
        <translation>Italiano</translation>
    </message>
    <message>
        <source>Portuguese (Brazil)</source>
        <translation>Português (Brasil)</translation>
    </message>
    <message>
        <source>Dutch</source>
        <translation>Holandês</translation>
    </message>
    <message>
        <source>Polish</source>
        <translation>Polonês</translation>
    </message>
    <message>
        <source>Swedish</source>
        <translation>Sueco</translation>
    </message>
    <message>
        <source>Japanese</source>
        <translation>Japonês</translation>
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
        <translation>Salva</translation>
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
        <translation>Conectada</translation>
    </message>
    <message>
        <source>Saved</source>
        <translation>Salva</translation>
    </message>
    <message>
        <source>Not connected</source>
        <translation>Não conectada</translation>
    </message>
    <message>
        <source>Security</source>
        <translation>Segurança</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Aberta</translation>
    </message>
    <message>
        <source>Signal strength</source>
        <translation>Intensidade do sinal</translation>
    </message>
    <message>
        <source>Access point</source>
        <translation>Ponto de acesso</translation>
    </message>
    <message>
        <source>IP address</source>
        <translation>Endereço IP</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fechar</translation>
    </message>
    <message>
        <source>Forget Network</source>
        <translation>Esquecer rede</translation>
    </message>
</context>
<context>
    <name>VHWiFiDialogEthernet</name>
    <message>
        <source>Enter an address such as 192.168.1.20.</source>
        <translation>Digite um endereço como 192.168.1.20.</translation>
    </message>
    <message>
        <source>This address names the whole network, not a device.</source>
        <translation>Este endereço designa a rede inteira, não um dispositivo.</translation>
    </message>
    <message>
        <source>Enter a netmask such as 255.255.255.0.</source>
        <translation>Digite uma máscara de sub-rede como 255.255.255.0.</translation>
    </message>
    <message>
        <source>Enter the router&apos;s address, such as 192.168.1.1.</source>
        <translation>Digite o endereço do roteador, por exemplo 192.168.1.1.</translation>
    </message>
    <message>
        <source>The gateway must be in the same network as the address.</source>
        <translation>O gateway deve estar na mesma rede que o endereço.</translation>
    </message>
    <message>
        <source>The gateway cannot be the printer&apos;s own address.</source>
        <translation>O gateway não pode ser o próprio endereço da impressora.</translation>
    </message>
    <message>
        <source>Ethernet Settings</source>
        <translation>Configurações de Ethernet</translation>
    </message>
    <message>
        <source>Obtain the address automatically (DHCP)</source>
        <translation>Obter o endereço automaticamente (DHCP)</translation>
    </message>
    <message>
        <source>IP address</source>
        <translation>Endereço IP</translation>
    </message>
    <message>
        <source>Netmask</source>
        <translation>Máscara de sub-rede</translation>
    </message>
    <message>
        <source>Gateway</source>
        <translation>Gateway</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Salvar</translation>
    </message>
</context>
<context>
    <name>VHWiFiDialogPassword</name>
    <message>
        <source>This network is open: no password is needed.</source>
        <translation>Esta rede é aberta: nenhuma senha é necessária.</translation>
    </message>
    <message>
        <source>The password of this network is saved. Type a new one only if it has changed.</source>
        <translation>A senha desta rede está salva. Digite uma nova somente se ela tiver mudado.</translation>
    </message>
    <message>
        <source>Enter the password of this network.</source>
        <translation>Digite a senha desta rede.</translation>
    </message>
    <message>
        <source>Saved password</source>
        <translation>Senha salva</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Senha</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fechar</translation>
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
        <translation>Nenhum adaptador Wi-Fi disponível.</translation>
    </message>
    <message>
        <source>%1 is out of range.</source>
        <translation>%1 está fora de alcance.</translation>
    </message>
    <message>
        <source>Connecting to %1 …</source>
        <translation>Conectando a %1 …</translation>
    </message>
    <message>
        <source>%1 needs a sign-in that this printer does not support.</source>
        <translation>%1 exige um tipo de autenticação que esta impressora não suporta.</translation>
    </message>
    <message>
        <source>Enter the password of %1.</source>
        <translation>Digite a senha de %1.</translation>
    </message>
    <message>
        <source>This cannot be the password of %1: check its length.</source>
        <translation>Esta não pode ser a senha de %1: verifique o comprimento.</translation>
    </message>
    <message>
        <source>Could not connect to %1.</source>
        <translation>Não foi possível conectar a %1.</translation>
    </message>
    <message>
        <source>Connected to %1.</source>
        <translation>Conectado a %1.</translation>
    </message>
    <message>
        <source>The password of %1 was not accepted.</source>
        <translation>A senha de %1 não foi aceita.</translation>
    </message>
</context>
</TS>
