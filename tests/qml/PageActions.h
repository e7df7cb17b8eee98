#pragma once

#include <QList>
#include <QPair>
#include <QString>

class QQuickItem;

// What a user does on a page, and what the pages leave behind, for the
// page tests.
namespace PageActions {

// Picks entry `index` of a combo box as its popup does: the box shows the
// entry, then reports the user's choice through activated().
void choose(QQuickItem *comboBox, int index);

// Scrolls the page that holds `item` so the whole item is on screen.
void scrollTo(QQuickItem *item);

// The setting-change hits recorded so far, oldest first: (name, value).
QList<QPair<QString, QString>> settingHits();

} // namespace PageActions
