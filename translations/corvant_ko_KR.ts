<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ko_KR">
<context>
    <name>AddUserContainer</name>
    <message>
        <source>User already exists</source>
        <translation>이미 존재하는 사용자</translation>
    </message>
    <message>
        <source>Invalid username</source>
        <translation>잘못된 사용자 이름</translation>
    </message>
    <message>
        <source>Invalid password</source>
        <translation>잘못된 비밀번호</translation>
    </message>
    <message>
        <source>Invalid Username &amp; Password</source>
        <translation>잘못된 사용자 이름 및 비밀번호</translation>
    </message>
    <message>
        <source>Passwords do not match</source>
        <translation>비밀번호 불일치</translation>
    </message>
    <message>
        <source>Username</source>
        <translation>사용자 이름</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>비밀번호</translation>
    </message>
    <message>
        <source>Confirm Password</source>
        <translation>비밀번호 확인</translation>
    </message>
    <message>
        <source>Lock</source>
        <translation>잠금</translation>
    </message>
    <message>
        <source>Add User</source>
        <translation>사용자 추가</translation>
    </message>
</context>
<context>
    <name>DeleteUserDialog</name>
    <message>
        <source>Delete User?</source>
        <translation>사용자를 삭제하시겠습니까?</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>취소</translation>
    </message>
    <message>
        <source>Delete User</source>
        <translation>사용자 삭제</translation>
    </message>
</context>
<context>
    <name>MSDInfoDialog</name>
    <message>
        <source>Information</source>
        <translation>정보</translation>
    </message>
    <message>
        <source>File share is accessible on host computer when connected.</source>
        <translation>연결된 동안에는 호스트 컴퓨터에서 공유 파일에 액세스할 수 있습니다.</translation>
    </message>
    <message>
        <source>File share is accessible on printer when disconnected from host computer.</source>
        <translation>호스트 컴퓨터와 연결을 해제하면 프린터에서 공유 파일에 액세스할 수 있습니다.</translation>
    </message>
    <message>
        <source>Max capacity 200MB.</source>
        <translation>최대 용량은 200MB입니다.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>확인</translation>
    </message>
</context>
<context>
    <name>MainContainer</name>
    <message>
        <source>Settings</source>
        <translation>설정</translation>
    </message>
</context>
<context>
    <name>ModelDisplayTimeouts</name>
    <message>
        <source>1 minute</source>
        <translation>1분</translation>
    </message>
    <message>
        <source>2 minutes</source>
        <translation>2분</translation>
    </message>
    <message>
        <source>3 minutes</source>
        <translation>3분</translation>
    </message>
    <message>
        <source>5 minutes</source>
        <translation>5분</translation>
    </message>
    <message>
        <source>10 minutes</source>
        <translation>10분</translation>
    </message>
    <message>
        <source>20 minutes</source>
        <translation>20분</translation>
    </message>
    <message>
        <source>30 minutes</source>
        <translation>30분</translation>
    </message>
    <message>
        <source>45 minutes</source>
        <translation>45분</translation>
    </message>
    <message>
        <source>1 hour</source>
        <translation>1시간</translation>
    </message>
    <message>
        <source>2 hours</source>
        <translation>2시간</translation>
    </message>
    <message>
        <source>3 hours</source>
        <translation>3시간</translation>
    </message>
    <message>
        <source>Never</source>
        <translation>사용 안 함</translation>
    </message>
</context>
<context>
    <name>ModelMainSidebar</name>
    <message>
        <source>General</source>
        <translation>일반</translation>
    </message>
    <message>
        <source>Printer</source>
        <translation>프린터</translation>
    </message>
    <message>
        <source>Alignment</source>
        <translation>위치 조정</translation>
    </message>
    <message>
        <source>Presets</source>
        <translation>프리셋</translation>
    </message>
    <message>
        <source>Advanced</source>
        <translation>고급</translation>
    </message>
    <message>
        <source>Date &amp; Time</source>
        <translation>날짜 및 시간</translation>
    </message>
    <message>
        <source>Networking</source>
        <translation>네트워크</translation>
    </message>
    <message>
        <source>Updates</source>
        <translation>업데이트</translation>
    </message>
    <message>
        <source>Languages</source>
        <translation>언어</translation>
    </message>
    <message>
        <source>Users</source>
        <translation>사용자</translation>
    </message>
    <message>
        <source>About</source>
        <translation>기기 정보</translation>
    </message>
