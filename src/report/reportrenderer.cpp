// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Velmo authors

#include "report/reportrenderer.h"

#include "common/numbertext.h"
#include "common/safefile.h"
#include "report/macrochartobject.h"

#include <QAbstractTextDocumentLayout>
#include <QBuffer>
#include <QCoreApplication>
#include <QFontMetricsF>
#include <QImage>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QPdfWriter>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextTable>
#include <QUrl>

#include <algorithm>
#include <cmath>
#include <limits>

namespace velmo {

namespace {

QString text(const char *source)
{
    return QCoreApplication::translate("PlanReportRenderer", source);
}

constexpr double kBodyPoints = 9.5;
constexpr double kFooterPoints = 7.5;
// The logo's height on paper, in points (about 2 cm).
constexpr double kLogoPoints = 56;

// The report as one paged text document: every text inserted as text, never as markup, so a
// food's or a person's name can hold anything.
class ReportDocument {
public:
    ReportDocument(const PlanReport &report, QPaintDevice &device, QSizeF page) : report_(report), device_(device)
    {
        QFont font(QStringLiteral("DejaVu Sans"));
        font.setPointSizeF(kBodyPoints);
        doc_.setDefaultFont(font);
        doc_.documentLayout()->setPaintDevice(&device);
        doc_.setDocumentMargin(0);
        doc_.setPageSize(page);
        chart_.install(doc_);
    }

    QTextDocument &document() { return doc_; }

    void build()
    {
        QTextCursor c(&doc_);
        // One layout per edit block, not one after every insertion.
        c.beginEditBlock();
        addPractice(c);
        paragraph(c, report_.title, 15, true);
        if (!report_.period.isEmpty())
            paragraph(c, report_.period, 11, false);
        fields(c, text(QT_TRANSLATE_NOOP("PlanReportRenderer", "Persona")), report_.person);
        fields(c, text(QT_TRANSLATE_NOOP("PlanReportRenderer", "Fabbisogno")), report_.requirement);
        if (!report_.missing.isEmpty()) {
            paragraph(c, text(QT_TRANSLATE_NOOP("PlanReportRenderer", "Da sapere")), 11, true);
            for (const QString &line : report_.missing)
                paragraph(c, QStringLiteral("\u2022 ") + line, kBodyPoints, false);
        }
        for (const ReportDay &day : report_.days) {
            const QString dayName = report_.scope == ReportScope::Week && day.date.isValid()
                                        ? longDayText(day.date, QLocale()) + QStringLiteral(" · ")
                                        : QString();
            for (const ReportMeal &meal : day.meals)
                mealTable(c, dayName, meal);
            if (report_.scope == ReportScope::Week)
                paragraph(c, dayName + day.summary, kBodyPoints, true);
        }
        figures(c);
        nutrients(c);
        if (!report_.notes.trimmed().isEmpty()) {
            paragraph(c, text(QT_TRANSLATE_NOOP("PlanReportRenderer", "Note")), 11, true);
            QTextTable *box = table(c, 1, 1, 0);
            box->cellAt(0, 0).firstCursorPosition().insertText(report_.notes);
            c.movePosition(QTextCursor::End);
        }
        signature(c);
        c.endEditBlock();
    }

private:
    // Spaces of the layout are in the device's pixels: given in points, they are the same on
    // paper at any resolution.
    double toDevice(double points) const { return points * device_.logicalDpiY() / 72.0; }

    // Moves a meal (or the chart) that would cross a page to the next page, when it fits on one.
    // Done as each is added, while it is the document's last: a move then lays out only it again,
    // where moves made once everything is in place would each lay out all that follows.
    void keepOnOnePage(QTextCursor &c, QTextTable *t)
    {
        c.endEditBlock();
        const double page = doc_.pageSize().height();
        const QRectF r = doc_.documentLayout()->frameBoundingRect(t);
        const bool crosses = std::floor(r.top() / page) != std::floor((r.bottom() - 1) / page);
        if (crosses && r.height() < page * 0.95)
            startPage(t);
        c.beginEditBlock();
    }

    // The same for all from the paragraph `first` to the document's end; false when that is too
    // long to fit on one page.
    bool keepOnOnePage(QTextCursor &c, const QTextBlock &first)
    {
        c.endEditBlock();
        const double page = doc_.pageSize().height();
        QAbstractTextDocumentLayout *layout = doc_.documentLayout();
        const double top = layout->blockBoundingRect(first).top();
        const double bottom = layout->blockBoundingRect(doc_.lastBlock()).bottom();
        const bool fits = bottom - top < page * 0.95;
        if (std::floor(top / page) != std::floor((bottom - 1) / page) && fits)
            startPage(first);
        c.beginEditBlock();
        return fits;
    }

