#pragma once

// The topics of the help file that the windows open, each numbered here only.
namespace HelpTopics {

constexpr int StartScreen = 1000;
constexpr int PrintPreview = 1014;
constexpr int TodoList = 2009;
constexpr int WorkArea = 3010;
constexpr int RuleReader = 3012;
constexpr int MiscArea = 3014;
constexpr int Spelling = 5050;

} // namespace HelpTopics
