#include "VHSettingsPrinter.h"

#include "CupsSupport.h"
#include "Preset.h"
#include "PresetList.h"
#include "PrintOptionTables.h"
#include "PrintOptions.h"
#include "PrinterLogging.h"

#include <QCoreApplication>
#include <QProcess>

#include <cmath>
#include <limits>
#include <optional>
#include <utility>

namespace {

using namespace PrintOptionTables;

const QString kQueueName = QStringLiteral("Tundrel");

QString translated(const char *text)
{
    return QCoreApplication::translate("QObject", text);
}

QString textForCode(const QMap<QString, int> &map, int code)
{
    for (auto it = map.cbegin(); it != map.cend(); ++it) {
        if (it.value() == code)
            return it.key();
    }
    return QString();
}

// The table entry of a code; none for no code.
template<typename Entry, size_t N>
const Entry *entryFor(const Entry (&table)[N], std::optional<int> code)
{
    return code ? find(table, *code) : nullptr;
}

// Truncation toward zero; values outside int would be undefined behaviour.
int truncated(double value)
{
    if (!std::isfinite(value))
        return 0;
    const double whole = std::trunc(value);
    if (whole >= static_cast<double>(std::numeric_limits<int>::max()))
        return std::numeric_limits<int>::max();
    if (whole <= static_cast<double>(std::numeric_limits<int>::min()))
        return std::numeric_limits<int>::min();
    return static_cast<int>(whole);
}

QString ditherText(const DitherMethod &method, const QString &ditherSuffix,
                   const QString &orderedDitherSuffix)
{
    return QLatin1String(method.prefix) + (method.ordered ? orderedDitherSuffix : ditherSuffix);
}

QString withTrailingSlash(const QString &folder)
{
    if (folder.isEmpty() || folder.endsWith(QLatin1Char('/')))
        return folder;
    return folder + QLatin1Char('/');
}

} // namespace

void VHSettingsPrinter::holdPrintSystem()
{
    CupsSupport::holdBackgroundExchanges();
}

void VHSettingsPrinter::releasePrintSystem()
{
    CupsSupport::releaseBackgroundExchanges();
}

VHSettingsPrinter::VHSettingsPrinter(QObject *parent, const QString &testPages)
    : QObject(parent)
    , testPageFolder(withTrailingSlash(testPages))
{
    ditherSuffix = QCoreApplication::translate("QObject", "Dither", "Dither method name");
    orderedDitherSuffix
        = QCoreApplication::translate("QObject", "Ordered Dither", "Ordered Dither method name");

    // The window does not wait for the print system, which may hang.
    cupsSupport = std::make_unique<CupsSupport>(kQueueName, CupsSupport::Reading::InBackground);
    connect(cupsSupport.get(), &CupsSupport::optionsRead, this, [this] {
        takeBackEndValues(true);
        remakePresetsAwaitingOptions();
    });

    populateOrientationMap();
    populateDitheringMap();
    populateCutOptionsMap();

    orientationComboBoxModel = orientationMap.keys();
    cutComboBoxModel = cutOptionsMap.keys();
    ditheringComboBoxModel = ditheringMap.keys();

    takeBackEndValues(false);

    presetList = std::make_unique<PresetList>(kQueueName, true);
}

