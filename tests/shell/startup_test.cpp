// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Velmo authors

#include "ui/shell/startup.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QIcon>
#include <QImage>
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

}  // namespace
