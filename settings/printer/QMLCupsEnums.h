#pragma once

#include <QObject>

// Names for the orientation and cut codes of the print back-end, so that QML
// can say QMLCupsEnums.LANDSCAPE180 instead of 5. Never instantiated.
class QMLCupsEnums : public QObject
{
    Q_OBJECT
public:
    // LANDSCAPE180 (5) is what the UI shows as "Landscape"; see the
    // orientation table of VHSettingsPrinter.
    enum Orientation {
        LANDSCAPE = 4,
        PORTRAIT = 3,
        LANDSCAPE180 = 5,
        PORTRAIT180 = 6,
    };
    Q_ENUM(Orientation)

    enum CutMedia {
        CUT_MEDIA_NONE = 0,
        CUT_MEDIA_PAGE = 1,
        CUT_MEDIA_JOB = 2,
    };
    Q_ENUM(CutMedia)
};
