#pragma once

#include <QByteArray>
#include <QFile>
#include <QString>

namespace velmo::test {

// Makes `home` the user's home folder, with no folder settings of the desktop's own, for the
// lifetime of the guard; the user's real folders stay out of the test's way.
class HomeGuard {
public:
    explicit HomeGuard(const QString &home)
        : home_(save("HOME")), config_(save("XDG_CONFIG_HOME"))
    {
        qputenv("HOME", QFile::encodeName(home));
        qputenv("XDG_CONFIG_HOME", QFile::encodeName(home + QStringLiteral("/.config")));
    }
    ~HomeGuard()
    {
        restore("HOME", home_);
        restore("XDG_CONFIG_HOME", config_);
    }
    HomeGuard(const HomeGuard &) = delete;
    HomeGuard &operator=(const HomeGuard &) = delete;

private:
    struct Saved {
        bool set;
        QByteArray value;
    };
    static Saved save(const char *name) { return {qEnvironmentVariableIsSet(name), qgetenv(name)}; }
    static void restore(const char *name, const Saved &saved)
    {
        if (saved.set)
            qputenv(name, saved.value);
        else
            qunsetenv(name);
    }

    Saved home_;
    Saved config_;
};

}  // namespace velmo::test