</context>
<context>
    <name>ModifyUserDialog</name>
    <message>
        <source>Invalid new password. Please try something else.</source>
        <translation>새 비밀번호가 유효하지 않습니다. 다른 비밀번호를 입력하십시오.</translation>
    </message>
    <message>
        <source>Passwords do not match.</source>
        <translation>비밀번호가 일치하지 않습니다.</translation>
    </message>
    <message>
        <source>Incorrect password.</source>
        <translation>비밀번호가 올바르지 않습니다.</translation>
    </message>
    <message>
        <source>Change User Password</source>
        <translation>사용자 비밀번호 변경</translation>
    </message>
    <message>
        <source>Old Password</source>
        <translation>기존 비밀번호</translation>
    </message>
    <message>
        <source>New Password</source>
        <translation>새 비밀번호</translation>
    </message>
    <message>
        <source>Confirm Password</source>
        <translation>비밀번호 확인</translation>
    </message>
    <message>
        <source>Change Password</source>
        <translation>비밀번호 변경</translation>
    </message>
</context>
<context>
    <name>PageAbout</name>
    <message>
        <source>Model:</source>
        <translation>모델:</translation>
    </message>
    <message>
        <source>Serial Number:</source>
        <translation>일련번호:</translation>
    </message>
    <message>
        <source>Version:</source>
        <translation>버전:</translation>
    </message>
    <message>
        <source>Available Storage:</source>
        <translation>사용 가능한 저장 공간:</translation>
    </message>
    <message>
        <source>Ethernet Address:</source>
        <translation>이더넷 주소:</translation>
    </message>
    <message>
        <source>Wireless Address:</source>
        <translation>무선 주소:</translation>
    </message>
    <message>
        <source>Head 1 Offsets (Backstop, Horizontal, BlackMark, Gap, Heat):</source>
        <translation>헤드 1 오프셋(백스톱, 수평, 블랙 마크, 갭, 농도):</translation>
    </message>
    <message>
        <source>Offsets (Backstop, Horizontal, BlackMark, Gap, Heat):</source>
        <translation>오프셋(백스톱, 수평, 블랙 마크, 갭, 농도):</translation>
    </message>
    <message>
        <source>Head 2 Offsets (Backstop, Horizontal, BlackMark, Gap, Heat):</source>
        <translation>헤드 2 오프셋(백스톱, 수평, 블랙 마크, 갭, 농도):</translation>
    </message>
    <message>
        <source>Calibration Values (TachL, TachH, CutT, SupT, SupR):</source>
        <translation>보정값(TachL, TachH, CutT, SupT, SupR):</translation>
    </message>
    <message>
        <source>About</source>
        <translation>기기 정보</translation>
    </message>
