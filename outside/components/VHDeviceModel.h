#pragma once

#include <QObject>
#include <QString>

// Which printer model this device is, from the "vhModel" variable of the
// boot-loader environment: "Tundrel" (two ribbons and print heads),
// "VeskMax" (supply calibration, no advanced printer page) or anything else
// for the plain model. Read once, when a QML engine first asks.
class VHDeviceModel : public QObject
{
    Q_OBJECT
    Q_PROPERTY(QString model READ model CONSTANT)
    Q_PROPERTY(bool isTundrel READ isTundrel CONSTANT)
    Q_PROPERTY(bool isVeskMax READ isVeskMax CONSTANT)

public:
    explicit VHDeviceModel(QObject *parent = nullptr);

    // Starts reading the model in the background; the next VHDeviceModel
    // takes that answer instead of waiting for the tool itself.
    static void prefetch();

    QString model() const { return m_model; }
    bool isTundrel() const;
    bool isVeskMax() const;

private:
    QString m_model;
};
