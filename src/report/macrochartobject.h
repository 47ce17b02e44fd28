// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Velmo authors

#pragma once

#include "report/planreport.h"

#include <QObject>
#include <QTextCharFormat>
#include <QTextObjectInterface>

#include <vector>

class QTextDocument;

namespace velmo {

// The shares of energy from protein, fat and carbohydrate as a bar each over its reference range,
// drawn with paths and text into the page (never a picture), so it stays sharp and searchable.
class MacroChartObject : public QObject, public QTextObjectInterface {
    Q_OBJECT
    Q_INTERFACES(QTextObjectInterface)
public:
    static constexpr int kObjectType = QTextFormat::UserObject + 1;

    // Makes the document draw the chart where format() is inserted.
    void install(QTextDocument &document);
    // The character format of the chart of `shares` (one chart per document).
    QTextCharFormat format(const std::vector<ReportShare> &shares);

    QSizeF intrinsicSize(QTextDocument *document, int position, const QTextFormat &format) override;
    void drawObject(QPainter *painter, const QRectF &rect, QTextDocument *document, int position,
                    const QTextFormat &format) override;

private:
    std::vector<ReportShare> shares_;
};

}  // namespace velmo
