#pragma once

#include <QByteArray>
#include <QHash>
#include <QString>

#include <optional>

// The daemon's interface as its XML description states it: the fragment that
// introspection serves and the argument signature of each method, so that
// what the daemon accepts and what it announces cannot drift apart.
class InterfaceDescription
{
public:
    // The description compiled into the program.
    static InterfaceDescription embedded();

    explicit InterfaceDescription(const QByteArray &xml);

    // The <interface> element as the document has it, indentation included.
    const QString &introspection() const { return m_introspection; }
    // The signature of the method's input arguments; none for a method the
    // interface does not have.
    std::optional<QString> inSignature(const QString &method) const;

private:
    QString m_introspection;
    QHash<QString, QString> m_inSignatures;
};