    // `t`, or the paragraph `block`, begins a page.
    static void startPage(QTextTable *t)
    {
        QTextTableFormat format = t->format();
        format.setPageBreakPolicy(QTextFormat::PageBreak_AlwaysBefore);
        t->setFormat(format);
    }
    static void startPage(const QTextBlock &block)
    {
        QTextCursor at(block);
        QTextBlockFormat format = at.blockFormat();
        format.setPageBreakPolicy(QTextFormat::PageBreak_AlwaysBefore);
        at.setBlockFormat(format);
    }

    // The pages of row `r` of `t`: where its first line is, and where its last.
    std::pair<double, double> rowPages(QTextTable *t, int r) const
    {
        const double page = doc_.pageSize().height();
        QAbstractTextDocumentLayout *layout = doc_.documentLayout();
        double top = std::numeric_limits<double>::max();
        double bottom = std::numeric_limits<double>::lowest();
        for (int col = 0; col < t->columns(); ++col) {
            const QTextTableCell cell = t->cellAt(r, col);
            if (cell.row() != r || cell.column() != col)
                continue;
            top = std::min(top, layout->blockBoundingRect(cell.firstCursorPosition().block()).top());
            bottom = std::max(bottom, layout->blockBoundingRect(cell.lastCursorPosition().block()).bottom());
        }
        return {std::floor(top / page), std::floor((std::max(top + 1, bottom) - 1) / page)};
    }

    // A caption left at the foot of a page, its table's first row on the next, goes there too.
    void keepCaptionWithTable(QTextCursor &c, QTextBlock caption, QTextTable *t, int firstRow)
    {
        if (firstRow >= t->rows())
            return;
        c.endEditBlock();
        const double captionTop = doc_.documentLayout()->blockBoundingRect(caption).top();
        if (std::floor(captionTop / doc_.pageSize().height()) != rowPages(t, firstRow).second)
            startPage(caption);
        c.beginEditBlock();
    }

    void paragraph(QTextCursor &c, const QString &line, double points, bool bold, Qt::Alignment align = Qt::AlignLeft)
    {
        QTextBlockFormat block;
        block.setAlignment(align);
        block.setTopMargin(toDevice(points > kBodyPoints ? 2 : 0.5));
        QTextCharFormat chars;
        chars.setFontPointSize(points);
        chars.setFontWeight(bold ? QFont::Bold : QFont::Normal);
        if (doc_.isEmpty() && c.block().text().isEmpty())
            c.setBlockFormat(block);
        else
            c.insertBlock(block);
        c.setCharFormat(chars);
        c.insertText(line);
    }

    QTextTable *table(QTextCursor &c, int rows, int columns, int headerRows, const QList<double> &widths = {})
    {
        QTextTableFormat format;
        format.setBorder(0.5);
        format.setBorderStyle(QTextFrameFormat::BorderStyle_Solid);
        format.setBorderCollapse(true);
        format.setCellPadding(toDevice(0.6));
        format.setCellSpacing(0);
        format.setWidth(QTextLength(QTextLength::PercentageLength, 100));
        format.setHeaderRowCount(headerRows);
        format.setTopMargin(toDevice(1.5));
        QList<QTextLength> constraints;
        for (double w : widths)
            constraints << QTextLength(QTextLength::PercentageLength, w);
        format.setColumnWidthConstraints(constraints);
        c.movePosition(QTextCursor::End);
        QTextTable *t = c.insertTable(rows, columns, format);
        return t;
    }

    static void cell(QTextTable *t, int row, int column, const QString &value, bool bold = false,
                     Qt::Alignment align = Qt::AlignLeft)
    {
        QTextCursor c = t->cellAt(row, column).firstCursorPosition();
        QTextBlockFormat block;
        block.setAlignment(align);
        c.setBlockFormat(block);
        QTextCharFormat chars;
        chars.setFontWeight(bold ? QFont::Bold : QFont::Normal);
        c.insertText(value, chars);
    }

    // Columns from `rightFrom` up to `rightTo` (excluded; -1: the last) are numbers, set right.
    void headingRow(QTextTable *t, int row, const QStringList &headings, int rightFrom, int rightTo = -1)
    {
        if (rightTo < 0)
            rightTo = static_cast<int>(headings.size());
        QTextCharFormat shade;
        shade.setBackground(QColor(230, 230, 230));
        for (int i = 0; i < headings.size(); ++i) {
            t->cellAt(row, i).setFormat(shade);
            cell(t, row, i, headings[i], true, i >= rightFrom && i < rightTo ? Qt::AlignRight : Qt::AlignLeft);
        }
    }

