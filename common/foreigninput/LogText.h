#pragma once

#include <QString>

namespace LogText {

// `text` for one log line: control, format and line-separator characters
// (a line feed, a bidi override) written as escapes, and the backslash
// doubled, so a value from outside can never start or fake a line.
QString escaped(const QString &text);

} // namespace LogText
