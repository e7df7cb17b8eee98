<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN">
<context>
    <name>AddUserContainer</name>
    <message>
        <source>User already exists</source>
        <translation>用户已存在</translation>
    </message>
    <message>
        <source>Invalid username</source>
        <translation>用户名无效</translation>
    </message>
    <message>
        <source>Invalid password</source>
        <translation>密码无效</translation>
    </message>
    <message>
        <source>Invalid Username &amp; Password</source>
        <translation>用户名和密码无效</translation>
    </message>
    <message>
        <source>Passwords do not match</source>
        <translation>密码不一致</translation>
    </message>
    <message>
        <source>Username</source>
        <translation>用户名</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>密码</translation>
    </message>
    <message>
        <source>Confirm Password</source>
        <translation>确认密码</translation>
    </message>
    <message>
        <source>Lock</source>
        <translation>锁定</translation>
    </message>
    <message>
        <source>Add User</source>
        <translation>添加用户</translation>
    </message>
</context>
<context>
    <name>DeleteUserDialog</name>
    <message>
        <source>Delete User?</source>
        <translation>删除用户？</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>Delete User</source>
        <translation>删除用户</translation>
    </message>
</context>
<context>
    <name>MSDInfoDialog</name>
    <message>
        <source>Information</source>
        <translation>信息</translation>
    </message>
    <message>
        <source>File share is accessible on host computer when connected.</source>
        <translation>连接期间，可在主机上访问共享文件。</translation>
    </message>
    <message>
        <source>File share is accessible on printer when disconnected from host computer.</source>
        <translation>与主机断开连接后，可在打印机上访问共享文件。</translation>
    </message>
    <message>
        <source>Max capacity 200MB.</source>
        <translation>最大容量为 200 MB。</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>确定</translation>
    </message>
</context>
<context>
    <name>MainContainer</name>
    <message>
        <source>Settings</source>
        <translation>设置</translation>
    </message>
</context>
<context>
    <name>ModelDisplayTimeouts</name>
    <message>
        <source>1 minute</source>
        <translation>1 分钟</translation>
    </message>
    <message>
        <source>2 minutes</source>
        <translation>2 分钟</translation>
    </message>
    <message>
        <source>3 minutes</source>
        <translation>3 分钟</translation>
    </message>
    <message>
        <source>5 minutes</source>
        <translation>5 分钟</translation>
    </message>
    <message>
        <source>10 minutes</source>
        <translation>10 分钟</translation>
    </message>
    <message>
        <source>20 minutes</source>
        <translation>20 分钟</translation>
    </message>
    <message>
        <source>30 minutes</source>
        <translation>30 分钟</translation>
    </message>
    <message>
        <source>45 minutes</source>
        <translation>45 分钟</translation>
    </message>
    <message>
        <source>1 hour</source>
        <translation>1 小时</translation>
    </message>
    <message>
        <source>2 hours</source>
        <translation>2 小时</translation>
    </message>
    <message>
        <source>3 hours</source>
        <translation>3 小时</translation>
    </message>
    <message>
        <source>Never</source>
        <translation>永不</translation>
    </message>
</context>
<context>
    <name>ModelMainSidebar</name>
    <message>
        <source>General</source>
        <translation>常规</translation>
    </message>
    <message>
        <source>Printer</source>
        <translation>打印机</translation>
    </message>
    <message>
        <source>Alignment</source>
        <translation>位置调整</translation>
    </message>
    <message>
        <source>Presets</source>
        <translation>预设</translation>
    </message>
    <message>
        <source>Advanced</source>
        <translation>高级</translation>
    </message>
    <message>
        <source>Date &amp; Time</source>
        <translation>日期和时间</translation>
    </message>
    <message>
        <source>Networking</source>
        <translation>网络</translation>
    </message>
    <message>
        <source>Updates</source>
        <translation>更新</translation>
    </message>
    <message>
        <source>Languages</source>
        <translation>语言</translation>
    </message>
    <message>
        <source>Users</source>
        <translation>用户</translation>
    </message>
    <message>
        <source>About</source>
        <translation>关于本机</translation>
    </message>