void VHSettingsPrinter::takeBackEndValues(bool announce)
{
    auto take = [this, announce](auto &member, const auto &value, auto changed) {
        if (member == value)
            return;
        member = value;
        if (announce)
            emit(this->*changed)(member);
    };
    take(negative, cupsSupport->getInverse(), &VHSettingsPrinter::negativeChanged);
    take(mirror, cupsSupport->getMirror(), &VHSettingsPrinter::mirrorChanged);
    take(overprint, cupsSupport->getOverprint(), &VHSettingsPrinter::overprintChanged);
    take(whitebase, cupsSupport->getWhiteBase(), &VHSettingsPrinter::whitebaseChanged);

    const int orientation = cupsSupport->getOrientation();
    take(orientationEnum, orientation, &VHSettingsPrinter::orientationEnumChanged);
    take(orientationOption, textForCode(orientationMap, orientation),
         &VHSettingsPrinter::orientationOptionChanged);

    take(ditheringMethod, textForCode(ditheringMap, cupsSupport->getDithering()),
         &VHSettingsPrinter::ditheringMethodChanged);

    const int cut = PrintOptions::wholeNumber(cupsSupport->getPpdOption(PrintOptions::cutMedia)).value_or(0);
    take(cutEnum, cut, &VHSettingsPrinter::cutEnumChanged);
    take(cutOption, textForCode(cutOptionsMap, cut), &VHSettingsPrinter::cutOptionChanged);

    take(head1HeatOffset, cupsSupport->getColorHeadOffset(1), &VHSettingsPrinter::head1HeatOffsetChanged);
    take(head2HeatOffset, cupsSupport->getColorHeadOffset(2), &VHSettingsPrinter::head2HeatOffsetChanged);

    take(backfeedOffset, truncated(cupsSupport->getStop()), &VHSettingsPrinter::backfeedOffsetChanged);
    take(feedOffset, cupsSupport->getFeed(), &VHSettingsPrinter::feedOffsetChanged);
    take(horizontal1Offset, cupsSupport->getOffsetH1(), &VHSettingsPrinter::horizontal1OffsetChanged);
    take(horizontal2Offset, cupsSupport->getOffsetH2(), &VHSettingsPrinter::horizontal2OffsetChanged);
    take(vertical1Offset, cupsSupport->getOffsetV1(), &VHSettingsPrinter::vertical1OffsetChanged);
    take(vertical2Offset, cupsSupport->getOffsetV2(), &VHSettingsPrinter::vertical2OffsetChanged);
    take(r1Tension, cupsSupport->getR1Tension(), &VHSettingsPrinter::r1TensionChanged);
    take(r2Tension, cupsSupport->getR2Tension(), &VHSettingsPrinter::r2TensionChanged);
    take(ribbonSaver, cupsSupport->getRibbonSaver(), &VHSettingsPrinter::ribbonSaverChanged);
}

bool VHSettingsPrinter::hasPrinterOptions() const
{
    return cupsSupport->hasReadOptions();
}

void VHSettingsPrinter::remakePresetsAwaitingOptions()
{
    if (presetsAwaitingOptions.isEmpty())
        return;
    const QStringList options = presentOptions();
    for (const QString &name : std::exchange(presetsAwaitingOptions, {})) {
        const Preset *made = presetList->findPreset(name);
        if (!made)
            continue; // deleted meanwhile
        presetList->addPreset(new Preset(kQueueName, made->id(), made->state(), options, made->name(),
                                         made->description(), made->index(), presetList.get()));
    }
    presetList->save(presetList->getPredefinedPresetNames());
}

VHSettingsPrinter::~VHSettingsPrinter() = default;

QString VHSettingsPrinter::defaultTestPageFolder()
{
    return QStringLiteral("/usr/share/data/Varnholt/TestPages/Tundrel/");
}

void VHSettingsPrinter::populateOrientationMap()
{
    for (const CodeText &entry : orientations)
        orientationMap.insert(translated(entry.text), entry.code);
}

void VHSettingsPrinter::populateDitheringMap()
{
    for (const DitherMethod &method : ditherMethods)
        ditheringMap.insert(ditherText(method, ditherSuffix, orderedDitherSuffix), method.code);
}

void VHSettingsPrinter::populateCutOptionsMap()
{
    for (const CodeText &entry : cutOptions)
        cutOptionsMap.insert(translated(entry.text), entry.code);
}

void VHSettingsPrinter::printTestPage(double supplyWidth)
{
    // Strict comparisons: a 6.0 supply takes the 6x6 page; NaN the 4x4 one.
    QString file;
    if (supplyWidth > 6.0)
        file = QStringLiteral("testpage_9x9.elly");
    else if (supplyWidth > 4.0)
        file = QStringLiteral("testpage_6x6.elly");
    else
        file = QStringLiteral("testpage_4x4.elly");

    const QString path = testPageFolder + file;
    if (!QProcess::startDetached(QStringLiteral("lp"), {QStringLiteral("-d"), kQueueName, path}))
        qCWarning(lcPrinter) << "cannot start lp for test page" << path;
}

