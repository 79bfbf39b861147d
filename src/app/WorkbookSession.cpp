#include "app/WorkbookSession.h"

#include <QDir>
#include <QFileInfo>
#include <QLocale>

#include "app/Product.h"
#include "components/Dialogs.h"

namespace {

const QString inUseCaption = QStringLiteral("Workbook in Use");

QString when(const QDateTime &time)
{
    return QLocale(QLocale::English, QLocale::UnitedStates).toString(time, u"MMMM d, yyyy 'at' HH:mm:ss");
}

QString holderText(const WorkbookLock::Holder &holder)
{
    const QString user = holder.user.isEmpty() ? QStringLiteral("an unknown user") : holder.user;
    return QStringLiteral("%1 on %2, process %3 (%4), since %5")
        .arg(user, holder.host.isEmpty() ? QStringLiteral("an unknown computer") : holder.host)
        .arg(holder.pid)
        .arg(holder.application.isEmpty() ? Product::name : holder.application, when(holder.since));
}

bool askToKeepBoth(const WorkbookAccess::ChangedFile &file)
{
    return Dialogs::current().messageBox(WorkbookSession::changedFileQuestion(file),
                                         Dialogs::YesNo + Dialogs::Exclamation,
                                         QStringLiteral("File Changed")) == Dialogs::Yes;
}

} // namespace

WorkbookSession::WorkbookSession()
{
    m_access.setQuestion(askToKeepBoth);
}

WorkbookSession::~WorkbookSession()
{
    if (&WorkbookAccess::current() == &m_access)
        WorkbookAccess::install(nullptr);
}

void WorkbookSession::makeCurrent()
{
    WorkbookAccess::install(&m_access);
    RecordDatabase::install(m_record.get());
}

void WorkbookSession::openRecord()
{
    m_record.reset();
    if (!m_lock)
        return;
    const auto access = isReadOnly() ? RecordDatabase::Access::Read : RecordDatabase::Access::Write;
    Result<RecordDatabase::Opened> opened = RecordDatabase::open(m_lock->folder(), access);
    const QString notice = opened ? opened->notice : opened.error();
    if (opened)
        m_record = std::move(opened.value().database);
    RecordDatabase::install(m_record.get());
    if (!notice.isEmpty())
        Dialogs::current().messageBox(notice, Dialogs::OkOnly + Dialogs::Exclamation,
                                      QStringLiteral("Compliance Record"));
}

bool WorkbookSession::open(const QString &folder)
{
    makeCurrent();
    if (m_lock && m_lock->folder() == folder)
        return true; // opened already, as it was then
    m_lock = std::make_unique<WorkbookLock>(folder);
    const WorkbookLock::Outcome outcome = m_lock->take();
    if (outcome == WorkbookLock::Outcome::Taken)
        return true;

    QString why;
    QString reason;
    if (outcome == WorkbookLock::Outcome::HeldElsewhere) {
        why = QStringLiteral("This workbook is in use by another copy of %1: %2.")
                  .arg(Product::name, holderText(m_lock->holder()));
        reason = QStringLiteral("in use by %1").arg(holderText(m_lock->holder()));
    } else {
        why = QStringLiteral("This workbook cannot be opened for changes: %1.").arg(m_lock->error());
        reason = m_lock->error();
    }
    const QString question =
        why +
        QStringLiteral("\r\rOpen it read-only? You can read and print everything in it, but nothing can be "
                       "changed or saved.\r\rYes opens it read-only; No leaves it closed and ends %1.")
            .arg(Product::name);
    if (Dialogs::current().messageBox(question, Dialogs::YesNo + Dialogs::Exclamation, inUseCaption) !=
        Dialogs::Yes)
        return false;
    m_access.setReadOnly(folder, reason);
    return true;
}

QString WorkbookSession::changedFileQuestion(const WorkbookAccess::ChangedFile &file)
{
    const QString name = QFileInfo(file.path).fileName();
    return QStringLiteral("%1 was changed by another program (%2) after %3 read it.\r\r"
                          "Yes saves your version as %1 and keeps the other program's version beside it as "
                          "\"%4\".\r\rNo saves nothing now; your changes stay where they are.")
        .arg(name, when(file.changedAt), Product::name, QFileInfo(file.keptAsPath).fileName());
}

bool WorkbookSession::reserve(const QString &folder)
{
    if (isReadOnly()) {
        Dialogs::current().messageBox(
            QStringLiteral("This copy of %1 opened its workbook read-only, so it cannot open another one. "
                           "Close it and start %1 again to open the workbook in \"%2\".")
                .arg(Product::name, QDir::toNativeSeparators(folder)),
            Dialogs::OkOnly + Dialogs::Exclamation, inUseCaption);
        return false;
    }
    m_reserved = std::make_unique<WorkbookLock>(folder);
    const WorkbookLock::Outcome outcome = m_reserved->take();
    if (outcome == WorkbookLock::Outcome::Taken)
        return true;
    const QString why = outcome == WorkbookLock::Outcome::HeldElsewhere
                            ? QStringLiteral("it is in use by another copy of %1: %2")
                                  .arg(Product::name, holderText(m_reserved->holder()))
                            : m_reserved->error();
    m_reserved.reset();
    Dialogs::current().messageBox(QStringLiteral("The workbook in \"%1\" cannot be opened: %2.")
                                      .arg(QDir::toNativeSeparators(folder), why),
                                  Dialogs::OkOnly + Dialogs::Exclamation, inUseCaption);
    return false;
}

void WorkbookSession::settle(bool moved)
{
    if (moved && m_reserved) {
        m_lock = std::move(m_reserved);
        openRecord();
    }
    m_reserved.reset();
}