</context>
<context>
    <name>ModifyUserDialog</name>
    <message>
        <source>Invalid new password. Please try something else.</source>
        <translation>新密码无效。请换一个密码。</translation>
    </message>
    <message>
        <source>Passwords do not match.</source>
        <translation>密码不一致。</translation>
    </message>
    <message>
        <source>Incorrect password.</source>
        <translation>密码错误。</translation>
    </message>
    <message>
        <source>Change User Password</source>
        <translation>更改用户密码</translation>
    </message>
    <message>
        <source>Old Password</source>
        <translation>旧密码</translation>
    </message>
    <message>
        <source>New Password</source>
        <translation>新密码</translation>
    </message>
    <message>
        <source>Confirm Password</source>
        <translation>确认密码</translation>
    </message>
    <message>
        <source>Change Password</source>
        <translation>更改密码</translation>
    </message>
</context>
<context>
    <name>PageAbout</name>
    <message>
        <source>Model:</source>
        <translation>型号：</translation>
    </message>
    <message>
        <source>Serial Number:</source>
        <translation>序列号：</translation>
    </message>
    <message>
        <source>Version:</source>
        <translation>版本：</translation>
    </message>
    <message>
        <source>Available Storage:</source>
        <translation>可用存储空间：</translation>
    </message>
    <message>
        <source>Ethernet Address:</source>
        <translation>以太网地址：</translation>
    </message>
    <message>
        <source>Wireless Address:</source>
        <translation>无线网络地址：</translation>
    </message>
    <message>
        <source>Head 1 Offsets (Backstop, Horizontal, BlackMark, Gap, Heat):</source>
        <translation>打印头 1 偏移（回退停止、水平、黑标、间隙、浓度）：</translation>
    </message>
    <message>
        <source>Offsets (Backstop, Horizontal, BlackMark, Gap, Heat):</source>
        <translation>偏移（回退停止、水平、黑标、间隙、浓度）：</translation>
    </message>
    <message>
        <source>Head 2 Offsets (Backstop, Horizontal, BlackMark, Gap, Heat):</source>
        <translation>打印头 2 偏移（回退停止、水平、黑标、间隙、浓度）：</translation>
    </message>
    <message>
        <source>Calibration Values (TachL, TachH, CutT, SupT, SupR):</source>
        <translation>校准值（TachL, TachH, CutT, SupT, SupR）：</translation>
    </message>
    <message>
        <source>About</source>
        <translation>关于本机</translation>
    </message>
</context>
<context>
    <name>PageDateTime</name>
    <message>
        <source>Date and Time</source>
        <translation>日期和时间</translation>
    </message>
    <message>
        <source>24 Hour Time</source>
        <translation>24 小时制</translation>
    </message>
    <message>
        <source>Change the displayed times format on the top bar.</source>
        <translation>更改顶部栏中时间的显示格式。</translation>
    </message>
    <message>
        <source>Time Zone</source>
        <translation>时区</translation>
    </message>
    <message>
        <source>Set the current time zone.</source>
        <translation>设置当前时区。</translation>
    </message>
    <message>
        <source>Date Format</source>
        <translation>日期格式</translation>
    </message>
    <message>
        <source>Change the format of the date</source>
        <translation>更改日期的显示格式。</translation>
    </message>
    <message>
        <source>Set Date and Time Automatically</source>
        <translation>自动设置日期和时间</translation>
    </message>
    <message>
        <source>Requires a valid internet connection.</source>
        <translation>需要可用的互联网连接。</translation>
    </message>
    <message>
        <source>Hours</source>
        <translation>小时</translation>
    </message>
    <message>
        <source>Minutes</source>
        <translation>分钟</translation>
    </message>
    <message>
        <source>AM</source>
        <translation>上午</translation>
    </message>
    <message>
        <source>PM</source>
        <translation>下午</translation>
    </message>
    <message>
        <source>Month</source>
        <translation>月</translation>
    </message>
    <message>
        <source>January</source>
        <translation>一月</translation>
    </message>
    <message>
        <source>February</source>
        <translation>二月</translation>
    </message>
    <message>
        <source>March</source>
        <translation>三月</translation>
    </message>
    <message>
        <source>April</source>
        <translation>四月</translation>
    </message>
    <message>
        <source>May</source>
        <translation>五月</translation>
    </message>
    <message>
        <source>June</source>
        <translation>六月</translation>
    </message>
    <message>
        <source>July</source>
        <translation>七月</translation>
    </message>
    <message>
        <source>August</source>
        <translation>八月</translation>
    </message>
    <message>
        <source>September</source>
        <translation>九月</translation>
    </message>
    <message>
        <source>October</source>
        <translation>十月</translation>
    </message>
    <message>
        <source>November</source>
        <translation>十一月</translation>
    </message>
    <message>
        <source>December</source>
        <translation>十二月</translation>
    </message>
    <message>
        <source>Day</source>
        <translation>日</translation>
    </message>
    <message>
        <source>Year</source>
        <translation>年</translation>
    </message>
