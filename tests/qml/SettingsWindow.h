#pragma once

#include <QStringList>
#include <QVariant>

#include <memory>

class GuiSession;
class QObject;
class QQuickItem;
class QQuickWindow;

// The real settings window, built in the test's process exactly as the
// program builds it (same objects, same plugin, the build tree's modules
// and translations). It records every QML warning and error it causes.
class SettingsWindow
{
public:
    // A test that prints passes the folder of its own test pages.
    explicit SettingsWindow(uint startTab = 0, const QString &testPageFolder = QString());
    ~SettingsWindow();

    GuiSession &session() const { return *m_session; }
    // Null when the window document failed to load.
    QQuickWindow *window() const { return m_window; }
    // The item with this objectName anywhere in the window, or null.
    QQuickItem *item(const QString &objectName) const;
    // Every item whose objectName starts with the prefix.
    QList<QQuickItem *> items(const QString &objectNamePrefix) const;
    // A back-end object published to QML, e.g. "SettingsMain".
    QObject *contextObject(const QString &name) const;

    // A finger tap on the centre of the item, or at (x, y) inside it.
    void tap(QQuickItem *item) const;
    void tap(QQuickItem *item, qreal x, qreal y) const;

    // Sets currentTab as the start-up and the socket do.
    void showTab(const QVariant &tab) const;

    // The three printer models as test data: columns "model" (the value of
    // vhModel), "tundrel" and "veskMax".
    static void addModelRows();

    // QML warnings and errors seen since the window was built.
    QStringList qmlProblems() const;

private:
    std::unique_ptr<GuiSession> m_session;
    QQuickWindow *m_window = nullptr;
};
