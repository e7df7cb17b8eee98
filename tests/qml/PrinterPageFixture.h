#pragma once

#include "CupsScheduler.h"
#include "SettingsWindow.h"
#include "TestHome.h"

#include <QPair>
#include <QStringList>
#include <QTemporaryDir>

#include <memory>

class QQuickItem;

// What the printer-page tests share: a temporary home, a real cupsd with
// the queue "Tundrel" (latched by libcups before any window exists), the
// presets store, the analytics spool, and a printer-service directory.
class PrinterPageFixture
{
public:
    PrinterPageFixture();
    ~PrinterPageFixture();

    bool isReady() const;
    QString errorString() const;
    CupsScheduler &cups() const { return *m_cups; }
    TestHome &home() const { return *m_home; }

    // Forgets options, presets, hits and printer state of the last test and
    // sets the queue's defaults to `options` ("name=value" pairs).
    void reset(const QByteArray &options = QByteArray());

    // Stores a preset as another program would, before the window reads them.
    static void storePreset(const QString &name, const QStringList &options);
    static QStringList presetNames();
    static QStringList presetOptions(const QString &name);

    // Setting-change hits since the last reset: (name, value).
    static QList<QPair<QString, QString>> hits();
    static QStringList hitNames();

    // The queue's stored default of one option, as libcups reads it anew.
    static QString queueOption(const char *name);

    // The printer service's state, as it replaces it.
    QString serviceDirectory() const { return m_service.path(); }
    void writePrinterStatus(const QByteArray &json) const;

    // A selection in a combo box, as a finger makes it.
    static void choose(QQuickItem *box, int index);
    static void choose(QQuickItem *box, const QString &text);

private:
    std::unique_ptr<TestHome> m_home;
    std::unique_ptr<CupsScheduler> m_cups;
    QTemporaryDir m_service;
};

// The settings window once the printer's options have arrived from the queue
// (the printer settings read them in the background): as the printer tests
// meet it.
class PrinterWindow : public SettingsWindow
{
public:
    explicit PrinterWindow(uint startTab = 0, const QString &testPageFolder = QString());
};
