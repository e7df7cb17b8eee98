#include "TouchActions.h"

#include <QGuiApplication>
#include <QQuickItem>
#include <QQuickWindow>
#include <QTest>
#include <QTimer>

namespace {

constexpr int kFindMs = 10000;
constexpr int kPopupMs = 5000;
constexpr int kPollMs = 10;
// A finger rests this long on the glass between press and lift.
constexpr int kHoldMs = 40;
constexpr int kDragStepMs = 16;
// QQuickItemView::Contain
constexpr int kPositionContain = 4;

QPointF centre(const QQuickItem *item)
{
    return QPointF(item->width() / 2, item->height() / 2);
}

// A combo box's list view: inside its popup's content, which builds it when
// the popup first opens.
QQuickItem *listIn(QQuickItem *root)
{
    QList<QQuickItem *> pending{root};
    while (!pending.isEmpty()) {
        QQuickItem *item = pending.takeFirst();
        if (item && item->inherits("QQuickListView"))
            return item;
        if (item)
            pending.append(item->childItems());
    }
    return nullptr;
}

QString readable(const QVariant &value)
{
    if (value.canConvert<QStringList>() && value.type() != QVariant::String)
        return value.toStringList().join(QLatin1Char('|'));
    return value.toString();
}

} // namespace

TouchActions::TouchActions(QObject *parent)
    : QObject(parent)
{
}

void TouchActions::run(const QStringList &command, const Done &done)
{
    if (!m_device)
        m_device = QTest::createTouchDevice();
    const QString verb = command.value(0);
    const QString name = command.value(1);
    const QString argument = command.value(2);
    if (!window())
        done(QStringLiteral("error no window yet"));
    else if (verb == QLatin1String("tap"))
        tap(name, done);
    else if (verb == QLatin1String("select"))
        select(name, argument.toInt(), done);
    else if (verb == QLatin1String("slide"))
        slide(name, argument.toDouble(), done);
    else if (verb == QLatin1String("type"))
        type(name, argument, done);
    else if (verb == QLatin1String("get"))
        get(name, argument, done);
    else
        done(QStringLiteral("error unknown command ") + verb);
}

void TouchActions::tap(const QString &name, const Done &done)
{
    whenTouchable(
        name, [=](QQuickItem *item) { touchAt(item, centre(item), [=] { done(QStringLiteral("ok")); }); },
        done);
}

void TouchActions::select(const QString &name, int index, const Done &done)
{
    whenTouchable(
        name,
        [=](QQuickItem *box) {
            QPointer<QObject> popup = box->property("popup").value<QObject *>();
            if (!popup || index < 0 || index >= box->property("count").toInt()) {
                done(QStringLiteral("error no entry %1 in %2").arg(index).arg(name));
                return;
            }
            auto delegate = std::make_shared<QPointer<QQuickItem>>();
            const auto entryShown = [=] {
                if (!popup || !popup->property("opened").toBool())
                    return false;
                QQuickItem *list = listIn(popup->property("contentItem").value<QQuickItem *>());
                if (!list)
                    return false;
                QQuickItem *entry = nullptr;
                QMetaObject::invokeMethod(list, "positionViewAtIndex", Q_ARG(int, index),
                                          Q_ARG(int, kPositionContain));
                QMetaObject::invokeMethod(list, "itemAtIndex", Q_RETURN_ARG(QQuickItem *, entry),
                                          Q_ARG(int, index));
                *delegate = entry;
                return entry && entry->isVisible();
            };
            const auto closed = [=] { return !popup || !popup->property("visible").toBool(); };
            const auto pickEntry = [=] {
                touchAt(*delegate, centre(*delegate), [=] {
                    when(
                        closed, QDeadlineTimer(kPopupMs), [=] { done(QStringLiteral("ok")); },
                        [=] { done(QStringLiteral("error the list of %1 stayed open").arg(name)); });
                });
            };
            touchAt(box, centre(box), [=] {
                when(entryShown, QDeadlineTimer(kPopupMs), pickEntry,
                     [=] { done(QStringLiteral("error the list of %1 did not open").arg(name)); });
            });
        },
        done);
}

void TouchActions::slide(const QString &name, double value, const Done &done)
{
    whenTouchable(
        name,
        [=](QQuickItem *slider) {
            const double from = slider->property("from").toReal();
            const double to = slider->property("to").toReal();
            const double left = slider->property("leftPadding").toReal();
            const double width = slider->property("availableWidth").toReal();
            const double y
                = slider->property("topPadding").toReal() + slider->property("availableHeight").toReal() / 2;
            const double startX = left + slider->property("visualPosition").toReal() * width;
            const double endX = left + (value - from) / (to - from) * width;
            // One swift stroke from the handle: the value changes once, as
            // for a finger that lands on the handle and lifts at the value.
            const QPointF end = slider->mapToScene(QPointF(endX, y));
            const QList<QPointF> points{slider->mapToScene(QPointF(startX, y)), end, end};
            drag(points, [=] { done(QStringLiteral("ok")); });
        },
        done);
}