</context>
<context>
    <name>PageGeneral</name>
    <message>
        <source>Units</source>
        <translation>单位</translation>
    </message>
    <message>
        <source>Set the default units of all applications.</source>
        <translation>设置所有应用程序的默认单位。</translation>
    </message>
    <message>
        <source>inches</source>
        <translation>英寸</translation>
    </message>
    <message>
        <source>mm</source>
        <translation>mm</translation>
    </message>
    <message>
        <source>Display</source>
        <translation>显示屏</translation>
    </message>
    <message>
        <source>Brightness</source>
        <translation>亮度</translation>
    </message>
    <message>
        <source>Adjust the display brightness.</source>
        <translation>调整显示屏亮度。</translation>
    </message>
    <message>
        <source>Dimming</source>
        <translation>屏幕调暗</translation>
    </message>
    <message>
        <source>Dim the display when inactive after the selected time.</source>
        <translation>无操作达到所选时间后调暗屏幕。</translation>
    </message>
    <message>
        <source>Power</source>
        <translation>屏幕关闭</translation>
    </message>
    <message>
        <source>Turn the display off after the period of inactivity.</source>
        <translation>无操作达到所选时间后关闭屏幕。</translation>
    </message>
    <message>
        <source>Sharing</source>
        <translation>共享</translation>
    </message>
    <message>
        <source>USB Shared Folder</source>
        <translation>USB 共享文件夹</translation>
    </message>
    <message>
        <source>Create a shared drive between printer and PC</source>
        <translation>在打印机和电脑之间创建共享驱动器。</translation>
    </message>
    <message>
        <source>Home</source>
        <translation>主屏幕</translation>
    </message>
    <message>
        <source>File / Folder</source>
        <translation>文件 / 文件夹</translation>
    </message>
    <message>
        <source>Enable file and folder double click to open.</source>
        <translation>启用双击打开文件和文件夹。</translation>
    </message>
    <message>
        <source>Privacy</source>
        <translation>隐私</translation>
    </message>
    <message>
        <source>Analytics</source>
        <translation>分析数据</translation>
    </message>
    <message>
        <source>Help improve Varnholt software development through anonymous analytics data.</source>
        <translation>通过匿名分析数据帮助 Varnholt 改进软件开发。</translation>
    </message>
    <message>
        <source>Initialization</source>
        <translation>初始设置</translation>
    </message>
    <message>
        <source>Enable first boot application on the next restart</source>
        <translation>下次重启时运行首次启动向导</translation>
    </message>
</context>
<context>
    <name>PageLanguages</name>
    <message>
        <source>Languages</source>
        <translation>语言</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>系统语言</translation>
    </message>
    <message>
        <source>Set the system language. Change requires a restart.</source>
        <translation>设置系统语言。更改后需重启才能生效。</translation>
    </message>
    <message>
        <source>Keyboard Layout</source>
        <translation>键盘布局</translation>
    </message>
    <message>
        <source>Set the system keyboard layout. Change requires a restart.</source>
        <translation>设置系统键盘布局。更改后需重启才能生效。</translation>
    </message>
