// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Velmo authors

#include "choicedialog.h"

#include "svgpicture.h"

#include <QHBoxLayout>
#include <QToolButton>

namespace velmo::ui {

ChoiceDialog::ChoiceDialog(QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("Dialog"));
    setWindowTitle(QString());
    const QSize pictureSize(150, 220);
    auto *layout = new QHBoxLayout(this);
    const struct {
        const char *name;
        const char *picture;
        Sex sex;
        const char *tip;
        const char *accessibleName;
    } buttons[] = {{"Command1", ":/energy/uomo.svg", Sex::Male, QT_TR_NOOP("Fabbisogno energetico per un uomo"),
                    QT_TR_NOOP("Uomo")},
                   {"Command2", ":/energy/donna.svg", Sex::Female, QT_TR_NOOP("Fabbisogno energetico per una donna"),
                    QT_TR_NOOP("Donna")}};
    for (const auto &b : buttons) {
        auto *button = new QToolButton(this);
        button->setObjectName(QString::fromLatin1(b.name));
        button->setIcon(svgIcon(QString::fromLatin1(b.picture), pictureSize));
        button->setIconSize(pictureSize);
        button->setToolTip(tr(b.tip));
        button->setAccessibleName(tr(b.accessibleName));
        button->setAccessibleDescription(tr(b.tip));
        button->setAutoRaise(false);
        layout->addWidget(button);
        const Sex sex = b.sex;
        connect(button, &QToolButton::clicked, this, [this, sex] { emit chosen(sex); });
    }
}

}  // namespace velmo::ui