void VHSettingsPrinter::setBackfeedOffset(int backfeedOffset)
{
    cupsSupport->setStop(static_cast<double>(backfeedOffset));
}

void VHSettingsPrinter::setCutOption(QString cutOptionName)
{
    const int code = cutOptionsMap.value(cutOptionName, 0);
    cupsSupport->setCut(code);
    cutEnum = code;
    emit cutEnumChanged(code);
}

void VHSettingsPrinter::setDitheringMethod(QString ditheringName)
{
    cupsSupport->setDithering(ditheringMap.value(ditheringName, 0));
}

void VHSettingsPrinter::setFeedOffset(int feedOffset)
{
    cupsSupport->setFeed(feedOffset);
}

void VHSettingsPrinter::setHead1HeatOffset(int heatOffset)
{
    cupsSupport->setColorHeadOffset(heatOffset, 1);
}

void VHSettingsPrinter::setHead2HeatOffset(int heatOffset)
{
    cupsSupport->setColorHeadOffset(heatOffset, 2);
}

void VHSettingsPrinter::setHorizontal1Offset(int horizontal1Offset)
{
    cupsSupport->setOffsetH1(horizontal1Offset);
}

void VHSettingsPrinter::setHorizontal2Offset(int horizontal2Offset)
{
    cupsSupport->setOffsetH2(horizontal2Offset);
}

void VHSettingsPrinter::setMirror(bool mirror)
{
    cupsSupport->setMirror(mirror);
}

void VHSettingsPrinter::setNegative(bool negative)
{
    cupsSupport->setInverse(negative);
}

void VHSettingsPrinter::setOverprint(bool overprint)
{
    cupsSupport->setOverprint(overprint);
}

void VHSettingsPrinter::setWhitebase(bool whitebase)
{
    cupsSupport->setWhiteBase(whitebase);
}

void VHSettingsPrinter::setPrintOrientation(QString orientationName)
{
    const int code = orientationMap.value(orientationName, 0);
    cupsSupport->setOrientation(static_cast<CupsSupport::_CupsOrientation>(code));
    orientationEnum = code;
    emit orientationEnumChanged(code);
}

void VHSettingsPrinter::setVertical1Offset(int vertical1Offset)
{
    cupsSupport->setOffsetV1(vertical1Offset);
}

void VHSettingsPrinter::setVertical2Offset(int vertical2Offset)
{
    cupsSupport->setOffsetV2(vertical2Offset);
}

void VHSettingsPrinter::setR1Tension(int r1Tension)
{
    cupsSupport->setR1Tension(r1Tension);
}

void VHSettingsPrinter::setR2Tension(int r2Tension)
{
    cupsSupport->setR2Tension(r2Tension);
}

void VHSettingsPrinter::setRibbonSaver(bool ribbonSaver)
{
    cupsSupport->setRibbonSaver(ribbonSaver);
}

QStringList VHSettingsPrinter::presentOptions() const
{
    // From the back-end's present values, not the snapshot in the members;
    // only the cut code has no getter there.
    PrintOptions::Values values;
    values.orientationCode = cupsSupport->getOrientation();
    values.mirrorOn = cupsSupport->getMirror();
    values.negativeOn = cupsSupport->getInverse();
    values.overprintOn = cupsSupport->getOverprint();
    values.whiteBaseOn = cupsSupport->getWhiteBase();
    values.cutCode = cutEnum;
    values.horizontal1 = cupsSupport->getOffsetH1();
    values.horizontal2 = cupsSupport->getOffsetH2();
    values.vertical1 = cupsSupport->getOffsetV1();
    values.vertical2 = cupsSupport->getOffsetV2();
    values.feedSteps = cupsSupport->getFeed();
    values.stopDistance = cupsSupport->getStop();
    values.ditheringCode = cupsSupport->getDithering();
    values.head1Heat = cupsSupport->getColorHeadOffset(1);
    values.head2Heat = cupsSupport->getColorHeadOffset(2);
    values.ribbon1Tension = cupsSupport->getR1Tension();
    values.ribbon2Tension = cupsSupport->getR2Tension();
    values.ribbonSaverOn = cupsSupport->getRibbonSaver();
    return PrintOptions::presetOptions(values);
}