</context>
<context>
    <name>PageDateTime</name>
    <message>
        <source>Date and Time</source>
        <translation>날짜 및 시간</translation>
    </message>
    <message>
        <source>24 Hour Time</source>
        <translation>24시간제</translation>
    </message>
    <message>
        <source>Change the displayed times format on the top bar.</source>
        <translation>상단 표시줄의 시간 표시 형식을 변경합니다.</translation>
    </message>
    <message>
        <source>Time Zone</source>
        <translation>시간대</translation>
    </message>
    <message>
        <source>Set the current time zone.</source>
        <translation>현재 시간대를 설정합니다.</translation>
    </message>
    <message>
        <source>Date Format</source>
        <translation>날짜 형식</translation>
    </message>
    <message>
        <source>Change the format of the date</source>
        <translation>날짜 표시 형식을 변경합니다.</translation>
    </message>
    <message>
        <source>Set Date and Time Automatically</source>
        <translation>날짜 및 시간 자동 설정</translation>
    </message>
    <message>
        <source>Requires a valid internet connection.</source>
        <translation>인터넷 연결이 필요합니다.</translation>
    </message>
    <message>
        <source>Hours</source>
        <translation>시</translation>
    </message>
    <message>
        <source>Minutes</source>
        <translation>분</translation>
    </message>
    <message>
        <source>AM</source>
        <translation>오전</translation>
    </message>
    <message>
        <source>PM</source>
        <translation>오후</translation>
    </message>
    <message>
        <source>Month</source>
        <translation>월</translation>
    </message>
    <message>
        <source>January</source>
        <translation>1월</translation>
    </message>
    <message>
        <source>February</source>
        <translation>2월</translation>
    </message>
    <message>
        <source>March</source>
        <translation>3월</translation>
    </message>
    <message>
        <source>April</source>
        <translation>4월</translation>
    </message>
    <message>
        <source>May</source>
        <translation>5월</translation>
    </message>
    <message>
        <source>June</source>
        <translation>6월</translation>
    </message>
    <message>
        <source>July</source>
        <translation>7월</translation>
    </message>
    <message>
        <source>August</source>
        <translation>8월</translation>
    </message>
    <message>
        <source>September</source>
        <translation>9월</translation>
    </message>
    <message>
        <source>October</source>
        <translation>10월</translation>
    </message>
    <message>
        <source>November</source>
        <translation>11월</translation>
    </message>
    <message>
        <source>December</source>
        <translation>12월</translation>
    </message>
    <message>
        <source>Day</source>
        <translation>일</translation>
    </message>
    <message>
        <source>Year</source>
        <translation>년</translation>
    </message>
</context>
<context>
    <name>PageGeneral</name>
    <message>
        <source>Units</source>
        <translation>단위</translation>
    </message>
    <message>
        <source>Set the default units of all applications.</source>
        <translation>모든 애플리케이션의 기본 단위를 설정합니다.</translation>
    </message>
    <message>
        <source>inches</source>
        <translation>인치</translation>
    </message>
    <message>
        <source>mm</source>
        <translation>mm</translation>
    </message>
    <message>
        <source>Display</source>
        <translation>디스플레이</translation>
    </message>
    <message>
        <source>Brightness</source>
        <translation>밝기</translation>
    </message>
    <message>
        <source>Adjust the display brightness.</source>
        <translation>화면 밝기를 조정합니다.</translation>
    </message>
    <message>
        <source>Dimming</source>
        <translation>화면 어둡게</translation>
    </message>
    <message>
        <source>Dim the display when inactive after the selected time.</source>
        <translation>선택한 시간 동안 조작이 없으면 화면을 어둡게 합니다.</translation>
    </message>
    <message>
        <source>Power</source>
        <translation>화면 끄기</translation>
    </message>
    <message>
        <source>Turn the display off after the period of inactivity.</source>
        <translation>선택한 시간 동안 조작이 없으면 화면을 끕니다.</translation>
    </message>
    <message>
        <source>Sharing</source>
        <translation>공유</translation>
    </message>
    <message>
        <source>USB Shared Folder</source>
        <translation>USB 공유 폴더</translation>
    </message>
    <message>
        <source>Create a shared drive between printer and PC</source>
        <translation>프린터와 PC 간에 공유 드라이브를 만듭니다.</translation>
    </message>
    <message>
        <source>Home</source>
        <translation>홈 화면</translation>
    </message>
    <message>
        <source>File / Folder</source>
        <translation>파일 / 폴더</translation>
    </message>
    <message>
        <source>Enable file and folder double click to open.</source>
        <translation>파일과 폴더를 두 번 탭하여 열 수 있게 합니다.</translation>
    </message>
    <message>
        <source>Privacy</source>
        <translation>개인정보 보호</translation>
    </message>
    <message>
        <source>Analytics</source>
        <translation>분석 데이터</translation>
    </message>
    <message>
        <source>Help improve Varnholt software development through anonymous analytics data.</source>
        <translation>익명 분석 데이터를 보내 Varnholt 소프트웨어 개발 개선에 참여해 주십시오.</translation>
    </message>
    <message>
        <source>Initialization</source>
        <translation>초기 설정</translation>
    </message>
    <message>
        <source>Enable first boot application on the next restart</source>
        <translation>다음 재시작 시 초기 설정 앱 실행</translation>
    </message>