    void addPractice(QTextCursor &c)
    {
        const PracticeHeading &p = report_.practice;
        if (p.isEmpty())
            return;
        const QImage logo = p.logoPath.isEmpty() ? QImage() : QImage(p.logoPath);
        if (!logo.isNull()) {
            const QUrl url(QStringLiteral("velmo-logo"));
            doc_.addResource(QTextDocument::ImageResource, url, logo);
            QTextImageFormat image;
            image.setName(url.toString());
            // An image's size is read at 96 to the inch and scaled to the device's resolution
            // by the layout; no wider than the page.
            const double scale = device_.logicalDpiY() / 96.0;
            double height = kLogoPoints * 96.0 / 72.0;
            double width = height * logo.width() / std::max(1, logo.height());
            if (const double page = doc_.pageSize().width() / scale; width > page) {
                height *= page / width;
                width = page;
            }
            image.setHeight(height);
            image.setWidth(width);
            c.insertImage(image);
        }
        bool first = logo.isNull();
        for (const QString &line : {p.name, p.title, p.address, p.telephone, p.email}) {
            if (line.trimmed().isEmpty())
                continue;
            paragraph(c, line, first ? 12 : kBodyPoints, first);
            first = false;
        }
    }

    void fields(QTextCursor &c, const QString &caption, const std::vector<ReportField> &rows)
    {
        if (rows.empty())
            return;
        paragraph(c, caption, 11, true);
        const QTextBlock captionBlock = c.block();
        QTextTable *t = table(c, static_cast<int>(rows.size()), 2, 0, {30, 70});
        for (int r = 0; r < static_cast<int>(rows.size()); ++r) {
            cell(t, r, 0, rows[static_cast<std::size_t>(r)].first, true);
            cell(t, r, 1, rows[static_cast<std::size_t>(r)].second);
        }
        c.movePosition(QTextCursor::End);
        keepCaptionWithTable(c, captionBlock, t, 0);
    }

    void mealTable(QTextCursor &c, const QString &dayName, const ReportMeal &meal)
    {
        QStringList headings{text(QT_TRANSLATE_NOOP("PlanReportRenderer", "Alimento"))};
        QList<double> widths{report_.hasPortions ? 40.0 : 55.0};
        if (report_.hasPortions) {
            headings << text(QT_TRANSLATE_NOOP("PlanReportRenderer", "Porzione"));
            widths << 15;
        }
        headings << text(QT_TRANSLATE_NOOP("PlanReportRenderer", "Grammi edibili"))
                 << text(QT_TRANSLATE_NOOP("PlanReportRenderer", "Grammi lordi (per la spesa)"))
                 << text(QT_TRANSLATE_NOOP("PlanReportRenderer", "Energia"));
        widths << 15 << 15 << 15;
        const int columns = static_cast<int>(headings.size());
        const int rows = 2 + std::max<int>(1, static_cast<int>(meal.foods.size()));
        QTextTable *t = table(c, rows, columns, 2, widths);
        t->mergeCells(0, 0, 1, columns);
        cell(t, 0, 0,
             dayName
                 + text(QT_TRANSLATE_NOOP("PlanReportRenderer", "%1 — %2, %3 del giorno"))
                       .arg(meal.name, meal.energy, meal.share),
             true);
        headingRow(t, 1, headings, 1 + (report_.hasPortions ? 1 : 0));
        if (meal.foods.empty()) {
            t->mergeCells(2, 0, 1, columns);
            cell(t, 2, 0, text(QT_TRANSLATE_NOOP("PlanReportRenderer", "nessun alimento in questo pasto")));
        }
        for (int r = 0; r < static_cast<int>(meal.foods.size()); ++r) {
            const ReportFood &food = meal.foods[static_cast<std::size_t>(r)];
            int col = 0;
            cell(t, 2 + r, col++, food.name);
            if (report_.hasPortions)
                cell(t, 2 + r, col++, food.portion);
            cell(t, 2 + r, col++, food.edibleGrams, false, Qt::AlignRight);
            cell(t, 2 + r, col++, food.grossGrams, false, Qt::AlignRight);
            cell(t, 2 + r, col, food.energy, false, Qt::AlignRight);
        }
        c.movePosition(QTextCursor::End);
        keepOnOnePage(c, t);
    }

