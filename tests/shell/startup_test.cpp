// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Velmo authors

#include "ui/shell/builtpictures.h"
#include "ui/shell/startup.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QIcon>
#include <QImage>
#include <QImageReader>
#include <QStyle>
#include <QStyleOption>

#include <memory>

namespace {

// The start-up style reads the extension buttons' pictures late, and they are the platform
// style's own, in either direction.
TEST(StartUpStyle, ExtensionButtonsShowThePlatformStylesPictures)
{
    const std::unique_ptr<QStyle> style(velmo::ui::newStartUpStyle());
    for (QStyle::StandardPixmap which :
         {QStyle::SP_ToolBarHorizontalExtensionButton, QStyle::SP_ToolBarVerticalExtensionButton})
        for (Qt::LayoutDirection direction : {Qt::LeftToRight, Qt::RightToLeft}) {
            QStyleOption option;
            option.direction = direction;
            const QIcon late = style->standardIcon(which, &option);
            const QIcon own = QApplication::style()->standardIcon(which, &option);
            ASSERT_FALSE(own.availableSizes().isEmpty());
            EXPECT_FALSE(late.isNull());
            EXPECT_EQ(late.availableSizes(), own.availableSizes()) << which << direction;
            for (int side : {8, 16, 24, 32})
                EXPECT_EQ(late.pixmap(side).toImage(), own.pixmap(side).toImage()) << which << direction << side;
        }
}

// The pictures drawn at the build are the SVG files' pictures at each size the window asks for.
TEST(BuiltPictures, AreTheSvgPicturesAtEachSize)
{
    const struct {
        const char *name;
        QList<int> sizes;
    } pictures[] = {
        {"first", {20, 40}}, {"previous", {20, 40}}, {"next", {20, 40}}, {"last", {20, 40}},
        {"print", {20, 40}}, {"help", {20, 40}},     {"exit", {20, 40}}, {"velmo", {16, 32, 48, 64}},
    };
    for (const auto &picture : pictures) {
        const QIcon icon = picture.name == QByteArrayView("velmo")
                               ? velmo::ui::programIcon()
                               : velmo::ui::builtIcon(QLatin1StringView(picture.name));
        QList<int> sides;
        for (QSize size : icon.availableSizes())
            sides << size.width();
        EXPECT_EQ(sides, picture.sizes) << picture.name;
        for (int side : picture.sizes) {
            QImageReader svg(
                QStringLiteral(VELMO_SOURCE_DIR "/resources/icons/%1.svg").arg(QLatin1String(picture.name)));
            svg.setScaledSize(QSize(side, side));
            const QImage drawn = svg.read().convertToFormat(QImage::Format_ARGB32_Premultiplied);
            ASSERT_FALSE(drawn.isNull()) << picture.name;
            EXPECT_EQ(icon.pixmap(side).toImage().convertToFormat(QImage::Format_ARGB32_Premultiplied), drawn)
                << picture.name << side;
        }
    }
    EXPECT_TRUE(velmo::ui::builtIcon(QLatin1StringView("none")).isNull());
}

}  // namespace
