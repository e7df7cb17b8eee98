<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ja_JP">
<context>
    <name>AddUserContainer</name>
    <message>
        <source>User already exists</source>
        <translation>ユーザーは既に存在します</translation>
    </message>
    <message>
        <source>Invalid username</source>
        <translation>ユーザー名が無効です</translation>
    </message>
    <message>
        <source>Invalid password</source>
        <translation>パスワードが無効です</translation>
    </message>
    <message>
        <source>Invalid Username &amp; Password</source>
        <translation>ユーザー名とパスワードが無効です</translation>
    </message>
    <message>
        <source>Passwords do not match</source>
        <translation>パスワードが一致しません</translation>
    </message>
    <message>
        <source>Username</source>
        <translation>ユーザー名</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>パスワード</translation>
    </message>
    <message>
        <source>Confirm Password</source>
        <translation>パスワードの確認</translation>
    </message>
    <message>
        <source>Lock</source>
        <translation>ロック</translation>
    </message>
    <message>
        <source>Add User</source>
        <translation>ユーザー追加</translation>
    </message>
</context>
<context>
    <name>DeleteUserDialog</name>
    <message>
        <source>Delete User?</source>
        <translation>ユーザーを削除しますか？</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>キャンセル</translation>
    </message>
    <message>
        <source>Delete User</source>
        <translation>ユーザー削除</translation>
    </message>
</context>
<context>
    <name>MSDInfoDialog</name>
    <message>
        <source>Information</source>
        <translation>情報</translation>
    </message>
    <message>
        <source>File share is accessible on host computer when connected.</source>
        <translation>接続中は、ホストコンピューターから共有ファイルにアクセスできます。</translation>
    </message>
    <message>
        <source>File share is accessible on printer when disconnected from host computer.</source>
        <translation>ホストコンピューターから切断すると、プリンターで共有ファイルにアクセスできます。</translation>
    </message>
    <message>
        <source>Max capacity 200MB.</source>
        <translation>最大容量は200MBです。</translation>
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
        <translation>設定</translation>
    </message>
</context>
<context>
    <name>ModelDisplayTimeouts</name>
    <message>
        <source>1 minute</source>
        <translation>1分</translation>
    </message>
    <message>
        <source>2 minutes</source>
        <translation>2分</translation>
    </message>
    <message>
        <source>3 minutes</source>
        <translation>3分</translation>
    </message>
    <message>
        <source>5 minutes</source>
        <translation>5分</translation>
    </message>
    <message>
        <source>10 minutes</source>
        <translation>10分</translation>
    </message>
    <message>
        <source>20 minutes</source>
        <translation>20分</translation>
    </message>
    <message>
        <source>30 minutes</source>
        <translation>30分</translation>
    </message>
    <message>
        <source>45 minutes</source>
        <translation>45分</translation>
    </message>
    <message>
        <source>1 hour</source>
        <translation>1時間</translation>
    </message>
    <message>
        <source>2 hours</source>
        <translation>2時間</translation>
    </message>
    <message>
        <source>3 hours</source>
        <translation>3時間</translation>
    </message>
    <message>
        <source>Never</source>
        <translation>しない</translation>
    </message>
</context>
<context>
    <name>ModelMainSidebar</name>
    <message>
        <source>General</source>
        <translation>一般</translation>
    </message>
    <message>
        <source>Printer</source>
        <translation>プリンター</translation>
    </message>
    <message>
        <source>Alignment</source>
        <translation>位置調整</translation>
    </message>
    <message>
        <source>Presets</source>
        <translation>プリセット</translation>
    </message>
    <message>
        <source>Advanced</source>
        <translation>詳細設定</translation>
    </message>
    <message>
        <source>Date &amp; Time</source>
        <translation>日付と時刻</translation>
    </message>
    <message>
        <source>Networking</source>
        <translation>ネットワーク</translation>
    </message>
    <message>
        <source>Updates</source>
        <translation>アップデート</translation>
    </message>
    <message>
        <source>Languages</source>
        <translation>言語</translation>
    </message>
    <message>
        <source>Users</source>
        <translation>ユーザー</translation>
    </message>
    <message>
        <source>About</source>
        <translation>デバイス情報</translation>
    </message>
