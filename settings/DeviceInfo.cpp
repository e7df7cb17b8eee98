#include "DeviceInfo.h"

#include "VHSettingsAboutInfoFields.h"

namespace DeviceInfo {

namespace {
constexpr int kValuesPerHead = 5;
constexpr int kHeads = 2;
} // namespace

Command commandFor(int field)
{
    const QString printenv = QStringLiteral("fw_printenv");
    switch (field) {
    case VHSettingsAboutInfoFields::SERIAL_NUMBER:
        return {printenv, {QStringLiteral("-n"), QStringLiteral("serialNumber")}};
    case VHSettingsAboutInfoFields::STORAGE_VALUE:
        return {QStringLiteral("df"), {QStringLiteral("-t"), QStringLiteral("ext4"), QStringLiteral("-h")}};
    case VHSettingsAboutInfoFields::ETHERNET_ADDRESS:
        return {printenv, {QStringLiteral("-n"), QStringLiteral("ethaddr")}};
    case VHSettingsAboutInfoFields::WIRELESS_ADDRESS:
        return {QStringLiteral("cat"), {QStringLiteral("/sys/class/net/wlan0/address")}};
    case VHSettingsAboutInfoFields::OFFSET_VALUES:
        return {printenv,
                {QStringLiteral("-n"), QStringLiteral("backstop"), QStringLiteral("hOffset"),
                 QStringLiteral("bMarkOffset"), QStringLiteral("gapOffset"), QStringLiteral("tphHeat"),
                 QStringLiteral("backstop2"), QStringLiteral("hOffset2"), QStringLiteral("bMarkOffset2"),
                 QStringLiteral("gapOffset2"), QStringLiteral("tphHeat2")}};
    case VHSettingsAboutInfoFields::CALIBRATION_VALUES:
        return {printenv,
                {QStringLiteral("-n"), QStringLiteral("tachLow"), QStringLiteral("tachHigh"),
                 QStringLiteral("cutterTrans"), QStringLiteral("supplyTrans"), QStringLiteral("supplyRefl")}};
    default:
        return {};
    }
}

QStringList formatOffsets(const QString &offsetsText)
{
    QStringList values = offsetsText.split(QLatin1Char('\n'));
    while (values.size() < kValuesPerHead * kHeads)
        values.append(QString());

    QStringList heads;
    for (int head = 0; head < kHeads; ++head)
        heads.append(values.mid(head * kValuesPerHead, kValuesPerHead).join(QStringLiteral(", ")));
    return heads;
}

} // namespace DeviceInfo