</context>
<context>
    <name>PageNetworking</name>
    <message>
        <source>Ethernet</source>
        <translation>以太网</translation>
    </message>
    <message>
        <source>Wireless</source>
        <translation>无线网络</translation>
    </message>
</context>
<context>
    <name>PagePrinter</name>
    <message>
        <source>Printer Setup</source>
        <translation>打印机设置</translation>
    </message>
    <message>
        <source>Orientation</source>
        <translation>打印方向</translation>
    </message>
    <message>
        <source>Cut</source>
        <translation>裁切</translation>
    </message>
    <message>
        <source>Mirror</source>
        <translation>镜像</translation>
    </message>
    <message>
        <source>Negative</source>
        <translation>反色</translation>
    </message>
    <message>
        <source>Overprint</source>
        <translation>叠印</translation>
    </message>
    <message>
        <source>White Base</source>
        <translation>白色打底</translation>
    </message>
    <message>
        <source>Print Quality</source>
        <translation>打印质量</translation>
    </message>
    <message>
        <source>Dithering Method</source>
        <translation>抖动方式</translation>
    </message>
    <message>
        <source>Dithering methods affect the quality and speed of the print.</source>
        <translation>抖动方式会影响打印质量和速度。</translation>
    </message>
    <message>
        <source>Heat Intensity Offset</source>
        <translation>打印浓度偏移</translation>
    </message>
    <message>
        <source>Adjust the heat offset from the nominal recommended setting.</source>
        <translation>以推荐的标准设置为基准调整打印浓度。</translation>
    </message>
</context>
<context>
    <name>PagePrinterAdvanced</name>
    <message>
        <source>Advanced</source>
        <translation>高级</translation>
    </message>
    <message>
        <source>Tension Offset</source>
        <translation>张力偏移</translation>
    </message>
    <message>
        <source>Adjust the tension offset of the ribbon.</source>
        <translation>调整碳带张力的偏移量。</translation>
    </message>
    <message>
        <source>Ribbon Saver</source>
        <translation>碳带节省</translation>
    </message>
    <message>
        <source>May decrease ribbon consumption.</source>
        <translation>可减少碳带消耗。</translation>
    </message>
    <message>
        <source>BETA</source>
        <translation>BETA</translation>
    </message>
    <message>
        <source>Calibration</source>
        <translation>校准</translation>
    </message>
    <message>
        <source>Calibrate the ribbon tach sensors. Recommended if your printer continues to display error 32, 33, 34 or 35</source>
        <translation>校准碳带转速传感器。打印机持续显示错误 32、33、34 或 35 时建议执行。</translation>
    </message>
    <message>
        <source>Calibrate Ribbon Sensor</source>
        <translation>校准碳带传感器</translation>
    </message>
    <message>
        <source>Calibrate the supply sensor. Recommended if your printer continues to display error 2 or 3.</source>
        <translation>校准介质传感器。打印机持续显示错误 2 或 3 时建议执行。</translation>
    </message>
    <message>
        <source>Calibrate Supply Sensor</source>
        <translation>校准介质传感器</translation>
    </message>
    <message>
        <source>Reset Supply Sensor</source>
        <translation>重置介质传感器</translation>
    </message>
</context>
<context>
    <name>PagePrinterAlignment</name>
    <message>
        <source>Feed Offsets</source>
        <translation>进纸偏移</translation>
    </message>
    <message>
        <source>Backfeed</source>
        <translation>回退</translation>
    </message>
    <message>
        <source>Adjust the backfeed amount after a cut.</source>
        <translation>调整裁切后的回退量。</translation>
    </message>
    <message>
        <source>mm</source>
        <translation>mm</translation>
    </message>
    <message>
        <source>Feed</source>
        <translation>进纸</translation>
    </message>
    <message>
        <source>Adjust the feed amount before cutting.</source>
        <translation>调整裁切前的进纸量。</translation>
    </message>
