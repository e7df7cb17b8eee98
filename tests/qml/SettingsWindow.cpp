#include "SettingsWindow.h"

#include "GuiSession.h"
#include "OnScreenKeyboard.h"
#include "QMLUpdatabilityEnums.h"

#include <QMutex>
#include <QQmlApplicationEngine>
#include <QQmlContext>
#include <QQuickItem>
#include <QQuickWindow>
#include <QTest>
#include <QUuid>

namespace {

// The tests meet the window as the program builds it, with the on-screen
// keyboard, which Qt takes up with the test's application object: before main().
const bool keyboardChosen = (OnScreenKeyboard::chooseBeforeApplication(), true);

QMutex problemsMutex;
QStringList problems;
QtMessageHandler previousHandler = nullptr;

// QML reports through these categories, and component errors are logged as
// text naming the document; both count as problems.
bool isQmlProblem(QtMsgType type, const QMessageLogContext &context, const QString &message)
{
    const QByteArray category(context.category ? context.category : "");
    if (category == "qml" || category == "js")
        return type != QtDebugMsg && type != QtInfoMsg;
    return message.contains(QLatin1String("qrc:/")) || message.contains(QLatin1String("file:///"))
           || message.contains(QLatin1String("QQmlComponent"));
}

void recordProblems(QtMsgType type, const QMessageLogContext &context, const QString &message)
{
    if (isQmlProblem(type, context, message)) {
        QMutexLocker lock(&problemsMutex);
        problems.append(message);
    }
    if (previousHandler)
        previousHandler(type, context, message);
}

} // namespace

SettingsWindow::SettingsWindow(uint startTab, const QString &testPageFolder)
{
    // The program's root document, linked into this support library.
    Q_INIT_RESOURCE(main);
    // As the program's entry does; once per process.
    static const bool enumsRegistered = (QMLUpdatabilityEnums::registerQmlType(), true);
    Q_UNUSED(enumsRegistered)
    {
        QMutexLocker lock(&problemsMutex);
        problems.clear();
    }
    previousHandler = qInstallMessageHandler(recordProblems);
    m_session = std::make_unique<GuiSession>(startTab, QUuid::createUuid().toString(QUuid::WithoutBraces),
                                             QStringLiteral(VH_TRANSLATIONS_DIR), testPageFolder);
    m_window = qobject_cast<QQuickWindow *>(m_session->rootObject());
    if (m_window) {
        (void)QTest::qWaitForWindowExposed(m_window);
        // Tests start from the window as a user meets it: every page built.
        (void)QTest::qWaitFor([this] { return m_window->property("pagesReady").toBool(); }, 10000);
    }
}

SettingsWindow::~SettingsWindow()
{
    m_session.reset();
    qInstallMessageHandler(previousHandler);
    previousHandler = nullptr;
}

QQuickItem *SettingsWindow::item(const QString &objectName) const
{
    for (QQuickItem *found : items(objectName)) {
        if (found->objectName() == objectName)
            return found;
    }
    return nullptr;
}

QList<QQuickItem *> SettingsWindow::items(const QString &objectNamePrefix) const
{
    // The visual tree, not QObject children: delegates of views and
    // repeaters have no QObject parent.
    QList<QQuickItem *> found;
    if (!m_window)
        return found;
    QList<QQuickItem *> pending{m_window->contentItem()};
    while (!pending.isEmpty()) {
        QQuickItem *current = pending.takeFirst();
        if (current->objectName().startsWith(objectNamePrefix))
            found.append(current);
        pending.append(current->childItems());
    }
    return found;
}

QObject *SettingsWindow::contextObject(const QString &name) const
{
    return m_session->engine().rootContext()->contextProperty(name).value<QObject *>();
}

void SettingsWindow::tap(QQuickItem *item) const
{
    tap(item, item->width() / 2, item->height() / 2);
}

void SettingsWindow::tap(QQuickItem *item, qreal x, qreal y) const
{
    const QPointF scenePoint = item->mapToScene(QPointF(x, y));
    QTest::mouseClick(m_window, Qt::LeftButton, Qt::NoModifier, scenePoint.toPoint());
}

void SettingsWindow::showTab(const QVariant &tab) const
{
    m_window->setProperty("currentTab", tab);
}

QStringList SettingsWindow::qmlProblems() const
{
    QMutexLocker lock(&problemsMutex);
    return problems;
}

void SettingsWindow::addModelRows()
{
    QTest::addColumn<QString>("model");
    QTest::addColumn<bool>("tundrel");
    QTest::addColumn<bool>("veskMax");
    QTest::newRow("plain") << "Vesk" << false << false;
    QTest::newRow("Tundrel") << "Tundrel" << true << false;
    QTest::newRow("VeskMax") << "VeskMax" << false << true;
}