    void figures(QTextCursor &c)
    {
        paragraph(c, report_.figuresCaption, 11, true);
        const QTextBlock caption = c.block();
        std::vector<FigureLine> lines = report_.totals;
        lines.insert(lines.end(), report_.split.cbegin(), report_.split.cend());
        QTextTable *t = nullptr;
        if (!lines.empty()) {
            t = table(c, 1 + static_cast<int>(lines.size()), 4, 1, {34, 20, 26, 20});
            headingRow(t, 0,
                       {text(QT_TRANSLATE_NOOP("PlanReportRenderer", "Nutriente")),
                        text(QT_TRANSLATE_NOOP("PlanReportRenderer", "Quantità")),
                        text(QT_TRANSLATE_NOOP("PlanReportRenderer", "Riferimento")),
                        text(QT_TRANSLATE_NOOP("PlanReportRenderer", "Rispetto al riferimento"))},
                       1);
            for (int r = 0; r < static_cast<int>(lines.size()); ++r) {
                const FigureLine &l = lines[static_cast<std::size_t>(r)];
                cell(t, 1 + r, 0, l.name);
                cell(t, 1 + r, 1, l.amount, false, Qt::AlignRight);
                cell(t, 1 + r, 2, l.reference, false, Qt::AlignRight);
                cell(t, 1 + r, 3, l.status, false, Qt::AlignRight);
            }
            c.movePosition(QTextCursor::End);
        }
        paragraph(c, report_.summary, kBodyPoints, false);
        // A short table: with its caption and its summary on one page, as a meal is; one longer
        // than a page at least keeps its caption with its first row.
        if (t && !keepOnOnePage(c, caption))
            keepCaptionWithTable(c, caption, t, 1);
        if (!report_.chart.empty()) {
            // The caption and its chart in one frameless cell, kept on one page as a meal is.
            QTextTable *box = table(c, 1, 1, 0);
            QTextTableFormat frameless = box->format();
            frameless.setBorder(0);
            box->setFormat(frameless);
            QTextCursor inside = box->cellAt(0, 0).firstCursorPosition();
            QTextCharFormat bold;
            bold.setFontWeight(QFont::Bold);
            inside.insertText(text(QT_TRANSLATE_NOOP("PlanReportRenderer", "Energia da proteine, lipidi e carboidrati "
                                                                           "(la fascia chiara è l'intervallo di "
                                                                           "riferimento)")),
                              bold);
            inside.insertBlock();
            inside.insertText(QString(QChar::ObjectReplacementCharacter), chart_.format(report_.chart));
            c.movePosition(QTextCursor::End);
            keepOnOnePage(c, box);
        }
    }

    void nutrients(QTextCursor &c)
    {
        if (report_.nutrients.empty())
            return;
        paragraph(c, report_.nutrientsCaption, 11, true);
        const QTextBlock caption = c.block();
        // A row that a page would split goes whole to the next page, where the rest of the table
        // follows under its headings again; a group's heading goes with its first row, and the
        // caption with the table's first.
        std::size_t from = 0;
        QTextTable *t = nutrientTable(c, from);
        keepCaptionWithTable(c, caption, t, 1);
        bool captionMoved = false;
        for (;;) {
            c.endEditBlock();
            int apart = -1;
            for (int r = 1; r < t->rows() && apart < 0; ++r) {
                const auto [top, bottom] = rowPages(t, r);
                const bool heading = report_.nutrients[from + static_cast<std::size_t>(r) - 1].heading;
                if (top != bottom || (heading && r + 1 < t->rows() && rowPages(t, r + 1).first != top))
                    apart = r;
            }
            c.beginEditBlock();
            if (apart > 1 && report_.nutrients[from + static_cast<std::size_t>(apart) - 2].heading)
                --apart;
            if (apart < 0)
                return;
            if (apart == 1) {  // the table's first row: only the first table's caption can take it on
                if (from != 0 || captionMoved)
                    return;
                startPage(caption);
                captionMoved = true;
                continue;
            }
            t->removeRows(apart, t->rows() - apart);
            from += static_cast<std::size_t>(apart) - 1;
            t = nutrientTable(c, from);
            startPage(t);
        }
    }

