#pragma once

#include "catalogue/datacontrol.h"
#include "catalogue/foodbrowser.h"
#include "catalogue/fooddatabase.h"
#include "common/dialogs.h"
#include "meal/mealgrid.h"

#include <QDateTime>
#include <QObject>
#include <QString>

#include <memory>

namespace velmo {

enum class MousePointer { Default, Hourglass };

// The main window `frmmain` without its widgets: the category heading, the scrolling title, the
// status bar texts, the screen's mouse pointer, the data control with its bound controls, and the
// composition table. The view renders it and forwards the user's commands.
class MainWindowModel : public QObject {
    Q_OBJECT
public:
    // The scrolling title `Label2`, 51 characters.
    static QString initialTitle() { return QStringLiteral(" - Valutazione calorica e nutrizionale in una dieta"); }

    // The toolbar's buttons by their 1-based position.
    enum ToolbarButton { First = 2, Previous = 3, Next = 4, Last = 5, Print = 7, Help = 8, Exit = 9 };

    explicit MainWindowModel(Dialogs &dialogs, QObject *parent = nullptr);
    ~MainWindowModel() override;

    // The load handler: flat toolbar, default pointer, the food database at `databasePath`.
    // False with an Italian message in `error` when the database cannot be opened.
    bool load(const QString &databasePath, QString *error);

    // The activation handler: today's date in the status bar, the clock running.
    void activate(const QDate &today);
    void timer1Tick(const QTime &now);   // every 1000 ms
    void timer2Tick();                   // every 100 ms

    // A category of the "&Scelta alimenti" menu (0 to 15).
    void chooseCategory(int index);
    // The toolbar's button-click notification.
    void toolbarButtonClicked(int position);
    // A click in the food grid; its row, when the click makes another food current.
    void gridClicked();
    void gridRowChosen(int row);

    QString label5() const { return label5_; }
    QString label2() const { return label2_; }
    QString statusDate() const { return statusDate_; }
    QString statusTime() const { return statusTime_; }
    bool toolbarFlat() const { return toolbarFlat_; }
    bool timer1Enabled() const { return timer1Enabled_; }
    MousePointer mousePointer() const { return mousePointer_; }

    // `FlatToolbar`: flips the toolbar's flat style, whatever it was.
    void flatToolbar();

    DataControl &data1() { return data1_; }
    FoodBrowser &browser() { return browser_; }
    MealGrid &meal() { return meal_; }
    Dialogs &dialogs() { return dialogs_; }

signals:
    void label5Changed();
    void label2Changed();
    void statusChanged();
    void toolbarFlatChanged();
    void mousePointerChanged();
    void printRequested();
    void helpRequested();
    void exitRequested();

private:
    void setLabel5(const QString &text);
    void setMousePointer(MousePointer pointer);
    void navigateFirst();
    void navigatePrevious();
    void navigateNext();
    void navigateLast();
    void refreshQuietly();

    Dialogs &dialogs_;
    std::unique_ptr<FoodDatabase> database_;
    DataControl data1_;
    FoodBrowser browser_;
    MealGrid meal_;
    QString label5_;
    QString label2_ = initialTitle();
    QString statusDate_;
    QString statusTime_;
    bool toolbarFlat_ = false;
    bool timer1Enabled_ = true;
    MousePointer mousePointer_ = MousePointer::Default;
};

}  // namespace velmo
