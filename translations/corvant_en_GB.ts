<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_GB">
<context>
    <name>AddUserContainer</name>
    <message>
        <source>User already exists</source>
        <translation>User already exists</translation>
    </message>
    <message>
        <source>Invalid username</source>
        <translation>Invalid username</translation>
    </message>
    <message>
        <source>Invalid password</source>
        <translation>Invalid password</translation>
    </message>
    <message>
        <source>Invalid Username &amp; Password</source>
        <translation>Invalid Username &amp; Password</translation>
    </message>
    <message>
        <source>Passwords do not match</source>
        <translation>Passwords do not match</translation>
    </message>
    <message>
        <source>Username</source>
        <translation>Username</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Password</translation>
    </message>
    <message>
        <source>Confirm Password</source>
        <translation>Confirm Password</translation>
    </message>
    <message>
        <source>Lock</source>
        <translation>Lock</translation>
    </message>
    <message>
        <source>Add User</source>
        <translation>Add User</translation>
    </message>
</context>
<context>
    <name>DeleteUserDialog</name>
    <message>
        <source>Delete User?</source>
        <translation>Delete User?</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Delete User</source>
        <translation>Delete User</translation>
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
        <translation>File share is accessible on host computer when connected.</translation>
    </message>
    <message>
        <source>File share is accessible on printer when disconnected from host computer.</source>
        <translation>File share is accessible on printer when disconnected from host computer.</translation>
    </message>
    <message>
        <source>Max capacity 200MB.</source>
        <translation>Max capacity 200MB.</translation>
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
        <translation>Settings</translation>
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
        <translation>1 hour</translation>
    </message>
    <message>
        <source>2 hours</source>
        <translation>2 hours</translation>
    </message>
    <message>
        <source>3 hours</source>
        <translation>3 hours</translation>
    </message>
    <message>
        <source>Never</source>
        <translation>Never</translation>
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
        <translation>Printer</translation>
    </message>
    <message>
        <source>Alignment</source>
        <translation>Alignment</translation>
    </message>
    <message>
        <source>Presets</source>
        <translation>Presets</translation>
    </message>
    <message>
        <source>Advanced</source>
        <translation>Advanced</translation>
    </message>
    <message>
        <source>Date &amp; Time</source>
        <translation>Date &amp; Time</translation>
    </message>
    <message>
        <source>Networking</source>
        <translation>Networking</translation>
    </message>
    <message>
        <source>Updates</source>
        <translation>Updates</translation>
    </message>
    <message>
        <source>Languages</source>
        <translation>Languages</translation>
    </message>
    <message>
        <source>Users</source>
        <translation>Users</translation>
    </message>
    <message>
        <source>About</source>
        <translation>About</translation>
    </message>
</context>
<context>
    <name>ModifyUserDialog</name>
    <message>
        <source>Invalid new password. Please try something else.</source>
        <translation>Invalid new password. Please try something else.</translation>
    </message>
    <message>
        <source>Passwords do not match.</source>
        <translation>Passwords do not match.</translation>
    </message>
    <message>
        <source>Incorrect password.</source>
        <translation>Incorrect password.</translation>
    </message>
    <message>
        <source>Change User Password</source>
        <translation>Change User Password</translation>
    </message>
    <message>
        <source>Old Password</source>
        <translation>Old Password</translation>
    </message>
    <message>
        <source>New Password</source>
        <translation>New Password</translation>
    </message>
    <message>
        <source>Confirm Password</source>
        <translation>Confirm Password</translation>
    </message>
    <message>
        <source>Change Password</source>
        <translation>Change Password</translation>
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
        <translation>Serial Number:</translation>
    </message>
    <message>
        <source>Version:</source>
        <translation>Version:</translation>
    </message>
    <message>
        <source>Available Storage:</source>
        <translation>Available Storage:</translation>
    </message>
    <message>
        <source>Ethernet Address:</source>
        <translation>Ethernet Address:</translation>
    </message>
    <message>
        <source>Wireless Address:</source>
        <translation>Wireless Address:</translation>
    </message>
    <message>
        <source>Head 1 Offsets (Backstop, Horizontal, BlackMark, Gap, Heat):</source>
        <translation>Head 1 Offsets (Backstop, Horizontal, BlackMark, Gap, Heat):</translation>
    </message>
    <message>
        <source>Offsets (Backstop, Horizontal, BlackMark, Gap, Heat):</source>
        <translation>Offsets (Backstop, Horizontal, BlackMark, Gap, Heat):</translation>
    </message>
    <message>
        <source>Head 2 Offsets (Backstop, Horizontal, BlackMark, Gap, Heat):</source>
        <translation>Head 2 Offsets (Backstop, Horizontal, BlackMark, Gap, Heat):</translation>
    </message>
    <message>
        <source>Calibration Values (TachL, TachH, CutT, SupT, SupR):</source>
        <translation>Calibration Values (TachL, TachH, CutT, SupT, SupR):</translation>
    </message>
    <message>
        <source>About</source>
        <translation>About</translation>
    </message>
