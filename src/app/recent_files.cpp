#include "app/recent_files.h"

#include <QSettings>

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

void RecentFiles::Add(const QString& path) {
    if (path.isEmpty()) {
        return;
    }
    QStringList entries = Entries();
    entries.removeAll(path);
    entries.prepend(path);
    settings_.beginGroup(kGroup);
    for (int number = 1; number <= kMaxEntries; ++number) {
        if (number <= entries.size()) {
            settings_.setValue(EntryKey(number), entries.at(number - 1));
        } else {
            settings_.remove(EntryKey(number));
        }
    }
    settings_.endGroup();
    settings_.sync();
}

} // namespace pattik
