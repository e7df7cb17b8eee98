#pragma once

#include <QString>
#include <QTemporaryDir>

#include <memory>
#include <sys/types.h>

class CupsScheduler;
class PrivateBus;
class TestHome;
class UbootEnvironment;

// What stays for the whole benchmark: a short private folder for sockets and
// temporary files, a settings home, a real cupsd with the queue "Tundrel",
// the file-backed boot-loader environment of a Tundrel printer and a private
// system bus. Windows and programs started later inherit all of it through
// the environment.
class Scene
{
public:
    Scene();
    ~Scene();

    bool isValid() const { return m_error.isEmpty(); }
    QString errorString() const { return m_error; }

    QString folder() const { return m_folder.path(); }
    PrivateBus &bus() const { return *m_bus; }
    CupsScheduler &cups() const { return *m_cups; }
    UbootEnvironment &bootLoader() const { return *m_bootLoader; }
    // The folder of the boot-loader tools that read and write it.
    QString bootLoaderTools() const;

    // The process owning a well-known name on the bus; 0 for none.
    pid_t busOwner(const QString &name) const;

private:
    QTemporaryDir m_folder;
    std::unique_ptr<TestHome> m_home;
    std::unique_ptr<CupsScheduler> m_cups;
    std::unique_ptr<UbootEnvironment> m_bootLoader;
    std::unique_ptr<PrivateBus> m_bus;
    QString m_error;
};
