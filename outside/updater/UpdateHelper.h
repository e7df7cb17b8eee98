#pragma once

#include "QMLUpdatabilityEnums.h"

#include <QObject>
#include <QString>

// The system software updater as the settings window sees it: the installed
// and available versions, the progress of a check or an install, and the
// last error.
//
// This build knows the installed version (from os-release) but has no update
// source yet: a check reports that no source is configured and nothing is
// ever offered for installation.
class UpdateHelper : public QObject
{
    Q_OBJECT
    Q_PROPERTY(bool isUpdating READ isUpdating NOTIFY isUpdatingChanged)
    Q_PROPERTY(bool isChecking READ isChecking NOTIFY isCheckingChanged)
    Q_PROPERTY(QString error READ error NOTIFY errorChanged)
    Q_PROPERTY(QString systemVersion READ systemVersion NOTIFY systemVersionChanged)
    Q_PROPERTY(QString availableVersion READ availableVersion NOTIFY availableVersionChanged)
    Q_PROPERTY(int progress READ progress NOTIFY progressChanged)
    Q_PROPERTY(int isUpdateable READ isUpdateable NOTIFY isUpdateableChanged)
    Q_PROPERTY(QString lastUpdateCheck READ lastUpdateCheck NOTIFY lastUpdateCheckChanged)

public:
    explicit UpdateHelper(QObject *parent = nullptr);

    bool isUpdating() const { return false; }
    bool isChecking() const { return false; }
    QString error() const { return m_error; }
    QString systemVersion() const { return m_systemVersion; }
    QString availableVersion() const { return QString(); }
    int progress() const { return 0; }
    int isUpdateable() const { return QMLUpdatabilityEnums::NONUPDATABLE; }
    QString lastUpdateCheck() const { return QString(); }

public slots:
    void checkForNetworkUpdate();
    void installLatestUpdate();

signals:
    void isUpdatingChanged();
    void isCheckingChanged();
    void errorChanged();
    void systemVersionChanged();
    void availableVersionChanged();
    void progressChanged();
    void isUpdateableChanged();
    void lastUpdateCheckChanged();

private:
    void setError(const QString &error);

    QString m_systemVersion;
    QString m_error;
};
