#pragma once

#include <QList>
#include <QString>
#include <QStringList>

// The threat sources a risk can name: a built-in list grouped in five groups, and the ones the user added.
class ThreatList
{
public:
    struct Threat {
        QString name;
        QString group;
        bool builtIn = false;
        bool operator==(const Threat &) const = default;
    };

    static QStringList groups();
    static const QList<Threat> &builtIn();

    ThreatList() : m_threats(builtIn()) {}
    // Adds a user's threat; false when the name is empty, its group unknown, or the name already listed.
    bool add(const QString &name, const QString &group);
    const QList<Threat> &all() const { return m_threats; }
    // The group of a listed threat; empty when the name is not listed.
    QString groupOf(const QString &name) const;

private:
    QList<Threat> m_threats;
};
