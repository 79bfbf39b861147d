#pragma once

#include <QString>
#include <QStringList>

// The regulation text of 45 CFR Part 164 Subpart C (2003), compiled into the program and addressed by
// citation: "164.308(a)(1)(ii)(A)", section headings by section number ("164.308"), undesignated lead-ins
// as "164.310/intro". A line is the paragraph as printed, starting with its own designation.
namespace RuleData {

// Empty when the citation is not in the regulation.
QString line(const QString &citation);
bool contains(const QString &citation);
// Every citation, in the order of the regulation.
const QStringList &citations();

// A block of a built text: the paragraph's line after `indent` blanks.
QString block(const QString &citation, int indent = 4);

// Fixed lines that recur in the texts (UTF-8).
inline constexpr char S308[] = "§ 164.308  Administrative safeguards.";
inline constexpr char S310[] = "§ 164.310  Physical safeguards.";
inline constexpr char S312[] = "§ 164.312  Technical safeguards.";
inline constexpr char S316[] = "§ 164.316  Policies and procedures and documentation requirements.";
inline constexpr char O1[] = "    (a) A covered entity must, in accordance with § 164.306:";
inline constexpr char O2[] = "    A covered entity must, in accordance with § 164.306:";
inline constexpr char I1[] = "    (ii) Implementation specifications:";
inline constexpr char I2[] = "    (2) Implementation specifications:";

} // namespace RuleData
