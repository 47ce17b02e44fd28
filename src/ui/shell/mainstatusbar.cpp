// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Velmo authors

#include "ui/shell/mainstatusbar.h"

#include "shell/mainwindowmodel.h"
#include "ui/meal/compositiontableview.h"

#include <QLabel>
#include <QPainter>
#include <QTimer>

#include <algorithm>

namespace velmo::ui {

namespace {

// A panel whose text, where the window leaves it less room, ends in "…": a long name never widens
// the window past the screen. The whole text stays the label's, for its tooltip and screen readers.
class ElidedPanel : public QLabel {
public:
    using QLabel::QLabel;

    QSize minimumSizeHint() const override
    {
        return {fontMetrics().horizontalAdvance(QStringLiteral("Mmmm…")) + 2 * frameWidth(),
                QLabel::minimumSizeHint().height()};
    }

protected:
    void paintEvent(QPaintEvent *event) override
    {
        if (fontMetrics().horizontalAdvance(text()) <= contentsRect().width()) {
            QLabel::paintEvent(event);
            return;
        }
        QPainter painter(this);
        drawFrame(&painter);
        const QRect room = contentsRect();
        painter.drawText(room, static_cast<int>(alignment()),
                         fontMetrics().elidedText(text(), Qt::ElideRight, room.width()));
    }
};

}  // namespace

MainStatusBar::MainStatusBar(MainWindowModel &model, const QRect &geometry, QWidget *parent)
    : QStatusBar(parent), model_(model)
{
    setObjectName(QStringLiteral("StatusBar1"));
    setSizeGripEnabled(false);
    setGeometry(geometry);
    setFixedHeight(geometry.height());
    // The room the date and the time first have; once their texts are there, they keep no more
    // than those need (below), and the comparison, with whose requirement it is, takes the rest.
    const int widths[3] = {180, 120, 0};
    for (int i = 0; i < 3; ++i) {
        auto *panel = i == 2 ? new ElidedPanel(this) : new QLabel(this);
        panel->setObjectName(QStringLiteral("StatusBar1_panel%1").arg(i + 1));
        panel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        if (widths[i] > 0)
            panel->setMinimumWidth(widths[i]);
        addWidget(panel, widths[i] > 0 ? 0 : 1);
        panels_[static_cast<std::size_t>(i)] = panel;
    }
    // Wide enough for the longest month and the widest time of the user's language.
    int dateWidth = 0;
    for (int month = 1; month <= 12; ++month)
        dateWidth = std::max(dateWidth, panels_[0]->fontMetrics().horizontalAdvance(
                                            MainWindowModel::statusDateText(QDate(2026, month, 28)) + u' '));
    int timeWidth = 0;
    for (const QTime time : {QTime(0, 0, 0), QTime(12, 0, 0), QTime(23, 58, 58)})
        timeWidth = std::max(timeWidth,
                             panels_[1]->fontMetrics().horizontalAdvance(MainWindowModel::statusTimeText(time) + u' '));
    panels_[0]->setMinimumWidth(dateWidth);
    panels_[1]->setMinimumWidth(timeWidth);
    QLabel *comparison = panels_[2];
    QFont small = comparison->font();
    small.setPointSizeF(kSmallTextPointSize);
    comparison->setFont(small);

    connect(&model_, &MainWindowModel::statusChanged, this, [this] {
        panels_[0]->setText(model_.statusDate());
        panels_[1]->setText(model_.statusTime());
    });
    connect(&model_, &MainWindowModel::comparisonChanged, this, &MainStatusBar::showThirdPanel);
    hintTimer_ = new QTimer(this);
    hintTimer_->setObjectName(QStringLiteral("hintTimer"));
    hintTimer_->setSingleShot(true);
    hintTimer_->setInterval(kRefusalHintMs);
    connect(hintTimer_, &QTimer::timeout, &model_.meal(), &MealGrid::clearHint);
    connect(&model_, &MainWindowModel::statusHintChanged, this, [this] {
        if (!model_.meal().hint().isEmpty())
            hintTimer_->start();
        showThirdPanel();
    });
    showThirdPanel();
    auto *person = new ElidedPanel(this);
    // Room for a first name and a surname; a longer name leaves the room to the hints.
    person->setMaximumWidth(person->fontMetrics().horizontalAdvance(tr("Persona: %1").arg(QString(28, u'n'))));
    person->setObjectName(QStringLiteral("StatusBar1_panel4"));
    person->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    person->setAccessibleName(tr("Persona corrente"));
    addPermanentWidget(person);
    panels_[3] = person;
    connect(&model_.persons(), &PersonSession::currentChanged, this, &MainStatusBar::showCurrentPerson);
    showCurrentPerson();
}

void MainStatusBar::showCurrentPerson()
{
    const QString name = model_.persons().currentName();
    panels_[3]->setText(tr("Persona: %1").arg(name));
    panels_[3]->setToolTip(panels_[3]->text());
    panels_[3]->setVisible(!name.isEmpty());
}

void MainStatusBar::showThirdPanel()
{
    const QString hint = model_.statusHint();
    QLabel *panel = panels_[2];
    panel->setText(hint.isEmpty() ? model_.comparisonText() : hint);
    // A hint cut by a narrow window can be read whole there, above the comparison it stands for.
    panel->setToolTip(hint.isEmpty() || model_.comparisonText().isEmpty() ? model_.comparisonText()
                                                                          : hint + u'\n' + model_.comparisonText());
    panel->setAccessibleName(hint.isEmpty() ? tr("Pasto e fabbisogno") : tr("Suggerimento"));
}

}  // namespace velmo::ui
