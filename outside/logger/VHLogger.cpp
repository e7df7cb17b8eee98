#include "VHLogger.h"

#include <QString>
#include <QtGlobal>

void setupLogger()
{
    // An explicit QT_MESSAGE_PATTERN from the environment still wins.
    qSetMessagePattern(QStringLiteral("%{time yyyy-MM-ddThh:mm:ss.zzz} "
                                      "%{if-debug}D%{endif}%{if-info}I%{endif}%{if-warning}W%{endif}"
                                      "%{if-critical}C%{endif}%{if-fatal}F%{endif} "
                                      "%{category}: %{message}"));
}
