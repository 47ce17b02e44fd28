// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Velmo authors

#include "ui/shell/helpwindow.h"

#include "catalogue/foodsearch.h"
#include "common/translation.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QScrollBar>
#include <QKeyEvent>
#include <QTextBrowser>
#include <QTextDocument>
#include <QVBoxLayout>

#include <algorithm>
#include <utility>

namespace velmo::ui {

namespace {

// The page F1 opens in each window, by the window's object name.
constexpr struct {
    const char *window;
    const char *page;
} kWindowPages[] = {
    {"frmmain", "pasto.html"},  // the window where a meal is composed: the table, its locks, the persons
    {"frmCerca", "alimenti.html#cerca"},
    {"frmRicchiDi", "alimenti.html#ricchi"},
    {"frmAlimento", "personali.html"},
    {"frmProfilo", "profilo.html"},
    {"frmPersone", "persone.html"},
    {"frmPersona", "persone.html#scheda"},
    {"frmSettimana", "settimana.html"},
    {"frmGiornoPersona", "giorno.html#persona"},
    {"frmCopiaIn", "giorno.html#copia"},
    {"dockGiorno", "giorno.html#pannello"},  // docked or floating
    {"frmPastoAbituale", "giorno.html#abituali"},
    {"Form_LAF_Femmina", "fabbisogno.html"},
    {"Form_LAF_Uomo", "fabbisogno.html"},
    {"frmSplash", "fabbisogno.html#iniziale"},
    {"Dialog", "fabbisogno.html#iniziale"},  // the choice between a man and a woman
    {"frmStampaFPB", "stampa.html"},
    {"frmStampaPiano", "stampa.html#piano"},
    {"frmIntestazione", "stampa.html#piano"},
    {"frmBilancia", "bilanciamento.html"},
    {"frmPorzione", "pasto.html#porzione"},
};

// A text as the search reads it (as the food search does: no case, no accents), with the place
// in the text that each of its characters comes from.
struct FoldedText {
    QString key;
    std::vector<int> from;
};

FoldedText folded(const QString &text)
{
    FoldedText result;
    result.key.reserve(text.size());
    result.from.reserve(static_cast<std::size_t>(text.size()));
    for (int i = 0; i < text.size(); ++i) {
        const QString key = searchKey(QString(text.at(i)));
        result.key += key;
        result.from.insert(result.from.end(), static_cast<std::size_t>(key.size()), i);
    }
    return result;
}

QStringList searchWords(const QString &typed)
{
    return searchKey(typed.simplified()).split(u' ', Qt::SkipEmptyParts);
}

// Where the words are in `text`, as start and end in the text, in the order they come; none
// unless every word is there.
std::vector<std::pair<int, int>> findWords(const FoldedText &text, const QStringList &words)
{
    std::vector<std::pair<int, int>> found;
    for (const QString &word : words) {
        const std::size_t before = found.size();
        for (qsizetype at = text.key.indexOf(word); at >= 0; at = text.key.indexOf(word, at + word.size()))
            found.emplace_back(text.from[static_cast<std::size_t>(at)],
                               text.from[static_cast<std::size_t>(at + word.size() - 1)] + 1);
        if (found.size() == before)
            return {};
    }
    std::sort(found.begin(), found.end());
    return found;
}

// The pages' browser: a link to a page that is also in the interface's language (an Italian-only
// page links the contents and the other pages in Italian) opens it in that language.
class HelpBrowser : public QTextBrowser {
public:
    using QTextBrowser::QTextBrowser;

protected:
    void doSetSource(const QUrl &name, QTextDocument::ResourceType type) override
    {
        static const QString italianPages = QStringLiteral("/help/");
        const QString path = name.path();
        if (name.scheme() == u"qrc" && path.startsWith(italianPages) && !path.mid(italianPages.size()).contains(u'/')) {
            QUrl asked(path.mid(italianPages.size()));
            asked.setFragment(name.fragment());
            QTextBrowser::doSetSource(HelpWindow::page(asked.toString()), type);
            return;
        }
        QTextBrowser::doSetSource(name, type);
    }
};

}  // namespace

struct HelpWindow::Page {
    QUrl url;
    QString title;
    FoldedText text;
};

HelpWindow::HelpWindow(QWidget *parent)
    : QWidget(parent, Qt::Window), browser_(new HelpBrowser(this)), searchBox_(new QLineEdit(this)),
      results_(new QListWidget(this)), nothingFound_(new QLabel(this))
{
    setObjectName(QStringLiteral("HelpWindow"));
    setWindowTitle(tr("Guida di Velmo"));
    // Left open on its own, the help does not keep the program running.
    setAttribute(Qt::WA_QuitOnClose, false);
    browser_->setAccessibleName(tr("Pagina della guida"));
    auto *back = new QPushButton(tr("&Indietro"), this);
    auto *contents = new QPushButton(tr("&Sommario"), this);
    auto *searchLabel = new QLabel(tr("&Cerca:"), this);
    searchLabel->setBuddy(searchBox_);
    searchBox_->setAccessibleName(tr("Cerca nella guida"));
    searchBox_->setPlaceholderText(tr("parole da cercare in tutte le pagine"));
    searchBox_->setClearButtonEnabled(true);
    results_->setAccessibleName(tr("Pagine trovate"));
    results_->setMaximumHeight(results_->fontMetrics().height() * 7);
    results_->hide();
    nothingFound_->setText(tr("Nessuna pagina contiene tutte queste parole: prova con meno parole o con altre."));
    nothingFound_->setWordWrap(true);
    nothingFound_->hide();

    auto *bar = new QHBoxLayout;
    bar->addWidget(back);
    bar->addWidget(contents);
    bar->addSpacing(12);
    bar->addWidget(searchLabel);
    bar->addWidget(searchBox_, 1);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(bar);
    layout->addWidget(results_);
    layout->addWidget(nothingFound_);
    layout->addWidget(browser_, 1);
    // Tab goes as the window reads, from the buttons and the search down to the page.
    setTabOrder(back, contents);
    setTabOrder(contents, searchBox_);
    setTabOrder(searchBox_, results_);
    setTabOrder(results_, browser_);
    browser_->setFocus();  // the page first, for the keys that scroll it

    connect(back, &QPushButton::clicked, browser_, &QTextBrowser::backward);
    connect(browser_, &QTextBrowser::backwardAvailable, back, &QPushButton::setEnabled);
    connect(contents, &QPushButton::clicked, this, &HelpWindow::showContents);
    connect(searchBox_, &QLineEdit::textChanged, this, &HelpWindow::search);
    connect(searchBox_, &QLineEdit::returnPressed, this, &HelpWindow::openResult);
    connect(results_, &QListWidget::itemActivated, this, &HelpWindow::openResult);
    connect(results_, &QListWidget::itemClicked, this, &HelpWindow::openResult);
    connect(browser_, &QTextBrowser::sourceChanged, this, [this] { highlight(false); });
    back->setEnabled(false);
    resize(620, 520);
}

HelpWindow::~HelpWindow() = default;

QUrl HelpWindow::page(const QString &name)
{
    // Every page is in English too; a page written since and not yet translated opens in Italian.
    const QUrl asked(name);
    const QString file = asked.path();
    const bool english = currentLanguage() == Language::English && QFile::exists(QStringLiteral(":/help/en/") + file);
    QUrl url(QStringLiteral("qrc:/help/%1%2").arg(english ? QStringLiteral("en/") : QString(), file));
    url.setFragment(asked.fragment());
    return url;
}

QString HelpWindow::pageFor(const QWidget *widget)
{
    // The nearest of the widget and those around it that has a page of its own (the day panel
    // within the main window); a prompt or a message without one takes the page of the window
    // that opened it.
    for (const QWidget *w = widget; w; w = w->parentWidget())
        for (const auto &entry : kWindowPages)
            if (w->objectName() == QLatin1StringView(entry.window))
                return QString::fromLatin1(entry.page);
    return QStringLiteral("index.html");
}

void HelpWindow::showContents()
{
    showPage(QStringLiteral("index.html"));
}

void HelpWindow::showPage(const QString &name)
{
    browser_->setSource(page(name));
    const QWidget *modal = QApplication::activeModalWidget();
    if (modal != this) {
        const Qt::WindowModality modality = modal ? Qt::ApplicationModal : Qt::NonModal;
        if (windowModality() != modality) {
            hide();  // a window takes another modality only while hidden
            setWindowModality(modality);
        }
    }
    show();
    raise();
    activateWindow();
}

void HelpWindow::keyPressEvent(QKeyEvent *event)
{
    // Esc reaches the window from whichever of its controls has the focus: none of them uses it.
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier)
        close();
    else
        QWidget::keyPressEvent(event);
}

