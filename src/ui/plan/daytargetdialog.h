// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Velmo authors

#pragma once

#include <QDate>
#include <QDialog>
#include <QStringList>

#include <functional>

class QComboBox;
class QDateEdit;

namespace velmo::ui {

// A day of a person: which one the window shows ("Giorno della persona..."), or where a day or a
// meal is copied to, and then, for a meal, which meal of that day it replaces or whether it is
// added as a new one.
class DayTargetDialog : public QDialog {
    Q_OBJECT
public:
    // The meals of a person's day on a date; none given: the dialog asks for no meal.
    using MealsOf = std::function<QStringList(const QString &person, QDate date)>;
    DayTargetDialog(const QString &title, const QStringList &persons, const QString &person, QDate date,
                    MealsOf mealsOf, QWidget *parent = nullptr);

    QString person() const;
    QDate date() const;
    // The meal chosen, by its place in the day; -1 for a new meal.
    int meal() const;

    QComboBox *persons() const { return persons_; }
    QDateEdit *dateEdit() const { return date_; }
    QComboBox *meals() const { return meals_; }

private:
    void fillMeals();

    MealsOf mealsOf_;
    QComboBox *persons_ = nullptr;
    QDateEdit *date_ = nullptr;
    QComboBox *meals_ = nullptr;
};

}  // namespace velmo::ui
