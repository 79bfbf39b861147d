#pragma once

#include <QByteArray>
#include <QDir>
#include <QSettings>
#include <QTemporaryDir>
#include <gtest/gtest.h>

// Points HOME, the configuration folder and QSettings at a temporary folder for the whole test run, so no
// test reads or writes the real user's home or settings. Made before the application object.
class IsolatedHome
{
public:
    IsolatedHome()
    {
        qputenv("HOME", m_dir.path().toUtf8());
        const QString config = m_dir.filePath(QStringLiteral(".config"));
        QDir().mkpath(config);
        qputenv("XDG_CONFIG_HOME", config.toUtf8());
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, config);
        QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, config);
    }

    QString path() const { return m_dir.path(); }

private:
    QTemporaryDir m_dir;
};

// Every test starts with the user's settings empty, as on a first start.
class FreshSettings : public ::testing::EmptyTestEventListener
{
    void OnTestStart(const ::testing::TestInfo &) override { QSettings().clear(); }
};