</context>
<context>
    <name>PageDateTime</name>
    <message>
        <source>Date and Time</source>
        <translation>Date and Time</translation>
    </message>
    <message>
        <source>24 Hour Time</source>
        <translation>24 Hour Time</translation>
    </message>
    <message>
        <source>Change the displayed times format on the top bar.</source>
        <translation>Change the displayed times format on the top bar.</translation>
    </message>
    <message>
        <source>Time Zone</source>
        <translation>Time Zone</translation>
    </message>
    <message>
        <source>Set the current time zone.</source>
        <translation>Set the current time zone.</translation>
    </message>
    <message>
        <source>Date Format</source>
        <translation>Date Format</translation>
    </message>
    <message>
        <source>Change the format of the date</source>
        <translation>Change the format of the date</translation>
    </message>
    <message>
        <source>Set Date and Time Automatically</source>
        <translation>Set Date and Time Automatically</translation>
    </message>
    <message>
        <source>Requires a valid internet connection.</source>
        <translation>Requires a valid internet connection.</translation>
    </message>
    <message>
        <source>Hours</source>
        <translation>Hours</translation>
    </message>
    <message>
        <source>Minutes</source>
        <translation>Minutes</translation>
    </message>
    <message>
        <source>AM</source>
        <translation>am</translation>
    </message>
    <message>
        <source>PM</source>
        <translation>pm</translation>
    </message>
    <message>
        <source>Month</source>
        <translation>Month</translation>
    </message>
    <message>
        <source>January</source>
        <translation>January</translation>
    </message>
    <message>
        <source>February</source>
        <translation>February</translation>
    </message>
    <message>
        <source>March</source>
        <translation>March</translation>
    </message>
    <message>
        <source>April</source>
        <translation>April</translation>
    </message>
    <message>
        <source>May</source>
        <translation>May</translation>
    </message>
    <message>
        <source>June</source>
        <translation>June</translation>
    </message>
    <message>
        <source>July</source>
        <translation>July</translation>
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
        <translation>October</translation>
    </message>
    <message>
        <source>November</source>
        <translation>November</translation>
    </message>
    <message>
        <source>December</source>
        <translation>December</translation>
    </message>
    <message>
        <source>Day</source>
        <translation>Day</translation>
    </message>
    <message>
        <source>Year</source>
        <translation>Year</translation>
    </message>
</context>
<context>
    <name>PageGeneral</name>
    <message>
        <source>Units</source>
        <translation>Units</translation>
    </message>
    <message>
        <source>Set the default units of all applications.</source>
        <translation>Set the default units of all applications.</translation>
    </message>
    <message>
        <source>inches</source>
        <translation>inches</translation>
    </message>
    <message>
        <source>mm</source>
        <translation>mm</translation>
    </message>
    <message>
        <source>Display</source>
        <translation>Display</translation>
    </message>
    <message>
        <source>Brightness</source>
        <translation>Brightness</translation>
    </message>
    <message>
        <source>Adjust the display brightness.</source>
        <translation>Adjust the display brightness.</translation>
    </message>
    <message>
        <source>Dimming</source>
        <translation>Dimming</translation>
    </message>
    <message>
        <source>Dim the display when inactive after the selected time.</source>
        <translation>Dim the display when inactive after the selected time.</translation>
    </message>
    <message>
        <source>Power</source>
        <translation>Power</translation>
    </message>
    <message>
        <source>Turn the display off after the period of inactivity.</source>
        <translation>Turn the display off after the period of inactivity.</translation>
    </message>
    <message>
        <source>Sharing</source>
        <translation>Sharing</translation>
    </message>
    <message>
        <source>USB Shared Folder</source>
        <translation>USB Shared Folder</translation>
    </message>
    <message>
        <source>Create a shared drive between printer and PC</source>
        <translation>Create a shared drive between printer and PC</translation>
    </message>
    <message>
        <source>Home</source>
        <translation>Home</translation>
    </message>
    <message>
        <source>File / Folder</source>
        <translation>File / Folder</translation>
    </message>
    <message>
        <source>Enable file and folder double click to open.</source>
        <translation>Enable file and folder double click to open.</translation>
    </message>
    <message>
        <source>Privacy</source>
        <translation>Privacy</translation>
    </message>
    <message>
        <source>Analytics</source>
        <translation>Analytics</translation>
    </message>
    <message>
        <source>Help improve Varnholt software development through anonymous analytics data.</source>
        <translation>Help improve Varnholt software development through anonymous analytics data.</translation>
    </message>
    <message>
        <source>Initialization</source>
        <translation>Initialisation</translation>
    </message>
    <message>
        <source>Enable first boot application on the next restart</source>
        <translation>Enable first boot application on the next restart</translation>
    </message>