    // The nutrients from `from` on, under the table's headings.
    QTextTable *nutrientTable(QTextCursor &c, std::size_t from)
    {
        const int rows = static_cast<int>(report_.nutrients.size() - from);
        QTextTable *t = table(c, 1 + rows, 5, 1, {30, 16, 22, 10, 22});
        headingRow(t, 0,
                   {text(QT_TRANSLATE_NOOP("PlanReportRenderer", "Nutriente")),
                    text(QT_TRANSLATE_NOOP("PlanReportRenderer", "Quantità")),
                    text(QT_TRANSLATE_NOOP("PlanReportRenderer", "Riferimento")),
                    text(QT_TRANSLATE_NOOP("PlanReportRenderer", "% rif.")),
                    text(QT_TRANSLATE_NOOP("PlanReportRenderer", "Note"))},
                   1, 4);
        for (int r = 0; r < rows; ++r) {
            const ReportNutrient &n = report_.nutrients[from + static_cast<std::size_t>(r)];
            if (n.heading) {
                t->mergeCells(1 + r, 0, 1, 5);
                cell(t, 1 + r, 0, n.name, true);
                continue;
            }
            cell(t, 1 + r, 0, n.name);
            cell(t, 1 + r, 1, n.amount, false, Qt::AlignRight);
            cell(t, 1 + r, 2, n.reference, false, Qt::AlignRight);
            cell(t, 1 + r, 3, n.percent, false, Qt::AlignRight);
            cell(t, 1 + r, 4, n.note);
        }
        c.movePosition(QTextCursor::End);
        return t;
    }

    void signature(QTextCursor &c)
    {
        QTextBlockFormat block;
        block.setTopMargin(toDevice(7));
        block.setAlignment(Qt::AlignRight);
        c.insertBlock(block);
        c.insertText(text(QT_TRANSLATE_NOOP("PlanReportRenderer", "Firma")) + QStringLiteral(" ") + QString(30, u'_'));
        if (!report_.practice.name.trimmed().isEmpty())
            paragraph(c, report_.practice.name, kBodyPoints, false, Qt::AlignRight);
    }

    const PlanReport &report_;
    QPaintDevice &device_;
    QTextDocument doc_;
    MacroChartObject chart_;
};

QFont footerFont()
{
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPointSizeF(kFooterPoints);
    return font;
}

}  // namespace

int renderPlanReport(const PlanReport &report, QPagedPaintDevice &device, QString *error)
{
    const QRect paper = device.pageLayout().paintRectPixels(device.logicalDpiX());
    const QFontMetricsF footerMetrics(footerFont(), &device);
    const double footerHeight = footerMetrics.lineSpacing() * 3;
    const QSizeF body(paper.width(), paper.height() - footerHeight - footerMetrics.lineSpacing());
    ReportDocument built(report, device, body);
    built.build();
    QTextDocument &doc = built.document();
    const int pages = doc.pageCount();
    QPainter painter;
    if (!painter.begin(&device)) {
        *error = text(QT_TRANSLATE_NOOP("PlanReportRenderer", "impossibile iniziare la stampa"));
        return 0;
    }
    const QString footerLeft = velmoVersionText() + QStringLiteral(" · ") + report.printed;
    for (int page = 0; page < pages; ++page) {
        if (page > 0 && !device.newPage()) {
            *error = text(QT_TRANSLATE_NOOP("PlanReportRenderer", "impossibile aggiungere una pagina"));
            painter.end();
            return 0;
        }
        painter.save();
        painter.translate(0, -page * body.height());
        QAbstractTextDocumentLayout::PaintContext context;
        context.clip = QRectF(0, page * body.height(), body.width(), body.height());
        painter.setClipRect(context.clip);
        doc.documentLayout()->draw(&painter, context);
        painter.restore();
        painter.setFont(footerFont());
        const QRectF footer(0, paper.height() - footerHeight, paper.width(), footerHeight);
        painter.drawLine(footer.topLeft(), footer.topRight());
        const QRectF first = footer.adjusted(0, footerMetrics.leading() + 1, 0, 0);
        painter.drawText(first, Qt::AlignLeft | Qt::AlignTop, footerLeft);
        painter.drawText(first, Qt::AlignRight | Qt::AlignTop,
                         text(QT_TRANSLATE_NOOP("PlanReportRenderer", "Pagina %1 di %2")).arg(page + 1).arg(pages));
        painter.drawText(first.adjusted(0, footerMetrics.lineSpacing(), 0, 0),
                         Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap,
                         report.sources + QStringLiteral(". ") + report.estimate);
    }
    painter.end();
    return pages;
}

bool writePlanReportPdf(const PlanReport &report, const QString &path, QPageSize::PageSizeId size, QString *error)
{
    QByteArray bytes;
    {
        QBuffer buffer(&bytes);
        buffer.open(QIODevice::WriteOnly);
        QPdfWriter pdf(&buffer);
        pdf.setTitle(report.title);
        pdf.setCreator(velmoVersionText());
        pdf.setResolution(300);
        pdf.setPageLayout(
            QPageLayout(QPageSize(size), QPageLayout::Portrait, QMarginsF(15, 15, 15, 12), QPageLayout::Millimeter));
        if (renderPlanReport(report, pdf, error) == 0)
            return false;
    }
    return writePrivateFileSafely(path, bytes, error);
}

}  // namespace velmo
