#include "CommandLine.h"

#include "VHSettingsCatalogue.h"
#include "VHSettingsMain.h"

#include <QCoreApplication>

#include <cstdio>
#include <stdexcept>

namespace {

const QString kUi = QStringLiteral("ui");
const QString kList = QStringLiteral("list");
const QString kSet = QStringLiteral("set");
const QString kGet = QStringLiteral("get");

void printError(const QString &message)
{
    std::fprintf(stderr, "%s: %s\n", qPrintable(QCoreApplication::applicationName()),
                 message.toLocal8Bit().constData());
}

} // namespace

CommandLine::CommandLine(const QStringList &arguments)
    : m_arguments(arguments)
{
    m_parser.setApplicationDescription(QStringLiteral("Reads and configures system level settings"));
    m_parser.addVersionOption();
    m_parser.addHelpOption();
    m_parser.addOption(
        {{QStringLiteral("u"), kUi}, QStringLiteral("Launch GUI into <tab enum>."), QStringLiteral("uint")});
    m_parser.addOption({{QStringLiteral("l"), kList}, QStringLiteral("List all system settings keys.")});
    m_parser.addOption({{QStringLiteral("s"), kSet},
                        QStringLiteral("Set <setting key> to a value."),
                        QStringLiteral("keyName")});
    m_parser.addOption({{QStringLiteral("g"), kGet}, QStringLiteral("Get <setting key> value.")});
    // Errors are reported later, by the console mode's process().
    m_parser.parse(m_arguments);
}

bool CommandLine::wantsGui() const
{
    if (m_arguments.size() == 1)
        return true;
    if (m_parser.isSet(kUi))
        return true;
    return m_arguments.size() == 2 && !m_arguments.at(1).contains(QLatin1Char('-'));
}

uint CommandLine::startTab() const
{
    const QString ui = m_parser.value(kUi);
    if (!ui.isEmpty())
        return ui.toUInt();
    if (m_arguments.size() == 2)
        return m_arguments.at(1).toUInt();
    return 0;
}

int CommandLine::runConsole(int &argc, char **argv)
{
    QCoreApplication app(argc, argv);
    VHSettingsMain settings(nullptr, false);
    // No event loop here: the daemon's answers to the settings core's
    // construction are collected before the parser may exit (help, version).
    settings.finishDaemonCalls();
    m_parser.process(app);

    const int status = runCommands(settings);
    settings.finishDaemonCalls();
    return status;
}

int CommandLine::runCommands(VHSettingsMain &settings) const
{
    if (m_parser.isSet(kList)) {
        if (const int status = list())
            return status;
    }
    if (m_parser.isSet(kGet)) {
        if (const int status = get(settings))
            return status;
    }
    if (m_parser.isSet(kSet)) {
        if (const int status = set(settings))
            return status;
    }
    return EXIT_SUCCESS;
}

int CommandLine::list() const
{
    for (const auto &[key, description] : VHSettingsCatalogue::keyDescriptions)
        std::printf("|%-30s| %s\n", key.c_str(), description.c_str());
    return EXIT_SUCCESS;
}

int CommandLine::get(VHSettingsMain &settings) const
{
    const QString key = m_arguments.size() == 3 ? m_arguments.at(2) : QString();
    try {
        if (!key.isEmpty()) {
            const QString value = settings.readSetting(key, QString()).toString();
            std::printf("%s\n", value.toLocal8Bit().constData());
            return EXIT_SUCCESS;
        }
        for (const auto &entry : VHSettingsCatalogue::keyGroups) {
            const QString name = QString::fromStdString(entry.first);
            const QString value = settings.readSetting(name, QString()).toString();
            std::printf("%-30s= %s\n", entry.first.c_str(), value.toLocal8Bit().constData());
        }
    } catch (const std::out_of_range &) {
        printError(QStringLiteral("unknown settings key \"%1\"; -l lists the keys").arg(key));
        return EXIT_FAILURE;
    }
    return EXIT_SUCCESS;
}

int CommandLine::set(VHSettingsMain &settings) const
{
    const QString key = m_parser.value(kSet);
    const QString value = m_arguments.size() == 4 ? m_arguments.at(3) : QString();
    if (key.isEmpty() || value.isEmpty())
        return EXIT_SUCCESS;
    try {
        if (!settings.writeSetting(key, QVariant(value))) {
            printError(QStringLiteral("could not write \"%1\" to the settings file").arg(key));
            return EXIT_FAILURE;
        }
    } catch (const std::out_of_range &) {
        printError(QStringLiteral("unknown settings key \"%1\"; -l lists the keys").arg(key));
        return EXIT_FAILURE;
    }
    return EXIT_SUCCESS;
}