</context>
<context>
    <name>PageLanguages</name>
    <message>
        <source>Languages</source>
        <translation>Languages</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Language</translation>
    </message>
    <message>
        <source>Set the system language. Change requires a restart.</source>
        <translation>Set the system language. Change requires a restart.</translation>
    </message>
    <message>
        <source>Keyboard Layout</source>
        <translation>Keyboard Layout</translation>
    </message>
    <message>
        <source>Set the system keyboard layout. Change requires a restart.</source>
        <translation>Set the system keyboard layout. Change requires a restart.</translation>
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
        <translation>Wireless</translation>
    </message>
</context>
<context>
    <name>PagePrinter</name>
    <message>
        <source>Printer Setup</source>
        <translation>Printer Setup</translation>
    </message>
    <message>
        <source>Orientation</source>
        <translation>Orientation</translation>
    </message>
    <message>
        <source>Cut</source>
        <translation>Cut</translation>
    </message>
    <message>
        <source>Mirror</source>
        <translation>Mirror</translation>
    </message>
    <message>
        <source>Negative</source>
        <translation>Negative</translation>
    </message>
    <message>
        <source>Overprint</source>
        <translation>Overprint</translation>
    </message>
    <message>
        <source>White Base</source>
        <translation>White Base</translation>
    </message>
    <message>
        <source>Print Quality</source>
        <translation>Print Quality</translation>
    </message>
    <message>
        <source>Dithering Method</source>
        <translation>Dithering Method</translation>
    </message>
    <message>
        <source>Dithering methods affect the quality and speed of the print.</source>
        <translation>Dithering methods affect the quality and speed of the print.</translation>
    </message>
    <message>
        <source>Heat Intensity Offset</source>
        <translation>Heat Intensity Offset</translation>
    </message>
    <message>
        <source>Adjust the heat offset from the nominal recommended setting.</source>
        <translation>Adjust the heat offset from the nominal recommended setting.</translation>
    </message>
</context>
<context>
    <name>PagePrinterAdvanced</name>
    <message>
        <source>Advanced</source>
        <translation>Advanced</translation>
    </message>
    <message>
        <source>Tension Offset</source>
        <translation>Tension Offset</translation>
    </message>
    <message>
        <source>Adjust the tension offset of the ribbon.</source>
        <translation>Adjust the tension offset of the ribbon.</translation>
    </message>
    <message>
        <source>Ribbon Saver</source>
        <translation>Ribbon Saver</translation>
    </message>
    <message>
        <source>May decrease ribbon consumption.</source>
        <translation>May decrease ribbon consumption.</translation>
    </message>
    <message>
        <source>BETA</source>
        <translation>BETA</translation>
    </message>
    <message>
        <source>Calibration</source>
        <translation>Calibration</translation>
    </message>
    <message>
        <source>Calibrate the ribbon tach sensors. Recommended if your printer continues to display error 32, 33, 34 or 35</source>
        <translation>Calibrate the ribbon tach sensors. Recommended if your printer continues to display error 32, 33, 34 or 35</translation>
    </message>
    <message>
        <source>Calibrate Ribbon Sensor</source>
        <translation>Calibrate Ribbon Sensor</translation>
    </message>
    <message>
        <source>Calibrate the supply sensor. Recommended if your printer continues to display error 2 or 3.</source>
        <translation>Calibrate the supply sensor. Recommended if your printer continues to display error 2 or 3.</translation>
    </message>
    <message>
        <source>Calibrate Supply Sensor</source>
        <translation>Calibrate Supply Sensor</translation>
    </message>
    <message>
        <source>Reset Supply Sensor</source>
        <translation>Reset Supply Sensor</translation>
    </message>
