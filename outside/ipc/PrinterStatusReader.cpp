#include "PrinterStatusReader.h"

#include "ForeignFile.h"
#include "IpcLogging.h"
#include "LogText.h"

#include <QJsonDocument>

void PrinterStatusReader::read(const QString &path)
{
    const ForeignFile::Result file = ForeignFile::read(path, maxStatusSize);
    switch (file.status) {
    case ForeignFile::Status::Missing:
        emit statusRead(QJsonObject());
        return;
    case ForeignFile::Status::Refused:
    case ForeignFile::Status::Unreadable:
        qCWarning(lcIpc).noquote() << "printer status" << LogText::escaped(path)
                                   << "not read:" << file.problem;
        emit statusRead(QJsonObject());
        return;
    case ForeignFile::Status::TooLarge:
        qCWarning(lcIpc).noquote() << "printer status" << LogText::escaped(path) << file.problem
                                   << "- the rest is ignored";
        break;
    case ForeignFile::Status::Read:
        break;
    }
    QJsonParseError error;
    const QJsonDocument document = QJsonDocument::fromJson(file.content, &error);
    if (!document.isObject())
        qCWarning(lcIpc) << "printer status" << path << "unreadable:" << error.errorString();
    emit statusRead(document.object());
}