</context>
<context>
    <name>PageLanguages</name>
    <message>
        <source>Languages</source>
        <translation>언어</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>시스템 언어</translation>
    </message>
    <message>
        <source>Set the system language. Change requires a restart.</source>
        <translation>시스템 언어를 설정합니다. 변경 사항은 재시작 후 적용됩니다.</translation>
    </message>
    <message>
        <source>Keyboard Layout</source>
        <translation>키보드 레이아웃</translation>
    </message>
    <message>
        <source>Set the system keyboard layout. Change requires a restart.</source>
        <translation>시스템 키보드 레이아웃을 설정합니다. 변경 사항은 재시작 후 적용됩니다.</translation>
    </message>
</context>
<context>
    <name>PageNetworking</name>
    <message>
        <source>Ethernet</source>
        <translation>이더넷</translation>
    </message>
    <message>
        <source>Wireless</source>
        <translation>무선 네트워크</translation>
    </message>
</context>
<context>
    <name>PagePrinter</name>
    <message>
        <source>Printer Setup</source>
        <translation>프린터 설정</translation>
    </message>
    <message>
        <source>Orientation</source>
        <translation>인쇄 방향</translation>
    </message>
    <message>
        <source>Cut</source>
        <translation>절단</translation>
    </message>
    <message>
        <source>Mirror</source>
        <translation>미러</translation>
    </message>
    <message>
        <source>Negative</source>
        <translation>흑백 반전</translation>
    </message>
    <message>
        <source>Overprint</source>
        <translation>오버프린트</translation>
    </message>
    <message>
        <source>White Base</source>
        <translation>화이트 베이스</translation>
    </message>
    <message>
        <source>Print Quality</source>
        <translation>인쇄 품질</translation>
    </message>
    <message>
        <source>Dithering Method</source>
        <translation>디더링 방식</translation>
    </message>
    <message>
        <source>Dithering methods affect the quality and speed of the print.</source>
        <translation>디더링 방식에 따라 인쇄 품질과 속도가 달라집니다.</translation>
    </message>
    <message>
        <source>Heat Intensity Offset</source>
        <translation>인쇄 농도 오프셋</translation>
    </message>
    <message>
        <source>Adjust the heat offset from the nominal recommended setting.</source>
        <translation>권장 기본 설정을 기준으로 인쇄 농도를 조정합니다.</translation>
    </message>