</context>
<context>
    <name>ModifyUserDialog</name>
    <message>
        <source>Invalid new password. Please try something else.</source>
        <translation>新しいパスワードが無効です。別のパスワードを入力してください。</translation>
    </message>
    <message>
        <source>Passwords do not match.</source>
        <translation>パスワードが一致しません。</translation>
    </message>
    <message>
        <source>Incorrect password.</source>
        <translation>パスワードが正しくありません。</translation>
    </message>
    <message>
        <source>Change User Password</source>
        <translation>ユーザーパスワードの変更</translation>
    </message>
    <message>
        <source>Old Password</source>
        <translation>現在のパスワード</translation>
    </message>
    <message>
        <source>New Password</source>
        <translation>新しいパスワード</translation>
    </message>
    <message>
        <source>Confirm Password</source>
        <translation>パスワードの確認</translation>
    </message>
    <message>
        <source>Change Password</source>
        <translation>パスワード変更</translation>
    </message>
</context>
<context>
    <name>PageAbout</name>
    <message>
        <source>Model:</source>
        <translation>モデル：</translation>
    </message>
    <message>
        <source>Serial Number:</source>
        <translation>シリアル番号：</translation>
    </message>
    <message>
        <source>Version:</source>
        <translation>バージョン：</translation>
    </message>
    <message>
        <source>Available Storage:</source>
        <translation>空き容量：</translation>
    </message>
    <message>
        <source>Ethernet Address:</source>
        <translation>有線LANアドレス：</translation>
    </message>
    <message>
        <source>Wireless Address:</source>
        <translation>無線LANアドレス：</translation>
    </message>
    <message>
        <source>Head 1 Offsets (Backstop, Horizontal, BlackMark, Gap, Heat):</source>
        <translation>ヘッド1オフセット（バックストップ、水平、ブラックマーク、ギャップ、濃度）：</translation>
    </message>
    <message>
        <source>Offsets (Backstop, Horizontal, BlackMark, Gap, Heat):</source>
        <translation>オフセット（バックストップ、水平、ブラックマーク、ギャップ、濃度）：</translation>
    </message>
    <message>
        <source>Head 2 Offsets (Backstop, Horizontal, BlackMark, Gap, Heat):</source>
        <translation>ヘッド2オフセット（バックストップ、水平、ブラックマーク、ギャップ、濃度）：</translation>
    </message>
    <message>
        <source>Calibration Values (TachL, TachH, CutT, SupT, SupR):</source>
        <translation>キャリブレーション値（TachL, TachH, CutT, SupT, SupR）：</translation>
    </message>
    <message>
        <source>About</source>
        <translation>デバイス情報</translation>
    </message>
