#pragma once

#include "VHSettingsPrinter.h"

#include <QTest>

// A VHSettingsPrinter once the printer's options have arrived from the
// queue (it reads them in the background): where the tests of what it read
// and of what follows start.
class ReadyPrinter : public VHSettingsPrinter
{
public:
    explicit ReadyPrinter(const QString &testPages = defaultTestPageFolder())
        : VHSettingsPrinter(nullptr, testPages)
    {
        (void)QTest::qWaitFor([this] { return hasPrinterOptions(); }, 20000);
    }
};
