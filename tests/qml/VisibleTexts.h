#pragma once

#include <QStringList>

class QQuickItem;

// The texts a user sees under an item, checked as they are drawn: each one
// whole inside its own item and inside every box that holds it, none over
// another, and every character from a font that has a glyph for it.
namespace VisibleTexts {

// Texts drawn outside their item or a box around them, cut short (elided:
// only a combo box's own text may be, its list shows the whole entry), or
// over another text. One line per fault, naming the text.
QStringList layoutFaults(QQuickItem *root);

// Texts with a character that the font Qt chose for it has no glyph for.
QStringList glyphFaults(QQuickItem *root);

} // namespace VisibleTexts