const std::vector<HelpWindow::Page> &HelpWindow::pages()
{
    if (!pages_.empty())
        return pages_;
    for (const QString &name : QDir(QStringLiteral(":/help")).entryList({QStringLiteral("*.html")}, QDir::Files)) {
        const QUrl url = page(name);
        QFile file(u':' + url.path());
        if (!file.open(QIODevice::ReadOnly))
            continue;
        QTextDocument document;
        document.setHtml(QString::fromUtf8(file.readAll()));
        pages_.push_back({url, document.metaInformation(QTextDocument::DocumentTitle), folded(document.toRawText())});
    }
    return pages_;
}

void HelpWindow::search()
{
    const QStringList words = searchWords(searchBox_->text());
    std::vector<std::pair<std::size_t, const Page *>> found;
    if (!words.isEmpty())
        for (const Page &p : pages())
            if (const std::size_t times = findWords(p.text, words).size(); times > 0)
                found.emplace_back(times, &p);
    std::stable_sort(found.begin(), found.end(), [](const auto &a, const auto &b) { return a.first > b.first; });
    results_->clear();
    for (const auto &[times, p] : found)
        (new QListWidgetItem(p->title, results_))->setData(Qt::UserRole, p->url);
    results_->setCurrentRow(0);
    results_->setVisible(!found.empty());
    nothingFound_->setVisible(!words.isEmpty() && found.empty());
    highlight(false);
}

void HelpWindow::openResult()
{
    const QListWidgetItem *chosen = results_->currentItem();
    if (!chosen)
        return;
    const QUrl url = chosen->data(Qt::UserRole).toUrl();
    if (browser_->source() != url)
        browser_->setSource(url);
    highlight(true);
}

void HelpWindow::highlight(bool goToFirst)
{
    QTextDocument *document = browser_->document();
    QTextCharFormat marked;
    marked.setBackground(QColor(255, 224, 64));
    marked.setForeground(Qt::black);
    QList<QTextEdit::ExtraSelection> marks;
    for (const auto &[start, end] : findWords(folded(document->toRawText()), searchWords(searchBox_->text()))) {
        QTextCursor cursor(document);
        cursor.setPosition(start);
        cursor.setPosition(end, QTextCursor::KeepAnchor);
        marks.append({cursor, marked});
    }
    browser_->setExtraSelections(marks);
    if (goToFirst && !marks.isEmpty()) {
        browser_->setTextCursor(marks.first().cursor);
        // The word found near the top, with what comes after it in view.
        QScrollBar *bar = browser_->verticalScrollBar();
        bar->setValue(bar->value() + browser_->cursorRect().top() - browser_->viewport()->height() / 4);
    }
}

}  // namespace velmo::ui
