#pragma once

#include <QByteArray>

// Turns the bytes of one tab request from the settings socket into the tab
// number to show. Every request yields exactly one number; anything that is
// not a request form gives 0 (the General tab).
namespace TabRequestDecoder {

int decode(const QByteArray &request);

} // namespace TabRequestDecoder