</context>
<context>
    <name>PagePrinterAdvanced</name>
    <message>
        <source>Advanced</source>
        <translation>고급</translation>
    </message>
    <message>
        <source>Tension Offset</source>
        <translation>장력 오프셋</translation>
    </message>
    <message>
        <source>Adjust the tension offset of the ribbon.</source>
        <translation>리본 장력을 기본값 기준으로 조정합니다.</translation>
    </message>
    <message>
        <source>Ribbon Saver</source>
        <translation>리본 절약</translation>
    </message>
    <message>
        <source>May decrease ribbon consumption.</source>
        <translation>리본 소모량을 줄일 수 있습니다.</translation>
    </message>
    <message>
        <source>BETA</source>
        <translation>BETA</translation>
    </message>
    <message>
        <source>Calibration</source>
        <translation>보정</translation>
    </message>
    <message>
        <source>Calibrate the ribbon tach sensors. Recommended if your printer continues to display error 32, 33, 34 or 35</source>
        <translation>리본 회전 센서를 보정합니다. 프린터에 오류 32, 33, 34 또는 35가 계속 표시되는 경우에 권장합니다.</translation>
    </message>
    <message>
        <source>Calibrate Ribbon Sensor</source>
        <translation>리본 센서 보정</translation>
    </message>
    <message>
        <source>Calibrate the supply sensor. Recommended if your printer continues to display error 2 or 3.</source>
        <translation>용지 센서를 보정합니다. 프린터에 오류 2 또는 3이 계속 표시되는 경우에 권장합니다.</translation>
    </message>
    <message>
        <source>Calibrate Supply Sensor</source>
        <translation>용지 센서 보정</translation>
    </message>
    <message>
        <source>Reset Supply Sensor</source>
        <translation>용지 센서 초기화</translation>
    </message>
</context>
<context>
    <name>PagePrinterAlignment</name>
    <message>
        <source>Feed Offsets</source>
        <translation>피드 오프셋</translation>
    </message>
    <message>
        <source>Backfeed</source>
        <translation>백피드</translation>
    </message>
    <message>
        <source>Adjust the backfeed amount after a cut.</source>
        <translation>절단 후 백피드 양을 조정합니다.</translation>
    </message>
    <message>
        <source>mm</source>
        <translation>mm</translation>
    </message>
    <message>
        <source>Feed</source>
        <translation>피드</translation>
    </message>
    <message>
        <source>Adjust the feed amount before cutting.</source>
        <translation>절단 전 피드 양을 조정합니다.</translation>
    </message>
</context>
<context>
    <name>PagePrinterPresets</name>
    <message>
        <source>Manage Presets</source>
        <translation>프리셋 관리</translation>
    </message>
    <message>
        <source>Preset Selection</source>
        <translation>프리셋 선택</translation>
    </message>
    <message>
        <source>Select a preset to modify or delete. Selecting &quot;Update&quot; will save the settings selected on Printer and Print Alignment pages to the currently selected preset.</source>
        <translation>수정하거나 삭제할 프리셋을 선택하십시오. [업데이트]를 누르면 [프린터] 및 [위치 조정] 페이지에서 선택한 설정이 현재 선택한 프리셋에 저장됩니다.</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>삭제</translation>
    </message>
    <message>
        <source>Update</source>
        <translation>업데이트</translation>
    </message>
    <message>
        <source>Create New Preset</source>
        <translation>새 프리셋 만들기</translation>
    </message>
    <message>
        <source>Preset Name</source>
        <translation>프리셋 이름</translation>
    </message>
    <message>
        <source>Type the name of the preset you&apos;ll be creating. Clicking &quot;Add&quot; will create the new preset with settings selected in the Printer and Print Alignment pages.</source>
        <translation>만들 프리셋의 이름을 입력하십시오. [추가]를 누르면 [프린터] 및 [위치 조정] 페이지에서 선택한 설정으로 새 프리셋이 만들어집니다.</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>추가</translation>
    </message>
