// SPDX-License-Identifier: GPL-3.0-or-later
#include "settings/ProgramSettings.h"

#include "settings/PupilList.h"

#include <QFile>
#include <QLoggingCategory>
#include <QSettings>

namespace {
Q_LOGGING_CATEGORY(settingsLog, "gli.settings")

QString key(const char *name)
{
    return QString::fromLatin1(name);
}

bool readBool(const QVariant &value, bool fallback)
{
    if (value.typeId() == QMetaType::Bool)
        return value.toBool();
    if (value.typeId() != QMetaType::QString)
        return fallback;
    const QString text = value.toString().trimmed().toLower();
    if (text == QLatin1String("true") || text == QLatin1String("1"))
        return true;
    if (text == QLatin1String("false") || text == QLatin1String("0"))
        return false;
    return fallback;
}

SetLevel readLevel(const QVariant &value, SetLevel fallback)
{
    bool ok = false;
    int number = 0;
    if (value.typeId() == QMetaType::Int || value.typeId() == QMetaType::LongLong)
        number = value.toInt(&ok);
    else if (value.typeId() == QMetaType::QString)
        number = value.toString().trimmed().toInt(&ok);
    return ok ? sets::levelFromValue(number).value_or(fallback) : fallback;
}

// A list of one name comes back from a settings file as a single text.
QStringList readNames(const QVariant &value)
{
    if (value.typeId() == QMetaType::QStringList)
        return value.toStringList();
    if (value.typeId() == QMetaType::QString)
        return {value.toString()};
    return {};
}

QString readText(const QVariant &value)
{
    return value.typeId() == QMetaType::QString ? value.toString() : QString();
}
} // namespace

ProgramSettings ProgramSettings::read(const QSettings &settings)
{
    const ProgramSettings defaults;
    ProgramSettings read;
    read.voice = readBool(settings.value(key(voiceKey)), defaults.voice);
    read.level = readLevel(settings.value(key(levelKey)), defaults.level);
    read.pupils = PupilList(readNames(settings.value(key(pupilsKey)))).names();
    read.className = readText(settings.value(key(classNameKey)));
    if (settings.status() != QSettings::NoError) {
        qCWarning(settingsLog) << "settings" << settings.fileName()
                               << "could not be read; the defaults apply";
        return defaults;
    }
    return read;
}

void ProgramSettings::write(QSettings &settings) const
{
    settings.setValue(key(voiceKey), voice);
    settings.setValue(key(levelKey), sets::levelValue(level));
    settings.setValue(key(pupilsKey), pupils);
    settings.setValue(key(classNameKey), className);
}

ProgramSettings ProgramSettings::load()
{
    ProgramSettings loaded;
    QString damaged;
    {
        const QSettings settings(key(organisation), key(application));
        loaded = read(settings);
        if (settings.status() == QSettings::FormatError)
            damaged = settings.fileName();
    }
    // QSettings would later write over the file it could not parse: it goes
    // aside now, kept for a look, and the next save starts a fresh one.
    if (!damaged.isEmpty()) {
        const QString aside = damaged + QStringLiteral(".damaged");
        QFile::remove(aside);
        if (QFile::rename(damaged, aside))
            qCWarning(settingsLog) << "damaged settings moved to" << aside;
    }
    return loaded;
}

std::unique_ptr<QSettings> ProgramSettings::store()
{
    return std::make_unique<QSettings>(key(organisation), key(application));
}

bool ProgramSettings::save() const
{
    QSettings settings(key(organisation), key(application));
    write(settings);
    settings.sync();
    if (settings.status() == QSettings::NoError)
        return true;
    qCWarning(settingsLog) << "settings could not be written to" << settings.fileName();
    return false;
}
