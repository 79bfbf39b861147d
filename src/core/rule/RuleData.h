#pragma once

#include <QString>
#include <QStringList>

// The regulation text of 45 CFR Part 164 Subpart C, compiled into the program in two editions and
// addressed by citation: "164.308(a)(1)(ii)(A)", section headings by section number ("164.308"),
// undesignated lead-ins as "164.310/intro". A line is the paragraph as printed, starting with its own
// designation.
namespace RuleData {

// As adopted in 2003, and as amended on 25 January 2013 (in force since 26 March 2013).
enum class Edition { Adopted2003, Amended2013 };

// Empty when the citation is not in the edition.
QString line(const QString &citation, Edition edition = Edition::Adopted2003);
bool contains(const QString &citation, Edition edition = Edition::Adopted2003);
// Every citation of the edition, in the order of the regulation.
const QStringList &citations(Edition edition = Edition::Adopted2003);

// How the 2013 amendments treat a citation. Added and Removed citations exist in one edition only;
// a citation in neither edition is Unchanged.
enum class Change { Unchanged, Changed, Added, Removed };
Change change(const QString &citation);

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