</context>
<context>
    <name>PageUpdates</name>
    <message>
        <source>Updates Available</source>
        <translation>업데이트가 있습니다</translation>
    </message>
    <message>
        <source>Install Updates</source>
        <translation>업데이트 설치</translation>
    </message>
    <message>
        <source>System Updates</source>
        <translation>시스템 업데이트</translation>
    </message>
    <message>
        <source>Last Checked: </source>
        <translation>마지막 확인: </translation>
    </message>
    <message>
        <source>Never</source>
        <translation>없음</translation>
    </message>
    <message>
        <source>Current Version:</source>
        <translation>현재 버전:</translation>
    </message>
    <message>
        <source>Available Version:</source>
        <translation>사용 가능한 버전:</translation>
    </message>
    <message>
        <source>Please restart the system to complete the update.</source>
        <translation>업데이트를 완료하려면 시스템을 재시작하십시오.</translation>
    </message>
    <message>
        <source>Check For Updates Automatically</source>
        <translation>업데이트 자동 확인</translation>
    </message>
    <message>
        <source>Requires a valid internet connection.</source>
        <translation>인터넷 연결이 필요합니다.</translation>
    </message>
    <message>
        <source>Update Finished</source>
        <translation>업데이트 완료</translation>
    </message>
    <message>
        <source>Up To Date</source>
        <translation>최신 상태입니다</translation>
    </message>
    <message>
        <source>Re-install Update</source>
        <translation>업데이트 재설치</translation>
    </message>
    <message>
        <source>Check For Updates</source>
        <translation>업데이트 확인</translation>
    </message>
    <message>
        <source>Checking for updates...</source>
        <translation>업데이트 확인 중...</translation>
    </message>
    <message>
        <source>Updating, Please Wait...</source>
        <translation>업데이트 중입니다. 잠시 기다려 주십시오...</translation>
    </message>
    <message>
        <source>Error Updating</source>
        <translation>업데이트 오류</translation>
    </message>
</context>
<context>
    <name>PageUsers</name>
    <message>
        <source>Users and Passwords</source>
        <translation>사용자 및 비밀번호</translation>
    </message>
    <message>
        <source>There are currently no users.
Adding a user will prompt for a login on reboot.</source>
        <translation>현재 등록된 사용자가 없습니다.
사용자를 추가하면 재부팅 시 로그인해야 합니다.</translation>
    </message>
</context>
<context>
    <name>PrinterButtonBar</name>
    <message>
        <source>Print Test Page</source>
        <translation>테스트 페이지 인쇄</translation>
    </message>
    <message>
        <source>Calibrate Supply</source>
        <translation>용지 보정</translation>
    </message>
    <message>
        <source>Supply Status</source>
        <translation>용지 상태</translation>
    </message>
</context>
<context>
    <name>PrintheadOffsetsComponent</name>
    <message>
        <source>Printhead Offsets</source>
        <translation>프린트헤드 오프셋</translation>
    </message>
    <message>
        <source>Horizontal</source>
        <translation>수평</translation>
    </message>
    <message>
        <source>Shift the entire print horizontally.</source>
        <translation>인쇄 내용 전체를 수평 방향으로 이동합니다.</translation>
    </message>
    <message>
        <source>dots</source>
        <translation>도트</translation>
    </message>
    <message>
        <source>Vertical</source>
        <translation>수직</translation>
    </message>
    <message>
        <source>Shift the entire print vertically.</source>
        <translation>인쇄 내용 전체를 수직 방향으로 이동합니다.</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>Landscape</source>
        <translation>가로</translation>
    </message>
    <message>
        <source>Landscape 180</source>
        <translation>가로 180°</translation>
    </message>
    <message>
        <source>Portrait</source>
        <translation>세로</translation>
    </message>
    <message>
        <source>Portrait 180</source>
        <translation>세로 180°</translation>
    </message>
    <message>
        <source>Cut After Job</source>
        <translation>작업마다 절단</translation>
    </message>
    <message>
        <source>Cut After Page</source>
        <translation>페이지마다 절단</translation>
    </message>
    <message>
        <source>No Cut</source>
        <translation>절단 안 함</translation>
    </message>
    <message>
        <source>Dither</source>
        <comment>Dither method name</comment>
        <translation>디더링</translation>
    </message>
    <message>
        <source>Ordered Dither</source>
        <comment>Ordered Dither method name</comment>
        <translation>순서 디더링</translation>
    </message>
</context>
<context>
    <name>RestartHint</name>
    <message>
        <source>Please restart for this setting to take effect.</source>
        <translation>이 설정을 적용하려면 재시작하십시오.</translation>
    </message>
