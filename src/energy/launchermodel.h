#pragma once

#include <QObject>
#include <QString>

namespace velmo {

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
    // Each showing starts from black labels.
    void reset();

signals:
    void coloursChanged();

private:
    void set(bool label1, bool label2);
    bool label1Red_ = false;
    bool label2Red_ = false;
};

}  // namespace velmo