</context>
<context>
    <name>PagePrinterAlignment</name>
    <message>
        <source>Feed Offsets</source>
        <translation>Feed Offsets</translation>
    </message>
    <message>
        <source>Backfeed</source>
        <translation>Backfeed</translation>
    </message>
    <message>
        <source>Adjust the backfeed amount after a cut.</source>
        <translation>Adjust the backfeed amount after a cut.</translation>
    </message>
    <message>
        <source>mm</source>
        <translation>mm</translation>
    </message>
    <message>
        <source>Feed</source>
        <translation>Feed</translation>
    </message>
    <message>
        <source>Adjust the feed amount before cutting.</source>
        <translation>Adjust the feed amount before cutting.</translation>
    </message>
</context>
<context>
    <name>PagePrinterPresets</name>
    <message>
        <source>Manage Presets</source>
        <translation>Manage Presets</translation>
    </message>
    <message>
        <source>Preset Selection</source>
        <translation>Preset Selection</translation>
    </message>
    <message>
        <source>Select a preset to modify or delete. Selecting &quot;Update&quot; will save the settings selected on Printer and Print Alignment pages to the currently selected preset.</source>
        <translation>Select a preset to modify or delete. Selecting &quot;Update&quot; will save the settings selected on Printer and Print Alignment pages to the currently selected preset.</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Delete</translation>
    </message>
    <message>
        <source>Update</source>
        <translation>Update</translation>
    </message>
    <message>
        <source>Create New Preset</source>
        <translation>Create New Preset</translation>
    </message>
    <message>
        <source>Preset Name</source>
        <translation>Preset Name</translation>
    </message>
    <message>
        <source>Type the name of the preset you&apos;ll be creating. Clicking &quot;Add&quot; will create the new preset with settings selected in the Printer and Print Alignment pages.</source>
        <translation>Type the name of the preset you&apos;ll be creating. Clicking &quot;Add&quot; will create the new preset with settings selected in the Printer and Print Alignment pages.</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Add</translation>
    </message>
</context>
<context>
    <name>PageUpdates</name>
    <message>
        <source>Updates Available</source>
        <translation>Updates Available</translation>
    </message>
    <message>
        <source>Install Updates</source>
        <translation>Install Updates</translation>
    </message>
    <message>
        <source>System Updates</source>
        <translation>System Updates</translation>
    </message>
    <message>
        <source>Last Checked: </source>
        <translation>Last Checked: </translation>
    </message>
    <message>
        <source>Never</source>
        <translation>Never</translation>
    </message>
    <message>
        <source>Current Version:</source>
        <translation>Current Version:</translation>
    </message>
    <message>
        <source>Available Version:</source>
        <translation>Available Version:</translation>
    </message>
    <message>
        <source>Please restart the system to complete the update.</source>
        <translation>Please restart the system to complete the update.</translation>
    </message>
    <message>
        <source>Check For Updates Automatically</source>
        <translation>Check For Updates Automatically</translation>
    </message>
    <message>
        <source>Requires a valid internet connection.</source>
        <translation>Requires a valid internet connection.</translation>
    </message>
    <message>
        <source>Update Finished</source>
        <translation>Update Finished</translation>
    </message>
    <message>
        <source>Up To Date</source>
        <translation>Up To Date</translation>
    </message>
    <message>
        <source>Re-install Update</source>
        <translation>Re-install Update</translation>
    </message>
    <message>
        <source>Check For Updates</source>
        <translation>Check For Updates</translation>
    </message>
    <message>
        <source>Checking for updates...</source>
        <translation>Checking for updates...</translation>
    </message>
    <message>
        <source>Updating, Please Wait...</source>
        <translation>Updating, Please Wait...</translation>
    </message>
    <message>
        <source>Error Updating</source>
        <translation>Error Updating</translation>
    </message>
</context>
<context>
    <name>PageUsers</name>
    <message>
        <source>Users and Passwords</source>
        <translation>Users and Passwords</translation>
    </message>
    <message>
        <source>There are currently no users.
