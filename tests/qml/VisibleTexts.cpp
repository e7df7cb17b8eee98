#include "VisibleTexts.h"

#include <QFont>
#include <QGlyphRun>
#include <QQuickItem>
#include <QRawFont>
#include <QRegularExpression>
#include <QTextDocument>
#include <QTextDocumentFragment>
#include <QTextLayout>

#include <algorithm>

namespace {

// Painted text rounds to whole pixels; a pixel over is no fault.
constexpr qreal Tolerance = 1.0;

bool isText(const QQuickItem *item)
{
    return item->inherits("QQuickText") && !item->property("text").toString().isEmpty();
}

void collect(QQuickItem *item, QList<QQuickItem *> &texts)
{
    if (!item->isVisible() || qFuzzyIsNull(item->opacity()))
        return;
    if (isText(item))
        texts.append(item);
    const QList<QQuickItem *> children = item->childItems();
    for (QQuickItem *child : children)
        collect(child, texts);
}

QList<QQuickItem *> textsUnder(QQuickItem *root)
{
    QList<QQuickItem *> texts;
    collect(root, texts);
    return texts;
}

QString describe(const QQuickItem *text)
{
    return QStringLiteral("\"%1\" (%2 in %3)")
        .arg(text->property("text").toString(), QString::fromLatin1(text->metaObject()->className()),
             text->parentItem() ? QString::fromLatin1(text->parentItem()->metaObject()->className())
                                : QString());
}

bool within(const QRectF &inner, const QRectF &outer)
{
    return outer.adjusted(-Tolerance, -Tolerance, Tolerance, Tolerance).contains(inner);
}

// A box is an ancestor with an area of its own; a flickable's box is its
// content, which scrolls under its view.
bool isBox(const QQuickItem *item)
{
    return item->width() > 0 && item->height() > 0 && !item->inherits("QQuickFlickable");
}

// A glyph of the icon font is a picture: pictures may be drawn over each
// other (a preview over its outline), texts may not.
bool isPicture(const QQuickItem *text)
{
    return text->property("font").value<QFont>().family() == QLatin1String("VHIcons");
}

// Content that scrolls may pass under what stays in place (a page's button
// bar); only texts that move together must stay apart.
const QQuickItem *scroller(const QQuickItem *item)
{
    for (const QQuickItem *up = item->parentItem(); up; up = up->parentItem()) {
        if (up->inherits("QQuickFlickable"))
            return up;
    }
    return nullptr;
}

bool mayMeet(const QQuickItem *a, const QQuickItem *b)
{
    return (isPicture(a) && isPicture(b)) || scroller(a) != scroller(b);
}

bool elided(const QQuickItem *text)
{
    return text->property("truncated").toBool();
}

bool showsComboBoxChoice(const QQuickItem *text)
{
    return text->parentItem() && text->parentItem()->inherits("QQuickComboBox");
}

QString displayedText(const QQuickItem *text)
{
    const QString source = text->property("text").toString();
    const int format = text->property("textFormat").toInt();
    // Text.PlainText 0, RichText 1, AutoText 2, StyledText 4
    const bool markup = format == 1 || format == 4 || (format == 2 && Qt::mightBeRichText(source));
    return markup ? QTextDocumentFragment::fromHtml(source).toPlainText() : source;
}

} // namespace

QStringList VisibleTexts::layoutFaults(QQuickItem *root)
{
    QStringList faults;
    const QList<QQuickItem *> texts = textsUnder(root);
    QList<QRectF> painted;
    for (QQuickItem *text : texts) {
        const QRectF drawn = text->boundingRect();
        painted.append(text->mapRectToScene(drawn));
        // Across only: a line's height may exceed a short item's, and the
        // boxes around the item catch text that runs below it.
        if (drawn.left() < -Tolerance || drawn.right() > text->width() + Tolerance)
            faults.append(QStringLiteral("drawn outside its item: ") + describe(text));
        if (elided(text) && !showsComboBoxChoice(text))
            faults.append(QStringLiteral("cut short: ") + describe(text));
        for (QQuickItem *box = text->parentItem(); box && box != root->parentItem();
             box = box->parentItem()) {
            if (isBox(box)
                && !within(painted.last(), box->mapRectToScene(QRectF(0, 0, box->width(), box->height())))) {
                faults.append(QStringLiteral("outside its %1: ")
                                  .arg(QString::fromLatin1(box->metaObject()->className()))
                              + describe(text));
                break;
            }
        }
    }
    for (int i = 0; i < texts.size(); ++i) {
        for (int j = i + 1; j < texts.size(); ++j) {
            const QRectF common = painted.at(i).intersected(painted.at(j));
            if (common.width() > Tolerance && common.height() > Tolerance
                && !mayMeet(texts.at(i), texts.at(j)))
                faults.append(QStringLiteral("over each other: ") + describe(texts.at(i))
                              + QStringLiteral(" and ") + describe(texts.at(j)));
        }
    }
    return faults;
}

QStringList VisibleTexts::glyphFaults(QQuickItem *root)
{
    QStringList faults;
    for (QQuickItem *text : textsUnder(root)) {
        const QFont font = text->property("font").value<QFont>();
        const QStringList lines
            = displayedText(text).split(QRegularExpression(QStringLiteral("[\\n\\x{2028}]")));
        for (const QString &line : lines) {
            QTextLayout layout(line, font);
            layout.beginLayout();
            layout.createLine();
            layout.endLayout();
            const QList<QGlyphRun> runs = layout.glyphRuns();
            const auto missing = std::find_if(runs.cbegin(), runs.cend(), [](const QGlyphRun &run) {
                return run.glyphIndexes().contains(0);
            });
            if (missing != runs.cend()) {
                faults.append(
                    QStringLiteral("no glyph in %1 for a character of ").arg(missing->rawFont().familyName())
                    + describe(text));
                break;
            }
        }
    }
    return faults;
}
