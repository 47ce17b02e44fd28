// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Velmo authors

#include "common/settings.h"

#include "common/userfolder.h"

#include <QFile>
#include <QFileInfo>
#include <QSettings>
#include <QStandardPaths>

#include <algorithm>

namespace velmo {

namespace {

struct WindowKey {
    RememberedWindow window;
    const char *key;
};

// The keys of the remembered windows, in the file's group "finestre".
constexpr WindowKey kWindowKeys[] = {
    {RememberedWindow::FoodSearch, "finestre/cerca_alimento"},
    {RememberedWindow::Food, "finestre/alimento_personale"},
    {RememberedWindow::Help, "finestre/guida"},
    {RememberedWindow::Ranking, "finestre/alimenti_ricchi_di"},
    {RememberedWindow::NutrientProfile, "finestre/profilo_nutrizionale"},
    {RememberedWindow::Persons, "finestre/persone"},
    {RememberedWindow::Week, "finestre/settimana"},
};

const QString kRecentMealFilesKey = QStringLiteral("pasto/file_recenti");
const QString kCurrentPersonKey = QStringLiteral("persone/persona_corrente");
// The practice heading's fields, in the file's group "studio", in PracticeHeading's order.
constexpr const char *kHeadingKeys[] = {"studio/nome",     "studio/titolo", "studio/indirizzo",
                                        "studio/telefono", "studio/email",  "studio/logo"};
// A name longer than any the store keeps is no name of a person.
constexpr qsizetype kMaxCurrentPersonLength = 1000;

QString windowKey(RememberedWindow window)
{
    const auto *found = std::find_if(std::begin(kWindowKeys), std::end(kWindowKeys),
                                     [window](const WindowKey &k) { return k.window == window; });
    return QString::fromLatin1(found->key);
}

bool withinRange(const QRect &r)
{
    const auto side = [](int length) {
        return length >= Settings::kMinWindowSide && length <= Settings::kMaxWindowSide;
    };
    const auto offset = [](int at) { return at >= -Settings::kMaxWindowOffset && at <= Settings::kMaxWindowOffset; };
    return side(r.width()) && side(r.height()) && offset(r.x()) && offset(r.y());
}

}  // namespace

QString Settings::defaultPath()
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation)
           + QStringLiteral("/velmo/velmo.conf");
}

std::optional<QRect> Settings::windowGeometry(RememberedWindow window) const
{
    if (path_.isEmpty() || !QFileInfo::exists(path_))
        return std::nullopt;
    const QVariant value = QSettings(path_, QSettings::IniFormat).value(windowKey(window));
    if (value.typeId() != QMetaType::QRect || !withinRange(value.toRect()))
        return std::nullopt;
    return value.toRect();
}

bool Settings::setWindowGeometry(RememberedWindow window, const QRect &geometry)
{
    return withinRange(geometry) && write(windowKey(window), geometry);
}

QStringList Settings::recentMealFiles() const
{
    if (path_.isEmpty() || !QFileInfo::exists(path_))
        return {};
    return QSettings(path_, QSettings::IniFormat).value(kRecentMealFilesKey).toStringList();
}

bool Settings::setRecentMealFiles(const QStringList &paths)
{
    return write(kRecentMealFilesKey, paths);
}

QString Settings::currentPerson() const
{
    if (path_.isEmpty() || !QFileInfo::exists(path_))
        return {};
    const QVariant value = QSettings(path_, QSettings::IniFormat).value(kCurrentPersonKey);
    if (value.typeId() != QMetaType::QString || value.toString().size() > kMaxCurrentPersonLength)
        return {};
    return value.toString();
}

bool Settings::setCurrentPerson(const QString &name)
{
    return write(kCurrentPersonKey, name);
}

PracticeHeading Settings::practiceHeading() const
{
    PracticeHeading heading;
    if (path_.isEmpty() || !QFileInfo::exists(path_))
        return heading;
    const QSettings file(path_, QSettings::IniFormat);
    QString *fields[] = {&heading.name,      &heading.title, &heading.address,
                         &heading.telephone, &heading.email, &heading.logoPath};
    for (std::size_t i = 0; i < std::size(fields); ++i) {
        const QVariant value = file.value(QString::fromLatin1(kHeadingKeys[i]));
        if (value.typeId() == QMetaType::QString && value.toString().size() <= kMaxHeadingFieldLength)
            *fields[i] = value.toString();
    }
    return heading;
}

bool Settings::setPracticeHeading(const PracticeHeading &heading)
{
    const QString fields[] = {heading.name,      heading.title, heading.address,
                              heading.telephone, heading.email, heading.logoPath};
    bool written = true;
    for (std::size_t i = 0; i < std::size(fields); ++i)
        written = write(QString::fromLatin1(kHeadingKeys[i]), fields[i]) && written;
    return written;
}

bool Settings::write(const QString &key, const QVariant &value)
{
    if (path_.isEmpty())
        return false;
    // Where the user keeps a meal is nobody else's business either: the folder and the file are
    // the user's alone, as the user's data is.
    QStringList notices;
    QString error;
    if (!makePrivateFolder(QFileInfo(path_).absolutePath(), &notices, &error) || !createPrivateFile(path_, &error))
        return false;
    QSettings file(path_, QSettings::IniFormat);
    file.setValue(key, value);
    file.sync();
    return file.status() == QSettings::NoError && QFile::setPermissions(path_, QFile::ReadOwner | QFile::WriteOwner);
}

QRect placeWithin(const QRect &wanted, const QRect &available)
{
    const QSize size = wanted.size().boundedTo(available.size());
    const int x = std::clamp(wanted.x(), available.left(), available.left() + available.width() - size.width());
    const int y = std::clamp(wanted.y(), available.top(), available.top() + available.height() - size.height());
    return QRect(QPoint(x, y), size);
}

}  // namespace velmo
