#pragma once
// Word lists for the addresses of a synthetic register.

#include <QList>
#include <QString>
#include <QStringList>

namespace GreekPlaces {
struct Municipality {
    QString name;       // Dimos
    QString prefecture; // Nomos
    QString zipPrefix;  // the first three digits of its postcodes
    QString taxOffice;  // the tax office (DOY) of the area
    QStringList localities;
};
const QList<Municipality>& municipalities();
const QStringList& streets();
} // namespace GreekPlaces
