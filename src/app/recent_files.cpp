#include "app/recent_files.h"

#include "app/qt_convert.h"
#include "document/recent_list.h"

#include <QSettings>

#include <string>
#include <vector>

namespace pattik {
namespace {

constexpr const char* kGroup = "Recent File List";

QString EntryKey(int number) {
    return QStringLiteral("File%1").arg(number);
}

} // namespace

QStringList RecentFiles::Entries() const {
    QStringList entries;
    settings_.beginGroup(kGroup);
    for (int number = 1; number <= kMaxEntries; ++number) {
        const QString path = settings_.value(EntryKey(number)).toString();
        if (!path.isEmpty()) {
            entries.append(path);
        }
    }
    settings_.endGroup();
    return entries;
}

std::vector<std::string> RecentFiles::Read() const {
    std::vector<std::string> entries;
    for (const QString& entry : Entries()) {
        entries.push_back(ToStdString(entry));
    }
    return entries;
}

void RecentFiles::Write(const std::vector<std::string>& entries) {
    settings_.beginGroup(kGroup);
    for (int number = 1; number <= kMaxEntries; ++number) {
        const auto index = static_cast<std::size_t>(number - 1);
        if (index < entries.size()) {
            settings_.setValue(EntryKey(number), ToQString(entries[index]));
        } else {
            settings_.remove(EntryKey(number));
        }
    }
    settings_.endGroup();
    settings_.sync();
}

void RecentFiles::Add(const QString& path) {
    Write(WithRecentPath(Read(), ToStdString(path)));
}

void RecentFiles::Remove(const QString& path) {
    Write(WithoutRecentPath(Read(), ToStdString(path)));
}

} // namespace pattik
