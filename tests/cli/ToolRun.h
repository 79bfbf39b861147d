#pragma once

#include <QByteArray>
#include <QDir>
#include <QString>
#include <QStringList>
#include <gtest/gtest.h>

#include "backup/BackupFixtures.h"
#include "support/TempFolder.h"

// One run of tessarel-cli as a separate process.
struct ToolRun
{
    int exitCode = -1;
    QByteArray bytes; // standard output as written
    QString out;
    QString err;
};

// The built tool's path.
QString toolPath();
ToolRun runTool(const QStringList &arguments, const QByteArray &input = {});

// RFC 4180 fields of one line without quoted line breaks.
QStringList csvFields(const QString &line);

// A sample workbook folder, and a folder elsewhere.
class CommandLineTool : public ::testing::Test
{
protected:
    void SetUp() override { BackupFixtures::writeFiles(workbook, BackupFixtures::sampleWorkbook()); }
    void TearDown() override { QDir::setCurrent(QDir::tempPath()); }

    QStringList on(QStringList arguments) const
    {
        return QStringList{QStringLiteral("--workbook"), workbook.path()} + arguments;
    }

    TempFolder elsewhere;
    TempFolder workbook;
};