Adding a user will prompt for a login on reboot.</source>
        <translation>There are currently no users.
Adding a user will prompt for a login on reboot.</translation>
    </message>
</context>
<context>
    <name>PrinterButtonBar</name>
    <message>
        <source>Print Test Page</source>
        <translation>Print Test Page</translation>
    </message>
    <message>
        <source>Calibrate Supply</source>
        <translation>Calibrate Supply</translation>
    </message>
    <message>
        <source>Supply Status</source>
        <translation>Supply Status</translation>
    </message>
</context>
<context>
    <name>PrintheadOffsetsComponent</name>
    <message>
        <source>Printhead Offsets</source>
        <translation>Printhead Offsets</translation>
    </message>
    <message>
        <source>Horizontal</source>
        <translation>Horizontal</translation>
    </message>
    <message>
        <source>Shift the entire print horizontally.</source>
        <translation>Shift the entire print horizontally.</translation>
    </message>
    <message>
        <source>dots</source>
        <translation>dots</translation>
    </message>
    <message>
        <source>Vertical</source>
        <translation>Vertical</translation>
    </message>
    <message>
        <source>Shift the entire print vertically.</source>
        <translation>Shift the entire print vertically.</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>Landscape</source>
        <translation>Landscape</translation>
    </message>
    <message>
        <source>Landscape 180</source>
        <translation>Landscape 180</translation>
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
        <translation>Cut After Job</translation>
    </message>
    <message>
        <source>Cut After Page</source>
        <translation>Cut After Page</translation>
    </message>
    <message>
        <source>No Cut</source>
        <translation>No Cut</translation>
    </message>
    <message>
        <source>Dither</source>
        <comment>Dither method name</comment>
        <translation>Dither</translation>
    </message>
    <message>
        <source>Ordered Dither</source>
        <comment>Ordered Dither method name</comment>
        <translation>Ordered Dither</translation>
    </message>
</context>
<context>
    <name>RestartHint</name>
    <message>
        <source>Please restart for this setting to take effect.</source>
        <translation>Please restart for this setting to take effect.</translation>
    </message>
</context>
<context>
    <name>UpdateHelper</name>
    <message>
        <source>No update source is configured.</source>
        <translation>No update source is configured.</translation>
    </message>
    <message>
        <source>The update source offers no valid release.</source>
        <translation>The update source offers no valid release.</translation>
    </message>
    <message>
        <source>No update is available. Check for updates first.</source>
        <translation>No update is available. Check for updates first.</translation>
    </message>
    <message>
        <source>The update could not be installed.</source>
        <translation>The update could not be installed.</translation>
    </message>
    <message>
        <source>The update source cannot be reached.</source>
        <translation>The update source cannot be reached.</translation>
    </message>
    <message>
        <source>The update could not be downloaded.</source>
        <translation>The update could not be downloaded.</translation>
    </message>
    <message>
        <source>The downloaded update is damaged.</source>
        <translation>The downloaded update is damaged.</translation>
    </message>
    <message>
        <source>The update could not be stored on this device.</source>
        <translation>The update could not be stored on this device.</translation>
    </message>
</context>
<context>
    <name>VHLocaleLanguages</name>
    <message>
        <source>English (US)</source>
        <translation>English (US)</translation>
    </message>
    <message>
        <source>English (US, international)</source>
        <translation>English (US, international)</translation>
    </message>
    <message>
        <source>English (Dvorak)</source>
        <translation>English (Dvorak)</translation>
    </message>
    <message>
        <source>English (UK)</source>
        <translation>English (UK)</translation>
    </message>
    <message>
        <source>German</source>
        <translation>German</translation>
    </message>
    <message>
        <source>German (no dead keys)</source>
        <translation>German (no dead keys)</translation>
    </message>
    <message>
        <source>French</source>
        <translation>French</translation>
    </message>
    <message>
        <source>Spanish</source>
        <translation>Spanish</translation>
    </message>
    <message>
        <source>Italian</source>
        <translation>Italian</translation>
    </message>
    <message>
        <source>Portuguese (Brazil)</source>
        <translation>Portuguese (Brazil)</translation>
    </message>
    <message>
        <source>Dutch</source>
        <translation>Dutch</translation>
    </message>
    <message>
        <source>Polish</source>
        <translation>Polish</translation>
    </message>
    <message>
        <source>Swedish</source>
        <translation>Swedish</translation>
    </message>
    <message>
        <source>Japanese</source>
        <translation>Japanese</translation>
    </message>
