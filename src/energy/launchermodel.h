#pragma once

#include <QObject>
#include <QString>

namespace velmo {

// The launcher's three commands, each a label: Label1 "Velmo", Label2 "Fabbisogno Energetico",
// Label5 "EXIT".
enum class LauncherCommand { None, Calculator, Requirement, Exit };

// The launcher's state: the version line and the colours of its two command labels.
class LauncherModel : public QObject {
    Q_OBJECT
public:
    explicit LauncherModel(QObject *parent = nullptr) : QObject(parent) {}

    // "Versione " and the program's major.minor.patch.
    static QString versionLine();
    static QString versionLine(int major, int minor, int patch);

    bool label1Red() const { return label1Red_; }
    bool label2Red() const { return label2Red_; }

    // A label turns red under the mouse and stays red until the mouse crosses the frame.
    void mouseOverLabel1();
    void mouseOverLabel2();
    void mouseOverFrame1();
    // Each showing starts from black labels and no pressed command.
    void reset();

    // A command runs on a click: the button pressed and released on the same label. A press
    // dragged off its label and released elsewhere runs nothing, so a slip never ends the
    // program. `released` gives the command to run, or None.
    void pressed(LauncherCommand on);
    LauncherCommand released(LauncherCommand on);

signals:
    void coloursChanged();

private:
    void set(bool label1, bool label2);
    bool label1Red_ = false;
    bool label2Red_ = false;
    LauncherCommand pressed_ = LauncherCommand::None;
};

}  // namespace velmo