</context>
<context>
    <name>UpdateHelper</name>
    <message>
        <source>No update source is configured.</source>
        <translation>업데이트 소스가 설정되어 있지 않습니다.</translation>
    </message>
    <message>
        <source>The update source offers no valid release.</source>
        <translation>업데이트 소스에 유효한 릴리스가 없습니다.</translation>
    </message>
    <message>
        <source>No update is available. Check for updates first.</source>
        <translation>사용 가능한 업데이트가 없습니다. 먼저 업데이트를 확인하십시오.</translation>
    </message>
    <message>
        <source>The update could not be installed.</source>
        <translation>업데이트를 설치하지 못했습니다.</translation>
    </message>
    <message>
        <source>The update source cannot be reached.</source>
        <translation>업데이트 소스에 연결할 수 없습니다.</translation>
    </message>
    <message>
        <source>The update could not be downloaded.</source>
        <translation>업데이트를 다운로드하지 못했습니다.</translation>
    </message>
    <message>
        <source>The downloaded update is damaged.</source>
        <translation>다운로드한 업데이트가 손상되었습니다.</translation>
    </message>
    <message>
        <source>The update could not be stored on this device.</source>
        <translation>업데이트를 이 기기에 저장하지 못했습니다.</translation>
    </message>
</context>
<context>
    <name>VHLocaleLanguages</name>
    <message>
        <source>English (US)</source>
        <translation>영어(미국)</translation>
    </message>
    <message>
        <source>English (US, international)</source>
        <translation>영어(미국, 국제)</translation>
    </message>
    <message>
        <source>English (Dvorak)</source>
        <translation>영어(Dvorak)</translation>
    </message>
    <message>
        <source>English (UK)</source>
        <translation>영어(영국)</translation>
    </message>
    <message>
        <source>German</source>
        <translation>독일어</translation>
    </message>
    <message>
        <source>German (no dead keys)</source>
        <translation>독일어(데드 키 없음)</translation>
    </message>
    <message>
        <source>French</source>
        <translation>프랑스어</translation>
    </message>
    <message>
        <source>Spanish</source>
        <translation>스페인어</translation>
    </message>
    <message>
        <source>Italian</source>
        <translation>이탈리아어</translation>
    </message>
    <message>
        <source>Portuguese (Brazil)</source>
        <translation>포르투갈어(브라질)</translation>
    </message>
    <message>
        <source>Dutch</source>
        <translation>네덜란드어</translation>
    </message>
    <message>
        <source>Polish</source>
        <translation>폴란드어</translation>
    </message>
    <message>
        <source>Swedish</source>
        <translation>스웨덴어</translation>
    </message>
    <message>
        <source>Japanese</source>
        <translation>일본어</translation>
    </message>
</context>
<context>
    <name>VHWiFiAccessPointDelegate</name>
    <message>
        <source>Connected</source>
        <translation>연결됨</translation>
    </message>
    <message>
        <source>Saved</source>
        <translation>저장됨</translation>
    </message>
</context>
<context>
    <name>VHWiFiDialog</name>
    <message>
        <source>Status</source>
        <translation>상태</translation>
    </message>
    <message>
        <source>Connected</source>
        <translation>연결됨</translation>
    </message>
    <message>
        <source>Saved</source>
        <translation>저장됨</translation>
    </message>
    <message>
        <source>Not connected</source>
        <translation>연결 안 됨</translation>
    </message>
    <message>
        <source>Security</source>
        <translation>보안</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>개방</translation>
    </message>
    <message>
        <source>Signal strength</source>
        <translation>신호 강도</translation>
    </message>
    <message>
        <source>Access point</source>
        <translation>액세스 포인트</translation>
    </message>
    <message>
        <source>IP address</source>
        <translation>IP 주소</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>닫기</translation>
    </message>
    <message>
        <source>Forget Network</source>
        <translation>네트워크 삭제</translation>
    </message>