</context>
<context>
    <name>PagePrinterPresets</name>
    <message>
        <source>Manage Presets</source>
        <translation>预设管理</translation>
    </message>
    <message>
        <source>Preset Selection</source>
        <translation>预设选择</translation>
    </message>
    <message>
        <source>Select a preset to modify or delete. Selecting &quot;Update&quot; will save the settings selected on Printer and Print Alignment pages to the currently selected preset.</source>
        <translation>选择要修改或删除的预设。点击“更新”会将“打印机”和“位置调整”页面中选择的设置保存到当前所选预设。</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>删除</translation>
    </message>
    <message>
        <source>Update</source>
        <translation>更新</translation>
    </message>
    <message>
        <source>Create New Preset</source>
        <translation>新建预设</translation>
    </message>
    <message>
        <source>Preset Name</source>
        <translation>预设名称</translation>
    </message>
    <message>
        <source>Type the name of the preset you&apos;ll be creating. Clicking &quot;Add&quot; will create the new preset with settings selected in the Printer and Print Alignment pages.</source>
        <translation>输入要创建的预设名称。点击“添加”将使用“打印机”和“位置调整”页面中选择的设置创建新预设。</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>添加</translation>
    </message>
</context>
<context>
    <name>PageUpdates</name>
    <message>
        <source>Updates Available</source>
        <translation>有可用更新</translation>
    </message>
    <message>
        <source>Install Updates</source>
        <translation>安装更新</translation>
    </message>
    <message>
        <source>System Updates</source>
        <translation>系统更新</translation>
    </message>
    <message>
        <source>Last Checked: </source>
        <translation>上次检查: </translation>
    </message>
    <message>
        <source>Never</source>
        <translation>从未</translation>
    </message>
    <message>
        <source>Current Version:</source>
        <translation>当前版本:</translation>
    </message>
    <message>
        <source>Available Version:</source>
        <translation>可用版本:</translation>
    </message>
    <message>
        <source>Please restart the system to complete the update.</source>
        <translation>请重启系统以完成更新。</translation>
    </message>
    <message>
        <source>Check For Updates Automatically</source>
        <translation>自动检查更新</translation>
    </message>
    <message>
        <source>Requires a valid internet connection.</source>
        <translation>需要可用的互联网连接。</translation>
    </message>
    <message>
        <source>Update Finished</source>
        <translation>更新完成</translation>
    </message>
    <message>
        <source>Up To Date</source>
        <translation>已是最新版本</translation>
    </message>
    <message>
        <source>Re-install Update</source>
        <translation>重新安装更新</translation>
    </message>
    <message>
        <source>Check For Updates</source>
        <translation>检查更新</translation>
    </message>
    <message>
        <source>Checking for updates...</source>
        <translation>正在检查更新...</translation>
    </message>
    <message>
        <source>Updating, Please Wait...</source>
        <translation>正在更新，请稍候...</translation>
    </message>
    <message>
        <source>Error Updating</source>
        <translation>更新出错</translation>
    </message>
</context>
<context>
    <name>PageUsers</name>
    <message>
        <source>Users and Passwords</source>
        <translation>用户和密码</translation>
    </message>
    <message>
        <source>There are currently no users.
Adding a user will prompt for a login on reboot.</source>
        <translation>当前没有用户。
添加用户后，重启时将要求登录。</translation>
    </message>
</context>
<context>
    <name>PrinterButtonBar</name>
    <message>
        <source>Print Test Page</source>
        <translation>打印测试页</translation>
    </message>
    <message>
        <source>Calibrate Supply</source>
        <translation>校准介质</translation>
    </message>
    <message>
        <source>Supply Status</source>
        <translation>介质状态</translation>
    </message>
