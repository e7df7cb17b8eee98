#pragma once

#include <QList>
#include <QPair>
#include <QString>

class QQuickItem;
class QQuickWindow;

// What a user does on a page, and what the pages leave behind, for the
// page tests.
namespace PageActions {

// Picks entry `index` of a combo box as its popup does: the box shows the
// entry, then reports the user's choice through activated().
void choose(QQuickItem *comboBox, int index);

// Scrolls the page that holds `item` so the whole item is on screen.
void scrollTo(QQuickItem *item);

// Drags a slider's handle from its place to x (in slider coordinates).
void drag(QQuickWindow *window, QQuickItem *slider, qreal x);

// The setting-change hits recorded so far, oldest first: (name, value).
QList<QPair<QString, QString>> settingHits();

} // namespace PageActions
