// The yardstick of the program's start-up: the least a Qt program does to show a window with a
// three-bar chart, as a whole process.
#include <QApplication>
#include <QBarSeries>
#include <QBarSet>
#include <QChart>
#include <QChartView>
#include <QMainWindow>

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    QMainWindow window;
    auto *chart = new QChart;
    auto *series = new QBarSeries(chart);
    for (const char *name : {"C1", "C2", "C3"}) {
        auto *set = new QBarSet(QString::fromLatin1(name), series);
        set->append(0.0);
        series->append(set);
    }
    chart->addSeries(series);
    chart->createDefaultAxes();
    window.setCentralWidget(new QChartView(chart, &window));
    window.resize(760, 620);
    window.show();
    QCoreApplication::processEvents();
    return window.isVisible() ? 0 : 1;
}
