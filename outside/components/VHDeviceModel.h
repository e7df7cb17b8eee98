#pragma once

#include <QObject>
#include <QString>

// Which printer model this device is, from the "vhModel" variable of the
// boot-loader environment: "Tundrel" (two ribbons and print heads),
// "VeskMax" (supply calibration, no advanced printer page) or anything else
// for the plain model. Read once, when a QML engine first asks. A read
// ahead that has not answered yet is not waited for: the model arrives as a
// change, and `known` says whether it has.
class VHDeviceModel : public QObject
{
    Q_OBJECT
    Q_PROPERTY(QString model READ model NOTIFY modelChanged)
    Q_PROPERTY(bool isTundrel READ isTundrel NOTIFY modelChanged)
    Q_PROPERTY(bool isVeskMax READ isVeskMax NOTIFY modelChanged)
    Q_PROPERTY(bool known READ isKnown NOTIFY knownChanged)

public:
    explicit VHDeviceModel(QObject *parent = nullptr);

    // Starts reading the model in the background; the next VHDeviceModel
    // takes that answer instead of waiting for the tool itself.
    static void prefetch();

    QString model() const { return m_model; }
    bool isTundrel() const;
    bool isVeskMax() const;
    bool isKnown() const { return m_known; }

signals:
    void modelChanged();
    void knownChanged();

private:
    void setModel(const QString &model);

    QString m_model;
    bool m_known = false;
};