</context>
<context>
    <name>VHWiFiAccessPointDelegate</name>
    <message>
        <source>Connected</source>
        <translation>Connected</translation>
    </message>
    <message>
        <source>Saved</source>
        <translation>Saved</translation>
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
        <translation>Connected</translation>
    </message>
    <message>
        <source>Saved</source>
        <translation>Saved</translation>
    </message>
    <message>
        <source>Not connected</source>
        <translation>Not connected</translation>
    </message>
    <message>
        <source>Security</source>
        <translation>Security</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Open</translation>
    </message>
    <message>
        <source>Signal strength</source>
        <translation>Signal strength</translation>
    </message>
    <message>
        <source>Access point</source>
        <translation>Access point</translation>
    </message>
    <message>
        <source>IP address</source>
        <translation>IP address</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>Forget Network</source>
        <translation>Forget Network</translation>
    </message>
</context>
<context>
    <name>VHWiFiDialogEthernet</name>
    <message>
        <source>Enter an address such as 192.168.1.20.</source>
        <translation>Enter an address such as 192.168.1.20.</translation>
    </message>
    <message>
        <source>This address names the whole network, not a device.</source>
        <translation>This address names the whole network, not a device.</translation>
    </message>
    <message>
        <source>Enter a netmask such as 255.255.255.0.</source>
        <translation>Enter a netmask such as 255.255.255.0.</translation>
    </message>
    <message>
        <source>Enter the router&apos;s address, such as 192.168.1.1.</source>
        <translation>Enter the router&apos;s address, such as 192.168.1.1.</translation>
    </message>
    <message>
        <source>The gateway must be in the same network as the address.</source>
        <translation>The gateway must be in the same network as the address.</translation>
    </message>
    <message>
        <source>The gateway cannot be the printer&apos;s own address.</source>
        <translation>The gateway cannot be the printer&apos;s own address.</translation>
    </message>
    <message>
        <source>Ethernet Settings</source>
        <translation>Ethernet Settings</translation>
    </message>
    <message>
        <source>Obtain the address automatically (DHCP)</source>
        <translation>Obtain the address automatically (DHCP)</translation>
    </message>
    <message>
        <source>IP address</source>
        <translation>IP address</translation>
    </message>
    <message>
        <source>Netmask</source>
        <translation>Netmask</translation>
    </message>
    <message>
        <source>Gateway</source>
        <translation>Gateway</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Save</translation>
    </message>
</context>
<context>
    <name>VHWiFiDialogPassword</name>
    <message>
        <source>This network is open: no password is needed.</source>
        <translation>This network is open: no password is needed.</translation>
    </message>
    <message>
        <source>The password of this network is saved. Type a new one only if it has changed.</source>
        <translation>The password of this network is saved. Type a new one only if it has changed.</translation>
    </message>
    <message>
        <source>Enter the password of this network.</source>
        <translation>Enter the password of this network.</translation>
    </message>
    <message>
        <source>Saved password</source>
        <translation>Saved password</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Password</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Connect</source>
        <translation>Connect</translation>
    </message>
</context>
<context>
    <name>WifiClientIPC</name>
    <message>
        <source>No Wi-Fi device is available.</source>
        <translation>No Wi-Fi device is available.</translation>
    </message>
    <message>
        <source>%1 is out of range.</source>
        <translation>%1 is out of range.</translation>
    </message>
    <message>
        <source>Connecting to %1 …</source>
        <translation>Connecting to %1 …</translation>
    </message>
    <message>
        <source>%1 needs a sign-in that this printer does not support.</source>
        <translation>%1 needs a sign-in that this printer does not support.</translation>
    </message>
    <message>
        <source>Enter the password of %1.</source>
        <translation>Enter the password of %1.</translation>
    </message>
    <message>
        <source>This cannot be the password of %1: check its length.</source>
        <translation>This cannot be the password of %1: check its length.</translation>
    </message>
    <message>
        <source>Could not connect to %1.</source>
        <translation>Could not connect to %1.</translation>
    </message>
    <message>
        <source>Connected to %1.</source>
        <translation>Connected to %1.</translation>
    </message>
    <message>
        <source>The password of %1 was not accepted.</source>
        <translation>The password of %1 was not accepted.</translation>
    </message>
</context>
</TS>
