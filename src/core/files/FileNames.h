#pragma once

// The names of the files the program keeps in the workbook folder, each spelled here only.
namespace FileNames {

constexpr auto Statuses = "Stat1.Fil";
constexpr auto DisplaySettings = "GColor3.Fil";
constexpr auto TodoNames = "TODONAME.FIL";
constexpr auto TodoList = "TODOActv.FIL";
constexpr auto UserDictionary = "CustomDict1.dct";
constexpr auto BackupFolder = "BackupFolder.txt";
constexpr auto RestoreJournal = "RestoreJournal.json";
constexpr auto Lock = "Tessarel.lock";
constexpr auto ComplianceRecord = "Tessarel.sqlite";

} // namespace FileNames