bool VHSettingsPrinter::addPreset(QString presetName)
{
    const QStringList options = presentOptions();

    const int index = presetList->applyLastPresetIndex();
    auto *preset = new Preset(kQueueName, PresetList::presetId(presetName), Preset::STATE_USER, options,
                              presetName, QString(), index, presetList.get());
    presetList->addPreset(preset);
    presetList->setCurrentPreset(preset);
    presetList->save(presetList->getPredefinedPresetNames());
    if (!hasPrinterOptions() && !presetsAwaitingOptions.contains(presetName))
        presetsAwaitingOptions.append(presetName);
    return true;
}

void VHSettingsPrinter::deletePreset(QString presetName)
{
    if (presetName.isEmpty())
        return;
    const QString next = presetList->deletePreset(presetList->findPreset(presetName));
    presetList->setCurrentPreset(presetList->findPreset(next));
    presetList->save(presetList->getPredefinedPresetNames());
}

QStringList VHSettingsPrinter::populatePresetList()
{
    QStringList names = presetList->getUserPresetNames();
    names.removeAll(PresetList::sampleName());
    const QStringList predefined = presetList->getPredefinedPresetNames();
    if (predefined.size() > 2)
        names.prepend(predefined.first());
    return names;
}

QStringList VHSettingsPrinter::loadPreset(QString presetName)
{
    Preset *preset = presetList->findPreset(presetName);
    if (!preset)
        return QStringList();
    const QStringList options = preset->options();
    if (options.isEmpty())
        return options;

    // Seventeen setters: one exchange with the scheduler instead of one each.
    CupsSupport::Batch batch(*cupsSupport);
    const PrintOptions::PresetReader read(options);

    negative = read.flag(PrintOptions::negative);
    setNegative(negative);
    mirror = read.flag(PrintOptions::mirror);
    setMirror(mirror);
    overprint = read.flag(PrintOptions::overprint);
    setOverprint(overprint);
    whitebase = read.flag(PrintOptions::whiteBase);
    setWhitebase(whitebase);

    head1HeatOffset = read.number(PrintOptions::head1Offset);
    setHead1HeatOffset(head1HeatOffset);
    head2HeatOffset = read.number(PrintOptions::head2Offset);
    setHead2HeatOffset(head2HeatOffset);
    horizontal1Offset = read.number(PrintOptions::offsetH1);
    setHorizontal1Offset(horizontal1Offset);
    horizontal2Offset = read.number(PrintOptions::offsetH2);
    setHorizontal2Offset(horizontal2Offset);
    vertical1Offset = read.number(PrintOptions::offsetV1);
    setVertical1Offset(vertical1Offset);
    vertical2Offset = read.number(PrintOptions::offsetV2);
    setVertical2Offset(vertical2Offset);
    backfeedOffset = read.number(PrintOptions::stop);
    setBackfeedOffset(backfeedOffset);
    feedOffset = read.number(PrintOptions::feed);
    setFeedOffset(feedOffset);
    r1Tension = read.tension(PrintOptions::r1Tension);
    setR1Tension(r1Tension);
    r2Tension = read.tension(PrintOptions::r2Tension);
    setR2Tension(r2Tension);

    // Codes outside the tables, and texts that are no number, leave the
    // option alone.
    if (const CodeText *orientation
        = entryFor(orientations, read.code(PrintOptions::orientation, PrintOptions::defaultOrientation))) {
        const QString text = translated(orientation->text);
        setPrintOrientation(text);
        orientationOption = text;
    }

    if (const DitherMethod *dithering
        = entryFor(ditherMethods, read.code(PrintOptions::dithering, PrintOptions::defaultDithering))) {
        const QString text = ditherText(*dithering, ditherSuffix, orderedDitherSuffix);
        setDitheringMethod(text);
        ditheringMethod = text;
    }

    if (const CodeText *cut
        = entryFor(cutOptions, read.code(PrintOptions::cutMedia, PrintOptions::defaultCut))) {
        const QString text = translated(cut->text);
        setCutOption(text);
        cutOption = text;
    }

    presetList->setCurrentPreset(preset);
    return options;
}