</context>
<context>
    <name>PageDateTime</name>
    <message>
        <source>Date and Time</source>
        <translation>日付と時刻</translation>
    </message>
    <message>
        <source>24 Hour Time</source>
        <translation>24時間表示</translation>
    </message>
    <message>
        <source>Change the displayed times format on the top bar.</source>
        <translation>上部バーの時刻の表示形式を変更します。</translation>
    </message>
    <message>
        <source>Time Zone</source>
        <translation>タイムゾーン</translation>
    </message>
    <message>
        <source>Set the current time zone.</source>
        <translation>現在のタイムゾーンを設定します。</translation>
    </message>
    <message>
        <source>Date Format</source>
        <translation>日付の形式</translation>
    </message>
    <message>
        <source>Change the format of the date</source>
        <translation>日付の表示形式を変更します。</translation>
    </message>
    <message>
        <source>Set Date and Time Automatically</source>
        <translation>日付と時刻の自動設定</translation>
    </message>
    <message>
        <source>Requires a valid internet connection.</source>
        <translation>インターネット接続が必要です。</translation>
    </message>
    <message>
        <source>Hours</source>
        <translation>時</translation>
    </message>
    <message>
        <source>Minutes</source>
        <translation>分</translation>
    </message>
    <message>
        <source>AM</source>
        <translation>午前</translation>
    </message>
    <message>
        <source>PM</source>
        <translation>午後</translation>
    </message>
    <message>
        <source>Month</source>
        <translation>月</translation>
    </message>
    <message>
        <source>January</source>
        <translation>1月</translation>
    </message>
    <message>
        <source>February</source>
        <translation>2月</translation>
    </message>
    <message>
        <source>March</source>
        <translation>3月</translation>
    </message>
    <message>
        <source>April</source>
        <translation>4月</translation>
    </message>
    <message>
        <source>May</source>
        <translation>5月</translation>
    </message>
    <message>
        <source>June</source>
        <translation>6月</translation>
    </message>
    <message>
        <source>July</source>
        <translation>7月</translation>
    </message>
    <message>
        <source>August</source>
        <translation>8月</translation>
    </message>
    <message>
        <source>September</source>
        <translation>9月</translation>
    </message>
    <message>
        <source>October</source>
        <translation>10月</translation>
    </message>
    <message>
        <source>November</source>
        <translation>11月</translation>
    </message>
    <message>
        <source>December</source>
        <translation>12月</translation>
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
        <translation>単位</translation>
    </message>
    <message>
        <source>Set the default units of all applications.</source>
        <translation>すべてのアプリケーションで使用する標準の単位を設定します。</translation>
    </message>
    <message>
        <source>inches</source>
        <translation>インチ</translation>
    </message>
    <message>
        <source>mm</source>
        <translation>mm</translation>
    </message>
    <message>
        <source>Display</source>
        <translation>ディスプレイ</translation>
    </message>
    <message>
        <source>Brightness</source>
        <translation>明るさ</translation>
    </message>
    <message>
        <source>Adjust the display brightness.</source>
        <translation>画面の明るさを調整します。</translation>
    </message>
    <message>
        <source>Dimming</source>
        <translation>画面減光</translation>
    </message>
    <message>
        <source>Dim the display when inactive after the selected time.</source>
        <translation>操作がないまま選択した時間が経過すると、画面を暗くします。</translation>
    </message>
    <message>
        <source>Power</source>
        <translation>画面オフ</translation>
    </message>
    <message>
        <source>Turn the display off after the period of inactivity.</source>
        <translation>操作がないまま選択した時間が経過すると、画面をオフにします。</translation>
    </message>
    <message>
        <source>Sharing</source>
        <translation>共有</translation>
    </message>
    <message>
        <source>USB Shared Folder</source>
        <translation>USB共有フォルダー</translation>
    </message>
    <message>
        <source>Create a shared drive between printer and PC</source>
        <translation>プリンターとPCの間に共有ドライブを作成します。</translation>
    </message>
    <message>
        <source>Home</source>
        <translation>ホーム画面</translation>
    </message>
    <message>
        <source>File / Folder</source>
        <translation>ファイル / フォルダー</translation>
    </message>
    <message>
        <source>Enable file and folder double click to open.</source>
        <translation>ファイルやフォルダーをダブルタップで開けるようにします。</translation>
    </message>
    <message>
        <source>Privacy</source>
        <translation>プライバシー</translation>
    </message>
    <message>
        <source>Analytics</source>
        <translation>分析データ</translation>
    </message>
    <message>
        <source>Help improve Varnholt software development through anonymous analytics data.</source>
        <translation>匿名の分析データを送信して、Varnholtのソフトウェア開発の改善にご協力ください。</translation>
    </message>
    <message>
        <source>Initialization</source>
        <translation>初期設定</translation>
    </message>
    <message>
        <source>Enable first boot application on the next restart</source>
        <translation>次回の再起動時に初期設定アプリを起動</translation>
    </message>
</context>
<context>
    <name>PageLanguages</name>
    <message>
        <source>Languages</source>
        <translation>言語</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>システム言語</translation>
    </message>
    <message>
        <source>Set the system language. Change requires a restart.</source>
        <translation>システムの言語を設定します。変更は再起動後に有効になります。</translation>
    </message>
    <message>
        <source>Keyboard Layout</source>
        <translation>キーボード配列</translation>
    </message>
    <message>
        <source>Set the system keyboard layout. Change requires a restart.</source>
        <translation>システムのキーボード配列を設定します。変更は再起動後に有効になります。</translation>
    </message>
</context>
<context>
    <name>PageNetworking</name>
    <message>
        <source>Ethernet</source>
        <translation>有線LAN</translation>
    </message>
    <message>
        <source>Wireless</source>
        <translation>無線LAN</translation>
    </message>
