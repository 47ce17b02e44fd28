// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Velmo authors

#include "ui/shell/startup.h"

#include "ui/shell/builtpictures.h"

#include <QApplication>
#include <QIconEngine>
#include <QPainter>
#include <QProxyStyle>
#include <QStyleOption>

#include <functional>
#include <optional>

namespace velmo::ui {

namespace {

// An icon made by `make` on the first call that needs its pictures; until then it is known
// only not to be null.
class DeferredIconEngine : public QIconEngine {
public:
    explicit DeferredIconEngine(std::function<QIcon()> make) : make_(std::move(make)) {}

    void paint(QPainter *painter, const QRect &rect, QIcon::Mode mode, QIcon::State state) override
    {
        icon().paint(painter, rect, Qt::AlignCenter, mode, state);
    }
    QSize actualSize(const QSize &size, QIcon::Mode mode, QIcon::State state) override
    {
        return icon().actualSize(size, mode, state);
    }
    QPixmap pixmap(const QSize &size, QIcon::Mode mode, QIcon::State state) override
    {
        return icon().pixmap(size, 1.0, mode, state);
    }
    QPixmap scaledPixmap(const QSize &size, QIcon::Mode mode, QIcon::State state, qreal scale) override
    {
        return icon().pixmap(size / scale, scale, mode, state);
    }
    QList<QSize> availableSizes(QIcon::Mode mode, QIcon::State state) override
    {
        return icon().availableSizes(mode, state);
    }
    QString iconName() override { return icon().name(); }
    bool isNull() override { return false; }
    QString key() const override { return QStringLiteral("velmo.deferred"); }
    QIconEngine *clone() const override
    {
        return icon_ ? new DeferredIconEngine([icon = *icon_] { return icon; }) : new DeferredIconEngine(make_);
    }
    void addPixmap(const QPixmap &pixmap, QIcon::Mode mode, QIcon::State state) override
    {
        icon().addPixmap(pixmap, mode, state);
    }
    void addFile(const QString &fileName, const QSize &size, QIcon::Mode mode, QIcon::State state) override
    {
        icon().addFile(fileName, size, mode, state);
    }

private:
    QIcon &icon()
    {
        if (!icon_)
            icon_ = make_();
        return *icon_;
    }

    std::function<QIcon()> make_;
    std::optional<QIcon> icon_;
};

class StartUpStyle : public QProxyStyle {
public:
    QIcon standardIcon(StandardPixmap which, const QStyleOption *option, const QWidget *widget) const override
    {
        if (which != SP_ToolBarHorizontalExtensionButton && which != SP_ToolBarVerticalExtensionButton)
            return QProxyStyle::standardIcon(which, option, widget);
        // The picture depends on the direction of the moment it was asked for; the widget may be
        // gone by the time it is drawn.
        QStyleOption asked;
        asked.direction = option ? option->direction : QGuiApplication::layoutDirection();
        const QStyle *base = baseStyle();
        return QIcon(
            new DeferredIconEngine([base, which, asked] { return base->standardIcon(which, &asked, nullptr); }));
    }
};

}  // namespace

QIcon programIcon()
{
    return builtIcon(QLatin1StringView("velmo"));
}

QStyle *newStartUpStyle()
{
    return new StartUpStyle;
}

bool quitOnceShown()
{
    return qEnvironmentVariableIntValue("VELMO_ESCI_DOPO_AVVIO") == 1;
}

void prepareApplication(Language language)
{
    QApplication::setApplicationName(QStringLiteral("Velmo"));
    QApplication::setOrganizationName(QStringLiteral("Velmo"));
    // Every window shows the program's icon, and the desktop matches the windows to its entry.
    QApplication::setWindowIcon(programIcon());
    QGuiApplication::setDesktopFileName(QString::fromLatin1(kDesktopId));
    installLanguage(language);
    QApplication::setStyle(newStartUpStyle());
}

}  // namespace velmo::ui
