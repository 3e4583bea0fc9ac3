#pragma once

#include "common/exact_number.h"

#include <QDate>
#include <QLocale>
#include <QString>

// The user's regional settings: day and month names and the currency form.
// The app passes QLocale::system(); tests pass a British locale.
class Regional
{
public:
    explicit Regional(QLocale locale = QLocale::system()) : m_locale(std::move(locale)) {}

    QString weekdayName(QDate date) const;  // full name, "Saturday"
    QString shortMonthName(int month) const; // "Dec"
    // The one currency formatter: pence shown as pounds (pence / 100).
    QString currency(double pence) const;
    // The one MB formatter, for every volume on screen and on paper (files
    // keep bytes): bytes as MB of mbBytes each, to a tenth, in the locale's
    // digits: "12.3 MB", "12,3 Mo".
    QString volume(qint64 bytes, qint64 mbBytes) const;
    // A fee or a small sum told to the fraction of a penny, in sentences:
    // in pence where the currency is the pound ("4.20p", "15p"), else the
    // currency form with the places it needs ("0,042 EUR"). Pence are told
    // with the places they need, leastPlaces at least and eight at most, so an
    // operator's minimum of 4.256p shows as written.
    QString pence(double pence, int leastPlaces = 0) const;
    QString pence(const ExactNumber &pence, int leastPlaces = 0) const
    {
        return this->pence(pence.toDouble(), leastPlaces);
    }

    const QLocale &locale() const { return m_locale; }

private:
    QLocale m_locale;
};
