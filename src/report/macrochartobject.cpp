// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Velmo authors

#include "report/macrochartobject.h"

#include "common/numbertext.h"

#include <QAbstractTextDocumentLayout>
#include <QCoreApplication>
#include <QFontMetricsF>
#include <QPainter>
#include <QPainterPath>
#include <QTextDocument>

#include <algorithm>
#include <cmath>

namespace velmo {

namespace {

// The axis runs from 0 to at least this share of energy, in percent: no macronutrient's range goes
// past it. A day of a food or two may: the axis then goes on to the next tick beyond its share,
// up to twice as far (the label says the share).
constexpr double kAxisTop = 80;
constexpr double kAxisMost = 200;
constexpr int kTick = 20;

double axisTop(const std::vector<ReportShare> &shares)
{
    double top = kAxisTop;
    for (const ReportShare &share : shares)
        top = std::max({top, share.percent.value_or(0), share.maximum.value_or(0)});
    return std::min(std::ceil(top / kTick) * kTick, kAxisMost);
}

}  // namespace

void MacroChartObject::install(QTextDocument &document)
{
    document.documentLayout()->registerHandler(kObjectType, this);
}

QTextCharFormat MacroChartObject::format(const std::vector<ReportShare> &shares)
{
    shares_ = shares;
    QTextCharFormat chart;
    chart.setObjectType(kObjectType);
    return chart;
}

QSizeF MacroChartObject::intrinsicSize(QTextDocument *document, int, const QTextFormat &)
{
    const QFontMetricsF metrics(document->defaultFont(), document->documentLayout()->paintDevice());
    const double rows = static_cast<double>(shares_.size()) + 1;  // a row for the axis' numbers
    return {document->pageSize().width() * 0.98, rows * metrics.lineSpacing() * 1.6};
}

void MacroChartObject::drawObject(QPainter *painter, const QRectF &rect, QTextDocument *document, int,
                                  const QTextFormat &)
{
    const QLocale locale;
    const QFont font = document->defaultFont();
    const QFontMetricsF metrics(font, painter->device());
    const double row = metrics.lineSpacing() * 1.6;
    const double top = axisTop(shares_);
    // Wide enough for the longest label and its value, as far as half the chart.
    double labelWidth = rect.width() * 0.3;
    for (const ReportShare &share : shares_)
        labelWidth = std::max(labelWidth, metrics.horizontalAdvance(share.name + QStringLiteral(" 100 %")) + 8);
    labelWidth = std::min(labelWidth, rect.width() * 0.5);
    const QRectF axis(rect.left() + labelWidth, rect.top(),
                      rect.width() - labelWidth - metrics.horizontalAdvance(u'0') * 4,
                      row * static_cast<double>(shares_.size()));
    const auto x = [&](double percent) { return axis.left() + axis.width() * std::clamp(percent, 0.0, top) / top; };
    painter->save();
    painter->setFont(font);
    painter->setRenderHint(QPainter::Antialiasing);
    for (std::size_t i = 0; i < shares_.size(); ++i) {
        const ReportShare &share = shares_[i];
        const double y = axis.top() + row * static_cast<double>(i);
        const QString value = share.percent ? formatDecimals(*share.percent, 0, locale) + QStringLiteral(" %")
                                            : QCoreApplication::translate("MacroChartObject", "n.d.");
        painter->setPen(Qt::black);
        painter->drawText(QRectF(rect.left(), y, labelWidth - 4, row), Qt::AlignVCenter | Qt::AlignLeft,
                          share.name + QStringLiteral(" ") + value);
        if (share.minimum || share.maximum) {
            QPainterPath range;
            const double from = x(share.minimum.value_or(0));
            range.addRect(QRectF(from, y + row * 0.1, x(share.maximum.value_or(top)) - from, row * 0.8));
            painter->fillPath(range, QColor(200, 225, 200));
        }
        if (share.percent) {
            QPainterPath bar;
            bar.addRect(QRectF(axis.left(), y + row * 0.3, x(*share.percent) - axis.left(), row * 0.4));
            painter->fillPath(bar, QColor(40, 90, 150));
        }
    }
    QPainterPath frame;
    frame.moveTo(axis.topLeft());
    frame.lineTo(axis.bottomLeft());
    frame.lineTo(axis.bottomRight());
    for (int tick = 0; tick <= top; tick += kTick) {
        frame.moveTo(x(tick), axis.bottom());
        frame.lineTo(x(tick), axis.bottom() + row * 0.15);
    }
    painter->setPen(QPen(Qt::black, 0));
    painter->drawPath(frame);
    for (int tick = 0; tick <= top; tick += kTick)
        painter->drawText(QRectF(x(tick) - row * 2, axis.bottom() + row * 0.15, row * 4, row * 0.85),
                          Qt::AlignHCenter | Qt::AlignTop, QStringLiteral("%1 %").arg(tick));
    painter->restore();
}

}  // namespace velmo