</context>
<context>
    <name>VHWiFiDialogEthernet</name>
    <message>
        <source>Enter an address such as 192.168.1.20.</source>
        <translation>주소를 입력하십시오(예: 192.168.1.20).</translation>
    </message>
    <message>
        <source>This address names the whole network, not a device.</source>
        <translation>이 주소는 장치가 아니라 네트워크 전체를 나타냅니다.</translation>
    </message>
    <message>
        <source>Enter a netmask such as 255.255.255.0.</source>
        <translation>서브넷 마스크를 입력하십시오(예: 255.255.255.0).</translation>
    </message>
    <message>
        <source>Enter the router&apos;s address, such as 192.168.1.1.</source>
        <translation>라우터 주소를 입력하십시오(예: 192.168.1.1).</translation>
    </message>
    <message>
        <source>The gateway must be in the same network as the address.</source>
        <translation>게이트웨이는 IP 주소와 같은 네트워크에 있어야 합니다.</translation>
    </message>
    <message>
        <source>The gateway cannot be the printer&apos;s own address.</source>
        <translation>게이트웨이는 프린터 자체의 주소일 수 없습니다.</translation>
    </message>
    <message>
        <source>Ethernet Settings</source>
        <translation>이더넷 설정</translation>
    </message>
    <message>
        <source>Obtain the address automatically (DHCP)</source>
        <translation>자동으로 주소 받기(DHCP)</translation>
    </message>
    <message>
        <source>IP address</source>
        <translation>IP 주소</translation>
    </message>
    <message>
        <source>Netmask</source>
        <translation>서브넷 마스크</translation>
    </message>
    <message>
        <source>Gateway</source>
        <translation>게이트웨이</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>취소</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>저장</translation>
    </message>
</context>
<context>
    <name>VHWiFiDialogPassword</name>
    <message>
        <source>This network is open: no password is needed.</source>
        <translation>개방형 네트워크입니다. 비밀번호가 필요하지 않습니다.</translation>
    </message>
    <message>
        <source>The password of this network is saved. Type a new one only if it has changed.</source>
        <translation>이 네트워크의 비밀번호가 저장되어 있습니다. 비밀번호가 변경된 경우에만 새 비밀번호를 입력하십시오.</translation>
    </message>
    <message>
        <source>Enter the password of this network.</source>
        <translation>이 네트워크의 비밀번호를 입력하십시오.</translation>
    </message>
    <message>
        <source>Saved password</source>
        <translation>저장된 비밀번호</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>비밀번호</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>닫기</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>취소</translation>
    </message>
    <message>
        <source>Connect</source>
        <translation>연결</translation>
    </message>
</context>
<context>
    <name>WifiClientIPC</name>
    <message>
        <source>No Wi-Fi device is available.</source>
        <translation>사용 가능한 Wi-Fi 장치가 없습니다.</translation>
    </message>
    <message>
        <source>%1 is out of range.</source>
        <translation>%1 네트워크가 범위를 벗어났습니다.</translation>
    </message>
    <message>
        <source>Connecting to %1 …</source>
        <translation>%1에 연결하는 중…</translation>
    </message>
    <message>
        <source>%1 needs a sign-in that this printer does not support.</source>
        <translation>%1 네트워크는 이 프린터가 지원하지 않는 로그인 방식이 필요합니다.</translation>
    </message>
    <message>
        <source>Enter the password of %1.</source>
        <translation>%1의 비밀번호를 입력하십시오.</translation>
    </message>
    <message>
        <source>This cannot be the password of %1: check its length.</source>
        <translation>%1의 비밀번호로 사용할 수 없습니다. 길이를 확인하십시오.</translation>
    </message>
    <message>
        <source>Could not connect to %1.</source>
        <translation>%1에 연결하지 못했습니다.</translation>
    </message>
    <message>
        <source>Connected to %1.</source>
        <translation>%1에 연결되었습니다.</translation>
    </message>
    <message>
        <source>The password of %1 was not accepted.</source>
        <translation>%1의 비밀번호가 거부되었습니다.</translation>
    </message>
</context>
</TS>
