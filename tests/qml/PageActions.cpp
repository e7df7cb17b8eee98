#include "PageActions.h"

#include "AnalyticsLibrary.h"

#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <QQuickItem>
#include <QQuickWindow>
#include <QTest>

namespace PageActions {

void choose(QQuickItem *comboBox, int index)
{
    comboBox->setProperty("currentIndex", index);
    QMetaObject::invokeMethod(comboBox, "activated", Q_ARG(int, index));
}

void scrollTo(QQuickItem *item)
{
    for (QQuickItem *page = item->parentItem(); page; page = page->parentItem()) {
        if (!page->inherits("QQuickFlickable"))
            continue;
        auto *content = page->property("contentItem").value<QQuickItem *>();
        const qreal top = item->mapToItem(content, QPointF(0, 0)).y();
        const qreal most = qMax(0.0, page->property("contentHeight").toReal() - page->height());
        page->setProperty("contentY", qBound(0.0, top - (page->height() - item->height()) / 2, most));
        return;
    }
}

void drag(QQuickWindow *window, QQuickItem *slider, qreal x)
{
    scrollTo(slider);
    auto *handle = slider->property("handle").value<QQuickItem *>();
    const QPoint from = handle->mapToScene(QPointF(handle->width() / 2, handle->height() / 2)).toPoint();
    const QPoint to = slider->mapToScene(QPointF(x, slider->height() / 2)).toPoint();
    QTest::mousePress(window, Qt::LeftButton, Qt::NoModifier, from);
    for (int step = 1; step <= 10; ++step)
        QTest::mouseMove(window, from + (to - from) * step / 10);
    QTest::mouseRelease(window, Qt::LeftButton, Qt::NoModifier, to);
}

QList<QPair<QString, QString>> settingHits()
{
    QList<QPair<QString, QString>> hits;
    QFile spool(AnalyticsLibrary::spoolFilePath());
    if (!spool.open(QIODevice::ReadOnly))
        return hits;
    while (!spool.atEnd()) {
        const QJsonObject record = QJsonDocument::fromJson(spool.readLine()).object();
        if (record.value("hitType").toInt() != AnalyticsLibrary::SettingChange)
            continue;
        const QJsonObject hit = record.value("hit").toObject();
        hits.append({hit.value("settingName").toString(), hit.value("newValue").toString()});
    }
    return hits;
}

} // namespace PageActions