</context>
<context>
    <name>PagePrinter</name>
    <message>
        <source>Printer Setup</source>
        <translation>プリンター設定</translation>
    </message>
    <message>
        <source>Orientation</source>
        <translation>印字方向</translation>
    </message>
    <message>
        <source>Cut</source>
        <translation>カット</translation>
    </message>
    <message>
        <source>Mirror</source>
        <translation>ミラー</translation>
    </message>
    <message>
        <source>Negative</source>
        <translation>白黒反転</translation>
    </message>
    <message>
        <source>Overprint</source>
        <translation>オーバープリント</translation>
    </message>
    <message>
        <source>White Base</source>
        <translation>白下地</translation>
    </message>
    <message>
        <source>Print Quality</source>
        <translation>印字品質</translation>
    </message>
    <message>
        <source>Dithering Method</source>
        <translation>ディザリング方式</translation>
    </message>
    <message>
        <source>Dithering methods affect the quality and speed of the print.</source>
        <translation>ディザリング方式によって印字の品質と速度が変わります。</translation>
    </message>
    <message>
        <source>Heat Intensity Offset</source>
        <translation>印字濃度オフセット</translation>
    </message>
    <message>
        <source>Adjust the heat offset from the nominal recommended setting.</source>
        <translation>推奨される標準設定を基準に印字濃度を調整します。</translation>
    </message>
</context>
<context>
    <name>PagePrinterAdvanced</name>
    <message>
        <source>Advanced</source>
        <translation>詳細設定</translation>
    </message>
    <message>
        <source>Tension Offset</source>
        <translation>テンションオフセット</translation>
    </message>
    <message>
        <source>Adjust the tension offset of the ribbon.</source>
        <translation>リボンのテンションを標準値から調整します。</translation>
    </message>
    <message>
        <source>Ribbon Saver</source>
        <translation>リボン節約</translation>
    </message>
    <message>
        <source>May decrease ribbon consumption.</source>
        <translation>リボンの消費量を減らせる場合があります。</translation>
    </message>
    <message>
        <source>BETA</source>
        <translation>BETA</translation>
    </message>
    <message>
        <source>Calibration</source>
        <translation>キャリブレーション</translation>
    </message>
    <message>
        <source>Calibrate the ribbon tach sensors. Recommended if your printer continues to display error 32, 33, 34 or 35</source>
        <translation>リボン回転センサーのキャリブレーションを行います。エラー32、33、34、35が繰り返し表示される場合に推奨します。</translation>
    </message>
    <message>
        <source>Calibrate Ribbon Sensor</source>
        <translation>リボンセンサーのキャリブレーション</translation>
    </message>
    <message>
        <source>Calibrate the supply sensor. Recommended if your printer continues to display error 2 or 3.</source>
        <translation>用紙センサーのキャリブレーションを行います。エラー2または3が繰り返し表示される場合に推奨します。</translation>
    </message>
    <message>
        <source>Calibrate Supply Sensor</source>
        <translation>用紙センサーのキャリブレーション</translation>
    </message>
    <message>
        <source>Reset Supply Sensor</source>
        <translation>用紙センサーのリセット</translation>
    </message>
</context>
<context>
    <name>PagePrinterAlignment</name>
    <message>
        <source>Feed Offsets</source>
        <translation>フィードオフセット</translation>
    </message>
    <message>
        <source>Backfeed</source>
        <translation>バックフィード</translation>
    </message>
    <message>
        <source>Adjust the backfeed amount after a cut.</source>
        <translation>カット後のバックフィード量を調整します。</translation>
    </message>
    <message>
        <source>mm</source>
        <translation>mm</translation>
    </message>
    <message>
        <source>Feed</source>
        <translation>フィード</translation>
    </message>
    <message>
        <source>Adjust the feed amount before cutting.</source>
        <translation>カット前のフィード量を調整します。</translation>
    </message>
