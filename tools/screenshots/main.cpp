// Renders the settings window on each of its tabs to PNG files, from the
// window's own frames, and the on-screen keyboard open over the Wi-Fi
// password dialog. The model and the language come from the device as for
// the real program (boot-loader environment, settings file), so the caller
// chooses them through PATH and HOME.
//
// Usage: vh-screenshots OUTPUT_DIR TRANSLATIONS_DIR PREFIX

#include "ApplicationIdentity.h"
#include "GuiSession.h"
#include "OnScreenKeyboard.h"
#include "QMLUpdatabilityEnums.h"

#include <QDir>
#include <QElapsedTimer>
#include <QGuiApplication>
#include <QImage>
#include <QInputMethod>
#include <QQuickItem>
#include <QQuickWindow>
#include <QUuid>
#include <QVariant>

#include <cstdio>

namespace {

const char *const kTabNames[] = {"general", "datetime",  "networking", "updates", "languages", "users",
                                 "printer", "alignment", "presets",    "about",   "advanced"};

// Lets the page fade finish and the frame after it be drawn.
void settle(int msecs)
{
    QElapsedTimer timer;
    timer.start();
    while (timer.elapsed() < msecs)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
}

bool save(QQuickWindow *window, const QString &file)
{
    if (window->grabWindow().save(file))
        return true;
    std::fprintf(stderr, "cannot write %s\n", qPrintable(file));
    return false;
}

// The password dialog of a network as a tap on it opens it, its field
// focused as a tap on the field leaves it, the keyboard open below.
bool saveKeyboardShot(QQuickWindow *window, const QString &file)
{
    auto *dialog = window->findChild<QQuickItem *>(QStringLiteral("wifiPasswordDialog"));
    auto *field = window->findChild<QQuickItem *>(QStringLiteral("wifiPasswordField"));
    if (!dialog || !field) {
        std::fprintf(stderr, "no Wi-Fi password dialog\n");
        return false;
    }
    // Typing goes to the active window only.
    window->requestActivate();
    settle(200);
    dialog->setProperty("ssid", QStringLiteral("Office"));
    QMetaObject::invokeMethod(dialog, "show");
    auto *input = field->property("field").value<QQuickItem *>();
    input->forceActiveFocus(Qt::MouseFocusReason);
    QGuiApplication::inputMethod()->show();
    // Built on first use: its documents and Qt's keyboard module load now.
    QObject *keyboard = window->findChild<QObject *>(QStringLiteral("onScreenKeyboard"));
    QElapsedTimer waited;
    waited.start();
    while (!(keyboard && keyboard->property("open").toBool()) && waited.elapsed() < 10000)
        settle(50);
    if (!keyboard || !keyboard->property("open").toBool()) {
        std::fprintf(stderr, "the on-screen keyboard did not open\n");
        return false;
    }
    // Let its layout, which it picks once open, be drawn.
    settle(300);
    input->setProperty("text", QStringLiteral("Passw0rd"));
    settle(200);
    const bool saved = save(window, file);
    QGuiApplication::inputMethod()->hide();
    QMetaObject::invokeMethod(dialog, "hide");
    return saved;
}

} // namespace

int main(int argc, char *argv[])
{
    if (argc != 4) {
        std::fprintf(stderr, "usage: %s OUTPUT_DIR TRANSLATIONS_DIR PREFIX\n", argv[0]);
        return 2;
    }
    QCoreApplication::setApplicationName(ApplicationIdentity::name);
    QCoreApplication::setApplicationVersion(ApplicationIdentity::version);
    QMLUpdatabilityEnums::registerQmlType();
    OnScreenKeyboard::chooseBeforeApplication();
    QGuiApplication app(argc, argv);
    const QString outputDir = QString::fromLocal8Bit(argv[1]);
    const QString prefix = QString::fromLocal8Bit(argv[3]);
    QDir().mkpath(outputDir);

    GuiSession session(0, QUuid::createUuid().toString(QUuid::WithoutBraces),
                       QString::fromLocal8Bit(argv[2]));
    auto *window = qobject_cast<QQuickWindow *>(session.rootObject());
    if (!window) {
        std::fprintf(stderr, "the window did not load\n");
        return 1;
    }
    settle(500);

    int failures = 0;
    for (int tab = 0; tab < int(std::size(kTabNames)); ++tab) {
        window->setProperty("currentTab", tab);
        settle(400);
        const QString file = QStringLiteral("%1/%2-%3-%4.png")
                                 .arg(outputDir, prefix)
                                 .arg(tab, 2, 10, QLatin1Char('0'))
                                 .arg(QLatin1String(kTabNames[tab]));
        if (!save(window, file))
            ++failures;

        // A page taller than the window is also shown scrolled to its end.
        QObject *loader = window->property("pageLoaders").toList().value(tab).value<QObject *>();
        QObject *page = loader ? loader->property("item").value<QObject *>() : nullptr;
        const qreal hidden
            = page ? page->property("contentHeight").toReal() - page->property("height").toReal() : 0;
        if (hidden > 0) {
            page->setProperty("contentY", hidden);
            settle(100);
            QString endFile = file;
            endFile.replace(QLatin1String(".png"), QLatin1String("-end.png"));
            if (!save(window, endFile))
                ++failures;
            page->setProperty("contentY", 0);
        }
    }
    if (!saveKeyboardShot(window, QStringLiteral("%1/%2-keyboard.png").arg(outputDir, prefix)))
        ++failures;
    return failures ? 1 : 0;
}
