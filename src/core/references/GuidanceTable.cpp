// Guidance for each item, written for a small practice, and where it comes from a content file.
#include <array>

#include "core/references/ReferenceLines.h"

using namespace ReferenceLines;
using ReferenceTable::Additional;
using ReferenceTable::text;

namespace {

Additional guidance(std::vector<Line> lines, const char *phrase) { return {false, built(std::move(lines), phrase)}; }
Additional addressable(std::vector<Line> lines, const char *phrase) { return {true, built(std::move(lines), phrase)}; }

const std::vector<Line> accessLines{
    text("Give each person access only to the electronic protected health information needed for their job (need "
         "to know), and write down who approved what."),
    text("Require authentication before any access: each user signs in with a unique user name and a password or "
         "other means, never with a shared account."),
};
const Line workstationPolicy = text(
    "Adopt one Workstation Use policy covering both the use and the security of every workstation: what it may be "
    "used for, who may use it and where it stands.");

std::array<Additional, 47> additionalInformation()
{
    return {{
        guidance({text("A Risk Analysis is the main tool for choosing how your practice complies: the rule lets you "
                       "pick the security measures, but the choice must follow from what the analysis finds."),
                  text("That freedom has limits: required specifications must be met, and for each addressable one "
                       "the decision and its reasons must be documented."),
                  text("List where electronic protected health information is created, received, kept or sent "
                       "(computers, practice system, e-mail, backups, portable devices), then the threats, "
                       "weaknesses and existing measures for each."),
                  text("The purpose of a Risk Analysis is to rate each risk by likelihood and impact so that time and "
                       "money go to the largest risks first; repeat it when systems, staff or premises change.")},
                 "Risk Analysis"),
        guidance({text("Use Risk Management to act on the risk analysis: for each risk found, record the measure "
                       "chosen, who carries it out and by when, and review the list at least once a year.")},
                 "Risk Management"),
        guidance({text("Write down clearly defined Sanctions for staff who break the security policies, graded from "
                       "a warning to dismissal according to how serious the breach is."),
                  text("Have every staff member read and sign the sanction policy when hired and whenever it "
                       "changes."),
                  text("Enforce the Sanctions consistently for everyone, owners and managers included; a policy "
                       "that is not enforced protects nothing."),
                  text("Document each case: what happened, what was decided and why, and keep the record with the "
                       "practice's security documentation.")},
                 "Sanctions"),
        guidance({text("Set internal audit procedures for a regular Activity Review: for example, once a month the "
                       "security official looks through the system's audit log, access reports and incident reports "
                       "and notes what was checked and found.")},
                 "Activity Review"),
        guidance({text("Name one individual as security official with the final Responsibility for the practice's "
                       "security policies and procedures, and put the appointment in writing."),
                  text("In a larger organization the security official may lead a team and delegate tasks, but the "
                       "overall Responsibility stays with that one person."),
                  text("In a smaller practice the office manager or a physician often holds the role, and may also "
                       "be the privacy official; make sure the person has the time and authority to do it.")},
                 "Responsibility"),
        addressable({text("Verify the identity of each workforce member before granting access, record who gave the "
                          "Authorization and for what, and set rules for supervising staff who work from home or "
                          "outside office hours.")},
                    "Authorization"),
        addressable({text("Decide in your Workforce Clearance Procedures which positions call for background checks "
                          "(references, licence verification, a criminal record check) according to the access each "
                          "position has, and apply them consistently.")},
                    "Workforce Clearance Procedures"),
        addressable({text("Follow written Termination Procedures on an employee's last day: disable accounts and "
                          "passwords, collect devices, badges and keys, change locks and door codes where needed, "
                          "and record that each step was done.")},
                    "Termination Procedures"),
        guidance({text("This applies only where a health care clearinghouse is part of a larger organization: the "
                       "clearinghouse keeps its electronic protected health information out of reach of the rest "
                       "of the organization.")},
                 "clearinghouse"),
        addressable(accessLines, "Access"),
        addressable(accessLines, "access"),
        addressable({text("Include security reminders in staff training and in newsletters, notices or short items at "
                          "staff meetings, for example on locking screens, suspicious e-mail and password care.")},
                    "security reminders"),
        addressable({text("Set procedures against malicious software: keep anti-virus software running and updated on "
                          "every computer, install updates promptly, and tell staff how to recognize and report "
                          "suspicious messages and files.")},
                    "malicious software"),
        addressable({text("Set procedures for monitoring Log-in attempts: have the system record failed log-ins and "
                          "lock an account after repeated failures, and make log-in monitoring part of the regular "
                          "activity review, reporting any discrepancies.")},
                    "monitoring Log-in"),
        addressable({text("Set procedures for creating, changing and safeguarding Passwords: long pass phrases, never "
                          "shared or written down at the desk, changed at once when they may have been disclosed.")},
                    "Passwords"),
        guidance({text("Have staff report any unusual occurrence at once (a lost laptop, a virus warning, a stranger "
                       "at a workstation) to the security official, who keeps a written Report of what happened and "
                       "what was done.")},
                 "Report"),
        guidance({text("Make a backup of the practice system and other electronic protected health information every "
                       "working day, and check that it completed."),
                  text("Test a restore at least every few months, so that you know the backup copies can be used."),
                  text("Keep at least one current copy off site, for example an encrypted backup with an online "
                       "service, so that a fire or theft at the office does not take every copy.")},
                 " backup"),
        guidance({text("The goal of a Disaster recovery plan is to restore lost data and get the practice's systems "
                       "working again after a fire, flood, theft or system failure."),
                  text("Write down in the Disaster recovery plan who does what, where the backups are, and how to "
                       "reach your computer support and software vendors.")},
                 "Disaster recovery plan"),
        guidance({text("Decide which tasks must go on in Emergency mode (for example looking up records and "
                       "medication lists) and how they are done while the systems are down."),
                  text("Write the Emergency mode procedures so that the information stays protected, for example "
                       "paper forms kept locked and entered later by authorized staff.")},
                 "Emergency mode"),
        addressable({text("Schedule Testing and revision of the contingency plans at least once a year, for example a "
                          "trial restore and a walk-through of a day without the computer system."),
                     text("Record the results of each test and revise the plans where something did not work.")},
                    "Testing and revision"),
        addressable({text("Rank your applications and data by criticality: which ones the practice cannot work "
                          "without for a day (scheduling, records, billing) and which can wait."),
                     text("Use that criticality ranking to decide what is backed up most often and restored "
                          "first.")},
                    "criticality"),
        guidance({text("Carry out a periodic Evaluation, technical and procedural, of how well your security "
                       "measures meet the rule, at least once a year and after major changes, and keep the written "
                       "results.")},
                 "Evaluation"),
        guidance({text("List all business associates that create, receive, keep or send electronic protected health "
                       "information for you, such as billing services, computer support and software vendors."),
                  text("Make sure each of these business associates has signed a written contract or other "
                       "arrangement that gives the assurances the rule requires.")},
                 "business associates"),
        addressable({text("For each contingency (fire, flood, power failure, theft, system failure) the procedures "
                          "should specify:"),
                     text("    - who may enter the facility to restore systems and data;"),
                     text("    - how those persons are identified and let in when locks or alarms are out of order;"),
                     text("    - who holds the keys, codes and alarm information;"),
                     text("    - where the backups and recovery instructions are kept;"),
                     text("    - which vendors or support staff may be called in, and who escorts them;"),
                     text("    - how access is recorded during the emergency;"),
                     text("    - how normal access controls are restored afterwards.")},
                    "contingency"),
        addressable({text("Write a plan to safeguard the facility and the equipment in it from unauthorized physical "
                          "access, tampering and theft: locks, alarm, who holds keys, where servers and backups "
                          "are kept.")},
                    "facility and the equipment"),
        addressable({text("Use card or key access, or at least locked doors, for rooms with computers or records, and "
                          "give access according to each person's role."),
                     text("Give guests and vendors a guest badge, sign them in and out, and escort them wherever "
                          "patient information can be seen.")},
                    "access"),
        addressable({text("Keep maintenance records of repairs and changes to door locks, keys, alarms and other "
                          "security-related parts of the building: the date, what was done and by whom.")},
                    "maintenance records"),
        guidance({workstationPolicy,
                  text("Require strong passwords, and screen timeouts that lock an unattended workstation after a few "
                       "minutes.")},
                 "Workstation Use"),
        guidance({workstationPolicy,
                  text("For Workstation Security, place screens so that patients and visitors cannot read them, and "
                       "secure computers in public areas against removal."),
                  text("Make random audits of workstations: screens locked when unattended, no passwords written "
                       "down, no unauthorized software installed.")},
                 "Workstation Security"),
        guidance({text("Adopt a disposal policy: before a computer, disk, copier or phone is thrown away, sold or "
                       "returned, its data is wiped with a suitable tool or its storage is physically destroyed."),
                  text("The word device covers anything that stores data: computers, external drives, USB sticks, "
                       "backup tapes, copiers and smartphones.")},
                 "disposal"),
        guidance({text("Before media re-use, clean the media completely: delete the files and then wipe the disk or "
                       "drive with a tool made for the purpose."),
                  text("Simple deletion or formatting is not enough; the data can often be recovered."),
                  text("Give the job to one person, and record each item cleaned, the method and the date."),
                  text("Where media cannot be cleaned reliably, destroy them instead of allowing media re-use.")},
                 "media re-use"),
        addressable({text("For Accountability keep a simple record of the movements of computers, drives and backup "
                          "media into, out of and within the office, with the person responsible for each.")},
                    "Accountability"),
        addressable({text("Before equipment is moved or sent for repair, create an exact copy of the electronic "
                          "protected health information on it and check that the copy can be read."),
                     text("Store that copy safely, off site if the equipment leaves the office, until the move is "
                          "complete.")},
                    "create"),
        guidance({text("Give each user a unique name or number for signing in, so that every action in the system "
                       "can be traced to one person; never share user names.")},
                 "unique name"),
        guidance({text("Write down a procedure for obtaining necessary ePHI during an emergency, such as an emergency "
                       "account kept sealed by the security official, and review every use of it afterwards.")},
                 "obtaining necessary ePHI during an emergency"),
        addressable({text("Use electronic procedures that log users off, or lock the screen, after a set time of "
                          "inactivity, for example ten minutes on workstations in shared areas.")},
                    "electronic procedures"),
        addressable({text("Use a mechanism to encrypt and decrypt stored data where the risk analysis shows it is "
                          "needed, above all on laptops, portable drives and backups."),
                     text("Current operating systems can encrypt and decrypt whole disks; switch this on and keep the "
                          "recovery keys in a safe place.")},
                    "encrypt and decrypt"),
        guidance({text("Turn on the Audit functions of your practice system and network, so that sign-ins and access "
                       "to patient records are recorded."),
                  text("Keep the audit logs for a set period and protect them from being changed or deleted."),
                  text("Review the logs regularly as part of the information system activity review, and follow "
                       "up anything unusual.")},
                 "Audit"),
        addressable({text("Document the controls that protect the integrity of your electronic records, such as "
                          "access rights, audit logs and checks that data have not been altered or destroyed.")},
                    "integrity"),
        guidance({text("Person or entity authentication means each user proves who they are, usually with a user ID "
                       "and a password known only to them."),
                  text("Consider stronger person or entity authentication, such as a token or a code sent to a "
                       "phone, for remote access.")},
                 "Person or entity authentication"),
        addressable({text("Use integrity controls, such as secure connections with their built-in checks, so that what "
                          "you send electronically cannot be changed without detection.")},
                    "integrity controls"),
        addressable({text("Encrypt electronic protected health information sent over the internet where appropriate, "
                          "for example by secure e-mail or a patient portal instead of ordinary e-mail.")},
                    "Encrypt"),
        guidance({text("Not applicable at this time.")}, ""),
        guidance({text("Obtain satisfactory assurances, in a written contract, that each business associate will "
                       "safeguard the electronic protected health information it handles for you."),
                  text("Review existing contracts and add the required terms when they are renewed or changed.")},
                 "business associate"),
        guidance({text("Group health plans must amend their plan documents so that the plan sponsor safeguards the "
                       "electronic protected health information it receives from the plan.")},
                 "Group health plans"),
        {false, file("Addtl45.dat")},
        {false, file("Addtl45.dat")},
    }};
}

} // namespace

const ReferenceTable::Additional &ReferenceTable::additionalInformation(int number)
{
    static const std::array<Additional, 47> table = ::additionalInformation();
    static const Additional none;
    return number >= 1 && number <= 47 ? table[static_cast<size_t>(number - 1)] : none;
}