</context>
<context>
    <name>PagePrinterPresets</name>
    <message>
        <source>Manage Presets</source>
        <translation>プリセット管理</translation>
    </message>
    <message>
        <source>Preset Selection</source>
        <translation>プリセット選択</translation>
    </message>
    <message>
        <source>Select a preset to modify or delete. Selecting &quot;Update&quot; will save the settings selected on Printer and Print Alignment pages to the currently selected preset.</source>
        <translation>変更または削除するプリセットを選択してください。「更新」を押すと、「プリンター」と「位置調整」のページで選択した設定が、選択中のプリセットに保存されます。</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>削除</translation>
    </message>
    <message>
        <source>Update</source>
        <translation>更新</translation>
    </message>
    <message>
        <source>Create New Preset</source>
        <translation>新規プリセット作成</translation>
    </message>
    <message>
        <source>Preset Name</source>
        <translation>プリセット名</translation>
    </message>
    <message>
        <source>Type the name of the preset you&apos;ll be creating. Clicking &quot;Add&quot; will create the new preset with settings selected in the Printer and Print Alignment pages.</source>
        <translation>作成するプリセットの名前を入力してください。「追加」を押すと、「プリンター」と「位置調整」のページで選択した設定で新しいプリセットが作成されます。</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>追加</translation>
    </message>
</context>
<context>
    <name>PageUpdates</name>
    <message>
        <source>Updates Available</source>
        <translation>アップデートがあります</translation>
    </message>
    <message>
        <source>Install Updates</source>
        <translation>インストール</translation>
    </message>
    <message>
        <source>System Updates</source>
        <translation>システムアップデート</translation>
    </message>
    <message>
        <source>Last Checked: </source>
        <translation>最終確認: </translation>
    </message>
    <message>
        <source>Never</source>
        <translation>なし</translation>
    </message>
    <message>
        <source>Current Version:</source>
        <translation>現在のバージョン:</translation>
    </message>
    <message>
        <source>Available Version:</source>
        <translation>利用可能なバージョン:</translation>
    </message>
    <message>
        <source>Please restart the system to complete the update.</source>
        <translation>アップデートを完了するには、システムを再起動してください。</translation>
    </message>
    <message>
        <source>Check For Updates Automatically</source>
        <translation>アップデートの自動確認</translation>
    </message>
    <message>
        <source>Requires a valid internet connection.</source>
        <translation>インターネット接続が必要です。</translation>
    </message>
    <message>
        <source>Update Finished</source>
        <translation>アップデート完了</translation>
    </message>
    <message>
        <source>Up To Date</source>
        <translation>最新の状態です</translation>
    </message>
    <message>
        <source>Re-install Update</source>
        <translation>再インストール</translation>
    </message>
    <message>
        <source>Check For Updates</source>
        <translation>アップデートの確認</translation>
    </message>
    <message>
        <source>Checking for updates...</source>
        <translation>アップデートを確認しています...</translation>
    </message>
    <message>
        <source>Updating, Please Wait...</source>
        <translation>アップデート中です。お待ちください...</translation>
    </message>
    <message>
        <source>Error Updating</source>
        <translation>アップデートエラー</translation>
    </message>
</context>
<context>
    <name>PageUsers</name>
    <message>
        <source>Users and Passwords</source>
        <translation>ユーザーとパスワード</translation>
    </message>
    <message>
        <source>There are currently no users.
Adding a user will prompt for a login on reboot.</source>
        <translation>現在、ユーザーは登録されていません。
ユーザーを追加すると、再起動時にログインが必要になります。</translation>
    </message>
</context>
<context>
    <name>PrinterButtonBar</name>
    <message>
        <source>Print Test Page</source>
        <translation>テスト印字</translation>
    </message>
    <message>
        <source>Calibrate Supply</source>
        <translation>用紙キャリブレーション</translation>
    </message>
    <message>
        <source>Supply Status</source>
        <translation>用紙ステータス</translation>
    </message>