</context>
<context>
    <name>PrintheadOffsetsComponent</name>
    <message>
        <source>Printhead Offsets</source>
        <translation>打印头偏移</translation>
    </message>
    <message>
        <source>Horizontal</source>
        <translation>水平</translation>
    </message>
    <message>
        <source>Shift the entire print horizontally.</source>
        <translation>水平移动整个打印内容。</translation>
    </message>
    <message>
        <source>dots</source>
        <translation>点</translation>
    </message>
    <message>
        <source>Vertical</source>
        <translation>垂直</translation>
    </message>
    <message>
        <source>Shift the entire print vertically.</source>
        <translation>垂直移动整个打印内容。</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>Landscape</source>
        <translation>横向</translation>
    </message>
    <message>
        <source>Landscape 180</source>
        <translation>横向 180°</translation>
    </message>
    <message>
        <source>Portrait</source>
        <translation>纵向</translation>
    </message>
    <message>
        <source>Portrait 180</source>
        <translation>纵向 180°</translation>
    </message>
    <message>
        <source>Cut After Job</source>
        <translation>按作业裁切</translation>
    </message>
    <message>
        <source>Cut After Page</source>
        <translation>按页裁切</translation>
    </message>
    <message>
        <source>No Cut</source>
        <translation>不裁切</translation>
    </message>
    <message>
        <source>Dither</source>
        <comment>Dither method name</comment>
        <translation>抖动</translation>
    </message>
    <message>
        <source>Ordered Dither</source>
        <comment>Ordered Dither method name</comment>
        <translation>有序抖动</translation>
    </message>
</context>
<context>
    <name>RestartHint</name>
    <message>
        <source>Please restart for this setting to take effect.</source>
        <translation>请重启以使此设置生效。</translation>
    </message>
</context>
<context>
    <name>UpdateHelper</name>
    <message>
        <source>No update source is configured.</source>
        <translation>未配置更新源。</translation>
    </message>
    <message>
        <source>The update source offers no valid release.</source>
        <translation>更新源未提供有效版本。</translation>
    </message>
    <message>
        <source>No update is available. Check for updates first.</source>
        <translation>没有可用的更新。请先检查更新。</translation>
    </message>
    <message>
        <source>The update could not be installed.</source>
        <translation>无法安装更新。</translation>
    </message>
    <message>
        <source>The update source cannot be reached.</source>
        <translation>无法连接到更新源。</translation>
    </message>
    <message>
        <source>The update could not be downloaded.</source>
        <translation>无法下载更新。</translation>
    </message>
    <message>
        <source>The downloaded update is damaged.</source>
        <translation>下载的更新已损坏。</translation>
    </message>
    <message>
        <source>The update could not be stored on this device.</source>
        <translation>无法将更新保存到本设备。</translation>
    </message>
</context>
<context>
    <name>VHLocaleLanguages</name>
    <message>
        <source>English (US)</source>
        <translation>英语（美国）</translation>
    </message>
    <message>
        <source>English (US, international)</source>
        <translation>英语（美国，国际）</translation>
    </message>
    <message>
        <source>English (Dvorak)</source>
        <translation>英语（Dvorak）</translation>
    </message>
    <message>
        <source>English (UK)</source>
        <translation>英语（英国）</translation>
    </message>
    <message>
        <source>German</source>
        <translation>德语</translation>
    </message>
    <message>
        <source>German (no dead keys)</source>
        <translation>德语（无死键）</translation>
    </message>
    <message>
        <source>French</source>
        <translation>法语</translation>
    </message>
    <message>
        <source>Spanish</source>
        <translation>西班牙语</translation>
    </message>
    <message>
        <source>Italian</source>
        <translation>意大利语</translation>
    </message>
    <message>
        <source>Portuguese (Brazil)</source>
        <translation>葡萄牙语（巴西）</translation>
    </message>
    <message>
        <source>Dutch</source>
        <translation>荷兰语</translation>
    </message>
    <message>
        <source>Polish</source>
        <translation>波兰语</translation>
    </message>
    <message>
        <source>Swedish</source>
        <translation>瑞典语</translation>
    </message>
    <message>
        <source>Japanese</source>
        <translation>日语</translation>
    </message>
</context>
<context>
    <name>VHWiFiAccessPointDelegate</name>
    <message>
        <source>Connected</source>
        <translation>已连接</translation>
    </message>
    <message>
        <source>Saved</source>
        <translation>已保存</translation>
    </message>
