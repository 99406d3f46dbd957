#include "platform/icons.h"

#include <QApplication>
#include <QHash>

namespace Icons {

namespace {

QIcon cached(const char *name, QStyle::StandardPixmap pixmap)
{
    // Never destroyed: icons must not outlive the application's destruction order.
    static auto *cache = new QHash<QString, QIcon>;
    const QString key = QString::fromLatin1(name ? name : "") + QLatin1Char('/') + QString::number(int(pixmap));
    const auto found = cache->constFind(key);
    if (found != cache->constEnd())
        return *found;
    const QIcon fallback = QApplication::style()->standardIcon(pixmap);
    const QIcon icon = name ? QIcon::fromTheme(QString::fromLatin1(name), fallback) : fallback;
    cache->insert(key, icon);
    return icon;
}

} // namespace

QIcon standard(QStyle::StandardPixmap pixmap)
{
    return cached(nullptr, pixmap);
}

QIcon themed(const char *name, QStyle::StandardPixmap fallback)
{
    return cached(name, fallback);
}

} // namespace Icons