</context>
<context>
    <name>PrintheadOffsetsComponent</name>
    <message>
        <source>Printhead Offsets</source>
        <translation>印字ヘッドオフセット</translation>
    </message>
    <message>
        <source>Horizontal</source>
        <translation>水平</translation>
    </message>
    <message>
        <source>Shift the entire print horizontally.</source>
        <translation>印字全体を水平方向に移動します。</translation>
    </message>
    <message>
        <source>dots</source>
        <translation>ドット</translation>
    </message>
    <message>
        <source>Vertical</source>
        <translation>垂直</translation>
    </message>
    <message>
        <source>Shift the entire print vertically.</source>
        <translation>印字全体を垂直方向に移動します。</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>Landscape</source>
        <translation>横向き</translation>
    </message>
    <message>
        <source>Landscape 180</source>
        <translation>横向き 180°</translation>
    </message>
    <message>
        <source>Portrait</source>
        <translation>縦向き</translation>
    </message>
    <message>
        <source>Portrait 180</source>
        <translation>縦向き 180°</translation>
    </message>
    <message>
        <source>Cut After Job</source>
        <translation>ジョブごとにカット</translation>
    </message>
    <message>
        <source>Cut After Page</source>
        <translation>ページごとにカット</translation>
    </message>
    <message>
        <source>No Cut</source>
        <translation>カットなし</translation>
    </message>
    <message>
        <source>Dither</source>
        <comment>Dither method name</comment>
        <translation>ディザ</translation>
    </message>
    <message>
        <source>Ordered Dither</source>
        <comment>Ordered Dither method name</comment>
        <translation>組織的ディザ</translation>
    </message>
</context>
<context>
    <name>RestartHint</name>
    <message>
        <source>Please restart for this setting to take effect.</source>
        <translation>この設定を有効にするには再起動してください。</translation>
    </message>
</context>
<context>
    <name>UpdateHelper</name>
    <message>
        <source>No update source is configured.</source>
        <translation>アップデート元が設定されていません。</translation>
    </message>
    <message>
        <source>The update source offers no valid release.</source>
        <translation>アップデート元に有効なリリースがありません。</translation>
    </message>
    <message>
        <source>No update is available. Check for updates first.</source>
        <translation>利用可能なアップデートがありません。先にアップデートを確認してください。</translation>
    </message>
    <message>
        <source>The update could not be installed.</source>
        <translation>アップデートをインストールできませんでした。</translation>
    </message>
    <message>
        <source>The update source cannot be reached.</source>
        <translation>アップデート元に接続できません。</translation>
    </message>
    <message>
        <source>The update could not be downloaded.</source>
        <translation>アップデートをダウンロードできませんでした。</translation>
    </message>
    <message>
        <source>The downloaded update is damaged.</source>
        <translation>ダウンロードしたアップデートが破損しています。</translation>
    </message>
    <message>
        <source>The update could not be stored on this device.</source>
        <translation>アップデートをこのデバイスに保存できませんでした。</translation>
    </message>
</context>
<context>
    <name>VHLocaleLanguages</name>
    <message>
        <source>English (US)</source>
        <translation>英語（米国）</translation>
    </message>
    <message>
        <source>English (US, international)</source>
        <translation>英語（米国、国際）</translation>
    </message>
    <message>
        <source>English (Dvorak)</source>
        <translation>英語（Dvorak）</translation>
    </message>
    <message>
        <source>English (UK)</source>
        <translation>英語（英国）</translation>
    </message>
    <message>
        <source>German</source>
        <translation>ドイツ語</translation>
    </message>
    <message>
        <source>German (no dead keys)</source>
        <translation>ドイツ語（デッドキーなし）</translation>
    </message>
    <message>
        <source>French</source>
        <translation>フランス語</translation>
    </message>
    <message>
        <source>Spanish</source>
        <translation>スペイン語</translation>
    </message>
    <message>
        <source>Italian</source>
        <translation>イタリア語</translation>
    </message>
    <message>
        <source>Portuguese (Brazil)</source>
        <translation>ポルトガル語（ブラジル）</translation>
    </message>
    <message>
        <source>Dutch</source>
        <translation>オランダ語</translation>
    </message>
    <message>
        <source>Polish</source>
        <translation>ポーランド語</translation>
    </message>
    <message>
        <source>Swedish</source>
        <translation>スウェーデン語</translation>
    </message>
    <message>
        <source>Japanese</source>
        <translation>日本語</translation>
    </message>
</context>
<context>
    <name>VHWiFiAccessPointDelegate</name>
    <message>
        <source>Connected</source>
        <translation>接続済み</translation>
    </message>
    <message>
        <source>Saved</source>
        <translation>保存済み</translation>
    </message>