</context>
<context>
    <name>VHWiFiDialog</name>
    <message>
        <source>Status</source>
        <translation>状态</translation>
    </message>
    <message>
        <source>Connected</source>
        <translation>已连接</translation>
    </message>
    <message>
        <source>Saved</source>
        <translation>已保存</translation>
    </message>
    <message>
        <source>Not connected</source>
        <translation>未连接</translation>
    </message>
    <message>
        <source>Security</source>
        <translation>安全性</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>开放</translation>
    </message>
    <message>
        <source>Signal strength</source>
        <translation>信号强度</translation>
    </message>
    <message>
        <source>Access point</source>
        <translation>接入点</translation>
    </message>
    <message>
        <source>IP address</source>
        <translation>IP 地址</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>关闭</translation>
    </message>
    <message>
        <source>Forget Network</source>
        <translation>忘记此网络</translation>
    </message>
</context>
<context>
    <name>VHWiFiDialogEthernet</name>
    <message>
        <source>Enter an address such as 192.168.1.20.</source>
        <translation>请输入地址，例如 192.168.1.20。</translation>
    </message>
    <message>
        <source>This address names the whole network, not a device.</source>
        <translation>此地址表示整个网络，而不是某台设备。</translation>
    </message>
    <message>
        <source>Enter a netmask such as 255.255.255.0.</source>
        <translation>请输入子网掩码，例如 255.255.255.0。</translation>
    </message>
    <message>
        <source>Enter the router&apos;s address, such as 192.168.1.1.</source>
        <translation>请输入路由器地址，例如 192.168.1.1。</translation>
    </message>
    <message>
        <source>The gateway must be in the same network as the address.</source>
        <translation>网关必须与 IP 地址位于同一网络。</translation>
    </message>
    <message>
        <source>The gateway cannot be the printer&apos;s own address.</source>
        <translation>网关不能是打印机自身的地址。</translation>
    </message>
    <message>
        <source>Ethernet Settings</source>
        <translation>以太网设置</translation>
    </message>
    <message>
        <source>Obtain the address automatically (DHCP)</source>
        <translation>自动获取地址（DHCP）</translation>
    </message>
    <message>
        <source>IP address</source>
        <translation>IP 地址</translation>
    </message>
    <message>
        <source>Netmask</source>
        <translation>子网掩码</translation>
    </message>
    <message>
        <source>Gateway</source>
        <translation>网关</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>保存</translation>
    </message>
</context>
<context>
    <name>VHWiFiDialogPassword</name>
    <message>
        <source>This network is open: no password is needed.</source>
        <translation>此网络为开放网络，无需密码。</translation>
    </message>
    <message>
        <source>The password of this network is saved. Type a new one only if it has changed.</source>
        <translation>此网络的密码已保存。仅在密码更改后才需输入新密码。</translation>
    </message>
    <message>
        <source>Enter the password of this network.</source>
        <translation>请输入此网络的密码。</translation>
    </message>
    <message>
        <source>Saved password</source>
        <translation>已保存的密码</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>密码</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>关闭</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>Connect</source>
        <translation>连接</translation>
    </message>
</context>
<context>
    <name>WifiClientIPC</name>
    <message>
        <source>No Wi-Fi device is available.</source>
        <translation>没有可用的 Wi-Fi 设备。</translation>
    </message>
    <message>
        <source>%1 is out of range.</source>
        <translation>%1 不在信号范围内。</translation>
    </message>
    <message>
        <source>Connecting to %1 …</source>
        <translation>正在连接 %1…</translation>
    </message>
    <message>
        <source>%1 needs a sign-in that this printer does not support.</source>
        <translation>%1 需要本打印机不支持的登录方式。</translation>
    </message>
    <message>
        <source>Enter the password of %1.</source>
        <translation>请输入 %1 的密码。</translation>
    </message>
    <message>
        <source>This cannot be the password of %1: check its length.</source>
        <translation>该密码不适用于 %1：请检查密码长度。</translation>
    </message>
    <message>
        <source>Could not connect to %1.</source>
        <translation>无法连接到 %1。</translation>
    </message>
    <message>
        <source>Connected to %1.</source>
        <translation>已连接到 %1。</translation>
    </message>
    <message>
        <source>The password of %1 was not accepted.</source>
        <translation>%1 的密码未被接受。</translation>
    </message>
</context>
</TS>