void TouchActions::type(const QString &name, const QString &text, const Done &done)
{
    whenTouchable(
        name,
        [=](QQuickItem *field) {
            QPointer<QQuickItem> target = field;
            touchAt(field, centre(field), [=] {
                // The named item may hold the field that takes the focus.
                const auto focused = [=] {
                    QQuickItem *focus = window()->activeFocusItem();
                    return target && focus && (focus == target || target->isAncestorOf(focus));
                };
                when(
                    focused, QDeadlineTimer(kPopupMs),
                    [=] {
                        // Keys as the on-screen keyboard sends them.
                        for (const QChar c : text)
                            QTest::keyClick(window(), c.toLatin1());
                        done(QStringLiteral("ok"));
                    },
                    [=] { done(QStringLiteral("error %1 took no focus").arg(name)); });
            });
        },
        done);
}

void TouchActions::get(const QString &name, const QString &property, const Done &done)
{
    QObject *object = name == QLatin1String("window") ? static_cast<QObject *>(window()) : find(name);
    if (!object) {
        done(QStringLiteral("error no ") + name);
        return;
    }
    done(readable(object->property(property.toLatin1().constData())));
}

void TouchActions::whenTouchable(const QString &name, const std::function<void(QQuickItem *)> &then,
                                 const Done &done)
{
    auto found = std::make_shared<QPointer<QQuickItem>>();
    when(
        [=] {
            *found = find(name);
            return *found && (*found)->isVisible() && (*found)->isEnabled();
        },
        QDeadlineTimer(kFindMs),
        [=] {
            scrollIntoView(*found);
            then(*found);
        },
        [=] { done(QStringLiteral("error no visible, enabled ") + name); });
}

void TouchActions::when(const std::function<bool()> &ready, QDeadlineTimer deadline,
                        const std::function<void()> &then, const std::function<void()> &timedOut)
{
    if (ready()) {
        then();
        return;
    }
    if (deadline.hasExpired()) {
        timedOut();
        return;
    }
    QTimer::singleShot(kPollMs, this, [=] { when(ready, deadline, then, timedOut); });
}

void TouchActions::touchAt(QQuickItem *item, const QPointF &local, const std::function<void()> &then)
{
    const QPointF scene = item->mapToScene(local);
    drag({scene, scene}, then);
}

void TouchActions::drag(const QList<QPointF> &scenePoints, const std::function<void()> &then)
{
    QPointer<QQuickWindow> target = window();
    QTest::touchEvent(target, m_device, false).press(0, scenePoints.first().toPoint(), target).commit(false);
    const int stepMs = scenePoints.size() > 2 ? kDragStepMs : kHoldMs;
    for (int i = 1; i < scenePoints.size(); ++i) {
        const bool last = i == scenePoints.size() - 1;
        const QPoint point = scenePoints.at(i).toPoint();
        QTimer::singleShot(stepMs * i, this, [=] {
            if (!target)
                return;
            auto sequence = QTest::touchEvent(target, m_device, false);
            if (last)
                sequence.release(0, point, target);
            else
                sequence.move(0, point, target);
            sequence.commit(false);
            if (last)
                then();
        });
    }
}

QQuickWindow *TouchActions::window() const
{
    const QWindowList windows = QGuiApplication::topLevelWindows();
    for (QWindow *candidate : windows) {
        if (auto *quick = qobject_cast<QQuickWindow *>(candidate))
            return quick;
    }
    return nullptr;
}

QQuickItem *TouchActions::find(const QString &name) const
{
    // The visual tree, not QObject children: delegates of views and the
    // popups in the overlay have no QObject parent there. A visible item of
    // the name wins over a hidden one.
    QQuickItem *hidden = nullptr;
    QList<QQuickItem *> pending{window()->contentItem()};
    while (!pending.isEmpty()) {
        QQuickItem *current = pending.takeFirst();
        if (current->objectName() == name) {
            if (current->isVisible())
                return current;
            if (!hidden)
                hidden = current;
        }
        pending.append(current->childItems());
    }
    return hidden;
}

void TouchActions::scrollIntoView(QQuickItem *item)
{
    // The finger scrolls the page first when the item is out of its view.
    for (QQuickItem *view = item->parentItem(); view; view = view->parentItem()) {
        if (!view->inherits("QQuickFlickable"))
            continue;
        const QRectF shown = view->mapRectToScene(QRectF(0, 0, view->width(), view->height()));
        const QRectF wanted = item->mapRectToScene(QRectF(0, 0, item->width(), item->height()));
        if (shown.contains(wanted.center()))
            return;
        const qreal most = qMax(0.0, view->property("contentHeight").toReal() - view->height());
        const qreal contentY = view->property("contentY").toReal() + wanted.center().y() - shown.center().y();
        view->setProperty("contentY", qBound(0.0, contentY, most));
        return;
    }
}