</context>
<context>
    <name>VHWiFiDialog</name>
    <message>
        <source>Status</source>
        <translation>状態</translation>
    </message>
    <message>
        <source>Connected</source>
        <translation>接続済み</translation>
    </message>
    <message>
        <source>Saved</source>
        <translation>保存済み</translation>
    </message>
    <message>
        <source>Not connected</source>
        <translation>未接続</translation>
    </message>
    <message>
        <source>Security</source>
        <translation>セキュリティ</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>オープン</translation>
    </message>
    <message>
        <source>Signal strength</source>
        <translation>電波強度</translation>
    </message>
    <message>
        <source>Access point</source>
        <translation>アクセスポイント</translation>
    </message>
    <message>
        <source>IP address</source>
        <translation>IPアドレス</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>閉じる</translation>
    </message>
    <message>
        <source>Forget Network</source>
        <translation>ネットワークの削除</translation>
    </message>
</context>
<context>
    <name>VHWiFiDialogEthernet</name>
    <message>
        <source>Enter an address such as 192.168.1.20.</source>
        <translation>アドレスを入力してください（例: 192.168.1.20）。</translation>
    </message>
    <message>
        <source>This address names the whole network, not a device.</source>
        <translation>このアドレスはデバイスではなく、ネットワーク全体を表します。</translation>
    </message>
    <message>
        <source>Enter a netmask such as 255.255.255.0.</source>
        <translation>サブネットマスクを入力してください（例: 255.255.255.0）。</translation>
    </message>
    <message>
        <source>Enter the router&apos;s address, such as 192.168.1.1.</source>
        <translation>ルーターのアドレスを入力してください（例: 192.168.1.1）。</translation>
    </message>
    <message>
        <source>The gateway must be in the same network as the address.</source>
        <translation>ゲートウェイはIPアドレスと同じネットワーク内にある必要があります。</translation>
    </message>
    <message>
        <source>The gateway cannot be the printer&apos;s own address.</source>
        <translation>ゲートウェイにプリンター自身のアドレスは指定できません。</translation>
    </message>
    <message>
        <source>Ethernet Settings</source>
        <translation>有線LAN設定</translation>
    </message>
    <message>
        <source>Obtain the address automatically (DHCP)</source>
        <translation>IPアドレスの自動取得（DHCP）</translation>
    </message>
    <message>
        <source>IP address</source>
        <translation>IPアドレス</translation>
    </message>
    <message>
        <source>Netmask</source>
        <translation>サブネットマスク</translation>
    </message>
    <message>
        <source>Gateway</source>
        <translation>ゲートウェイ</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>キャンセル</translation>
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
        <translation>このネットワークはオープンです。パスワードは不要です。</translation>
    </message>
    <message>
        <source>The password of this network is saved. Type a new one only if it has changed.</source>
        <translation>このネットワークのパスワードは保存されています。パスワードが変更された場合のみ、新しいパスワードを入力してください。</translation>
    </message>
    <message>
        <source>Enter the password of this network.</source>
        <translation>このネットワークのパスワードを入力してください。</translation>
    </message>
    <message>
        <source>Saved password</source>
        <translation>保存済みのパスワード</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>パスワード</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>閉じる</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>キャンセル</translation>
    </message>
    <message>
        <source>Connect</source>
        <translation>接続</translation>
    </message>
</context>
<context>
    <name>WifiClientIPC</name>
    <message>
        <source>No Wi-Fi device is available.</source>
        <translation>使用できるWi-Fiデバイスがありません。</translation>
    </message>
    <message>
        <source>%1 is out of range.</source>
        <translation>%1 の電波が届きません。</translation>
    </message>
    <message>
        <source>Connecting to %1 …</source>
        <translation>%1 に接続しています…</translation>
    </message>
    <message>
        <source>%1 needs a sign-in that this printer does not support.</source>
        <translation>%1 には、このプリンターが対応していないサインインが必要です。</translation>
    </message>
    <message>
        <source>Enter the password of %1.</source>
        <translation>%1 のパスワードを入力してください。</translation>
    </message>
    <message>
        <source>This cannot be the password of %1: check its length.</source>
        <translation>%1 のパスワードとしては使用できません。文字数を確認してください。</translation>
    </message>
    <message>
        <source>Could not connect to %1.</source>
        <translation>%1 に接続できませんでした。</translation>
    </message>
    <message>
        <source>Connected to %1.</source>
        <translation>%1 に接続しました。</translation>
    </message>
    <message>
        <source>The password of %1 was not accepted.</source>
        <translation>%1 のパスワードが受け付けられませんでした。</translation>
    </message>
</context>
</TS>
